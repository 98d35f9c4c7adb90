#pragma once
// Drag-and-drop events for windows, layers and controls. The first argument
// is the token that exists while OLE is up; the plain forms carry the
// receiver's own coordinates, the raw forms screen coordinates. The
// listener writes the effect it accepts: 0 none, 1 move, 2 copy, 3 link.
// True means the event was taken.
class CHfcOleToken;
class CHfcDragData;

class CHfcDragListener
{
public:
    virtual ~CHfcDragListener() = default;

    virtual bool OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect);
    virtual bool OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect);
    virtual bool OnHfcDragLeave(CHfcOleToken* ole);
    virtual bool OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect);

    virtual bool OnHfcRawDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect);
    virtual bool OnHfcRawDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect);
    virtual bool OnHfcRawDragLeave(CHfcOleToken* ole);
    virtual bool OnHfcRawDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect);
};
