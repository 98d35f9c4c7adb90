#pragma once
// What the MIDI manager needs from the application shell; the shell
// registers its implementation, tests a fake.
#include <platform/types.h>

#include <cstdint>
#include <functional>
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

    // The saved port settings read at start-up.
    struct PortSettings
    {
        bool autoScan = true;
        std::string inName;
        std::string outName;
    };

    virtual ~CMidiManagerHost() = default;

    // One status-log line.
    virtual void LogLine(const std::string& line) = 0;
    // A modal message box owned by the main window; style as the shell's
    // message boxes take it. 1 OK, 2 Yes, 3 No, 0 otherwise.
    virtual int ShowMessageBox(int style, const std::string& title, const std::string& text) = 0;

    // The one modeless progress dialog of a transfer or a port scan; its
    // Cancel button calls onCancel on the message thread.
    virtual void OpenProgressDialog(const std::string& title, std::function<void()> onCancel) = 0;
    virtual void SetProgressText(const std::string& text) = 0;
    // Position over total; the bar shows position * 100 / total.
    virtual void SetProgress(std::int32_t position, std::int32_t total) = 0;
    virtual void CloseProgressDialog() = 0;

    // Stops the 60 ms timer's ticks for a transfer, and restarts them; no
    // effect while the timer does not run.
    virtual void PauseTimer() = 0;
    virtual void ResumeTimer() = 0;

    virtual PortSettings GetPortSettings() = 0;

    // Replaces a line of the MIDI monitor; nothing while the monitor is closed.
    // Called on either thread.
    virtual void WriteMidiMonitorLine(MonitorLine line, const std::string& text) = 0;
    // The "ReceiveParameterChange" setting.
    virtual bool IsReceivingParameterChanges() = 0;
    // Message thread only; false while no target is set.
    virtual bool GetParameterChangeTarget(ParameterChangeTarget& target) = 0;
    virtual void SetParameterChangeTarget(const ParameterChangeTarget& target) = 0;
    // A window-manager broadcast of event with its two parameters.
    virtual void Broadcast(int event, LONG_PTR param1, LONG_PTR param2) = 0;
};
