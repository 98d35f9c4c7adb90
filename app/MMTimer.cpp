#include "app/MMTimer.h"

CMMTimer::CMMTimer(CPslMessageDispatchEngine& engine)
    : m_engine(engine), m_listeners(engine, "[CMMTimer] This is not the message thread!!")
{}

CMMTimer::~CMMTimer()
{
    Stop();
}

bool CMMTimer::Start()
{
    if (m_created)
        return false;
    int first = 0;
    int second = 0;
    if (!m_engine.RegisterTimer(this, first))
        return false;
    if (!m_engine.RegisterTimer(this, second)) {
        m_engine.UnregisterTimer(first);
        return false;
    }
    m_firstTimerId = first;
    m_secondTimerId = second;
    m_created = true;
    return true;
}

bool CMMTimer::Stop()
{
    if (!m_created)
        return false;
    for (int timerId : {m_firstTimerId, m_secondTimerId}) {
        m_engine.SetTimerInterval(timerId, 0);
        m_engine.UnregisterTimer(timerId);
    }
    m_firstTimerId = 0;
    m_secondTimerId = 0;
    m_created = false;
    return true;
}

bool CMMTimer::Pause()
{
    return m_created && m_engine.SetTimerInterval(m_firstTimerId, 0);
}

bool CMMTimer::Resume()
{
    return m_created && m_engine.SetTimerInterval(m_firstTimerId, kIntervalMs);
}

bool CMMTimer::AddListener(CMMTimerListener* listener)
{
    return m_listeners.Add(listener);
}

bool CMMTimer::RemoveListener(CMMTimerListener* listener)
{
    return m_listeners.Remove(listener);
}

void CMMTimer::OnPslTimer(int timerId)
{
    if (!m_created || timerId != m_firstTimerId)
        return;
    m_listeners.ForEach([this](CMMTimerListener* listener) { listener->OnMMTimer(this); });
}
