#include "framework/services/LogPrintf.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {

std::atomic<CStatusLogTarget*> g_statusLog{nullptr};

}  // namespace

bool LogPrintf(const char* format, ...)
{
    CStatusLogTarget* log = g_statusLog.load();
    if (log == nullptr)
        return false;
    char text[1024];
    va_list args;
    va_start(args, format);
    const int formatted = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (formatted < 0)
        return false;
    return log->AddLine(text);
}

void SetStatusLog(CStatusLogTarget* log)
{
    g_statusLog.store(log);
}

CStatusLogTarget* GetStatusLog()
{
    return g_statusLog.load();
}
