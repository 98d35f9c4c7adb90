#include "framework/ui/HfcMouseListener.h"

bool CHfcMouseListener::OnHfcMouseLButtonDown(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseLButtonDblClk(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseLButtonUp(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRButtonDown(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRButtonDblClk(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRButtonUp(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseMButtonDown(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseMButtonDblClk(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseMButtonUp(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseMove(CHfcMouse*, int, int, int)
{
    return false;
}

bool CHfcMouseListener::OnHfcMouseRawLButtonDown(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawLButtonDblClk(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawLButtonUp(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawRButtonDown(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawRButtonDblClk(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawRButtonUp(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawMButtonDown(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawMButtonDblClk(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawMButtonUp(CHfcMouse*, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawMove(CHfcMouse*, int, int, int)
{
    return false;
}

bool CHfcMouseListener::OnHfcMouseWheel(CHfcMouse*, int, int, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseRawWheel(CHfcMouse*, int, int, int, int, int)
{
    return false;
}
bool CHfcMouseListener::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    return false;
}

bool CHfcMouseListener::OnHfcMouseEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers)
{
    switch (event) {
    case EHfcMouseEvent::LButtonDown: return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::LButtonDblClk: return OnHfcMouseLButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::LButtonUp: return OnHfcMouseLButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonDown: return OnHfcMouseRButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonDblClk: return OnHfcMouseRButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonUp: return OnHfcMouseRButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonDown: return OnHfcMouseMButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonDblClk: return OnHfcMouseMButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonUp: return OnHfcMouseMButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::Move: return OnHfcMouseMove(mouse, x, y, modifiers);
    }
    return false;
}

bool CHfcMouseListener::OnHfcMouseRawEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers)
{
    switch (event) {
    case EHfcMouseEvent::LButtonDown: return OnHfcMouseRawLButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::LButtonDblClk: return OnHfcMouseRawLButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::LButtonUp: return OnHfcMouseRawLButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonDown: return OnHfcMouseRawRButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonDblClk: return OnHfcMouseRawRButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::RButtonUp: return OnHfcMouseRawRButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonDown: return OnHfcMouseRawMButtonDown(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonDblClk: return OnHfcMouseRawMButtonDblClk(mouse, x, y, modifiers);
    case EHfcMouseEvent::MButtonUp: return OnHfcMouseRawMButtonUp(mouse, x, y, modifiers);
    case EHfcMouseEvent::Move: return OnHfcMouseRawMove(mouse, x, y, modifiers);
    }
    return false;
}
