#pragma once
// The source side of a drag: it ends the drag when the buttons are let go
// and cancels it on Escape or when both buttons are held.
#include "framework/ui/HfcComObject.h"

class CHfcDragWin32DropSource : public CHfcComObject<IDropSource, IID_IDropSource>
{
public:
    HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    // The platform shows the cursor of the effect.
    HRESULT GiveFeedback(DWORD effect) override;
};
