#include "editor/VersionInfoWindow.h"

#include "app/EditorShell.h"
#include "app/SemaphoreHold.h"
#include "editor/layout/Layouts.h"
#include "framework/services/EfSemaphore.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <cstdio>

namespace {

constexpr int kLcdCellWidth = 6;
constexpr int kLcdCellHeight = 9;

const layout::Window& Page()
{
    static const layout::Window page = layout::VersionInfoLayout();
    return page;
}

CEfSemaphore* DrawingSemaphore()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr;
}

}  // namespace

CVersionInfoLayer::CVersionInfoLayer() : CToolLayer(Page(), false) {}

void CVersionInfoLayer::OnTimerTick()
{
    CSemaphoreHold drawing(DrawingSemaphore());
    if (NeedsRepaint()) {
        DrawPage();
        char text[32];
        const int length = std::snprintf(text, sizeof text, "Version %s", kVersion);
        const layout::Control& place = Layout().controls[0];
        if (GetContext() != nullptr)
            GetContext()->DrawBitmapText(place.x, place.y, text, length, GetLcdFont(kLcdWhite), kLcdCellWidth,
                                         kLcdCellHeight);
        Update(false);
        SetNeedsRepaint(false);
    }
    RedrawAllControls(false);
}

CVersionInfoWindow::CVersionInfoWindow() : CToolWindow(kVersionWindow, Page(), false) {}

bool CVersionInfoWindow::CreateMdiWindow(const ToolWindowSetup& setup)
{
    return CToolWindow::CreateMdiWindow("Version", kCaption, setup);
}

bool CVersionInfoWindow::CreateRootLayer()
{
    if (!CToolWindow::CreateRootLayer())
        return false;
    auto* layer = static_cast<CVersionInfoLayer*>(SetMainLayer(std::make_unique<CVersionInfoLayer>()));
    if (!layer->Build(this))
        return false;
    layer->Show(false);
    return true;
}

void CVersionInfoWindow::UpdateTitle()
{
    SetTitle("Version");
}
