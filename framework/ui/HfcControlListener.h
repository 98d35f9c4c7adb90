#pragma once
// What a control reports to its owner (normally the layer it sits on).
// Controls never keep a dragged or typed value themselves: they report it
// here and the owner writes the accepted one back. An operation that
// answers true swallows the event: the control's own handling stops.
// Coordinates are the control's own; modifiers are Shift 1, Ctrl 2, Alt 4.
#include <cstdint>

class CHfcControl;
class CHfcDragData;

// Set in a reported value while the control is pressed.
inline constexpr int kHfcValuePressed = INT32_MIN;

class CHfcControlListener
{
public:
    virtual ~CHfcControlListener() = default;

    virtual void OnControlValueChanged(CHfcControl* control, int value);
    // A report whose word the control kind defines (a text, a record).
    virtual void OnControlEvent(CHfcControl* control, std::intptr_t word);
    // True when the control is to take *value as its new value.
    virtual bool OnControlQueryDefaultValue(CHfcControl* control, int* value);
    // A press gesture starts; it ends at button up or when the capture goes.
    virtual void OnControlEditBegin(CHfcControl* control);
    virtual void OnControlEditEnd(CHfcControl* control);

    virtual bool OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers);
    virtual bool OnControlDoubleClick(CHfcControl* control, int x, int y, int modifiers);
    virtual bool OnControlMouseUp(CHfcControl* control, int x, int y, int modifiers);
    // The control's hold counter reached 500 ms; the arguments are 0.
    virtual bool OnControlDelayElapsed(CHfcControl* control, int x, int y, int modifiers);
    virtual bool OnControlRightButtonDown(CHfcControl* control, int x, int y, int modifiers);
    virtual bool OnControlRightButtonUp(CHfcControl* control, int x, int y, int modifiers);
    virtual bool OnControlMouseMove(CHfcControl* control, int x, int y, int modifiers);
    virtual bool OnControlCaptureReleased(CHfcControl* control);

    // The effect written back: 0 none, 1 move, 2 copy, 3 link.
    virtual bool OnControlDragEnter(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect);
    virtual bool OnControlDragOver(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect);
    virtual bool OnControlDragLeave(CHfcControl* control);
    virtual bool OnControlDrop(CHfcControl* control, CHfcDragData* data, int x, int y, int modifiers, int* effect);

    virtual bool OnControlEditTextFocus(CHfcControl* control);
    virtual void OnControlGetFocus(CHfcControl* control);
    virtual void OnControlKillFocus(CHfcControl* control);
    // Keys of the focused control, asked before the control's own handling.
    virtual bool OnControlKeyDown(CHfcControl* control, int key, int reserved, int modifiers);
    virtual bool OnControlKeyRepeat(CHfcControl* control, int key, int reserved, int modifiers);
    virtual bool OnControlKeyUp(CHfcControl* control, int key, int reserved, int modifiers);
    virtual bool OnControlChar(CHfcControl* control, int character);

    // A list item request or report; the codes belong to the control kind.
    virtual bool OnControlListItem(CHfcControl* control, int code, std::intptr_t a, std::intptr_t b);
};
