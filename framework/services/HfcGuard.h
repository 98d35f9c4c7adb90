#pragma once
// Recursive locks for data shared between threads, and the scoped lock that
// releases a guard on every way out of a block.
#include <platform/kernel.h>

#include <memory>

class CHfcCriticalSection
{
public:
    CHfcCriticalSection();
    CHfcCriticalSection(const CHfcCriticalSection&) = delete;
    CHfcCriticalSection& operator=(const CHfcCriticalSection&) = delete;
    ~CHfcCriticalSection();

    // The owning thread may enter again; it leaves as often as it entered.
    void Enter();
    void Leave();

private:
    CRITICAL_SECTION m_section;
};

class CHfcGuard
{
public:
    CHfcGuard();

    // Always succeeds; callers unlock only after a true result.
    bool Lock() const;
    void Unlock() const;

private:
    std::unique_ptr<CHfcCriticalSection> m_section;
};

class CHfcGuardLock
{
public:
    explicit CHfcGuardLock(const CHfcGuard& guard) : m_guard(guard), m_locked(guard.Lock()) {}
    CHfcGuardLock(const CHfcGuardLock&) = delete;
    CHfcGuardLock& operator=(const CHfcGuardLock&) = delete;
    ~CHfcGuardLock()
    {
        if (m_locked)
            m_guard.Unlock();
    }

    bool IsLocked() const { return m_locked; }

private:
    const CHfcGuard& m_guard;
    bool m_locked;
};
