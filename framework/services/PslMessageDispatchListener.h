#pragma once
// A target of the dispatch engine: messages and timer ticks handed over to
// the message thread arrive here.
#include <platform/types.h>

class CPslMessageDispatchListener
{
public:
    // A timer registered for this listener fired.
    virtual void OnPslTimer(int timerId);
    // A dispatched message; the parameters are pointer-wide so a record's
    // address may travel in them.
    virtual void OnPslMessage(int id, LONG_PTR param1, LONG_PTR param2, LONG_PTR param3, LONG_PTR param4);

protected:
    // Never deleted through this interface.
    ~CPslMessageDispatchListener() = default;
};

// One queued message, in the order the engine hands its words on.
struct PslDispatchMessage
{
    CPslMessageDispatchListener* target;
    int id;
    LONG_PTR param1;
    LONG_PTR param2;
    LONG_PTR param3;
    LONG_PTR param4;
};
