#pragma once
// The scope placed around layer, key-focus and drag operations. It takes
// and releases nothing: everything it encloses runs on the message thread.
class CHfcUiLock
{
public:
    CHfcUiLock() = default;
    virtual ~CHfcUiLock() = default;
    CHfcUiLock(const CHfcUiLock&) = delete;
    CHfcUiLock& operator=(const CHfcUiLock&) = delete;
};
