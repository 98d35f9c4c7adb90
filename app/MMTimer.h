#pragma once
// The 60 ms tick of the message thread, fanned out to every registered
// listener: the layers and windows that animate, poll or flush work.
#include "app/ListenerList.h"
#include "framework/services/PslMessageDispatchEngine.h"

class CMMTimer;

class CMMTimerListener
{
public:
    virtual ~CMMTimerListener() = default;
    virtual void OnMMTimer(CMMTimer* timer) = 0;
};

class CMMTimer : public CPslMessageDispatchListener
{
public:
    static constexpr int kIntervalMs = 60;

    // The engine must outlive the timer.
    explicit CMMTimer(CPslMessageDispatchEngine& engine);
    CMMTimer(const CMMTimer&) = delete;
    CMMTimer& operator=(const CMMTimer&) = delete;
    virtual ~CMMTimer();

    // Registers the two engine timers, both stopped; false when already
    // started or when the engine refuses either (nothing stays registered).
    bool Start();
    // Stops and unregisters both; false when not started.
    bool Stop();
    // The tick stops and restarts; false when not started or the engine
    // refuses. Long device transfers bracket their wait with these.
    bool Pause();
    bool Resume();

    bool IsCreated() const { return m_created; }
    // The engine timer that ticks; 0 when not started.
    int GetTimerId() const { return m_firstTimerId; }

    // Message thread only: elsewhere refused with a trace.
    bool AddListener(CMMTimerListener* listener);
    bool RemoveListener(CMMTimerListener* listener);

    void OnPslTimer(int timerId) override;

private:
    CPslMessageDispatchEngine& m_engine;
    CListenerList<CMMTimerListener> m_listeners;
    int m_firstTimerId = 0;
    int m_secondTimerId = 0;  // registered with the first, never started
    bool m_created = false;
};
