#pragma once
// Records what the MIDI manager asks of the application shell.
#include "model/MidiManagerHost.h"

#include <platform/kernel.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

class FakeMidiHost : public CMidiManagerHost
{
public:
    struct MessageBox
    {
        int style;
        std::string title;
        std::string text;
        bool operator==(const MessageBox&) const = default;
    };

    void LogLine(const std::string& line) override { log.push_back(line); }
    int ShowMessageBox(int style, const std::string& title, const std::string& text) override
    {
        boxes.push_back({style, title, text});
        return 1;
    }
    void OpenProgressDialog(const std::string& title, std::function<void()> onCancel) override
    {
        progressTitle = title;
        cancel = std::move(onCancel);
        progressOpen = true;
        ++progressOpenCount;
    }
    void SetProgressText(const std::string& text) override { progressTexts.push_back(text); }
    void SetProgress(std::int32_t position, std::int32_t total) override
    {
        progress.push_back({position, total});
        if (onProgress)
            onProgress(position);
    }
    void CloseProgressDialog() override { progressOpen = false; }
    void PauseTimer() override { timerPaused = true; }
    void ResumeTimer() override { timerPaused = false; }
    PortSettings GetPortSettings() override { return portSettings; }
    void WriteMidiMonitorLine(MonitorLine line, const std::string& text) override
    {
        std::lock_guard lock(m_mutex);
        (line == MonitorLine::Received ? m_received : sent) = text;
    }
    bool IsReceivingParameterChanges() override { return receiving; }
    bool GetParameterChangeTarget(ParameterChangeTarget& out) override
    {
        if (target.program == nullptr)
            return false;
        out = target;
        return true;
    }
    void SetParameterChangeTarget(const ParameterChangeTarget& newTarget) override { target = newTarget; }
    void Broadcast(int event, LONG_PTR param1, LONG_PTR param2) override
    {
        broadcasts.push_back({event, param1, param2});
        broadcastThreads.push_back(GetCurrentThreadId());
    }
    std::string Received()
    {
        std::lock_guard lock(m_mutex);
        return m_received;
    }

    std::vector<std::string> log;
    std::vector<MessageBox> boxes;
    std::string progressTitle;
    std::vector<std::string> progressTexts;
    std::vector<std::pair<std::int32_t, std::int32_t>> progress;
    std::function<void()> cancel;
    std::function<void(std::int32_t position)> onProgress;
    bool progressOpen = false;
    int progressOpenCount = 0;
    bool timerPaused = false;
    PortSettings portSettings;
    std::string sent;
    std::atomic<bool> receiving{true};
    ParameterChangeTarget target{};
    std::vector<std::vector<LONG_PTR>> broadcasts;  // message thread only
    std::vector<DWORD> broadcastThreads;

private:
    std::mutex m_mutex;
    std::string m_received;
};
