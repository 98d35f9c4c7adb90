#pragma once
// What the passive graphs share: a background bitmap part under the
// drawing, and mouse events handed on to the owner.
#include "framework/ui/HfcControl.h"

class CHfcCtrlGraph : public CHfcControl
{
public:
    // Mouse events handed on to the owner's mouse-down, -up and -move;
    // false without an owner.
    virtual bool NotifyMouseDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool NotifyMouseUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool NotifyMouseMove(CHfcMouse* mouse, int x, int y, int modifiers);

protected:
    // The background part from (sourceX, sourceY) over the rectangle, or
    // a cleared rectangle without a background.
    void DrawGround(CHfcDrawContext* context, CHfcBmp* background, int sourceX, int sourceY);
    // The background part of the given size at the rectangle's corner;
    // nothing without a background.
    void DrawGroundPart(CHfcDrawContext* context, CHfcBmp* background, int width, int height, int sourceX, int sourceY);
};
