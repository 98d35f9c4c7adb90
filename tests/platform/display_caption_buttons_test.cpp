// The buttons of an MDI child's caption: each shows its own glyph, and the
// button that would undo a maximised or minimised state shows restore.
#include "display_mdi_fixture.h"

#include <algorithm>
#include <climits>
#include <string>

namespace display_test {
namespace {

using platform::testing::PixelAt;

constexpr DWORD kBoxedChild =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX;

// A glyph as rows of '#' for ink and '.' for face, cut to the ink.
using Shape = std::vector<std::string>;

const Shape kCross = {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"};
const Shape kWindow = {"########", "########", "#......#", "#......#", "#......#", "#......#", "########"};
const Shape kBar = {"########", "########"};
const Shape kTwoWindows = {"..######", "..######", "######.#", "######.#", "#....###", "#....#..", "######.."};

class CaptionButtons : public DisplayMdiTest
{
protected:
    void SetUp() override
    {
        DisplayMdiTest::SetUp();
        child = CreateMDIWindowA("DisplayMdiChild", "Program 1", kBoxedChild, 40, 30, 300, 200, client, nullptr, 0);
        ASSERT_NE(child, nullptr);
        Pump();
    }

    // The button's area on screen, found by hit testing the caption.
    RECT Button(LRESULT hit)
    {
        RECT window{};
        GetWindowRect(child, &window);
        RECT found{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (LONG y = window.top; y < window.top + 40; ++y)
            for (LONG x = window.left; x < window.right; ++x) {
                if (SendMessageA(child, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != hit)
                    continue;
                found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                         std::max(found.bottom, y + 1)};
            }
        return found;
    }

    // What the button shows in the text colour, cut to its ink.
    Shape Glyph(LRESULT hit)
    {
        const RECT button = Button(hit);
        auto inked = [&](LONG x, LONG y) {
            POINT p{x, y};
            ScreenToClient(child, &p);
            return PixelAt(child, p.x, p.y) == GetSysColor(COLOR_BTNTEXT);
        };
        RECT ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (LONG y = button.top; y < button.bottom; ++y)
            for (LONG x = button.left; x < button.right; ++x)
                if (inked(x, y))
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
        Shape shape;
        for (LONG y = ink.top; y < ink.bottom; ++y) {
            shape.emplace_back();
            for (LONG x = ink.left; x < ink.right; ++x)
                shape.back() += inked(x, y) ? '#' : '.';
        }
        return shape;
    }

    HWND child = nullptr;
};

TEST_F(CaptionButtons, EachButtonShowsItsOwnGlyphAndRestoreWhereItWouldRestore)
{
    struct Case
    {
        const char* state;
        int show;
        const Shape& close;
        const Shape& maximize;
        const Shape& minimize;
    };
    const Case cases[] = {
        {"restored", SW_RESTORE, kCross, kWindow, kBar},
        {"maximised", SW_MAXIMIZE, kCross, kTwoWindows, kBar},
        {"minimised", SW_MINIMIZE, kCross, kWindow, kTwoWindows},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        ShowWindow(child, c.show);
        Pump();
        EXPECT_EQ(Glyph(HTCLOSE), c.close);
        EXPECT_EQ(Glyph(HTMAXBUTTON), c.maximize);
        EXPECT_EQ(Glyph(HTMINBUTTON), c.minimize);
        const std::string path = std::string(VQ_TEST_OUTPUT_DIR) + "/caption_buttons_" + c.state + ".png";
        EXPECT_TRUE(platform::testing::SaveScreenshot(frame, path.c_str()));
        ShowWindow(child, SW_RESTORE);
    }
}

TEST_F(CaptionButtons, TheMinimisedChildsRestoreButtonRestoresIt)
{
    ShowWindow(child, SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(IsIconic(child));
    const RECT button = Button(HTMINBUTTON);
    platform::testing::Click(platform::testing::MouseButton::Left, (button.left + button.right) / 2,
                             (button.top + button.bottom) / 2);
    Pump();
    EXPECT_FALSE(IsIconic(child));
}

}  // namespace
}  // namespace display_test
