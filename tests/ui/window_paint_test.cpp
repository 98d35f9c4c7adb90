// How a window's layers become its picture: the pending dirty rectangle,
// compositing into the back buffer, and copies to the screen.
#include "window_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"

#include "png_fixture.h"

#include <platform/painting.h>

#include <cstdint>

namespace ui_test {
namespace {

void FillLayer(CHfcWindowLayer& layer, std::uint32_t argb)
{
    CHfcBmp& bitmap = *layer.GetContext()->GetBitmap();
    Fill(bitmap, std::vector<std::uint32_t>(std::size_t(bitmap.GetWidth()) * bitmap.GetHeight(), argb));
}

std::uint32_t PixelOf(CHfcWindowLayer& layer, int x, int y)
{
    CHfcBmp& bitmap = *layer.GetContext()->GetBitmap();
    return Pixels(bitmap)[std::size_t(y) * bitmap.GetWidth() + x];
}

using WindowPaint = WindowTest;

TEST_F(WindowPaint, QueuedRectanglesMergeAndFlushAsOneComposite)
{
    CTestWindow& window = MakeWindow(0, 0, 100, 80);
    window.FlushDirtyRects();
    window.invalidated.clear();

    const RECT first{10, 10, 20, 20}, second{30, 5, 40, 15};
    window.UpdateRect(first, false);
    window.UpdateRect(second, false);
    EXPECT_EQ(window.GetDirtyRect(), (RECT{10, 5, 40, 20}));
    EXPECT_TRUE(window.invalidated.empty());
    window.FlushDirtyRects();
    EXPECT_EQ(window.invalidated, std::vector<RECT>{(RECT{10, 5, 40, 20})});
    EXPECT_EQ(window.GetDirtyRect(), (RECT{0, 0, 0, 0}));
    window.FlushDirtyRects();
    EXPECT_EQ(window.invalidated.size(), 1u) << "nothing left to flush";

    const RECT flat{5, 5, 5, 50};
    window.AddDirtyRect(&flat);
    window.AddDirtyRect(&second);
    EXPECT_EQ(window.GetDirtyRect(), second) << "a pending rectangle without width is replaced, not merged";
    window.AddDirtyRect(nullptr);
    EXPECT_EQ(window.GetDirtyRect(), (RECT{0, 0, 100, 80})) << "null stands for the client area";
}

TEST_F(WindowPaint, CompositingClearsTheAreaAndBlendsOnlyVisibleLayersInAttachOrder)
{
    CTestWindow& window = MakeWindow(0, 0, 60, 40);
    CHfcWindowLayer& root = *window.GetRootLayer();
    CRecordingLayer under("under"), over("over"), hidden("hidden");
    ASSERT_TRUE(under.Create(0, 0, 40, 40, &window));
    ASSERT_TRUE(over.Create(20, 0, 40, 40, &window));
    ASSERT_TRUE(hidden.Create(0, 0, 60, 40, &window));
    FillLayer(under, 0xFF0000FF);
    FillLayer(over, 0xFFFF0000);
    FillLayer(hidden, 0xFF00FF00);
    under.Show(false);
    over.Show(false);
    window.FlushDirtyRects();
    FillLayer(root, 0xFF123456);
    window.UpdateRect({10, 0, 30, 10}, true);
    EXPECT_EQ(PixelOf(root, 5, 5), 0xFF123456u) << "outside the area nothing changed";
    EXPECT_EQ(PixelOf(root, 15, 5), 0xFF0000FFu);
    EXPECT_EQ(PixelOf(root, 25, 5), 0xFFFF0000u) << "the later layer lies on top";
    EXPECT_EQ(PixelOf(root, 25, 15), 0xFF123456u);
    window.UpdateRect({-10, 20, 10, 30}, true);
    EXPECT_EQ(PixelOf(root, 5, 25), 0xFF0000FFu) << "a rectangle reaching left of the window is cut there";
    for (CHfcWindowLayer* layer : {&under, &over, &hidden})
        window.RemoveLayer(layer, false);
}

TEST_F(WindowPaint, APaintRectangleLeftOfTheRootLayerIsCutFromThere)
{
    CTestWindow& window = MakeWindow(0, 0, 40, 30);
    CHfcWindowLayer& root = *window.GetRootLayer();
    std::vector<std::uint32_t> numbered;
    for (int i = 0; i < 40 * 30; ++i)
        numbered.push_back(0xFF000000u + std::uint32_t(i));
    Fill(*root.GetContext()->GetBitmap(), numbered);
    root.Move(10, 5, false);

    CHfcOffscreenContext target(40, 30);
    window.PaintTo(&target, {0, 0, 30, 20});
    const auto painted = Pixels(*target.GetBitmap());
    auto at = [&](int x, int y) { return painted[std::size_t(y) * 40 + x]; };
    EXPECT_EQ(at(9, 5), 0u) << "nothing left of the root layer";
    EXPECT_EQ(at(10, 4), 0u);
    EXPECT_EQ(at(10, 5), numbered[0]) << "source (0, 0) lands at the root layer's origin";
    EXPECT_EQ(at(29, 19), numbered[14 * 40 + 19]);
    EXPECT_EQ(at(30, 19), 0u) << "the width shrank by the cut";
}

// Two half-transparent layers over a root that is cleared and shown
// nowhere: the screen shows their integer blend, pixel for pixel.
TEST_F(WindowPaint, TwoAlphaLayersOverTheRootReachTheScreenAsTheBlendRulesGive)
{
    CTestWindow& window = MakeWindow(40, 40, 40, 30);
    CRecordingLayer red("red"), blue("blue");
    ASSERT_TRUE(red.Create(0, 0, 30, 20, &window));
    ASSERT_TRUE(blue.Create(10, 10, 30, 20, &window));
    FillLayer(red, 0x80FF0000);
    FillLayer(blue, 0x800000FF);
    red.Show(false);
    blue.Show(false);
    window.FlushDirtyRects();
    Pump();

    // Source weight 128 x 256 + 255 over transparent black; then the blue
    // over that result: R (33279 x 32512 + 255 x 33023) >> 24 = 64.
    constexpr COLORREF kRedOnly = RGB(129, 0, 0);
    constexpr COLORREF kBoth = RGB(64, 0, 129);
    constexpr COLORREF kBlueOnly = RGB(0, 0, 129);
    constexpr COLORREF kNeither = RGB(0, 0, 0);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inRed = x < 30 && y < 20;
            const bool inBlue = x >= 10 && y >= 10;
            const COLORREF expected = inRed ? (inBlue ? kBoth : kRedOnly) : (inBlue ? kBlueOnly : kNeither);
            ASSERT_EQ(platform::testing::PixelAt(window.GetHandle(), x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(PixelOf(*window.GetRootLayer(), 15, 15), 0xFF400081u) << "the back buffer keeps the alpha";
    window.RemoveLayer(&red, false);
    window.RemoveLayer(&blue, false);
}

}  // namespace
}  // namespace ui_test
