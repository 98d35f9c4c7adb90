// How a control meets the window's key focus and the screen.
#include "framework/ui/HfcControl.h"

#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcWindowLayer.h"

void CHfcControl::ReleaseKeyFocus()
{
    ReleaseKeyFocusFrom(this);
}

void CHfcControl::ReleaseKeyFocusFrom(CHfcKeyFocusListener* listener)
{
    if (!m_bCreated || m_pLayer == nullptr)
        return;
    m_pLayer->ReleaseKeyFocus(listener);
    m_iFocusedItem = -1;
    SetDirty(true);
}

void CHfcControl::SetFocus(int item)
{
    if (!m_bCreated || m_pLayer == nullptr)
        return;
    if (item == -1) {
        ReleaseKeyFocus();
        return;
    }
    m_pLayer->SetKeyFocus(this);
    m_iFocusedItem = item;
    SetDirty(true);
}

bool CHfcControl::HasFocus()
{
    return m_pLayer != nullptr && m_pLayer->HasKeyFocus(this);
}

bool CHfcControl::ScreenToControl(POINT& point)
{
    if (m_pLayer != nullptr)
        m_pLayer->ScreenToLayer(point);
    point.x -= m_rcControl.left;
    point.y -= m_rcControl.top;
    return true;
}

bool CHfcControl::ControlToScreen(POINT& point)
{
    point.x += m_rcControl.left;
    point.y += m_rcControl.top;
    if (m_pLayer != nullptr)
        m_pLayer->LayerToScreen(point);
    return true;
}

bool CHfcControl::OnHfcMouseRawLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!m_bEnabled)
        return false;
    POINT point{x, y};
    ScreenToControl(point);
    return OnHfcMouseLButtonDown(mouse, point.x, point.y, modifiers);
}

bool CHfcControl::OnHfcMouseRawLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!m_bEnabled)
        return false;
    POINT point{x, y};
    ScreenToControl(point);
    return OnHfcMouseLButtonDblClk(mouse, point.x, point.y, modifiers);
}

bool CHfcControl::OnHfcMouseRawLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!m_bEnabled)
        return false;
    POINT point{x, y};
    ScreenToControl(point);
    return OnHfcMouseLButtonUp(mouse, point.x, point.y, modifiers);
}

bool CHfcControl::OnHfcMouseRawMove(CHfcMouse* mouse, int x, int y, int modifiers)
{
    POINT point{x, y};
    ScreenToControl(point);
    return OnHfcMouseMove(mouse, point.x, point.y, modifiers);
}

void CHfcControl::OnHfcKeyFocusSet(CHfcKeyFocus*)
{
    SetDirty(true);
    if (m_pOwner != nullptr)
        m_pOwner->OnControlGetFocus(this);
    OnGetFocus();
}

void CHfcControl::OnHfcKeyFocusKilled(CHfcKeyFocus*)
{
    m_iFocusedItem = -1;
    SetDirty(true);
    if (m_pOwner != nullptr)
        m_pOwner->OnControlKillFocus(this);
    OnKillFocus();
}

bool CHfcControl::OnHfcKeyFocusKeyDown(CHfcKeyFocus*, int key, int, int modifiers)
{
    if (m_pOwner != nullptr && m_pOwner->OnControlKeyDown(this, key, 0, modifiers))
        return true;
    return OnKeyDown(key, 0, modifiers);
}

bool CHfcControl::OnHfcKeyFocusKeyRepeat(CHfcKeyFocus*, int key, int, int modifiers)
{
    if (m_pOwner != nullptr && m_pOwner->OnControlKeyRepeat(this, key, 0, modifiers))
        return true;
    return OnKeyRepeat(key, 0, modifiers);
}

bool CHfcControl::OnHfcKeyFocusKeyUp(CHfcKeyFocus*, int key, int, int modifiers)
{
    if (m_pOwner != nullptr && m_pOwner->OnControlKeyUp(this, key, 0, modifiers))
        return true;
    return OnKeyUp(key, 0, modifiers);
}

bool CHfcControl::OnHfcKeyFocusChar(CHfcKeyFocus*, int character)
{
    if (m_pOwner != nullptr && m_pOwner->OnControlChar(this, character))
        return true;
    return OnChar(character);
}

bool CHfcControl::HitTest(CHfcKeyFocus*, int x, int y)
{
    POINT point{x, y};
    if (m_pLayer != nullptr)
        m_pLayer->ScreenToLayer(point);
    return Contains(point.x, point.y);
}

void CHfcControl::OnGetFocus()
{}
void CHfcControl::OnKillFocus()
{}
bool CHfcControl::OnKeyDown(int, int, int)
{
    return false;
}
bool CHfcControl::OnKeyRepeat(int, int, int)
{
    return false;
}
bool CHfcControl::OnKeyUp(int, int, int)
{
    return false;
}
bool CHfcControl::OnChar(int)
{
    return false;
}
