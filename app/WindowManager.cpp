#include "app/WindowManager.h"

#include <algorithm>

CWindowManager::CWindowManager(CPslMessageDispatchEngine& engine)
    : m_engine(engine), m_listeners(engine, "[CWindowManager] This is not the message thread!!")
{}

CWindowManager::~CWindowManager() = default;

bool CWindowManager::AddListener(CWindowManagerListener* listener)
{
    return m_listeners.Add(listener);
}

bool CWindowManager::RemoveListener(CWindowManagerListener* listener)
{
    return m_listeners.Remove(listener);
}

bool CWindowManager::PostMessageToAll(int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                      CWindowManagerListener* sender)
{
    return Post({event, p1, p2, p3, p4, nullptr, sender, true});
}

bool CWindowManager::PostMessageTo(CWindowManagerListener* target, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
                                   LONG_PTR p4, CWindowManagerListener* sender)
{
    if (target == nullptr)
        return false;
    return Post({event, p1, p2, p3, p4, target, sender, false});
}

bool CWindowManager::Post(const WindowManagerMessage& message)
{
    // The manager keeps the record until it is delivered, so one that the
    // engine never delivers is still freed with the manager.
    auto record = std::make_unique<WindowManagerMessage>(message);
    const auto address = reinterpret_cast<LONG_PTR>(record.get());
    {
        CHfcGuardLock lock(m_guard);
        m_pending.push_back(std::move(record));
    }
    if (m_engine.Dispatch(this, kChannel, 0, 0, 0, address, true))
        return true;
    TakePending(reinterpret_cast<const WindowManagerMessage*>(address));
    return false;
}

std::unique_ptr<WindowManagerMessage> CWindowManager::TakePending(const WindowManagerMessage* message)
{
    CHfcGuardLock lock(m_guard);
    auto found = std::find_if(m_pending.begin(), m_pending.end(),
                              [message](const auto& pending) { return pending.get() == message; });
    if (found == m_pending.end())
        return nullptr;
    std::unique_ptr<WindowManagerMessage> taken = std::move(*found);
    m_pending.erase(found);
    return taken;
}

void CWindowManager::OnPslMessage(int id, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR param4)
{
    if (id != kChannel)
        return;
    const std::unique_ptr<WindowManagerMessage> message =
        TakePending(reinterpret_cast<const WindowManagerMessage*>(param4));
    if (!message)
        return;
    auto deliver = [this, &message](CWindowManagerListener* listener) {
        listener->OnWindowManagerMessage(this, message->event, message->p1, message->p2, message->p3, message->p4,
                                         message->sender);
    };
    if (message->broadcast)
        m_listeners.ForEach(deliver);
    else if (m_listeners.Contains(message->target))
        deliver(message->target);
}
