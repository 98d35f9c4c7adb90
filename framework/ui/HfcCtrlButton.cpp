#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcDrawContext.h"

CHfcCtrlButton::CHfcCtrlButton()
{
    m_words.Reset({kHfcStripStates});
}

bool CHfcCtrlButton::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    RECT rect{};
    if (!m_words.Load(descriptor, kHfcStripStates, 2, false, rect))
        return false;
    m_words[kHfcStripWidth] = rect.right - rect.left;
    m_words[kHfcStripHeight] = rect.bottom - rect.top;
    m_pressed = 0;
    FinishCreate(rect, id, eventCode);
    return true;
}

bool CHfcCtrlButton::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    m_pressed = kHfcValuePressed;
    SetDirty(true);
    TakeCapture();
    ApplyCursor();
    return true;
}

bool CHfcCtrlButton::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlButton::OnHfcMouseLButtonUp(CHfcMouse*, int, int, int)
{
    if (!HoldsCapture())
        return false;
    if (m_pressed != 0) {
        m_pressed = 0;
        ReportValue(GetValue());
        SetDirty(true);
    }
    ReleaseCapture();
    return true;
}

bool CHfcCtrlButton::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (HoldsCapture()) {
        const bool inside =
            x >= 0 && x < m_rcControl.right - m_rcControl.left && y >= 0 && y < m_rcControl.bottom - m_rcControl.top;
        const int pressed = inside ? kHfcValuePressed : 0;
        if (pressed != m_pressed) {
            m_pressed = pressed;
            SetDirty(true);
        }
    }
    return true;
}

bool CHfcCtrlButton::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    if (m_pressed != 0) {
        m_pressed = 0;
        SetDirty(true);
    }
    return true;
}

void CHfcCtrlButton::Destroy()
{
    // The base gives up the key focus while the control is still created.
    CHfcControl::Destroy();
    m_words.Reset({kHfcStripStates});
}

void CHfcCtrlButton::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    m_words.DrawBack(context, m_rcControl);
    const int frame = GetValue() * 2 + (m_pressed != 0 ? 1 : 0);
    if (!m_bEnabled) {
        context->DrawBitmapAlpha(m_rcControl, m_words.Strip(), m_fDisabledOpacity, 0,
                                 frame * (m_rcControl.bottom - m_rcControl.top));
        return;
    }
    m_words.DrawFrame(context, m_rcControl, frame);
    if (HasFocus())
        DrawFocusFrame(context);
}

void CHfcCtrlButton::SetValue(int value, bool redraw)
{
    StoreClampedValue(value, 0, static_cast<int>(m_words[kHfcStripStates]) - 1, redraw);
}
