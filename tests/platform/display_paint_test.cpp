// Invalid areas, WM_PAINT coalescing and order, clipping between windows,
// synchronous updates and screenshots.
#include "display_fixture.h"

#include <platform/timer.h>

#include <png.h>

#include <cstdio>
#include <filesystem>

namespace display_test {
namespace {

class DisplayPaintTest : public DisplayTest
{
protected:
    // Records rcPaint of every WM_PAINT that the recording procedure sees.
    void RecordPaints()
    {
        Reply() = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message != WM_PAINT)
                return DefWindowProcA(window, message, wParam, lParam);
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            painted.push_back(paint.rcPaint);
            EndPaint(window, &paint);
            return 0;
        };
    }
    std::vector<RECT> painted;
};

void ExpectRect(const RECT& actual, const RECT& expected)
{
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

const COLORREF kWhite = GetSysColor(COLOR_WINDOW);
const COLORREF kHighlight = GetSysColor(COLOR_HIGHLIGHT);

TEST_F(DisplayPaintTest, InvalidationsCoalesceIntoOnePaintOfTheirBoundingBox)
{
    HWND top = MakeTop({0, 0, 200, 200});
    Pump();
    RecordPaints();
    Log().clear();
    RECT first{10, 10, 20, 20}, second{30, 5, 40, 15};
    InvalidateRect(top, &first, FALSE);
    InvalidateRect(top, &second, FALSE);
    Pump();
    ASSERT_EQ(painted.size(), 1u);
    ExpectRect(painted[0], {10, 5, 40, 20});
    EXPECT_TRUE(LoggedOf(WM_ERASEBKGND).empty()) << "nobody asked for erasing";
    Pump();
    EXPECT_EQ(painted.size(), 1u) << "painting made the area valid";
}

TEST_F(DisplayPaintTest, PaintRectangleIsClippedToTheClientArea)
{
    HWND top = MakeTop({0, 0, 200, 200});
    Pump();
    RecordPaints();
    RECT overhanging{-10, 190, 50, 260};
    InvalidateRect(top, &overhanging, FALSE);
    Pump();
    ASSERT_EQ(painted.size(), 1u);
    ExpectRect(painted[0], {0, 190, 50, 200});

    RECT outside{300, 300, 400, 400};
    InvalidateRect(top, &outside, FALSE);
    Pump();
    EXPECT_EQ(painted.size(), 1u) << "nothing of the client area was invalid";
    SendMessageA(top, WM_PAINT, 0, 0);
    ASSERT_EQ(painted.size(), 2u);
    ExpectRect(painted[1], {0, 0, 0, 0});
}

TEST_F(DisplayPaintTest, PaintComesAfterPostedMessagesAndInputAndBeforeTimers)
{
    platform::testing::ScopedFakeClock clock(1000);
    HWND top = MakeTop({0, 0, 200, 200});
    Pump();
    SetTimer(top, 7, 10, nullptr);
    platform::testing::AdvanceClock(20);
    InvalidateRect(top, nullptr, FALSE);
    POINT inside = OnScreen(top, 50, 50);
    platform::testing::Click(platform::testing::MouseButton::Left, inside.x, inside.y);
    PostMessageA(top, WM_USER, 0, 0);
    Log().clear();
    Pump();
    std::vector<UINT> seen;
    for (const Received& r : Log())
        if (r.message == WM_USER || r.message == WM_LBUTTONDOWN || r.message == WM_LBUTTONUP || r.message == WM_PAINT ||
            r.message == WM_TIMER)
            seen.push_back(r.message);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_TIMER}));
    KillTimer(top, 7);
}

TEST_F(DisplayPaintTest, ChildrenPaintOnlyWhereNoSiblingAboveCoversThem)
{
    HWND top = MakeTop({0, 0, 200, 200});
    HWND below = MakeChild(top, {20, 20, 120, 120}, WS_CHILD | WS_VISIBLE, kPlainClass);
    HWND above = MakeChild(top, {60, 60, 160, 160});
    Pump();
    using platform::testing::PixelAt;
    EXPECT_EQ(PixelAt(top, 10, 10), kWhite);
    EXPECT_EQ(PixelAt(top, 40, 40), kHighlight);
    EXPECT_EQ(PixelAt(top, 100, 100), kWhite) << "the later child covers the earlier one";

    InvalidateRect(below, nullptr, TRUE);
    InvalidateRect(top, nullptr, TRUE);
    Pump();
    EXPECT_EQ(PixelAt(top, 100, 100), kWhite) << "erasing the lower child stays out of the upper one";
    EXPECT_EQ(PixelAt(top, 40, 40), kHighlight) << "erasing the parent stays out of its children";

    BringWindowToTop(below);
    Pump();
    EXPECT_EQ(PixelAt(top, 100, 100), kHighlight) << "raised above its sibling";
    MoveWindow(below, 120, 20, 60, 60, TRUE);
    Pump();
    EXPECT_EQ(PixelAt(top, 40, 40), kWhite) << "the parent paints where the child was";
    EXPECT_EQ(PixelAt(top, 130, 30), kHighlight);
    EXPECT_EQ(PixelAt(above, 0, 0), kWhite);
}

TEST_F(DisplayPaintTest, UpdateWindowPaintsTheWindowAndItsChildrenBeforeReturning)
{
    HWND top = MakeTop({0, 0, 200, 200});
    HWND child = MakeChild(top, {10, 10, 60, 60});
    Pump();
    InvalidateRect(child, nullptr, FALSE);
    InvalidateRect(top, nullptr, FALSE);
    Log().clear();
    ASSERT_TRUE(UpdateWindow(top));
    auto paints = LoggedOf(WM_PAINT);
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[0].window, top);
    EXPECT_EQ(paints[1].window, child);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(DisplayPaintTest, HiddenWindowsGetNoPaintUntilShown)
{
    HWND top = MakeTop({0, 0, 100, 100}, 0);
    InvalidateRect(top, nullptr, FALSE);
    Pump();
    EXPECT_TRUE(LoggedOf(WM_PAINT).empty());
    ShowWindow(top, SW_SHOWNA);
    Pump();
    EXPECT_EQ(LoggedOf(WM_PAINT).size(), 1u);
}

TEST_F(DisplayPaintTest, ScreenshotHoldsTheTopLevelFramebuffer)
{
    HWND top = MakeTop({0, 0, 64, 48});
    MakeChild(top, {16, 8, 48, 40}, WS_CHILD | WS_VISIBLE, kPlainClass);
    Pump();
    auto path = std::filesystem::temp_directory_path() / "display_paint_test.png";
    ASSERT_TRUE(platform::testing::SaveScreenshot(top, path.c_str()));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    std::filesystem::remove(path);
    EXPECT_EQ(image.width, 64u);
    EXPECT_EQ(image.height, 48u);
    auto at = [&](int x, int y) {
        const png_byte* p = &pixels[(static_cast<size_t>(y) * image.width + x) * 3];
        return RGB(p[0], p[1], p[2]);
    };
    EXPECT_EQ(at(2, 2), kWhite);
    EXPECT_EQ(at(20, 20), kHighlight);

    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(platform::testing::SaveScreenshot(top, path.c_str())) << "a hidden window shows nothing";
}

}  // namespace
}  // namespace display_test
