#include "window_fixture.h"

#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"

#include <platform/input.h>

namespace ui_test {

std::vector<std::string>& Events()
{
    static std::vector<std::string> events;
    return events;
}

std::string Describe(const std::string& who, const char* what, int x, int y)
{
    return who + ":" + what + " " + std::to_string(x) + "," + std::to_string(y);
}

const char* EventName(EHfcMouseEvent event)
{
    switch (event) {
    case EHfcMouseEvent::LButtonDown: return "LButtonDown";
    case EHfcMouseEvent::LButtonDblClk: return "LButtonDblClk";
    case EHfcMouseEvent::LButtonUp: return "LButtonUp";
    case EHfcMouseEvent::RButtonDown: return "RButtonDown";
    case EHfcMouseEvent::RButtonDblClk: return "RButtonDblClk";
    case EHfcMouseEvent::RButtonUp: return "RButtonUp";
    case EHfcMouseEvent::MButtonDown: return "MButtonDown";
    case EHfcMouseEvent::MButtonDblClk: return "MButtonDblClk";
    case EHfcMouseEvent::MButtonUp: return "MButtonUp";
    case EHfcMouseEvent::Move: return "Move";
    }
    return "?";
}

void CTestWindow::OnSizing(int* width, int* height)
{
    Events().push_back(Describe("window", "sizing", *width, *height));
    if (sizingWidth > 0)
        *width = sizingWidth;
    if (sizingHeight > 0)
        *height = sizingHeight;
}

void CTestWindow::OnMoving(int* x, int* y)
{
    Events().push_back(Describe("window", "moving", *x, *y));
    if (movingX >= 0)
        *x = movingX;
    if (movingY >= 0)
        *y = movingY;
}

void WindowTest::SetUp()
{
    ASSERT_TRUE(CHfcMouse::Acquire());
    ASSERT_TRUE(CHfcKey::Acquire());
    Pump();
    Events().clear();
}

void WindowTest::TearDown()
{
    ReleaseCapture();
    SetFocus(nullptr);
    for (auto& window : windows_)
        window->Destroy();
    Pump();
    windows_.clear();
    CHfcKey::Release();
    CHfcMouse::Release();
    Events().clear();
}

CTestWindow& WindowTest::MakeWindow(int x, int y, int width, int height)
{
    windows_.push_back(std::make_unique<CTestWindow>());
    CTestWindow& window = *windows_.back();
    EXPECT_TRUE(window.Create("test", x, y, width, height, 0, nullptr, nullptr));
    window.Show();
    Pump();
    Events().clear();
    return window;
}

POINT WindowTest::OnScreen(CHfcWindow& window, int x, int y)
{
    POINT point{x, y};
    window.ClientToScreen(point);
    return point;
}

}  // namespace ui_test
