#include "framework/ui/HfcControlListener.h"

void CHfcControlListener::OnControlValueChanged(CHfcControl*, int)
{}
void CHfcControlListener::OnControlEvent(CHfcControl*, std::intptr_t)
{}
bool CHfcControlListener::OnControlQueryDefaultValue(CHfcControl*, int*)
{
    return false;
}
void CHfcControlListener::OnControlEditBegin(CHfcControl*)
{}
void CHfcControlListener::OnControlEditEnd(CHfcControl*)
{}
bool CHfcControlListener::OnControlMouseDown(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlDoubleClick(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlMouseUp(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlDelayElapsed(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlRightButtonDown(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlRightButtonUp(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlMouseMove(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlCaptureReleased(CHfcControl*)
{
    return false;
}
bool CHfcControlListener::OnControlDragEnter(CHfcControl*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcControlListener::OnControlDragOver(CHfcControl*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcControlListener::OnControlDragLeave(CHfcControl*)
{
    return false;
}
bool CHfcControlListener::OnControlDrop(CHfcControl*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcControlListener::OnControlEditTextFocus(CHfcControl*)
{
    return false;
}
void CHfcControlListener::OnControlGetFocus(CHfcControl*)
{}
void CHfcControlListener::OnControlKillFocus(CHfcControl*)
{}
bool CHfcControlListener::OnControlKeyDown(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlKeyRepeat(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlKeyUp(CHfcControl*, int, int, int)
{
    return false;
}
bool CHfcControlListener::OnControlChar(CHfcControl*, int)
{
    return false;
}
bool CHfcControlListener::OnControlListItem(CHfcControl*, int, std::intptr_t, std::intptr_t)
{
    return false;
}
