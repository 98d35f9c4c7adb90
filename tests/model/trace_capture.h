#pragma once
// Collects the debug trace lines written while it lives.
#include "framework/services/EfTrace.h"

#include <string>
#include <vector>

class TraceCapture
{
public:
    TraceCapture() : m_previous(SetEfTraceSink(Record)) { Lines().clear(); }
    ~TraceCapture() { SetEfTraceSink(m_previous); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    static std::vector<std::string>& Lines()
    {
        static std::vector<std::string> lines;
        return lines;
    }

private:
    static void Record(const char* line) { Lines().emplace_back(line); }

    EfTraceSink m_previous;
};
