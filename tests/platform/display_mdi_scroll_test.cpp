// The MDI client's scroll bars: they show while children reach past the
// client area, and the bars, the wheel and the keys move the children.
#include "display_mdi_fixture.h"

#include <png.h>

#include <functional>
#include <string>

namespace display_test {
namespace {

namespace input = platform::testing;

constexpr UINT kPoke = WM_APP + 7;

struct ScrollSeen
{
    UINT message;
    WORD code;
    WORD position;
    bool operator==(const ScrollSeen&) const = default;
};

// Records the scroll messages the client gets and lets a test act inside the bar's tracking loop.
std::vector<ScrollSeen> gScrolls;
WNDPROC gClientProc = nullptr;
std::function<void(UINT message, WPARAM wParam)> gOnScroll;

LRESULT CALLBACK RecordingClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HSCROLL || message == WM_VSCROLL || message == kPoke) {
        if (message != kPoke)
            gScrolls.push_back({message, LOWORD(wParam), HIWORD(wParam)});
        if (gOnScroll)
            gOnScroll(message, wParam);
    }
    return CallWindowProcA(gClientProc, window, message, wParam, lParam);
}

class MdiScrollTest : public DisplayMdiTest
{
protected:
    void SetUp() override
    {
        DisplayMdiTest::SetUp();
        GetClientRect(client, &full);
        gScrolls.clear();
        gOnScroll = nullptr;
        gClientProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingClientProc)));
    }
    void TearDown() override
    {
        gOnScroll = nullptr;
        DisplayMdiTest::TearDown();
    }
    static RECT Placed(HWND child)
    {
        RECT rect;
        GetWindowRect(child, &rect);
        POINT corners[] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        for (POINT& corner : corners)
            ScreenToClient(GetParent(child), &corner);
        return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    RECT View() const
    {
        RECT view;
        GetClientRect(client, &view);
        return view;
    }
    // Screen points on the bars: along 0 is the first pixel of the bar, negative counts from its end.
    POINT OnVerticalBar(int along) const
    {
        RECT view = View();
        return OnScreen(client, view.right + kBar / 2, along >= 0 ? along : view.bottom + along);
    }
    POINT OnHorizontalBar(int along) const
    {
        RECT view = View();
        return OnScreen(client, along >= 0 ? along : view.right + along, view.bottom + kBar / 2);
    }
    static constexpr int kBar = 16;
    RECT full{};  // the client area without bars
};

void ExpectBar(const input::ScrollBar& bar, bool shown, int maximum, int page, int position)
{
    EXPECT_EQ(bar.shown, shown);
    EXPECT_EQ(bar.minimum, 0);
    EXPECT_EQ(bar.maximum, maximum);
    EXPECT_EQ(bar.page, page);
    EXPECT_EQ(bar.position, position);
}

TEST_F(MdiScrollTest, BarsShowWhereChildrenReachPastTheClientAndGoWhenTheyFit)
{
    ASSERT_EQ(full.right, 796);
    ASSERT_EQ(full.bottom, 576);
    HWND child = MakeMdiChildAt("A", {10, 10, 310, 210});
    struct Case
    {
        RECT rect;
        bool across, down;
    } cases[] = {
        {{10, 10, 310, 210}, false, false}, {{700, 0, 1000, 200}, true, false},
        {{0, 450, 300, 650}, false, true},  {{-100, 450, 200, 650}, true, true},
        {{0, 0, 796, 576}, false, false},   {{0, 0, 790, 600}, true, true},  // the vertical bar narrows the view
        {{0, -1, 300, 100}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rect.left << "," << c.rect.top << " to " << c.rect.right << ","
                                        << c.rect.bottom);
        MoveWindow(child, c.rect.left, c.rect.top, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top, TRUE);
        EXPECT_EQ(input::ScrollBarOf(client, false).shown, c.across);
        EXPECT_EQ(input::ScrollBarOf(client, true).shown, c.down);
        EXPECT_EQ(View().right, full.right - (c.down ? kBar : 0));
        EXPECT_EQ(View().bottom, full.bottom - (c.across ? kBar : 0));
        EXPECT_EQ(GetWindowLongPtrA(client, GWL_STYLE), 0x52300001) << "the style keeps asking for both bars";
    }

    // The range is the union of the children and the view; the position is where the view starts in it.
    MoveWindow(child, -100, 450, 300, 200, TRUE);
    ExpectBar(input::ScrollBarOf(client, false), true, 879, 780, 100);
    ExpectBar(input::ScrollBarOf(client, true), true, 649, 560, 0);
    HWND other = MakeMdiChildAt("B", {500, -40, 600, 60});
    ExpectBar(input::ScrollBarOf(client, false), true, 879, 780, 100);
    ExpectBar(input::ScrollBarOf(client, true), true, 689, 560, 40);

    // Hiding, showing, destroying and maximising children; resizing the frame.
    ShowWindow(child, SW_HIDE);
    ShowWindow(other, SW_HIDE);
    EXPECT_FALSE(input::ScrollBarOf(client, false).shown);
    EXPECT_FALSE(input::ScrollBarOf(client, true).shown);
    ShowWindow(other, SW_SHOW);
    EXPECT_TRUE(input::ScrollBarOf(client, true).shown);
    DestroyWindow(other);
    EXPECT_FALSE(input::ScrollBarOf(client, true).shown);
    ShowWindow(child, SW_SHOW);
    EXPECT_TRUE(input::ScrollBarOf(client, true).shown);
    ShowWindow(child, SW_MAXIMIZE);
    EXPECT_FALSE(input::ScrollBarOf(client, false).shown) << "a maximised child fills the client";
    EXPECT_EQ(View().right, full.right);
    ShowWindow(child, SW_RESTORE);
    EXPECT_TRUE(input::ScrollBarOf(client, false).shown);
    MoveWindow(child, 700, 300, 300, 200, TRUE);
    ASSERT_TRUE(input::ScrollBarOf(client, false).shown);
    SetWindowPos(frame, nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_FALSE(input::ScrollBarOf(client, false).shown);
    EXPECT_FALSE(input::ScrollBarOf(client, true).shown);
    SetWindowPos(frame, nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_TRUE(input::ScrollBarOf(client, false).shown);
}

TEST_F(MdiScrollTest, PressesOnTheBarScrollTheChildrenAndNeverReachThem)
{
    // Wide and tall enough to lie under both bars.
    HWND child = MakeMdiChildAt("A", {0, 0, 900, 1200});
    Pump();
    ASSERT_TRUE(input::ScrollBarOf(client, true).shown);
    ASSERT_TRUE(input::ScrollBarOf(client, false).shown);
    const int page = input::ScrollBarOf(client, true).page;
    Log().clear();

    struct Case
    {
        const char* what;
        POINT at;
        std::vector<ScrollSeen> sent;
        int across, down;  // positions after
    } cases[] = {
        {"down arrow", OnVerticalBar(-8), {{WM_VSCROLL, SB_LINEDOWN, 0}, {WM_VSCROLL, SB_ENDSCROLL, 0}}, 0, 16},
        {"up arrow", OnVerticalBar(8), {{WM_VSCROLL, SB_LINEUP, 0}, {WM_VSCROLL, SB_ENDSCROLL, 0}}, 0, 0},
        {"below the thumb", OnVerticalBar(-20), {{WM_VSCROLL, SB_PAGEDOWN, 0}, {WM_VSCROLL, SB_ENDSCROLL, 0}}, 0, page},
        {"above the thumb", OnVerticalBar(20), {{WM_VSCROLL, SB_PAGEUP, 0}, {WM_VSCROLL, SB_ENDSCROLL, 0}}, 0, 0},
        {"right arrow", OnHorizontalBar(-8), {{WM_HSCROLL, SB_LINERIGHT, 0}, {WM_HSCROLL, SB_ENDSCROLL, 0}}, 16, 0},
        {"up arrow again", OnVerticalBar(8), {{WM_VSCROLL, SB_LINEUP, 0}, {WM_VSCROLL, SB_ENDSCROLL, 0}}, 16, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gScrolls.clear();
        EXPECT_EQ(SendMessageA(client, WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)),
                  c.at.y >= OnScreen(client, 0, View().bottom).y ? HTHSCROLL : HTVSCROLL);
        input::Click(input::MouseButton::Left, c.at.x, c.at.y);
        Pump();
        EXPECT_EQ(gScrolls, c.sent);
        EXPECT_EQ(input::ScrollBarOf(client, false).position, c.across);
        EXPECT_EQ(input::ScrollBarOf(client, true).position, c.down);
        EXPECT_EQ(Placed(child).left, -c.across);
        EXPECT_EQ(Placed(child).top, -c.down);
    }
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_NCLBUTTONDOWN, WM_MOUSEMOVE})
        for (const auto& seen : LoggedOf(message))
            EXPECT_NE(seen.window, child) << std::hex << message;
    EXPECT_FALSE(LoggedOf(WM_MOVE).empty()) << "the child hears that it moved";
}

TEST_F(MdiScrollTest, DraggingTheThumbTracksAndDropsWithinTheRange)
{
    HWND child = MakeMdiChildAt("A", {0, 0, 300, 1200});
    Pump();
    const input::ScrollBar bar = input::ScrollBarOf(client, true);
    const int last = bar.maximum - bar.page + 1;
    POINT thumb = OnVerticalBar(kBar + 10);
    input::PressMouse(input::MouseButton::Left, thumb.x, thumb.y);
    input::MoveMouse(thumb.x, thumb.y + 40);
    input::MoveMouse(thumb.x + 200, thumb.y + 2000);  // far off the bar: still tracking, held at the end
    input::ReleaseMouse(input::MouseButton::Left, thumb.x + 200, thumb.y + 2000);
    Pump();
    ASSERT_EQ(gScrolls.size(), 4u);
    EXPECT_EQ(gScrolls[0].code, SB_THUMBTRACK);
    EXPECT_GT(gScrolls[0].position, 0);
    EXPECT_LT(gScrolls[0].position, last);
    EXPECT_EQ(gScrolls[1], (ScrollSeen{WM_VSCROLL, SB_THUMBTRACK, static_cast<WORD>(last)}));
    EXPECT_EQ(gScrolls[2], (ScrollSeen{WM_VSCROLL, SB_THUMBPOSITION, static_cast<WORD>(last)}));
    EXPECT_EQ(gScrolls[3].code, SB_ENDSCROLL);
    EXPECT_EQ(input::ScrollBarOf(client, true).position, last);
    EXPECT_EQ(Placed(child).bottom, View().bottom) << "the child's bottom edge is in view";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MdiScrollTest, HoldingAnArrowRepeatsUntilReleased)
{
    input::ScopedFakeClock clock(1000);
    MakeMdiChildAt("A", {0, 0, 300, 1200});
    Pump();
    POINT arrow = OnVerticalBar(-8);
    // Inside the tracking loop: the first step lets time pass, the third lets go.
    gOnScroll = [&](UINT message, WPARAM wParam) {
        if (message == kPoke)
            input::AdvanceClock(400);
        if (message != WM_VSCROLL || LOWORD(wParam) != SB_LINEDOWN)
            return;
        if (gScrolls.size() == 1)
            PostMessageA(client, kPoke, 0, 0);
        if (gScrolls.size() == 2)
            PostMessageA(client, kPoke, 0, 0);
        if (gScrolls.size() == 3)
            input::ReleaseMouse(input::MouseButton::Left, arrow.x, arrow.y);
    };
    input::PressMouse(input::MouseButton::Left, arrow.x, arrow.y);
    Pump();
    EXPECT_EQ(gScrolls, (std::vector<ScrollSeen>{{WM_VSCROLL, SB_LINEDOWN, 0},
                                                 {WM_VSCROLL, SB_LINEDOWN, 0},
                                                 {WM_VSCROLL, SB_LINEDOWN, 0},
                                                 {WM_VSCROLL, SB_ENDSCROLL, 0}}));
    EXPECT_EQ(input::ScrollBarOf(client, true).position, 48);
}

TEST_F(MdiScrollTest, TheWheelAndTheKeysScrollTheChildren)
{
    HWND child = MakeMdiChildAt("A", {0, 0, 3000, 1500});
    Pump();
    const int page = input::ScrollBarOf(client, true).page;
    const int pageAcross = input::ScrollBarOf(client, false).page;
    POINT bar = OnVerticalBar(100);

    input::TurnWheel(-120, bar.x, bar.y);
    Pump();
    EXPECT_EQ(input::ScrollBarOf(client, true).position, 48) << "three lines a notch";
    input::TurnWheel(-40, bar.x, bar.y);
    Pump();
    EXPECT_EQ(input::ScrollBarOf(client, true).position, 64) << "a third of a notch is a line";
    input::TurnWheel(120, bar.x, bar.y);
    Pump();
    EXPECT_EQ(input::ScrollBarOf(client, true).position, 16);
    input::PressKey(VK_SHIFT);
    input::TurnWheel(-120, bar.x, bar.y);
    Pump();
    input::ReleaseKey(VK_SHIFT);
    Pump();
    EXPECT_EQ(input::ScrollBarOf(client, false).position, 48) << "Shift turns the wheel sideways";

    // Page keys anywhere in the client, through the loop's MDI shortcuts.
    SetFocus(child);
    struct Case
    {
        UINT key;
        std::vector<UINT> modifiers;
        int across, down;
    } cases[] = {
        {VK_NEXT, {}, 48, 16 + page},
        {VK_PRIOR, {}, 48, 16},
        {VK_NEXT, {VK_SHIFT}, 48 + pageAcross, 16},
        {VK_PRIOR, {VK_SHIFT}, 48, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Log().clear();
        input::TypeKey(c.key, c.modifiers);
        PumpWithShortcuts();
        EXPECT_EQ(input::ScrollBarOf(client, false).position, c.across);
        EXPECT_EQ(input::ScrollBarOf(client, true).position, c.down);
        for (const auto& key : LoggedOf(WM_KEYDOWN))
            EXPECT_NE(key.wParam, c.key) << "the key was used up";
    }
    EXPECT_EQ(Placed(child).left, -48);
    EXPECT_EQ(Placed(child).top, -16);

    // The client's own keys: arrows, Home and End, Shift turning the last two sideways.
    struct Own
    {
        UINT key;
        bool shift;
        int across, down;
    } own[] = {
        {VK_DOWN, false, 48, 32},
        {VK_UP, false, 48, 16},
        {VK_RIGHT, false, 64, 16},
        {VK_LEFT, false, 48, 16},
        {VK_END, false, 48, 1500 - page},
        {VK_HOME, false, 48, 0},
        {VK_END, true, 3000 - pageAcross, 0},
    };
    for (const Own& o : own) {
        SCOPED_TRACE(o.key);
        if (o.shift)
            input::PressKey(VK_SHIFT);
        Pump();
        SendMessageA(client, WM_KEYDOWN, o.key, 1);
        if (o.shift)
            input::ReleaseKey(VK_SHIFT);
        Pump();
        EXPECT_EQ(input::ScrollBarOf(client, false).position, o.across);
        EXPECT_EQ(input::ScrollBarOf(client, true).position, o.down);
    }
}

TEST_F(MdiScrollTest, PageKeysPassOnWithoutABar)
{
    HWND child = MakeMdiChildAt("A", {0, 0, 300, 200});
    SetFocus(child);
    Pump();
    Log().clear();
    input::TypeKey(VK_NEXT);
    PumpWithShortcuts();
    ASSERT_EQ(LoggedOf(WM_KEYDOWN).size(), 1u);
    EXPECT_EQ(LoggedOf(WM_KEYDOWN)[0].window, child);
}

// The library window: 982 x 667 of client area in the default 800 x 600 frame.
TEST_F(MdiScrollTest, ALargeChildIsReachableToItsLastPixel)
{
    RECT outer{0, 0, 982, 667};
    const DWORD style = 0x44C00000u | 0x00C80000u;
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_MDICHILD);
    HWND child = MakeMdiChildAt("Library", {0, 0, outer.right - outer.left, outer.bottom - outer.top});
    Pump();
    RECT inside;
    GetClientRect(child, &inside);
    ASSERT_EQ(inside.right, 982);
    ASSERT_EQ(inside.bottom, 667);
    ASSERT_TRUE(input::ScrollBarOf(client, false).shown);
    ASSERT_TRUE(input::ScrollBarOf(client, true).shown);

    // Both thumbs dragged to the end of their bars.
    for (POINT thumb : {OnVerticalBar(kBar + 4), OnHorizontalBar(kBar + 4)}) {
        input::PressMouse(input::MouseButton::Left, thumb.x, thumb.y);
        input::MoveMouse(thumb.x + 1000, thumb.y + 1000);
        input::ReleaseMouse(input::MouseButton::Left, thumb.x + 1000, thumb.y + 1000);
        Pump();
    }
    EXPECT_EQ(Placed(child).right, View().right);
    EXPECT_EQ(Placed(child).bottom, View().bottom);
    Log().clear();
    POINT last = OnScreen(child, 981, 666);
    input::Click(input::MouseButton::Left, last.x, last.y);
    Pump();
    auto presses = LoggedOf(WM_LBUTTONDOWN);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].window, child);
    EXPECT_EQ(presses[0].lParam, MAKELPARAM(981, 666));

    // And back to the first pixel with Home, then Shift+Home.
    SendMessageA(client, WM_KEYDOWN, VK_HOME, 1);
    input::PressKey(VK_SHIFT);
    Pump();
    SendMessageA(client, WM_KEYDOWN, VK_HOME, 1);
    input::ReleaseKey(VK_SHIFT);
    Pump();
    EXPECT_EQ(Placed(child).left, 0);
    EXPECT_EQ(Placed(child).top, 0);
    EXPECT_FALSE(input::ScrollBarOf(client, false).position);
}

// A part of the window's framebuffer (client coordinates) as an RGB PNG in the build folder.
void SaveCrop(HWND window, const RECT& area, const char* name)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    std::vector<png_byte> rgb;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            COLORREF color = input::PixelAt(window, x, y);
            for (int shift : {0, 8, 16})
                rgb.push_back(static_cast<png_byte>(color >> shift));
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    const std::string path = std::string(VQ_TEST_OUTPUT_DIR) + "/" + name;
    EXPECT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr)) << path;
}

TEST_F(MdiScrollTest, TheBarsAreDrawnOverTheChildrenWithArrowsAndThumbs)
{
    MakeMdiChildAt("A", {0, 0, 900, 1200});
    SendMessageA(client, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageA(client, WM_HSCROLL, SB_LINERIGHT, 0);
    Pump();
    const RECT view = View();
    SaveCrop(client, {view.right - 24, 0, full.right, full.bottom}, "mdi_scroll_vertical.png");
    SaveCrop(client, {0, view.bottom - 24, full.right, full.bottom}, "mdi_scroll_horizontal.png");

    const COLORREF track = GetSysColor(COLOR_SCROLLBAR), face = GetSysColor(COLOR_BTNFACE);
    const COLORREF glyph = GetSysColor(COLOR_BTNTEXT);
    const int across = view.right + kBar / 2, down = view.bottom + kBar / 2;
    EXPECT_EQ(input::PixelAt(client, across, kBar / 2), glyph) << "the up arrow's triangle";
    EXPECT_EQ(input::PixelAt(client, across, view.bottom - kBar / 2), glyph) << "the down arrow's triangle";
    EXPECT_EQ(input::PixelAt(client, kBar / 2, down), glyph) << "the left arrow's triangle";
    EXPECT_EQ(input::PixelAt(client, across, kBar + 4), track) << "the track above the thumb, over the child";
    EXPECT_EQ(input::PixelAt(client, across, view.bottom / 2), face) << "the thumb, half way down";
    EXPECT_EQ(input::PixelAt(client, across, view.bottom - kBar - 4), track) << "the track below the thumb";
    EXPECT_EQ(input::PixelAt(client, view.right + 4, view.bottom + 4), face) << "the corner";
    EXPECT_EQ(input::PixelAt(client, view.right - 4, view.bottom - 4), GetSysColor(COLOR_WINDOW)) << "the child";
}

}  // namespace
}  // namespace display_test
