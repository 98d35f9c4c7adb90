// The program's icon from its resources, at the sizes asked for, on the
// desktop's picture of a top-level window; and the white stock brush as a
// class background.
#include "display_fixture.h"

#include "platform/src/display/headless_backend.h"
#include "platform/src/display/icons.h"

#include <platform/gdi.h>

namespace display_test {
namespace {

using platform::detail::FindIcon;
using platform::detail::HeadlessIconOf;

const LPCSTR kProgramIcon = MAKEINTRESOURCEA(480);
const HINSTANCE kModule = reinterpret_cast<HINSTANCE>(0x400000);

// The drawn icon covers most of its square and leaves the corners clear.
void ExpectProgramIcon(const platform::detail::IconImage& icon, int size)
{
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    ASSERT_EQ(icon.pixels.size(), std::size_t(size * size));
    EXPECT_LT(icon.pixels[0] >> 24, 0x20u) << "a rounded corner";
    EXPECT_EQ(icon.pixels[std::size_t(size / 2 * size + size / 2)] >> 24, 0xFFu) << "the middle is opaque";
}

ATOM RegisterClass(const char* name, HICON icon, HBRUSH background)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hIcon = icon;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

using DisplayIconTest = DisplayTest;

TEST_F(DisplayIconTest, TheProgramIconLoadsAtTheSizeAskedFor)
{
    HICON icon = LoadIconA(kModule, kProgramIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(kModule, kProgramIcon), icon) << "shared";
    ExpectProgramIcon(*FindIcon(icon), 32);
    EXPECT_FALSE(DestroyIcon(icon)) << "a shared icon stays";

    auto small = static_cast<HICON>(LoadImageA(kModule, kProgramIcon, IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(small, nullptr);
    ExpectProgramIcon(*FindIcon(small), 16);
    EXPECT_NE(LoadImageA(kModule, kProgramIcon, IMAGE_ICON, 16, 16, 0), small) << "not shared: a new one each time";
    EXPECT_TRUE(DestroyIcon(small));
    EXPECT_EQ(FindIcon(small), nullptr);

    auto standard = static_cast<HICON>(LoadImageA(kModule, kProgramIcon, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    EXPECT_EQ(standard, LoadImageA(kModule, kProgramIcon, IMAGE_ICON, 32, 32, LR_SHARED));
    ExpectProgramIcon(*FindIcon(standard), 32);

    EXPECT_EQ(LoadIconA(kModule, MAKEINTRESOURCEA(481)), nullptr);
    EXPECT_EQ(LoadImageA(kModule, kProgramIcon, 0 /* a bitmap */, 0, 0, 0), nullptr);
    EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_EQ(FindIcon(LoadIconA(nullptr, IDI_APPLICATION)), nullptr) << "the standard icon has no pixels";
}

TEST_F(DisplayIconTest, TheDesktopShowsTheClassIconThenTheOneSet)
{
    static const ATOM registered = RegisterClass("DisplayIconFrame", LoadIconA(kModule, kProgramIcon), nullptr);
    ASSERT_NE(registered, 0);
    HWND frame = MakeTop({10, 10, 300, 200}, WS_VISIBLE, "DisplayIconFrame");
    Pump();
    auto shown = HeadlessIconOf(frame);
    ASSERT_TRUE(shown) << "the class icon, from the start";
    ExpectProgramIcon(*shown, 32);

    auto small = static_cast<HICON>(LoadImageA(kModule, kProgramIcon, IMAGE_ICON, 16, 16, 0));
    SendMessageA(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(small));
    shown = HeadlessIconOf(frame);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->width, 16) << "the icon set wins";

    HWND plain = MakeTop({10, 10, 100, 100});
    Pump();
    EXPECT_FALSE(HeadlessIconOf(plain)) << "no pixels, nothing to show";
    DestroyWindow(frame);
    DestroyIcon(small);
}

TEST_F(DisplayIconTest, TheWhiteStockBrushErasesAClassBackground)
{
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    ASSERT_NE(white, nullptr);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
    EXPECT_TRUE(DeleteObject(white));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white) << "a stock object stays";

    static const ATOM atom = RegisterClass("DisplayWhiteBrushWindow", nullptr, static_cast<HBRUSH>(white));
    ASSERT_NE(atom, 0);
    HWND top = MakeTop({0, 0, 200, 200}, WS_VISIBLE, kPlainClass);
    HWND child = MakeChild(top, {10, 10, 60, 60}, WS_CHILD | WS_VISIBLE, "DisplayWhiteBrushWindow");
    Pump();
    EXPECT_EQ(platform::testing::PixelAt(child, 20, 20), RGB(255, 255, 255));
    EXPECT_NE(platform::testing::PixelAt(top, 100, 100), RGB(255, 255, 255));
}

}  // namespace
}  // namespace display_test
