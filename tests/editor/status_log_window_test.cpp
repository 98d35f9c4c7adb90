// The status log window: its page, the newest nine lines oldest first, the
// lamp that dims over sixteen ticks, its moves and its closing.
#include "tool_window_fixture.h"

#include "app/SkinTable.h"
#include "editor/StatusLogWindow.h"
#include "framework/services/LogPrintf.h"
#include "framework/ui/HfcCtrlCharStaticText.h"
#include "framework/ui/HfcMouse.h"

#include <platform/display.h>

namespace editor_test {
namespace {

class StatusLogWindowTest : public ToolWindowTest
{
protected:
    CStatusLogWindow* Open(int x = 30, int y = 40)
    {
        auto* window = static_cast<CStatusLogWindow*>(tools->CreateStatusLogWindow(At(x, y)));
        ShowWindow(window);
        return window;
    }
    std::vector<std::string> Lines(CStatusLogWindow& window)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < CStatusLogLayer::kLines; ++i)
            lines.push_back(Text(window.GetLayer()->GetLine(i)));
        return lines;
    }
    static std::string Stamped(int number) { return "09:59:07  line " + std::to_string(number); }
};

TEST_F(StatusLogWindowTest, IsALogPageOfSixHundredBy178AboveTheOtherChildren)
{
    const int number = shell->windowManager.TakeWindowNumber() + 1;
    CStatusLogWindow* window = Open(30, 40);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetKind(), CBaseWindow::kStatusLogWindow);
    EXPECT_EQ(window->GetDocumentId(), number) << "the window manager's next number";
    EXPECT_EQ(window->GetWindowTitle(), "Log");
    const SIZE client = ClientSize(*window);
    EXPECT_EQ(client.cx, 600);
    EXPECT_EQ(client.cy, 178);
    ASSERT_NE(window->GetLayer(), nullptr);
    EXPECT_EQ(window->GetLayer()->GetRect(), (RECT{0, 0, 600, 178}));
    for (int i = 0; i < CStatusLogLayer::kLines; ++i)
        EXPECT_EQ(window->GetLayer()->GetLine(i)->GetRect(), (RECT{19, 65 + 10 * i, 19 + 92 * 6, 74 + 10 * i}))
            << "92 characters from line " << i + 1;

    CBaseWindow* version = tools->CreateVersionWindow(At(0, 0));
    ShowWindow(version);
    EXPECT_EQ(GetTopWindow(frame.GetMdiClient()), window->GetHandle()) << "top-most over a newer window";
}

TEST_F(StatusLogWindowTest, ShowsTheNewestNineLinesOldestFirstAndLeavesTheRestAsTheyWere)
{
    struct Case
    {
        int added;
        int first;  // number of the line at the top
        int shown;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{3, 1, 3}, Case{9, 1, 9}, Case{51, 43, 9}}) {
        SCOPED_TRACE(c.added);
        log->Clear();
        CStatusLogWindow* window = Open();
        Tick();
        EXPECT_EQ(Lines(*window), std::vector<std::string>(9, "")) << "an empty log shows nothing";
        for (int i = 1; i <= c.added; ++i)
            LogPrintf("line %d", i);
        Pump();
        std::vector<std::string> expected(9, "");
        for (int i = 0; i < c.shown; ++i)
            expected[static_cast<std::size_t>(i)] = Stamped(c.first + i);
        EXPECT_EQ(Lines(*window), expected);
        ASSERT_TRUE(window->CloseWindow(false));
        Pump();
    }
}

TEST_F(StatusLogWindowTest, FewerLinesThanBeforeOverwriteOnlyTheTopOnesAndLongLinesAreCutAt92)
{
    CStatusLogWindow* window = Open();
    Tick();
    for (int i = 1; i <= 5; ++i)
        LogPrintf("line %d", i);
    Pump();
    log->Clear();
    LogPrintf("%s", std::string(200, 'x').c_str());
    Pump();
    const std::vector<std::string> lines = Lines(*window);
    EXPECT_EQ(lines[0], "09:59:07  " + std::string(82, 'x')) << "92 characters of the stamped line";
    EXPECT_EQ(lines[1], Stamped(2)) << "lines below the new ones stay as they were";
    EXPECT_EQ(lines[4], Stamped(5));
}

TEST_F(StatusLogWindowTest, TheLampLightsAtANewLineAndIsDarkAgainAfterSixteenTicks)
{
    CStatusLogWindow* window = Open();
    Tick();
    EXPECT_EQ(window->GetLayer()->GetLampValue(), 16) << "the first drawing lights it too";
    Tick(16);
    ASSERT_EQ(window->GetLayer()->GetLampValue(), 0);
    LogPrintf("received");
    Pump();
    EXPECT_EQ(window->GetLayer()->GetLampValue(), 16);
    Tick(15);
    EXPECT_EQ(window->GetLayer()->GetLampValue(), 1);
    Tick();
    EXPECT_EQ(window->GetLayer()->GetLampValue(), 0);
    Tick();
    EXPECT_EQ(window->GetLayer()->GetLampValue(), 0) << "stays dark";
    LogPrintf("again");
    Pump();
    Tick(4);
    EXPECT_EQ(window->GetLayer()->GetLampValue(), 12);
}

TEST_F(StatusLogWindowTest, TicksRedrawUnderTheDrawingSemaphore)
{
    Open();
    shell->semaphoreOrder.clear();
    Tick();
    EXPECT_EQ(shell->semaphoreOrder, std::vector<std::string>{"Semaphore"});
}

TEST_F(StatusLogWindowTest, AMoveReportsThePositionInTheFramesClientArea)
{
    CStatusLogWindow* window = Open(30, 40);
    owner.moves.clear();
    RECT outer{};
    ASSERT_TRUE(window->GetWindowRect(outer));
    ASSERT_TRUE(MoveWindow(window->GetHandle(), 120, 90, outer.right - outer.left, outer.bottom - outer.top, TRUE));
    Pump();
    ASSERT_FALSE(owner.moves.empty());
    EXPECT_EQ(owner.moves.back().window, window);
    EXPECT_EQ(owner.moves.back().x, 120);
    EXPECT_EQ(owner.moves.back().y, 90);
}

TEST_F(StatusLogWindowTest, ClosingIsRefusedWhileALineHoldsTheMouseThenTellsTheOwnerOnce)
{
    CStatusLogWindow* window = Open();
    auto* line = const_cast<CHfcCtrlCharStaticText*>(window->GetLayer()->GetLine(0));
    CHfcMouse::GetInstance()->SetCapture(line, window);
    EXPECT_FALSE(window->CloseWindow(false));
    EXPECT_TRUE(owner.closed.empty());
    CHfcMouse::GetInstance()->ReleaseCapture();
    ASSERT_TRUE(window->CloseWindow(false));
    Pump();
    EXPECT_EQ(owner.closed, std::vector<CBaseWindow*>{window}) << "once, though the layers went too";
    LogPrintf("after closing");
    Pump();
    EXPECT_EQ(tools->GetWindowCount(), 1);
    tools->CreateVersionWindow(At(0, 0));
    EXPECT_EQ(tools->GetWindowCount(), 1) << "the closed window was deleted at the next opening";
}

TEST_F(StatusLogWindowTest, AWindowTheFrameTakesDownIsForgottenToo)
{
    CStatusLogWindow* window = Open();
    window->Destroy();
    Pump();
    EXPECT_EQ(owner.closed, std::vector<CBaseWindow*>{window});
}

TEST_F(StatusLogWindowTest, LooksRightInEveryTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        log->Clear();
        CStatusLogWindow* window = Open();
        LogPrintf("Receive All Data: program 1 to 200 ... done");
        LogPrintf("File saved: /home/user/Library/Sounds.vq700z_all");
        LogPrintf("%s", std::string(120, 'W').c_str());
        Tick();
        EXPECT_TRUE(MatchesReference(*window, "status_log_theme" + std::to_string(theme)));
        ASSERT_TRUE(window->CloseWindow(false));
        Pump();
    }
}

}  // namespace
}  // namespace editor_test
