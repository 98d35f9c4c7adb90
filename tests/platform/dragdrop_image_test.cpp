// The drag image: drawn under the pointer with its colour key left out,
// following the pointer, and gone with what lay under it back after the drag.
#include "dragdrop_fixture.h"

#include <platform/gdi.h>

namespace dragdrop_test {
namespace {

using platform::testing::MouseButton;
using platform::testing::PixelAt;
namespace input = platform::testing;

constexpr int kWidth = 8, kHeight = 6;
constexpr POINT kHotSpot{2, 3};
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Left half the colour key, right half blue.
HBITMAP MakeImage()
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            pixels[y * kWidth + x] = x < kWidth / 2 ? 0xFFFF00FFu : 0xFF0000FFu;
    return bitmap;
}

// A drag with the image from one window to a target at (40, 50) and then
// (50, 50) of the target's client area, where it drops.
class DragImageTest : public TwoWindowDragTest
{
protected:
    void SetUp() override
    {
        TwoWindowDragTest::SetUp();
        data_ = MakeData("part");
        void* object = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper, &object),
                  S_OK);
        helper_ = static_cast<IDragSourceHelper*>(object);
        HBITMAP bitmap = MakeImage();
        SHDRAGIMAGE image{{kWidth, kHeight}, kHotSpot, bitmap, RGB(255, 0, 255)};
        ASSERT_EQ(helper_->InitializeFromBitmap(&image, data_), S_OK);
        EXPECT_TRUE(DeleteObject(bitmap)) << "the helper keeps its own copy";
    }
    void TearDown() override
    {
        EXPECT_EQ(helper_->Release(), 0u);
        EXPECT_EQ(data_->Release(), 0u) << "the helper let go of the data object";
        TwoWindowDragTest::TearDown();
    }
    void Drag()
    {
        const POINT first = OnScreen(to_, 40, 50);
        const POINT second = OnScreen(to_, 50, 50);
        PressAt(150, 150);
        input::MoveMouse(first.x, first.y);
        input::MoveMouse(second.x, second.y);
        input::ReleaseMouse(MouseButton::Left, second.x, second.y);
        RecordingSource source;
        DWORD effect = 0;
        EXPECT_EQ(DoDragDrop(data_, &source, DROPEFFECT_MOVE, &effect), DRAGDROP_S_DROP);
    }
    // Target client coordinates of the image's blue pixel (6, 4) with the pointer at (50, 50).
    static constexpr POINT kBluePixel{50 - kHotSpot.x + 6, 50 - kHotSpot.y + 4};

    IDataObject* data_ = nullptr;
    IDragSourceHelper* helper_ = nullptr;
};

TEST_F(DragImageTest, TheImageFollowsThePointerWithItsColourKeyTransparent)
{
    HWND to = to_, from = from_;
    const COLORREF background = PixelAt(to, 50, 50);
    std::vector<std::pair<COLORREF, COLORREF>> seen;  // key half, blue half
    target_.onOver = [&] {
        const POINT corner{50 - kHotSpot.x, 50 - kHotSpot.y};
        seen.push_back({PixelAt(to, corner.x + 1, corner.y + 1), PixelAt(to, corner.x + 6, corner.y + 4)});
        seen.push_back({PixelAt(to, corner.x + 1 - 10, corner.y + 1), PixelAt(to, corner.x + 6 - 10, corner.y + 4)});
    };
    Drag();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, background) << "the colour key shows what lies under it";
    EXPECT_EQ(seen[0].second, kBlue);
    EXPECT_EQ(seen[1].first, background);
    EXPECT_EQ(seen[1].second, background) << "nothing is left where the image was before";
    EXPECT_EQ(PixelAt(to, kBluePixel.x, kBluePixel.y), background) << "gone after the drag";
    EXPECT_EQ(PixelAt(from, 50, 50), PixelAt(from, 60, 60));
}

TEST_F(DragImageTest, WhatAWindowPaintsUnderTheImageMeanwhileStaysAfterIt)
{
    const COLORREF background = PixelAt(to_, 50, 50);
    HWND cover = nullptr;
    target_.onOver = [&] {
        cover = MakeChild(to_, {30, 30, 70, 70}, WS_CHILD | WS_VISIBLE, display_test::kPlainClass);
        UpdateWindow(cover);
    };
    Drag();
    ASSERT_TRUE(cover);
    const COLORREF painted = PixelAt(to_, 35, 35);
    EXPECT_NE(painted, background);
    EXPECT_EQ(PixelAt(to_, kBluePixel.x, kBluePixel.y), painted) << "not the background from before the paint";
}

// The offset is the image's point under the pointer: a source that gives
// the press point within the dragged thing sees the image where the thing
// was, at the same place under the pointer; an offset outside the image
// puts the image beside the pointer, as given.
TEST_F(DragDropTest, TheImageIsDrawnWithItsOffsetPointUnderThePointer)
{
    HWND from = MakeTop({100, 100, 300, 300});
    HWND to = MakeTop({400, 100, 600, 300});
    RecordingTarget target;
    ASSERT_EQ(RegisterDragDrop(to, &target), S_OK);
    void* object = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper, &object),
              S_OK);
    auto* helper = static_cast<IDragSourceHelper*>(object);
    const POINT offsets[] = {{0, 0}, {6, 4}, {kWidth - 1, kHeight - 1}, {-3, -2}};
    for (const POINT offset : offsets) {
        SCOPED_TRACE(testing::Message() << offset.x << "," << offset.y);
        IDataObject* data = MakeData("part");
        HBITMAP bitmap = MakeImage();
        SHDRAGIMAGE image{{kWidth, kHeight}, offset, bitmap, RGB(255, 255, 255)};
        ASSERT_EQ(helper->InitializeFromBitmap(&image, data), S_OK);
        DeleteObject(bitmap);
        // The pointer at (60, 60) of the target: the image's pixel (x, y) lies at (60 - offset + x, 60 - offset + y).
        COLORREF corner = 0, beyond = 0;
        const COLORREF background = platform::testing::PixelAt(to, 120, 120);
        target.onOver = [&] {
            corner = PixelAt(to, 60 - offset.x, 60 - offset.y);  // the image's top-left pixel, the key colour's half
            beyond = PixelAt(to, 60 - offset.x + kWidth - 1, 60 - offset.y + kHeight - 1);
        };
        const POINT first = OnScreen(to, 50, 60), second = OnScreen(to, 60, 60);
        PressAt(150, 150);
        input::MoveMouse(first.x, first.y);
        input::MoveMouse(second.x, second.y);
        input::ReleaseMouse(MouseButton::Left, second.x, second.y);
        RecordingSource source;
        DWORD effect = 0;
        EXPECT_EQ(DoDragDrop(data, &source, DROPEFFECT_MOVE, &effect), DRAGDROP_S_DROP);
        EXPECT_EQ(corner, RGB(255, 0, 255)) << "the left half, drawn since the key here is white";
        EXPECT_EQ(beyond, kBlue);
        EXPECT_NE(corner, background);
        EXPECT_EQ(data->Release(), 0u);
    }
    EXPECT_EQ(helper->Release(), 0u);
    EXPECT_EQ(RevokeDragDrop(to), S_OK);
    (void)from;
}

}  // namespace
}  // namespace dragdrop_test
