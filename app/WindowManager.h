#pragma once
// Change notifications between the open windows: any part of the editor, on
// any thread, posts an event with four parameters, and every registered
// listener (or one chosen listener) receives it later on the message thread.
#include "app/ListenerList.h"
#include "framework/services/HfcGuard.h"
#include "framework/services/PslMessageDispatchEngine.h"

#include <deque>
#include <memory>

class CWindowManager;

class CWindowManagerListener
{
public:
    virtual ~CWindowManagerListener() = default;
    // sender is the posting listener or null; receivers use it to ignore
    // their own posts.
    virtual void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
                                        LONG_PTR p4, CWindowManagerListener* sender) = 0;
};

// One post, alive from the post until its delivery.
struct WindowManagerMessage
{
    int event;
    LONG_PTR p1, p2, p3, p4;         // pointer-wide: some events carry a text
    CWindowManagerListener* target;  // null for a broadcast
    CWindowManagerListener* sender;
    bool broadcast;
};

class CWindowManager : public CPslMessageDispatchListener
{
public:
    static constexpr int kChannel = 3917;

    // The engine must outlive the manager.
    explicit CWindowManager(CPslMessageDispatchEngine& engine);
    CWindowManager(const CWindowManager&) = delete;
    CWindowManager& operator=(const CWindowManager&) = delete;
    // Posts not yet delivered are dropped.
    virtual ~CWindowManager();

    // Message thread only: elsewhere refused with a trace. RemoveListener is
    // false when the listener was not registered.
    bool AddListener(CWindowManagerListener* listener);
    bool RemoveListener(CWindowManagerListener* listener);

    // Any thread. Always queued, even from the message thread, so a listener
    // never runs inside the code that posted; delivered in posting order.
    bool PostMessageToAll(int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                          CWindowManagerListener* sender);
    // To target alone, and only if it is still registered at delivery; false
    // for a null target.
    bool PostMessageTo(CWindowManagerListener* target, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                       CWindowManagerListener* sender);

    // Each editor window takes one when it is created, so numbers are unique
    // for the life of the process.
    int TakeWindowNumber() { return m_nextWindowNumber++; }

    void OnPslMessage(int id, LONG_PTR param1, LONG_PTR param2, LONG_PTR param3, LONG_PTR param4) override;

private:
    bool Post(const WindowManagerMessage& message);
    std::unique_ptr<WindowManagerMessage> TakePending(const WindowManagerMessage* message);

    CPslMessageDispatchEngine& m_engine;
    CListenerList<CWindowManagerListener> m_listeners;
    CHfcGuard m_guard;
    std::deque<std::unique_ptr<WindowManagerMessage>> m_pending;  // under m_guard
    int m_nextWindowNumber = 0;
};
