#pragma once
// The MIDI monitor window: the last message received from the device and
// the last one sent to it, as the MIDI manager formatted them. The manager
// writes the lines from either thread into a line store that outlives every
// monitor window, holding the lock the window was made with; the window
// copies what changed under that lock at its next tick. A write racing a
// closing window so lands in memory that stays.
#include "app/ToolWindows.h"
#include "editor/ToolWindow.h"

class CEfSemaphore;

class CMidiMonitorLineStore : public CMidiMonitorLines
{
public:
    static constexpr int kLineLength = 80;
    using Line = char[kLineLength + 1];

    // At most 80 characters of the text; the caller holds the lock.
    void SetLine(CMidiManagerHost::MonitorLine line, const std::string& text) override;
    // Both lines empty, as a new monitor starts; the caller holds the lock.
    void Clear();
    // The caller holds the lock.
    const Line& Get(CMidiManagerHost::MonitorLine line) const;

private:
    Line m_received = {};
    Line m_sent = {};
};

class CMidiMonitorLayer : public CToolLayer
{
public:
    CMidiMonitorLayer(const CMidiMonitorLineStore& lines, CEfSemaphore& lock);

    // The page with its two lines.
    bool Build(CHfcWindow* window) override;

    const CHfcCtrlCharStaticText* GetText(CMidiManagerHost::MonitorLine line) const;

protected:
    // Lines that changed since they were last shown go to their texts.
    void OnTick() override;

private:
    struct Shown
    {
        CMidiManagerHost::MonitorLine line;
        CMidiMonitorLineStore::Line text = {};
        CHfcCtrlCharStaticText* control = nullptr;
    };

    const CMidiMonitorLineStore& m_lines;
    CEfSemaphore& m_lock;
    static constexpr std::size_t kShownLines = 2;
    Shown m_shown[kShownLines] = {{CMidiManagerHost::MonitorLine::Received}, {CMidiManagerHost::MonitorLine::Sent}};
};

class CMidiMonitorWindow : public CToolWindow
{
public:
    CMidiMonitorWindow(const CMidiMonitorLineStore& lines, CEfSemaphore& lock);

    // "Midi Monitor" at the setup's place.
    bool CreateMdiWindow(const ToolWindowSetup& setup);
    void UpdateTitle() override;

    CMidiMonitorLayer* GetLayer() const { return static_cast<CMidiMonitorLayer*>(GetMainLayer()); }

protected:
    std::unique_ptr<CToolLayer> MakeLayer() override;

private:
    const CMidiMonitorLineStore& m_lines;
    CEfSemaphore& m_lock;
};
