#pragma once
// Visible windows of recording classes on the headless display, and a
// fixture that leaves focus, capture, keys and queues as it found them.
#include "messaging_fixture.h"

#include <platform/input.h>
#include <platform/painting.h>
#include <platform/testing.h>

namespace display_test {

using messaging_test::Log;
using messaging_test::LoggedMessages;
using messaging_test::LoggedOf;
using messaging_test::Received;
using messaging_test::Reply;

// CS_DBLCLKS, the arrow cursor, a white background.
inline constexpr char kClickClass[] = "DisplayClickWindow";
// No double clicks, no cursor, a background in the highlight colour.
inline constexpr char kPlainClass[] = "DisplayPlainWindow";

inline constexpr DWORD kFramedChild = WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

class DisplayTest : public messaging_test::MessagingTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Visible unless the style says otherwise; the rectangle in screen or parent coordinates.
    HWND MakeTop(const RECT& rect, DWORD style = WS_VISIBLE, const char* className = kClickClass);
    HWND MakeChild(HWND parent, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE,
                   const char* className = kClickClass);
    static void Pump() { platform::testing::PumpMessages(); }
    // The screen point of a client point.
    static POINT OnScreen(HWND window, int x, int y);

private:
    std::vector<HWND> made_;
};

}  // namespace display_test
