#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "support/CropPng.h"
#include "support/ReferencePng.h"

#include <platform/input.h>

#include <cstring>
#include <vector>

namespace ui_test {

namespace input = platform::testing;

void CRecordingOwner::OnControlValueChanged(CHfcControl*, int value)
{
    const bool pressed = (value & kHfcValuePressed) != 0;
    Log("value " + std::to_string(value & ~kHfcValuePressed) + (pressed ? " pressed" : ""));
}

void CRecordingOwner::OnControlEvent(CHfcControl*, std::intptr_t word)
{
    Log("event " + std::to_string(word));
}

bool CRecordingOwner::OnControlQueryDefaultValue(CHfcControl*, int* value)
{
    Log("query default");
    if (hasDefault)
        *value = defaultValue;
    return hasDefault;
}

bool CRecordingOwner::OnControlDragEnter(CHfcControl*, CHfcDragData*, int x, int y, int, int* effect)
{
    return Drag("drag enter", x, y, effect);
}

bool CRecordingOwner::OnControlDragOver(CHfcControl*, CHfcDragData*, int x, int y, int, int* effect)
{
    return Drag("drag over", x, y, effect);
}

bool CRecordingOwner::OnControlDrop(CHfcControl*, CHfcDragData*, int x, int y, int, int* effect)
{
    return Drag("drop", x, y, effect);
}

bool CRecordingOwner::Answer(const std::string& what)
{
    Log(what);
    return swallow.count(what) != 0;
}

bool CRecordingOwner::Answer(const std::string& what, int a)
{
    Log(what + " " + std::to_string(a));
    return swallow.count(what) != 0;
}

bool CRecordingOwner::Answer(const std::string& what, int x, int y)
{
    Log(what + " " + std::to_string(x) + "," + std::to_string(y));
    return swallow.count(what) != 0;
}

bool CRecordingOwner::Drag(const std::string& what, int x, int y, int* effect)
{
    Log(what + " " + std::to_string(x) + "," + std::to_string(y) + " effect " + std::to_string(*effect));
    if (dragEffect >= 0)
        *effect = dragEffect;
    return swallow.count(what) != 0;
}

void ControlTest::SetUp()
{
    WindowTest::SetUp();
    window = &MakeWindow(40, 30, 260, 200);
    ASSERT_TRUE(layer.Create(10, 20, 200, 150, window));
    layer.Show(true);
    mouse = CHfcMouse::GetInstance();
    Events().clear();
}

void ControlTest::TearDown()
{
    layer.Destroy();
    WindowTest::TearDown();
}

void ControlTest::Place(CHfcControl& control)
{
    control.SetOwner(&owner);
    layer.AddControl(&control, false);
    control.Show(true);
}

namespace {

// The modifier keys held around one input.
class HeldModifiers
{
public:
    explicit HeldModifiers(int modifiers)
    {
        if (modifiers & kHfcModifierShift)
            keys_.push_back(VK_SHIFT);
        if (modifiers & kHfcModifierCtrl)
            keys_.push_back(VK_CONTROL);
        if (modifiers & kHfcModifierAlt)
            keys_.push_back(VK_MENU);
        for (UINT key : keys_)
            input::PressKey(key);
    }
    ~HeldModifiers()
    {
        for (UINT key : keys_)
            input::ReleaseKey(key);
        input::PumpMessages();
    }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    std::vector<UINT> keys_;
};

POINT ScreenPoint(CHfcControl& control, int x, int y)
{
    POINT point{x, y};
    control.ControlToScreen(point);
    return point;
}

template <typename Inject>
void InjectAt(CHfcControl& control, int x, int y, int modifiers, Inject inject)
{
    HeldModifiers held(modifiers);
    const POINT at = ScreenPoint(control, x, y);
    inject(at.x, at.y);
    input::PumpMessages();
}

}  // namespace

void ControlTest::Press(CHfcControl& control, int x, int y, int modifiers)
{
    input::AdvanceClock(1000);
    InjectAt(control, x, y, modifiers, [](int sx, int sy) { input::PressMouse(input::MouseButton::Left, sx, sy); });
}

bool ControlTest::DoubleClick(CHfcControl& control, int x, int y, int modifiers)
{
    const POINT at = ScreenPoint(control, x, y);
    return control.OnHfcMouseRawLButtonDblClk(mouse, at.x, at.y, modifiers);
}

void ControlTest::Release(CHfcControl& control, int x, int y, int modifiers)
{
    InjectAt(control, x, y, modifiers, [](int sx, int sy) { input::ReleaseMouse(input::MouseButton::Left, sx, sy); });
}

void ControlTest::MoveTo(CHfcControl& control, int x, int y, int modifiers)
{
    InjectAt(control, x, y, modifiers, [](int sx, int sy) { input::MoveMouse(sx, sy); });
}

void ControlTest::RightPress(CHfcControl& control, int x, int y, int modifiers)
{
    input::AdvanceClock(1000);
    InjectAt(control, x, y, modifiers, [](int sx, int sy) { input::PressMouse(input::MouseButton::Right, sx, sy); });
}

void ControlTest::Wheel(CHfcControl& control, int x, int y, int delta, int modifiers)
{
    InjectAt(control, x, y, modifiers, [delta](int sx, int sy) { input::TurnWheel(delta, sx, sy); });
}

bool ControlTest::HoldsCapture(CHfcControl& control) const
{
    return mouse->GetCapture() == static_cast<CHfcMouseListener*>(&control);
}

void ControlTest::Render(CHfcControl& control)
{
    control.Redraw(true, true);
}

std::uint32_t ControlTest::Pixel(int x, int y) const
{
    CHfcBmp* bitmap = layer.GetContext()->GetBitmap();
    BYTE* bits = bitmap->LockBits();
    const BYTE* p = bits + static_cast<std::ptrdiff_t>(y) * bitmap->GetStride() + x * 4;
    const std::uint32_t pixel =
        (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
    bitmap->UnlockBits();
    return pixel;
}

void ControlTest::SaveCrop(const RECT& rect, const std::string& name) const
{
    const std::string path = "control_crops/" + name + ".png";
    EXPECT_TRUE(WriteCropPng(path, rect.right - rect.left, rect.bottom - rect.top, 4, [&](int x, int y) {
        return Pixel(rect.left + x, rect.top + y);
    })) << path;
}

::testing::AssertionResult ControlTest::MatchesReference(const RECT& rect, const std::string& folder,
                                                         const std::string& name) const
{
    return MatchesReferencePng(folder, name, rect.right - rect.left, rect.bottom - rect.top,
                               [&](int x, int y) { return Pixel(rect.left + x, rect.top + y); });
}

void FillNumberedStrip(CHfcBmp& bitmap, int width, int frameHeight, int frames)
{
    ASSERT_TRUE(bitmap.Create(width, frameHeight * frames));
    BYTE* bits = bitmap.LockBits();
    for (int y = 0; y < frameHeight * frames; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bits + static_cast<std::ptrdiff_t>(y) * bitmap.GetStride());
        for (int x = 0; x < width; ++x)
            row[x] = 0xFF000000u | static_cast<std::uint32_t>(y / frameHeight + 1);
    }
    bitmap.UnlockBits();
}

std::unique_ptr<CHfcBmp> Slice(CHfcBmp& source, const RECT& part)
{
    auto slice = std::make_unique<CHfcBmp>();
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    EXPECT_TRUE(slice->Create(width, height));
    const BYTE* from = source.LockBits();
    BYTE* to = slice->LockBits();
    for (int y = 0; y < height; ++y)
        std::memcpy(to + static_cast<std::ptrdiff_t>(y) * slice->GetStride(),
                    from + static_cast<std::ptrdiff_t>(part.top + y) * source.GetStride() + part.left * 4,
                    static_cast<std::size_t>(width) * 4);
    slice->UnlockBits();
    source.UnlockBits();
    return slice;
}

int FrameOf(std::uint32_t pixel)
{
    if ((pixel & 0xFFFFFF00u) != 0xFF000000u || (pixel & 0xFF) == 0)
        return -1;
    return static_cast<int>(pixel & 0xFF) - 1;
}

void FillSolidFont(CHfcBmp& font, std::uint32_t color)
{
    ASSERT_TRUE(font.Create(6, 9 * 128));
    BYTE* bits = font.LockBits();
    for (int y = 0; y < 9 * 128; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bits + static_cast<std::ptrdiff_t>(y) * font.GetStride());
        for (int x = 0; x < 6; ++x)
            row[x] = color;
    }
    font.UnlockBits();
}

}  // namespace ui_test
