#pragma once
// What the MIDI manager needs from the application shell; the shell
// registers its implementation, tests a fake.
#include "model/VpException.h"

#include <string>

class CMidiManagerHost
{
public:
    enum class MonitorLine
    {
        Received,
        Sent,
    };

    virtual ~CMidiManagerHost() = default;

    // A failed device operation under its operation key, shown as a message
    // box without a status-log line.
    virtual void ReportMidiError(const CVpMidiException& error, const char* operationKey) = 0;
    // Replaces a line of the MIDI monitor; nothing while the monitor is closed.
    // Called on either thread.
    virtual void WriteMidiMonitorLine(MonitorLine line, const std::string& text) = 0;
};
