#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcDrawContext.h"

CHfcCtrlOldSwitch::CHfcCtrlOldSwitch()
{
    m_words.Reset({kHfcStripWidth, kHfcStripHeight, kHfcStripStates});
}

bool CHfcCtrlOldSwitch::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    RECT rect{};
    if (!m_words.Load(descriptor, kHfcStripStates, 2, true, rect))
        return false;
    m_pressed = 0;
    FinishCreate(rect, id, eventCode);
    SetMinimum(0, false);
    SetMaximum(static_cast<int>(m_words[kHfcStripStates]) - 1, false);
    return true;
}

bool CHfcCtrlOldSwitch::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    ClearKeyManagerFocus();
    TakeCapture();
    ApplyCursor();
    m_pressed = kHfcValuePressed;
    SetDirty(true);
    ReportEditBegin();
    ReportValue(GetValue() | m_pressed);
    return true;
}

bool CHfcCtrlOldSwitch::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CHfcCtrlOldSwitch::OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseUp(x, y, modifiers))
        return true;
    if (!HoldsCapture())
        return false;
    ReleaseCapture();
    return true;
}

bool CHfcCtrlOldSwitch::OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesRightButtonDown(x, y, modifiers);
    return true;
}

bool CHfcCtrlOldSwitch::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesMouseMove(x, y, modifiers);
    return true;
}

bool CHfcCtrlOldSwitch::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    m_pressed = 0;
    SetDirty(true);
    ReportValue(GetValue());
    ReportEditEnd();
    return true;
}

void CHfcCtrlOldSwitch::ResetParameters()
{
    m_words.Reset({kHfcStripWidth, kHfcStripHeight, kHfcStripStates});
    m_pressed = 0;
}

void CHfcCtrlOldSwitch::Destroy()
{
    CHfcControl::Destroy();
    ResetParameters();
}

void CHfcCtrlOldSwitch::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    m_words.DrawBack(context, m_rcControl);
    m_words.DrawFrame(context, m_rcControl, GetValue() * 2 + (m_pressed != 0 ? 1 : 0));
}

void CHfcCtrlOldSwitch::SetValue(int value, bool redraw)
{
    const int pressed = value < 0 ? kHfcValuePressed : 0;
    if (pressed != m_pressed) {
        m_pressed = pressed;
        if (redraw)
            SetDirty(true);
    }
    StoreClampedValue(value, GetMinimum(), GetMaximum(), redraw);
}
