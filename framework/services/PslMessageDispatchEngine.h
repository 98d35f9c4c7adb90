#pragma once
// The one door through which any thread hands work to the message thread,
// and the owner of that thread's timers. Messages from the owner thread are
// delivered at once unless queueing is asked for; from any other thread they
// are queued and delivered by whatever message loop the owner runs.
#include "framework/services/HfcGuard.h"
#include "framework/services/PslMessageDispatchListener.h"

#include <platform/types.h>

#include <deque>
#include <map>

class CPslMessageDispatchEngine
{
public:
    static constexpr int kFirstTimerId = 128;
    static constexpr int kTimerIdCount = 1024;

    // Created on the thread that owns it, which must run a message loop.
    CPslMessageDispatchEngine();
    CPslMessageDispatchEngine(const CPslMessageDispatchEngine&) = delete;
    CPslMessageDispatchEngine& operator=(const CPslMessageDispatchEngine&) = delete;
    // Messages still queued are dropped undelivered.
    virtual ~CPslMessageDispatchEngine();

    // Timers belong to the owner thread: call these there only.
    // Gives the listener the lowest free timer id from 128, stopped; false
    // when all 1,024 ids are taken.
    virtual bool RegisterTimer(CPslMessageDispatchListener* listener, int& timerId);
    // Below 1 stops the timer and keeps it registered; otherwise (re)starts
    // it with the new interval. False for an unknown id.
    virtual bool SetTimerInterval(int timerId, int intervalMs);
    virtual bool UnregisterTimer(int timerId);

    // From any thread. On the owner thread without forceQueue the target is
    // called before this returns; otherwise the result is that of the post.
    virtual bool Dispatch(CPslMessageDispatchListener* target, int id, LONG_PTR param1, LONG_PTR param2,
                          LONG_PTR param3, LONG_PTR param4, bool forceQueue = false);

    bool IsOwnerThread() const;

private:
    struct Timer
    {
        CPslMessageDispatchListener* listener;
        int intervalMs;  // 0 while stopped
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void DeliverQueued();
    void DeliverTimer(int timerId);

    CHfcGuard m_guard;
    std::deque<PslDispatchMessage> m_queue;  // under m_guard
    std::map<int, Timer> m_timers;           // owner thread only
    DWORD m_ownerThread;
    HWND m_window = nullptr;
};
