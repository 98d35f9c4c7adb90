// The version window: its page, its one line of text and its closing.
#include "tool_window_fixture.h"

#include "app/SkinTable.h"
#include "editor/VersionInfoWindow.h"

#include <platform/display.h>

namespace editor_test {
namespace {

class VersionWindowTest : public ToolWindowTest
{
protected:
    CVersionInfoWindow* Open(int x = 30, int y = 40)
    {
        auto* window = static_cast<CVersionInfoWindow*>(tools->CreateVersionWindow(At(x, y)));
        ShowWindow(window);
        return window;
    }
};

TEST_F(VersionWindowTest, IsAVersionPageOf342By279ThatHearsNoBroadcastsAndReportsNoMoves)
{
    const int number = shell->windowManager.TakeWindowNumber() + 1;
    CVersionInfoWindow* window = Open(30, 40);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetKind(), CBaseWindow::kVersionWindow);
    EXPECT_EQ(window->GetDocumentId(), number);
    EXPECT_EQ(window->GetWindowTitle(), "Version");
    const SIZE client = ClientSize(*window);
    EXPECT_EQ(client.cx, 342);
    EXPECT_EQ(client.cy, 279);
    EXPECT_TRUE(window->GetMainLayer()->GetControls().empty());
    EXPECT_FALSE(shell->windowManager.RemoveListener(window)) << "never registered";
    owner.moves.clear();
    RECT outer{};
    ASSERT_TRUE(window->GetWindowRect(outer));
    ASSERT_TRUE(MoveWindow(window->GetHandle(), 100, 100, outer.right - outer.left, outer.bottom - outer.top, TRUE));
    Pump();
    EXPECT_TRUE(owner.moves.empty());
    ASSERT_TRUE(window->CloseWindow(false));
    Pump();
    EXPECT_EQ(owner.closed, std::vector<CBaseWindow*>{window});
}

TEST_F(VersionWindowTest, DrawsVersion1001InTheLcdFontAt30By228)
{
    CVersionInfoWindow* window = Open();
    CHfcWindowLayer& layer = *window->GetMainLayer();
    Tick();
    // "Version 1.0.0.1" is 15 cells of 6 x 9: light pixels inside, none
    // right of it on the same row band.
    int lit = 0;
    for (int y = 228; y < 237; ++y)
        for (int x = 30; x < 30 + 15 * 6; ++x)
            lit += (Pixel(layer, x, y) & 0xFF) > 0xC0 ? 1 : 0;
    EXPECT_GT(lit, 60) << "the text's strokes";
    int litAfter = 0;
    for (int y = 228; y < 237; ++y)
        for (int x = 30 + 15 * 6; x < 30 + 20 * 6; ++x)
            litAfter += (Pixel(layer, x, y) & 0xFF) > 0xC0 ? 1 : 0;
    EXPECT_EQ(litAfter, 0) << "nothing past the fifteenth character";
}

TEST_F(VersionWindowTest, LooksRightInEveryTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        CVersionInfoWindow* window = Open();
        Tick();
        EXPECT_TRUE(MatchesReference(*window, "version_theme" + std::to_string(theme)));
        ASSERT_TRUE(window->CloseWindow(false));
        Pump();
    }
}

}  // namespace
}  // namespace editor_test
