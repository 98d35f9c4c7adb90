#pragma once
// What the program page hands to its drag and drop: the start of a drag
// from a pressed row or favourite slot, the drags over the page and the
// page's ticks. Without a handler the page drags nothing and takes no drop.
class CHfcDragData;

class CProgramListDragHandler
{
public:
    virtual ~CProgramListDragHandler() = default;

    // The pointer moved far enough with the button held since a press on a
    // row or favourite slot (the layer's press index and point); (x, y) is
    // where it is now. The layer ends the press afterwards.
    virtual void StartDrag(int x, int y, int modifiers) = 0;
    // Layer coordinates; the effect written back: 0 none, 1 move, 2 copy, 3 link.
    virtual bool DragEnter(CHfcDragData* data, int x, int y, int modifiers, int* effect) = 0;
    virtual bool DragOver(CHfcDragData* data, int x, int y, int modifiers, int* effect) = 0;
    virtual bool DragLeave() = 0;
    virtual bool Drop(CHfcDragData* data, int x, int y, int modifiers, int* effect) = 0;
    // Each 60 ms tick of the page, before it paints.
    virtual void OnTick(int milliseconds) = 0;
};
