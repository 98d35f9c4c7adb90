#include "framework/services/DesktopState.h"

#include <platform/input.h>
#include <platform/testing.h>
#include <platform/window.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DesktopState, WorkAreaComesFromTheDisplay)
{
    platform::testing::SetWorkArea(RECT{0, 24, 1280, 800});
    RECT area{};
    GetWorkArea(area);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 24);
    EXPECT_EQ(area.right, 1280);
    EXPECT_EQ(area.bottom, 800);
}

TEST(DesktopState, ModifierKeysFollowTheKeysHeld)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "DesktopStateWindow";
    RegisterClassExA(&windowClass);
    HWND window =
        CreateWindowExA(0, "DesktopStateWindow", "", WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetFocus(window);

    struct Case
    {
        std::vector<UINT> held;
        int expected;
    };
    const Case cases[] = {
        {{}, 0},
        {{VK_SHIFT}, 1},
        {{VK_CONTROL, VK_MENU}, 6},
        {{VK_SHIFT, VK_CONTROL, VK_MENU}, 7},
    };
    for (const Case& c : cases) {
        for (UINT key : c.held)
            platform::testing::PressKey(key);
        platform::testing::PumpMessages();
        EXPECT_EQ(GetModifierKeys(), c.expected);
        for (UINT key : c.held)
            platform::testing::ReleaseKey(key);
        platform::testing::PumpMessages();
        EXPECT_EQ(GetModifierKeys(), 0);
    }
    DestroyWindow(window);
    UnregisterClassA("DesktopStateWindow", nullptr);
}

}  // namespace
