#pragma once
// The editor's tool windows on the headless display, opened through the
// editor's factory as the application opens them: an owner that records
// what the windows tell it, the status log, and the MIDI monitor's lock.
#include "app/LogManager.h"
#include "app/ToolWindows.h"
#include "editor/EditorToolWindows.h"
#include "editor_base_fixture.h"

#include <memory>
#include <string>
#include <vector>

class CHfcCtrlCharStaticText;

namespace editor_test {

class RecordingToolOwner : public CToolWindowOwner
{
public:
    struct Move
    {
        CBaseWindow* window;
        int x, y;
    };

    void OnToolWindowMoved(CBaseWindow* window, int x, int y) override { moves.push_back({window, x, y}); }
    void OnToolWindowClosed(CBaseWindow* window) override { closed.push_back(window); }

    std::vector<Move> moves;
    std::vector<CBaseWindow*> closed;
};

class ToolWindowTest : public EditorBaseTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // At (x, y) of the frame's client area over the child menu bar.
    ToolWindowSetup At(int x, int y);
    // Shows and activates a made window, then lets the queue run.
    void ShowWindow(CBaseWindow* window);
    // Timer ticks, with the queue run after each.
    void Tick(int count = 1);
    // The window's client size.
    static SIZE ClientSize(CBaseWindow& window);
    // A text control's first line up to its first 0.
    static std::string Text(const CHfcCtrlCharStaticText* text);
    // The main layer whole against tests/editor/reference/<name>.png; the
    // render goes into the build folder either way.
    static ::testing::AssertionResult MatchesReference(CBaseWindow& window, const std::string& name);

    RecordingToolOwner owner;
    std::unique_ptr<CLogManager> log;
    std::unique_ptr<CEditorToolWindows> tools;
    CEfSemaphore monitorLock{1, "MidiMonitorSemaphore"};
};

}  // namespace editor_test
