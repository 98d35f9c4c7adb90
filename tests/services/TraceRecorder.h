#pragma once
// Collects what EfTrace receives while the recorder lives.
#include "framework/services/EfTrace.h"

#include <string>
#include <vector>

class TraceRecorder
{
public:
    TraceRecorder() : m_previous(SetEfTraceSink(&Record)) { Lines().clear(); }
    ~TraceRecorder() { SetEfTraceSink(m_previous); }
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;

    const std::vector<std::string>& lines() const { return Lines(); }

private:
    static std::vector<std::string>& Lines()
    {
        static std::vector<std::string> lines;
        return lines;
    }
    static void Record(const char* line) { Lines().emplace_back(line); }

    EfTraceSink m_previous;
};
