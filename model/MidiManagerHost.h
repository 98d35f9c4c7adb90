#pragma once
// What the MIDI manager needs from the application shell; the shell
// registers its implementation, tests a fake.
#include "model/VpException.h"

#include <platform/types.h>

#include <cstdint>
#include <string>

class CProgram;

class CMidiManagerHost
{
public:
    enum class MonitorLine
    {
        Received,
        Sent,
    };

    // The program record that received parameter changes go into.
    struct ParameterChangeTarget
    {
        CProgram* program;
        std::int32_t programNumber;
        LONG_PTR owner;
    };

    virtual ~CMidiManagerHost() = default;

    // A failed device operation under its operation key, shown as a message
    // box without a status-log line.
    virtual void ReportMidiError(const CVpMidiException& error, const char* operationKey) = 0;
    // Replaces a line of the MIDI monitor; nothing while the monitor is closed.
    // Called on either thread.
    virtual void WriteMidiMonitorLine(MonitorLine line, const std::string& text) = 0;
    // The "ReceiveParameterChange" setting.
    virtual bool IsReceivingParameterChanges() = 0;
    // Message thread only; false while no target is set.
    virtual bool GetParameterChangeTarget(ParameterChangeTarget& target) = 0;
    // A window-manager broadcast of event with its two parameters.
    virtual void Broadcast(int event, LONG_PTR param1, LONG_PTR param2) = 0;
};
