#include "framework/ui/HfcDragWin32DropSource.h"

HRESULT CHfcDragWin32DropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    const DWORD buttons = keyState & (MK_LBUTTON | MK_RBUTTON);
    if (!escapePressed && buttons != (MK_LBUTTON | MK_RBUTTON))
        return buttons != 0 ? S_OK : DRAGDROP_S_DROP;
    return buttons != 0 ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

HRESULT CHfcDragWin32DropSource::GiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}
