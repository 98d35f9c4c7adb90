#pragma once
// A window class whose procedure records every message, and a fixture that
// leaves the test thread's queue empty before and after each test.
#include <platform/timer.h>
#include <platform/window.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace messaging_test {

struct Received
{
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Received&) const = default;
};

// Everything the recording procedure saw, in order.
std::vector<Received>& Log();
// Decides the procedure's answer; DefWindowProcA when empty.
std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>& Reply();
// Only the messages of this kind, in order.
std::vector<Received> LoggedOf(UINT message);
std::vector<UINT> LoggedMessages(HWND window);

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

inline constexpr char kRecordingClass[] = "RecordingWindow";

class MessagingTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A window of the recording class, destroyed after the test when still alive.
    HWND MakeWindow(HWND parent = nullptr, LPVOID param = nullptr, int width = 0, int height = 0);
    static void Drain();

private:
    std::vector<HWND> made_;
};

}  // namespace messaging_test
