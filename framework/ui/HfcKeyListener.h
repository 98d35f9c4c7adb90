#pragma once
// The receiver of the keyboard manager's keys: the eight navigation keys as
// virtual-key codes and every other character as its code. True means the
// key was consumed.
class CHfcKey;

class CHfcKeyListener
{
public:
    virtual ~CHfcKeyListener() = default;

    virtual bool OnHfcKeyDown(CHfcKey* key, int code, int flags);
    virtual bool OnHfcKeyUp(CHfcKey* key, int code, int flags);
    virtual bool OnHfcKeyInput(CHfcKey* key, int code, int flags);
    virtual void OnHfcKeyGetFocus(CHfcKey* key);
    virtual void OnHfcKeyLostFocus(CHfcKey* key);
};
