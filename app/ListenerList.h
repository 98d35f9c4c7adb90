#pragma once
// The registered listeners of a message-thread service, in order of
// registration. Registration is refused off the message thread, since the
// list is not locked. A round of calls survives listeners that remove or add
// themselves (or others) while it runs.
#include "framework/services/EfTrace.h"
#include "framework/services/PslMessageDispatchEngine.h"

#include <algorithm>
#include <vector>

template <class Listener>
class CListenerList
{
public:
    // refusal is traced when another thread tries to register.
    CListenerList(const CPslMessageDispatchEngine& engine, const char* refusal) : m_engine(engine), m_refusal(refusal)
    {}

    // False for null or off the message thread.
    bool Add(Listener* listener)
    {
        if (listener == nullptr || !OnMessageThread())
            return false;
        m_listeners.push_back(listener);
        return true;
    }

    // Removes the first entry equal to listener; false when there is none or
    // off the message thread.
    bool Remove(Listener* listener)
    {
        if (listener == nullptr || !OnMessageThread())
            return false;
        auto found = std::find(m_listeners.begin(), m_listeners.end(), listener);
        if (found == m_listeners.end())
            return false;
        m_listeners.erase(found);
        return true;
    }

    bool Contains(const Listener* listener) const
    {
        return std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end();
    }

    // Calls call(listener) for everyone registered when the round began and
    // still registered when their turn comes; newcomers wait for the next.
    template <class Call>
    void ForEach(Call call) const
    {
        const std::vector<Listener*> round = m_listeners;
        for (Listener* listener : round) {
            if (Contains(listener))
                call(listener);
        }
    }

private:
    bool OnMessageThread() const
    {
        if (m_engine.IsOwnerThread())
            return true;
        EfTrace("%s", m_refusal);
        return false;
    }

    const CPslMessageDispatchEngine& m_engine;
    const char* m_refusal;
    std::vector<Listener*> m_listeners;
};
