#include "display_mdi_fixture.h"

#include "platform/src/class_registration.h"

namespace display_test {
namespace {

constexpr char kFrameClass[] = "DisplayMdiFrame";
constexpr char kChildClass[] = "DisplayMdiChild";
constexpr DWORD kChildStyle = 0x44C00000u | 0x00C80000u;

HWND gClient = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Log().push_back({window, message, wParam, lParam});
    return DefFrameProcA(window, gClient, message, wParam, lParam);
}

// Installs the child's menu when it becomes active and the frame's when the
// last child goes, as the editor's windows do.
LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Log().push_back({window, message, wParam, lParam});
    if (Reply())
        return Reply()(window, message, wParam, lParam);
    if (message == WM_MDIACTIVATE) {
        if (reinterpret_cast<HWND>(lParam) == window)
            SendMessageA(gClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(kChildMenu),
                         reinterpret_cast<LPARAM>(kChildWindowMenu));
        else if (!lParam && reinterpret_cast<HWND>(wParam) == window)
            SendMessageA(gClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(kFrameMenu),
                         reinterpret_cast<LPARAM>(kFrameWindowMenu));
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

}  // namespace

void DisplayMdiTest::SetUp()
{
    DisplayTest::SetUp();
    using platform::detail::RegisterOwnClass;
    static bool registered =
        RegisterOwnClass({.name = kFrameClass, .procedure = FrameProc, .style = CS_HREDRAW | CS_VREDRAW}) &&
        RegisterOwnClass(
            {.name = kChildClass, .procedure = ChildProc, .style = CS_DBLCLKS, .backgroundColor = COLOR_WINDOW});
    ASSERT_TRUE(registered);
    frame = CreateWindowExA(0x300, kFrameClass, "Frame", 0x10CF0000u, 0, 0, 800, 600, nullptr, kFrameMenu, nullptr,
                            nullptr);
    ASSERT_NE(frame, nullptr);
    CLIENTCREATESTRUCT settings{kFrameWindowMenu, kFirstChild};
    gClient = CreateWindowExA(0, "MDICLIENT", nullptr, 0x52300001u, 0, 0, 0, 0, frame, reinterpret_cast<HMENU>(1),
                              nullptr, &settings);
    ASSERT_NE(gClient, nullptr);
    SendMessageA(frame, WM_SIZE, SIZE_RESTORED, 0);
    client = gClient;
    Pump();
    Log().clear();
}

void DisplayMdiTest::TearDown()
{
    Reply() = nullptr;
    if (IsWindow(frame))
        DestroyWindow(frame);
    gClient = nullptr;
    DisplayTest::TearDown();
}

HWND DisplayMdiTest::MakeMdiChild(const char* title, bool visible, LPARAM param)
{
    return CreateMDIWindowA(kChildClass, title, kChildStyle | (visible ? WS_VISIBLE : 0), CW_USEDEFAULT, CW_USEDEFAULT,
                            300, 200, client, nullptr, param);
}

HWND DisplayMdiTest::MakeMdiChildAt(const char* title, const RECT& rect)
{
    return CreateMDIWindowA(kChildClass, title, kChildStyle | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, client, nullptr, 0);
}

void DisplayMdiTest::PumpWithShortcuts()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (TranslateMDISysAccel(client, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace display_test
