#include "display_fixture.h"

#include "platform/src/class_registration.h"

namespace display_test {

void DisplayTest::SetUp()
{
    MessagingTest::SetUp();
    using platform::detail::RegisterOwnClass;
    static bool registered =
        RegisterOwnClass({.name = kClickClass,
                          .procedure = messaging_test::RecordingProc,
                          .style = CS_DBLCLKS,
                          .cursor = IDC_ARROW,
                          .backgroundColor = COLOR_WINDOW}) &&
        RegisterOwnClass(
            {.name = kPlainClass, .procedure = messaging_test::RecordingProc, .backgroundColor = COLOR_HIGHLIGHT});
    ASSERT_TRUE(registered);
    Pump();
    Log().clear();
}

void DisplayTest::TearDown()
{
    Reply() = nullptr;
    ReleaseCapture();
    SetFocus(nullptr);
    for (auto it = made_.rbegin(); it != made_.rend(); ++it)
        if (IsWindow(*it))
            DestroyWindow(*it);
    Pump();
    MessagingTest::TearDown();
}

HWND DisplayTest::MakeTop(const RECT& rect, DWORD style, const char* className)
{
    HWND window = CreateWindowExA(0, className, "top", style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
    made_.push_back(window);
    return window;
}

HWND DisplayTest::MakeChild(HWND parent, const RECT& rect, DWORD style, const char* className)
{
    HWND window = CreateWindowExA(0, className, "child", style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    made_.push_back(window);
    return window;
}

POINT DisplayTest::OnScreen(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace display_test
