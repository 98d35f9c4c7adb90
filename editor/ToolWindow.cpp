#include "editor/ToolWindow.h"

#include "app/EditorShell.h"
#include "app/SemaphoreHold.h"
#include "app/SkinTable.h"
#include "app/ToolWindows.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlCharStaticText.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <utility>

namespace {

constexpr int kLcdCellWidth = 6;

CWindowManager* WindowManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetWindowManager() : nullptr;
}

CEfSemaphore* DrawingSemaphore()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr;
}

}  // namespace

CToolLayer::CToolLayer(const layout::Window& layout, int features) : m_layout(layout), m_features(features)
{}

CToolLayer::~CToolLayer()
{
    if (IsCreated())
        Destroy();
}

bool CToolLayer::Build(CHfcWindow* window)
{
    m_background = GetBitmap(ThemedBitmapName(m_layout.background, GetColourTheme()).c_str());
    if (!Create(0, 0, m_layout.width, m_layout.height, window))
        return false;
    SetLayerCreated(true);
    if ((m_features & kListens) != 0 && WindowManager() != nullptr)
        m_listening = WindowManager()->AddListener(this);
    m_repaint = true;
    return true;
}

bool CToolLayer::OnDestroy()
{
    if (m_listening && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_listening = false;
    for (auto& control : m_controls)
        control->Destroy();
    SetLayerCreated(false);
    return CBaseLayer::OnDestroy();
}

void CToolLayer::OnTimerTick()
{
    CSemaphoreHold drawing(DrawingSemaphore());
    OnTick();
    const bool repaint = m_repaint;
    if (repaint) {
        DrawPage();
        OnPagePainted();
        m_repaint = false;
    }
    RedrawAllControls(repaint);
}

void CToolLayer::DrawPage()
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    context->ClearRectangle(RECT{0, 0, GetWidth(), GetHeight()});
    if (m_background != nullptr)
        context->DrawBitmap(0, 0, m_background->GetWidth(), m_background->GetHeight(), m_background, 0, 0);
    if ((m_features & kLogo) != 0)
        DrawLogo(context, GetWidth());
    Update(false);
}

CHfcCtrlCharStaticText* CToolLayer::AddText(const layout::Control& control)
{
    const HfcWord words[kHfcStaticTextWords] = {
        control.x,
        control.y,
        0,
        0,
        HfcBitmapWord(GetBitmap(control.skin)),
        HfcBitmapWord(m_background),
        control.x,
        control.y,
        0,
        0,
        1,
        control.w / kLcdCellWidth,
    };
    auto text = std::make_unique<CHfcCtrlCharStaticText>();
    if (!text->Create(words, static_cast<std::uint32_t>(control.id), 0))
        return nullptr;
    return Keep(std::move(text));
}

void CToolLayer::Place(CHfcControl& control)
{
    control.SetOwner(this);
    AddControl(&control, false);
    control.Show(false);
}

CToolWindow::CToolWindow(Kind kind, const layout::Window& layout, bool remembered)
    : m_layout(layout), m_remembered(remembered)
{
    SetKind(kind);
}

CToolWindow::~CToolWindow()
{
    if (m_listening && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
}

bool CToolWindow::CreateMdiWindow(const char* title, int flags, const ToolWindowSetup& setup)
{
    if (CWindowManager* manager = WindowManager())
        SetDocumentId(manager->TakeWindowNumber());
    if (!Create(title, setup.x, setup.y, m_layout.width, m_layout.height, flags, setup.menuBar, setup.frame))
        return false;
    // A window that could not be made is never the owner's.
    m_pOwner = setup.owner;
    UpdateTitle();
    if (m_remembered && WindowManager() != nullptr)
        m_listening = WindowManager()->AddListener(this);
    SetTimerEnabled(true);
    SetWindowCreated(true);
    return true;
}

bool CToolWindow::CreateRootLayer()
{
    if (!CBaseWindow::CreateRootLayer())
        return false;
    auto* layer = static_cast<CToolLayer*>(SetMainLayer(MakeLayer()));
    if (!layer->Build(this))
        return false;
    layer->Show(false);
    return true;
}

bool CToolWindow::CanClose()
{
    if (IsLayerCapturing())
        return false;
    ForgetOwner();
    return CBaseWindow::CanClose();
}

void CToolWindow::OnMoved(int x, int y)
{
    CBaseWindow::OnMoved(x, y);
    if (m_remembered && m_pOwner != nullptr)
        m_pOwner->OnToolWindowMoved(this, GetRestoredPosition().x, GetRestoredPosition().y);
}

void CToolWindow::DestroyLayers()
{
    ForgetOwner();
    if (m_listening && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_listening = false;
    CBaseWindow::DestroyLayers();
}

void CToolWindow::ForgetOwner()
{
    if (CToolWindowOwner* owner = std::exchange(m_pOwner, nullptr))
        owner->OnToolWindowClosed(this);
}
