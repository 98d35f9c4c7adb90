// Visible windows: creation and activation, showing, frames and rectangles,
// coordinates, z-order, texts, enumeration, enabling, minimising.
#include "display_fixture.h"

#include <platform/kernel.h>

namespace display_test {
namespace {

using DisplayWindowStateTest = DisplayTest;

TEST_F(DisplayWindowStateTest, VisibleTopLevelAppearsAfterCreationAndTakesActivationAndFocus)
{
    BOOL visibleDuringCreate = TRUE;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_CREATE)
            visibleDuringCreate = IsWindowVisible(window);
        return DefWindowProcA(window, message, wParam, lParam);
    };
    HWND top = MakeTop({10, 10, 210, 110});
    EXPECT_FALSE(visibleDuringCreate);
    EXPECT_TRUE(IsWindowVisible(top));
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
    auto order = LoggedMessages(top);
    auto at = [&](UINT message) { return std::find(order.begin(), order.end(), message) - order.begin(); };
    EXPECT_LT(at(WM_MOVE), at(WM_ACTIVATE));
    EXPECT_LT(at(WM_ACTIVATE), at(WM_SETFOCUS));
    EXPECT_EQ(LoggedOf(WM_ACTIVATE).at(0).wParam, static_cast<WPARAM>(WA_ACTIVE));
}

TEST_F(DisplayWindowStateTest, ShowWindowAnswersThePreviousVisibilityAndTellsOnlyChanges)
{
    HWND top = MakeTop({0, 0, 100, 100}, 0);
    struct Step
    {
        int command;
        BOOL answer;
        bool visibleAfter;
    };
    for (const Step& step : {Step{SW_SHOW, FALSE, true}, Step{SW_SHOWNORMAL, TRUE, true}, Step{SW_HIDE, TRUE, false},
                             Step{SW_HIDE, FALSE, false}, Step{SW_SHOWNA, FALSE, true}}) {
        SCOPED_TRACE(step.command);
        EXPECT_EQ(ShowWindow(top, step.command), step.answer);
        EXPECT_EQ(IsWindowVisible(top) != FALSE, step.visibleAfter);
    }
    auto shows = LoggedOf(WM_SHOWWINDOW);
    ASSERT_EQ(shows.size(), 3u);
    EXPECT_EQ(shows[0].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(shows[1].wParam, static_cast<WPARAM>(FALSE));
}

TEST_F(DisplayWindowStateTest, AdjustedOuterSizeGivesTheAskedClientSize)
{
    struct Case
    {
        const char* what;
        DWORD style;
        DWORD exStyle;
        bool menu;
    };
    HWND parent = MakeTop({0, 0, 800, 600});
    auto fakeMenu = reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(0x5A5A0));
    for (const Case& c :
         {Case{"MDI child", 0x44C00000u, WS_EX_MDICHILD, false},
          Case{"MDI child sizable", 0x44C00000u | 0x00040000u | 0x00C80000u, WS_EX_MDICHILD, false},
          Case{"child with border", WS_CHILD | WS_BORDER, 0, false},
          Case{"plain child", WS_CHILD, WS_EX_CLIENTEDGE, false}, Case{"frame", 0x10CF0000u, 0x300, true},
          Case{"frame without menu", 0x10CF0000u, 0x300, false}}) {
        SCOPED_TRACE(c.what);
        RECT outer{0, 0, 320, 200};
        ASSERT_TRUE(AdjustWindowRectEx(&outer, c.style, c.menu, c.exStyle));
        bool child = (c.style & WS_CHILD) != 0;
        HWND window = CreateWindowExA(c.exStyle, kClickClass, "", c.style, 5, 5, outer.right - outer.left,
                                      outer.bottom - outer.top, child ? parent : nullptr,
                                      child ? nullptr : (c.menu ? fakeMenu : nullptr), nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 320);
        EXPECT_EQ(client.bottom, 200);
        EXPECT_EQ(LoggedOf(WM_SIZE).back().lParam, MAKELPARAM(320, 200));
        DestroyWindow(window);
    }
}

TEST_F(DisplayWindowStateTest, CoordinatesConvertThroughFramesAndNestedClientAreas)
{
    HWND top = MakeTop({100, 50, 500, 350});
    HWND framed = MakeChild(top, {10, 20, 210, 170}, kFramedChild);
    HWND inner = MakeChild(framed, {3, 4, 23, 24});
    // A sizing border of 4 and a caption of 18 above the framed child's client area.
    POINT expected{100 + 10 + 4 + 3, 50 + 20 + 4 + 18 + 4};
    POINT point{0, 0};
    ASSERT_TRUE(ClientToScreen(inner, &point));
    EXPECT_EQ(point.x, expected.x);
    EXPECT_EQ(point.y, expected.y);
    ASSERT_TRUE(ScreenToClient(inner, &point));
    EXPECT_EQ(point.x, 0);
    EXPECT_EQ(point.y, 0);
    RECT rect;
    GetWindowRect(framed, &rect);
    EXPECT_EQ(rect.left, 110);
    EXPECT_EQ(rect.top, 70);
    EXPECT_EQ(rect.right, 310);
    EXPECT_EQ(rect.bottom, 220);
}

TEST_F(DisplayWindowStateTest, SetWindowPosSendsOnlyWhatChanged)
{
    HWND top = MakeTop({0, 0, 400, 400});
    HWND framed = MakeChild(top, {10, 10, 110, 110}, kFramedChild);
    Log().clear();
    SetWindowPos(framed, nullptr, 0, 0, 208, 158, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(LoggedOf(WM_SIZE).size(), 1u);
    EXPECT_EQ(LoggedOf(WM_SIZE)[0].lParam, MAKELPARAM(200, 132));
    EXPECT_TRUE(LoggedOf(WM_MOVE).empty());

    Log().clear();
    SetWindowPos(framed, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(LoggedOf(WM_SIZE).empty());
    ASSERT_EQ(LoggedOf(WM_MOVE).size(), 1u);
    EXPECT_EQ(LoggedOf(WM_MOVE)[0].lParam, MAKELPARAM(34, 62));
}

BOOL CALLBACK Collect(HWND window, LPARAM list)
{
    auto* found = reinterpret_cast<std::vector<HWND>*>(list);
    found->push_back(window);
    return found->size() < 100 ? TRUE : FALSE;
}

std::vector<HWND> ChildrenOf(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(DisplayWindowStateTest, TopMostSiblingStaysAboveSiblingsRaisedLater)
{
    HWND parent = MakeTop({0, 0, 300, 300});
    HWND a = MakeChild(parent, {0, 0, 50, 50});
    HWND b = MakeChild(parent, {0, 0, 50, 50});
    HWND c = MakeChild(parent, {0, 0, 50, 50});
    EXPECT_EQ(ChildrenOf(parent), (std::vector<HWND>{c, b, a})) << "newer windows above older ones";
    ASSERT_TRUE(SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    BringWindowToTop(b);
    EXPECT_EQ(ChildrenOf(parent), (std::vector<HWND>{a, b, c}));
    SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringWindowToTop(c);
    EXPECT_EQ(GetTopWindow(parent), c);
}

TEST_F(DisplayWindowStateTest, EnumerationVisitsEachChildBeforeItsChildrenAndStopsWhenAsked)
{
    HWND parent = MakeTop({0, 0, 300, 300});
    HWND first = MakeChild(parent, {0, 0, 50, 50});
    HWND grandchild = MakeChild(first, {0, 0, 10, 10});
    HWND second = MakeChild(parent, {0, 0, 50, 50});
    EXPECT_EQ(ChildrenOf(parent), (std::vector<HWND>{second, first, grandchild}));

    std::vector<HWND> visited;
    auto stopAtFirst = [](HWND window, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return FALSE;
    };
    EXPECT_TRUE(EnumChildWindows(parent, stopAtFirst, reinterpret_cast<LPARAM>(&visited)));
    EXPECT_EQ(visited, (std::vector<HWND>{second}));
}

TEST_F(DisplayWindowStateTest, TextsRoundTripBetweenBothKindsOfWindowAndInterface)
{
    HWND narrow = MakeTop({0, 0, 100, 100}, 0);
    HWND wide =
        CreateWindowExW(0, u"DisplayClickWindow", u"Wide \u00e9", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wide, nullptr);
    for (HWND window : {narrow, wide}) {
        SCOPED_TRACE(window == wide ? "W window" : "A window");
        ASSERT_TRUE(SetWindowTextW(window, u"Prog \u00fc"));
        char16_t wideText[16];
        EXPECT_EQ(GetWindowTextW(window, wideText, 16), 6);
        EXPECT_EQ(std::u16string(wideText), u"Prog \u00fc");
        EXPECT_EQ(GetWindowTextLengthW(window), 6);
        char narrowText[16];
        EXPECT_EQ(GetWindowTextA(window, narrowText, 16), 7);
        EXPECT_STREQ(narrowText, "Prog \xC3\xBC");
        ASSERT_TRUE(SetWindowTextA(window, "Longer title"));
        EXPECT_EQ(GetWindowTextA(window, narrowText, 5), 4) << "truncated to the buffer with room for the zero";
        EXPECT_STREQ(narrowText, "Long");
        EXPECT_EQ(GetWindowTextLengthA(window), 12);
    }
    EXPECT_EQ(LoggedOf(WM_SETTEXT).size(), 4u) << "each set reaches the procedure";
    DestroyWindow(wide);
}

TEST_F(DisplayWindowStateTest, EnableWindowAnswersThePreviousStateAndTakesTheFocusAway)
{
    HWND top = MakeTop({0, 0, 100, 100});
    HWND child = MakeChild(top, {0, 0, 50, 50});
    SetFocus(child);
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_TRUE(EnableWindow(child, FALSE)) << "already disabled";
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(child, TRUE));
    EXPECT_TRUE(IsWindowEnabled(child));
    auto enables = LoggedOf(WM_ENABLE);
    ASSERT_EQ(enables.size(), 2u) << "only changes are told";
    EXPECT_EQ(enables[0].wParam, static_cast<WPARAM>(FALSE));
    EXPECT_EQ(enables[1].wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(DisplayWindowStateTest, MinimisingAndRestoringReportTheirSizeKindsAndKeepTheNormalPlace)
{
    HWND top = MakeTop({0, 0, 600, 400});
    HWND child = MakeChild(top, {20, 30, 220, 180}, kFramedChild | WS_MINIMIZEBOX);
    Log().clear();
    ASSERT_TRUE(CloseWindow(child));
    EXPECT_TRUE(IsIconic(child));
    ASSERT_FALSE(LoggedOf(WM_SIZE).empty());
    EXPECT_EQ(LoggedOf(WM_SIZE).back().wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ASSERT_TRUE(GetWindowPlacement(child, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_EQ(placement.rcNormalPosition.left, 20);
    EXPECT_EQ(placement.rcNormalPosition.bottom, 180);

    Log().clear();
    ASSERT_TRUE(OpenIcon(child));
    EXPECT_FALSE(IsIconic(child));
    ASSERT_FALSE(LoggedOf(WM_SIZE).empty());
    EXPECT_EQ(LoggedOf(WM_SIZE).back().wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_EQ(LoggedOf(WM_SIZE).back().lParam, MAKELPARAM(192, 124));
    GetWindowPlacement(child, &placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
}

TEST_F(DisplayWindowStateTest, DestroyingTheActiveWindowActivatesTheNextOne)
{
    HWND below = MakeTop({0, 0, 100, 100});
    HWND above = MakeTop({50, 50, 150, 150});
    ASSERT_EQ(GetActiveWindow(), above);
    Log().clear();
    DestroyWindow(above);
    EXPECT_EQ(GetActiveWindow(), below);
    EXPECT_EQ(GetFocus(), below);
    ASSERT_EQ(LoggedOf(WM_ACTIVATE).size(), 2u);
    EXPECT_EQ(LoggedOf(WM_ACTIVATE)[0].window, above);
    EXPECT_EQ(LoggedOf(WM_ACTIVATE)[0].wParam, static_cast<WPARAM>(WA_INACTIVE));
    EXPECT_EQ(LoggedOf(WM_ACTIVATE)[1].window, below);
}

TEST_F(DisplayWindowStateTest, WorkAreaComesFromTheDisplay)
{
    platform::testing::SetWorkArea({0, 0, 1024, 700});
    RECT area{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    EXPECT_EQ(area.right, 1024);
    EXPECT_EQ(area.bottom, 700);
    EXPECT_FALSE(SystemParametersInfoA(0x1234, 0, &area, 0));
    platform::testing::SetWorkArea({0, 0, 1920, 1040});
}

}  // namespace
}  // namespace display_test
