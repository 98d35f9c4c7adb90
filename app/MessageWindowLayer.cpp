#include "app/MessageWindowLayer.h"

#include "app/EditorShell.h"
#include "app/SemaphoreHold.h"
#include "app/WindowEvents.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcLayerControl.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kCellWidth = 6;
constexpr int kCellHeight = 9;
constexpr int kControlGap = 6;
constexpr int kTextX = 6;
constexpr int kLine1Y = 5;
constexpr int kLine2Y = 18;
constexpr int kAutoWidthMargin = 12;
constexpr ARGB kFillRed = 0x30u << 16;

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

void CopyText(char* target, const char* text)
{
    const std::size_t length = text != nullptr ? strnlen(text, CMessageWindowLayer::kTextLength) : 0;
    std::memcpy(target, text != nullptr ? text : "", length);
    target[length] = '\0';
}

}  // namespace

CMessageWindowLayer::CMessageWindowLayer()
{
    if (CWindowManager* manager = WindowManager())
        m_registered = manager->AddListener(this);
}

CMessageWindowLayer::~CMessageWindowLayer()
{
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
}

bool CMessageWindowLayer::Setup(const MessageLayerSetup& setup, CHfcWindow* window, int clientWidth, int clientHeight)
{
    m_X = setup.x;
    m_Y = setup.y;
    SetBox(setup.x, setup.y, setup.width, setup.height);
    m_followControl = setup.followControl;
    m_autoWidth = setup.autoWidth;
    SetDuration(setup.durationMs);
    m_sourceControl = setup.sourceControl;
    m_font = GetBitmap("LcdCharWhite");
    m_clientWidth = clientWidth;
    m_clientHeight = clientHeight;
    return Create(0, 0, clientWidth, clientHeight, window);
}

void CMessageWindowLayer::PostText(const char* text1, const char* text2)
{
    CopyText(m_text1, text1);
    CopyText(m_text2, text2);
    Broadcast();
}

void CMessageWindowLayer::Wake()
{
    if (m_woken)
        return;
    m_woken = true;
    Broadcast();
}

void CMessageWindowLayer::SetBox(int x, int y, int width, int height)
{
    m_X = x;
    m_Y = y;
    m_iWidth = width != 0 ? width : kDefaultWidth;
    m_iHeight = height != 0 ? height : kDefaultHeight;
}

void CMessageWindowLayer::OnFadeTick()
{
    CSemaphoreHold drawing(DrawingSemaphore());
    if (m_woken)
        return;
    if (m_remainingMs > 0) {
        m_remainingMs = std::max(m_remainingMs - kTickMs, 0);
        DrawBox(m_remainingMs * 255 / m_durationMs);
    } else if (m_drawn) {
        if (GetContext() != nullptr)
            GetContext()->ClearRectangle(m_lastBox);
        UpdateBox(m_lastBox);
        m_lastBox = {};
        m_drawn = false;
    }
}

bool CMessageWindowLayer::OnDestroy()
{
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_registered = false;
    return CHfcWindowLayer::OnDestroy();
}

void CMessageWindowLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                                 CWindowManagerListener* sender)
{
    if (event != kEventMessageLine || sender != static_cast<CWindowManagerListener*>(this) || !m_woken)
        return;
    CSemaphoreHold drawing(DrawingSemaphore());
    DrawBox(255);
    m_drawn = true;
    m_remainingMs = m_durationMs;
}

ARGB CMessageWindowLayer::FillColor(int opacity)
{
    return (static_cast<ARGB>(opacity * 220 / 255) << 24) | kFillRed;
}

ARGB CMessageWindowLayer::OutlineColor(int opacity)
{
    return (static_cast<ARGB>(opacity * 255 / 255) << 24) | 0xFFFFFFu;
}

void CMessageWindowLayer::Broadcast()
{
    if (CWindowManager* manager = WindowManager())
        manager->PostMessageToAll(kEventMessageLine, reinterpret_cast<LONG_PTR>(m_text1), 0, 0, 0, this);
}

POINT CMessageWindowLayer::PlaceBox(int width, int height) const
{
    if (!m_followControl || m_sourceControl == nullptr)
        return {m_X, m_Y};
    // The control's rectangle in this layer's coordinates.
    RECT control = m_sourceControl->GetRect();
    if (const CHfcWindowLayer* layer = m_sourceControl->GetLayer()) {
        const LONG dx = layer->GetRect().left - GetRect().left;
        const LONG dy = layer->GetRect().top - GetRect().top;
        control = {control.left + dx, control.top + dy, control.right + dx, control.bottom + dy};
    }
    POINT at{};
    at.y = control.top + height > m_clientHeight ? m_clientHeight - height : control.top;
    at.x = control.right + width + kControlGap <= m_clientWidth ? control.right + kControlGap
                                                                : control.left - width - kControlGap;
    return at;
}

void CMessageWindowLayer::DrawBox(int opacity)
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    const int longer = static_cast<int>(std::max(std::strlen(m_text1), std::strlen(m_text2)));
    const int width = m_autoWidth ? kCellWidth * longer + kAutoWidthMargin : m_iWidth;
    const POINT at = PlaceBox(width, m_iHeight);
    const RECT box{at.x, at.y, at.x + width, at.y + m_iHeight};
    context->ClearRectangle(m_lastBox);
    if (box.left != m_lastBox.left || box.top != m_lastBox.top || box.right != m_lastBox.right)
        UpdateBox(m_lastBox);
    context->SetFillColor(FillColor(opacity));
    context->SetPenColor(OutlineColor(opacity));
    context->SetPenWidth(1.0f);
    context->FillRectangle(box.left, box.top, width, m_iHeight);
    context->DrawRectangle(box.left, box.top, width, m_iHeight);
    context->DrawBitmapText(box.left + kTextX, box.top + kLine1Y, m_text1, kTextLength, m_font, kCellWidth,
                            kCellHeight);
    context->DrawBitmapText(box.left + kTextX, box.top + kLine2Y, m_text2, kTextLength, m_font, kCellWidth,
                            kCellHeight);
    m_lastBox = box;
    UpdateBox(box);
}

void CMessageWindowLayer::UpdateBox(const RECT& box)
{
    if (box.right > box.left && box.bottom > box.top)
        UpdateArea(box.left, box.top, box.right - box.left, box.bottom - box.top, true);
}
