#pragma once
// The status log: the last 50 time-stamped lines the editor reported. It is
// the target of LogPrintf from construction to destruction, and tells the
// windows of each new line with window-manager event 15.
#include "app/WindowManager.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/LocalTime.h"
#include "framework/services/LogPrintf.h"

#include <string>
#include <vector>

class CLogManager : public CWindowManagerListener, public CStatusLogTarget
{
public:
    static constexpr int kLineCount = 50;
    static constexpr int kLineSize = 128;  // time stamp and text, terminated
    static constexpr int kLineAddedEvent = 15;

    using TimeOfDay = void (*)(int& hour, int& minute, int& second);

    // windowManager may be null: then nobody is told of new lines.
    explicit CLogManager(CWindowManager* windowManager, TimeOfDay timeOfDay = &GetLocalTimeOfDay);
    CLogManager(const CLogManager&) = delete;
    CLogManager& operator=(const CLogManager&) = delete;
    ~CLogManager() override;

    // Empties every slot.
    void Clear();
    // "hh:mm:ss  text", cut to 127 characters; the oldest line gives way.
    bool AddLine(const char* text) override;
    // The newest count lines (at most 50) that exist, oldest first.
    std::vector<std::string> GetNewestLines(int count) const;

    // It posts to the window manager but does not listen.
    void OnWindowManagerMessage(CWindowManager*, int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                CWindowManagerListener*) override
    {}

private:
    struct Slot
    {
        bool used;
        char text[kLineSize];
    };

    CWindowManager* m_windowManager;
    TimeOfDay m_timeOfDay;
    // Guards the slots and the index, so a reader never sees half a line.
    mutable CEfSemaphore m_semaphore{1, "LogManager"};
    Slot m_slots[kLineCount];
    int m_writeIndex = 0;  // the slot the next line goes to
};
