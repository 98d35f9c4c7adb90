// Frames drawn here: hit testing, caption and border drags, caption
// buttons, maximising and the caption colours.
#include "display_fixture.h"

namespace display_test {
namespace {

using platform::testing::MouseButton;
namespace input = platform::testing;

// A framed child at (50, 50) of a frameless top level at the screen origin,
// so its window coordinates plus 50 are screen coordinates.
class DisplayFrameTest : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        top = MakeTop({0, 0, 600, 400});
        framed = MakeChild(top, {50, 50, 250, 200}, kFramedChild | WS_MAXIMIZEBOX);
        Pump();
        Log().clear();
    }
    void Drag(POINT from, POINT to)
    {
        input::PressMouse(MouseButton::Left, from.x, from.y);
        input::MoveMouse(to.x, to.y);
        input::ReleaseMouse(MouseButton::Left, to.x, to.y);
        Pump();
    }
    RECT WindowRect()
    {
        RECT rect;
        GetWindowRect(framed, &rect);
        return rect;
    }
    HWND top = nullptr;
    HWND framed = nullptr;
};

TEST_F(DisplayFrameTest, HitTestingFindsTheFrameParts)
{
    struct Case
    {
        POINT inWindow;
        LRESULT hit;
    };
    for (const Case& c : {Case{{60, 10}, HTCAPTION}, Case{{188, 12}, HTCLOSE}, Case{{172, 12}, HTMAXBUTTON},
                          Case{{1, 75}, HTLEFT}, Case{{198, 148}, HTBOTTOMRIGHT}, Case{{100, 2}, HTTOP},
                          Case{{100, 100}, HTCLIENT}, Case{{300, 300}, HTNOWHERE}}) {
        SCOPED_TRACE(testing::Message() << c.inWindow.x << "," << c.inWindow.y);
        EXPECT_EQ(SendMessageA(framed, WM_NCHITTEST, 0, MAKELPARAM(50 + c.inWindow.x, 50 + c.inWindow.y)), c.hit);
    }
    HWND withMenu = CreateWindowExA(0, kClickClass, "", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 700, 0, 200, 100, nullptr,
                                    reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(0x77770)), nullptr, nullptr);
    EXPECT_EQ(SendMessageA(withMenu, WM_NCHITTEST, 0, MAKELPARAM(710, 10)), HTMENU);
    EXPECT_EQ(SendMessageA(withMenu, WM_NCHITTEST, 0, MAKELPARAM(710, 30)), HTCLIENT);
    DestroyWindow(withMenu);
}

TEST_F(DisplayFrameTest, DraggingTheCaptionMovesWhereWM_MOVINGLeavesTheRectangle)
{
    RECT proposed{};
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_MOVING) {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            proposed = *rect;
            rect->left += 5;
            rect->right += 5;
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    };
    Drag({110, 60}, {140, 80});
    EXPECT_EQ(proposed.left, 80);
    EXPECT_EQ(proposed.top, 70);
    EXPECT_EQ(proposed.right, 280);
    RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 85);
    EXPECT_EQ(rect.top, 70);
    EXPECT_EQ(rect.right, 285);
    EXPECT_EQ(LoggedOf(WM_ENTERSIZEMOVE).size(), 1u);
    EXPECT_EQ(LoggedOf(WM_EXITSIZEMOVE).size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr) << "the loop gives the capture back";
}

TEST_F(DisplayFrameTest, DraggingABorderSizesThroughWM_SIZINGWithinTheMinimumSize)
{
    WPARAM edge = 0;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_SIZING)
            edge = wParam;
        if (message == WM_GETMINMAXINFO)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x = 150;
        return DefWindowProcA(window, message, wParam, lParam);
    };
    Drag({50 + 199, 50 + 75}, {50 + 239, 50 + 75});
    EXPECT_EQ(edge, static_cast<WPARAM>(WMSZ_RIGHT));
    EXPECT_EQ(WindowRect().right, 290);
    ASSERT_FALSE(LoggedOf(WM_SIZE).empty());
    EXPECT_EQ(LOWORD(LoggedOf(WM_SIZE).back().lParam), 240 - 8);

    Drag({50 + 239, 50 + 75}, {50 + 50, 50 + 75});
    RECT rect = WindowRect();
    EXPECT_EQ(rect.right - rect.left, 150) << "no narrower than WM_GETMINMAXINFO allows";
}

TEST_F(DisplayFrameTest, TheCloseButtonClosesUnlessTheWindowRefuses)
{
    bool refuse = true;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_CLOSE && refuse)
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    };
    input::Click(MouseButton::Left, 50 + 188, 50 + 12);
    Pump();
    EXPECT_EQ(LoggedOf(WM_SYSCOMMAND).at(0).wParam, static_cast<WPARAM>(SC_CLOSE));
    EXPECT_TRUE(IsWindow(framed));
    refuse = false;
    input::Click(MouseButton::Left, 50 + 188, 50 + 12);
    Pump();
    EXPECT_FALSE(IsWindow(framed));
}

TEST_F(DisplayFrameTest, DoubleClickOnTheCaptionMaximisesIntoTheParentAndBack)
{
    input::Click(MouseButton::Left, 110, 60);
    input::Click(MouseButton::Left, 110, 60);
    Pump();
    EXPECT_TRUE(IsZoomed(framed));
    RECT rect;
    GetWindowRect(framed, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, 600);
    EXPECT_EQ(rect.bottom, 400);
    EXPECT_EQ(LoggedOf(WM_SIZE).back().wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
    ShowWindow(framed, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(framed));
    EXPECT_EQ(WindowRect().left, 50);
    EXPECT_EQ(WindowRect().right, 250);
}

TEST_F(DisplayFrameTest, TheCaptionShowsWhetherTheWindowIsActiveAndItsTitle)
{
    using platform::testing::PixelAt;
    // Client coordinates above the client area reach the caption.
    SendMessageA(framed, WM_NCACTIVATE, TRUE, 0);
    Pump();
    EXPECT_EQ(PixelAt(framed, 150, -10), GetSysColor(COLOR_ACTIVECAPTION));
    SendMessageA(framed, WM_NCACTIVATE, FALSE, 0);
    Pump();
    EXPECT_EQ(PixelAt(framed, 150, -10), GetSysColor(COLOR_INACTIVECAPTION));
    EXPECT_EQ(PixelAt(framed, 20, 20), GetSysColor(COLOR_WINDOW));

    auto titleInk = [&] {
        int ink = 0;
        for (int y = -17; y < -1; ++y)
            for (int x = 0; x < 100; ++x)
                ink += PixelAt(framed, x, y) == GetSysColor(COLOR_INACTIVECAPTIONTEXT);
        return ink;
    };
    SetWindowTextA(framed, "Program 1");
    Pump();
    EXPECT_GT(titleInk(), 10) << "the title is written in the caption";
    SetWindowTextA(framed, "");
    Pump();
    EXPECT_EQ(titleInk(), 0);
}

}  // namespace
}  // namespace display_test
