#pragma once
// A MIDI manager host that shows, logs and asks nothing, so the benchmarks
// measure only the road to the MIDI backend.
#include "model/MidiManagerHost.h"

#include <cstdint>
#include <functional>
#include <string>

class QuietHost : public CMidiManagerHost
{
public:
    void LogLine(const std::string&) override {}
    int ShowMessageBox(int, const std::string&, const std::string&) override { return 1; }
    void OpenProgressDialog(const std::string&, std::function<void()>) override {}
    void SetProgressText(const std::string&) override {}
    void SetProgress(std::int32_t, std::int32_t) override {}
    void CloseProgressDialog() override {}
    void PauseTimer() override {}
    void ResumeTimer() override {}
    PortSettings GetPortSettings() override { return {}; }
    void WriteMidiMonitorLine(MonitorLine, const std::string&) override {}
    bool IsReceivingParameterChanges() override { return false; }
    bool GetParameterChangeTarget(ParameterChangeTarget&) override { return false; }
    void SetParameterChangeTarget(const ParameterChangeTarget&) override {}
    void Broadcast(int, LONG_PTR, LONG_PTR) override {}
};
