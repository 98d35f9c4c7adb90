#include "framework/services/HfcGuard.h"

CHfcCriticalSection::CHfcCriticalSection()
{
    InitializeCriticalSection(&m_section);
}

CHfcCriticalSection::~CHfcCriticalSection()
{
    DeleteCriticalSection(&m_section);
}

void CHfcCriticalSection::Enter()
{
    EnterCriticalSection(&m_section);
}

void CHfcCriticalSection::Leave()
{
    LeaveCriticalSection(&m_section);
}

CHfcGuard::CHfcGuard() : m_section(std::make_unique<CHfcCriticalSection>())
{}

bool CHfcGuard::Lock() const
{
    m_section->Enter();
    return true;
}

void CHfcGuard::Unlock() const
{
    m_section->Leave();
}
