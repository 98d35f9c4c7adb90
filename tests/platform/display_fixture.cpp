#include "display_fixture.h"

namespace display_test {
namespace {

ATOM Register(const char* name, UINT style, HCURSOR cursor, int background)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = messaging_test::RecordingProc;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(background + 1));
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

}  // namespace

void DisplayTest::SetUp()
{
    MessagingTest::SetUp();
    static bool registered = Register(kClickClass, CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW), COLOR_WINDOW) &&
                             Register(kPlainClass, 0, nullptr, COLOR_HIGHLIGHT);
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
        if (IsWindow(*it)) DestroyWindow(*it);
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
