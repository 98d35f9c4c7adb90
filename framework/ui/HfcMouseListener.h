#pragma once
// Mouse events for windows, layers and controls. The plain forms carry the
// receiver's own coordinates, the raw forms screen coordinates; modifiers
// are the framework's mask (HfcModifiers.h). True means the event was
// consumed.
class CHfcMouse;

// The ten button and move events, in the order of the listener's operations.
enum class EHfcMouseEvent
{
    LButtonDown,
    LButtonDblClk,
    LButtonUp,
    RButtonDown,
    RButtonDblClk,
    RButtonUp,
    MButtonDown,
    MButtonDblClk,
    MButtonUp,
    Move,
};

class CHfcMouseListener
{
public:
    virtual ~CHfcMouseListener() = default;

    virtual bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers);

    virtual bool OnHfcMouseRawLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawRButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawRButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawMButtonDown(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawMButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawMButtonUp(CHfcMouse* mouse, int x, int y, int modifiers);
    virtual bool OnHfcMouseRawMove(CHfcMouse* mouse, int x, int y, int modifiers);

    // The third argument is always 0.
    virtual bool OnHfcMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers);
    virtual bool OnHfcMouseRawWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers);

    // The listener no longer holds the mouse capture.
    virtual bool OnHfcMouseCaptureReleased(CHfcMouse* mouse);

    // The plain or the raw operation of an event.
    bool OnHfcMouseEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers);
    bool OnHfcMouseRawEvent(EHfcMouseEvent event, CHfcMouse* mouse, int x, int y, int modifiers);
};
