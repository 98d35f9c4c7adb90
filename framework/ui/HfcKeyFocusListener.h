#pragma once
// The holder of a window's key focus. Keys arrive mapped: the arrows as
// 28 (left), 29 (right), 30 (up), 31 (down), Delete as 127, others as their
// virtual-key codes; characters only from 32 to 127. True means consumed.
class CHfcKeyFocus;

class CHfcKeyFocusListener
{
public:
    virtual ~CHfcKeyFocusListener() = default;

    virtual void OnHfcKeyFocusSet(CHfcKeyFocus* focus);
    virtual void OnHfcKeyFocusKilled(CHfcKeyFocus* focus);
    virtual bool OnHfcKeyFocusKeyDown(CHfcKeyFocus* focus, int key, int reserved, int modifiers);
    // A held key's repeat; unless overridden, a further key-down.
    virtual bool OnHfcKeyFocusKeyRepeat(CHfcKeyFocus* focus, int key, int reserved, int modifiers);
    virtual bool OnHfcKeyFocusKeyUp(CHfcKeyFocus* focus, int key, int reserved, int modifiers);
    virtual bool OnHfcKeyFocusChar(CHfcKeyFocus* focus, int character);
    // Whether the screen point lies on the listener.
    virtual bool HitTest(CHfcKeyFocus* focus, int x, int y);
};
