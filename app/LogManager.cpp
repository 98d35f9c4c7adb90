#include "app/LogManager.h"

#include <algorithm>
#include <cstdio>

namespace {

class SemaphoreLock
{
public:
    explicit SemaphoreLock(CEfSemaphore& semaphore) : m_semaphore(semaphore) { m_semaphore.Wait(); }
    ~SemaphoreLock() { m_semaphore.Release(); }
    SemaphoreLock(const SemaphoreLock&) = delete;
    SemaphoreLock& operator=(const SemaphoreLock&) = delete;

private:
    CEfSemaphore& m_semaphore;
};

}  // namespace

CLogManager::CLogManager(CWindowManager* windowManager, TimeOfDay timeOfDay)
    : m_windowManager(windowManager), m_timeOfDay(timeOfDay)
{
    Clear();
    SetStatusLog(this);
}

CLogManager::~CLogManager()
{
    if (GetStatusLog() == this)
        SetStatusLog(nullptr);
}

void CLogManager::Clear()
{
    SemaphoreLock lock(m_semaphore);
    for (Slot& slot : m_slots) {
        slot.used = false;
        slot.text[0] = '\0';
    }
    m_writeIndex = 0;
}

bool CLogManager::AddLine(const char* text)
{
    if (text == nullptr)
        return false;
    {
        SemaphoreLock lock(m_semaphore);
        int hour = 0, minute = 0, second = 0;
        m_timeOfDay(hour, minute, second);
        Slot& slot = m_slots[m_writeIndex];
        std::snprintf(slot.text, sizeof slot.text, "%02d:%02d:%02d  %s", hour, minute, second, text);
        slot.used = true;
        m_writeIndex = (m_writeIndex + 1) % kLineCount;
    }
    // Queued: the log window repaints after this has returned.
    if (m_windowManager != nullptr)
        m_windowManager->PostMessageToAll(kEventLogLineAdded, 0, 0, 0, 0, this);
    return true;
}

std::vector<std::string> CLogManager::GetNewestLines(int count) const
{
    count = std::clamp(count, 0, kLineCount);
    std::vector<std::string> lines;
    SemaphoreLock lock(m_semaphore);
    for (int i = 0; i < count; ++i) {
        const Slot& slot = m_slots[(m_writeIndex + i - count + kLineCount) % kLineCount];
        if (slot.used)
            lines.emplace_back(slot.text);
    }
    return lines;
}
