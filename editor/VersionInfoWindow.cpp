#include "editor/VersionInfoWindow.h"

#include "editor/layout/Layouts.h"
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

}  // namespace

CVersionInfoLayer::CVersionInfoLayer() : CToolLayer(Page(), 0)
{}

void CVersionInfoLayer::OnPagePainted()
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "Version %s", kVersion);
    const layout::Control& place = Layout().controls[0];
    context->DrawBitmapText(place.x, place.y, text, length, GetLcdFont(kLcdWhite), kLcdCellWidth, kLcdCellHeight);
    UpdateArea(place.x, place.y, length * kLcdCellWidth, kLcdCellHeight, false);
}

CVersionInfoWindow::CVersionInfoWindow() : CToolWindow(kVersionWindow, Page(), false)
{}

bool CVersionInfoWindow::CreateMdiWindow(const ToolWindowSetup& setup)
{
    return CToolWindow::CreateMdiWindow("Version", kCaption, setup);
}

std::unique_ptr<CToolLayer> CVersionInfoWindow::MakeLayer()
{
    return std::make_unique<CVersionInfoLayer>();
}

void CVersionInfoWindow::UpdateTitle()
{
    SetTitle("Version");
}
