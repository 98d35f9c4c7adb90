#include "messaging_fixture.h"

#include "platform/src/class_registration.h"

namespace messaging_test {

std::vector<Received>& Log()
{
    static std::vector<Received> log;
    return log;
}

std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>& Reply()
{
    static std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> reply;
    return reply;
}

std::vector<Received> LoggedOf(UINT message)
{
    std::vector<Received> found;
    for (const auto& r : Log())
        if (r.message == message)
            found.push_back(r);
    return found;
}

std::vector<UINT> LoggedMessages(HWND window)
{
    std::vector<UINT> found;
    for (const auto& r : Log())
        if (r.window == window)
            found.push_back(r.message);
    return found;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Log().push_back({window, message, wParam, lParam});
    if (Reply())
        return Reply()(window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

void MessagingTest::SetUp()
{
    static ATOM registered = platform::detail::RegisterOwnClass(
        {.name = kRecordingClass, .procedure = RecordingProc, .windowExtraBytes = 2 * sizeof(LONG_PTR)});
    ASSERT_NE(registered, 0);
    Drain();
    Log().clear();
    Reply() = nullptr;
}

void MessagingTest::TearDown()
{
    Reply() = nullptr;
    for (HWND window : made_)
        if (IsWindow(window))
            DestroyWindow(window);
    Drain();
    Log().clear();
}

HWND MessagingTest::MakeWindow(HWND parent, LPVOID param, int width, int height)
{
    HWND window = CreateWindowExA(0, kRecordingClass, "", parent ? WS_CHILD : 0, 0, 0, width, height, parent, nullptr,
                                  nullptr, param);
    made_.push_back(window);
    return window;
}

void MessagingTest::Drain()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace messaging_test
