#include "framework/ui/HfcDragListener.h"

bool CHfcDragListener::OnHfcDragEnter(CHfcOleToken*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcDragListener::OnHfcDragOver(CHfcOleToken*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcDragListener::OnHfcDragLeave(CHfcOleToken*)
{
    return false;
}
bool CHfcDragListener::OnHfcDrop(CHfcOleToken*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcDragListener::OnHfcRawDragEnter(CHfcOleToken*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcDragListener::OnHfcRawDragOver(CHfcOleToken*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
bool CHfcDragListener::OnHfcRawDragLeave(CHfcOleToken*)
{
    return false;
}
bool CHfcDragListener::OnHfcRawDrop(CHfcOleToken*, CHfcDragData*, int, int, int, int*)
{
    return false;
}
