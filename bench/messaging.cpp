// A post to a window of another thread, dispatched there, answered by a post
// back and dispatched here: the path every MIDI event takes to the message thread.
#include <platform/kernel.h>
#include <platform/window.h>

#include <benchmark/benchmark.h>

namespace {

constexpr UINT kPing = WM_USER + 1;
constexpr UINT kPong = WM_USER + 2;
constexpr UINT kStop = WM_USER + 3;

HWND gReplyTo = nullptr;

LRESULT CALLBACK EchoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPing)
        PostMessageA(gReplyTo, kPong, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK CountProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPong)
        return static_cast<LRESULT>(wParam) + 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* className, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
    return CreateWindowExA(0, className, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

struct Echo
{
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;
};

DWORD WINAPI RunEcho(LPVOID parameter)
{
    auto* echo = static_cast<Echo*>(parameter);
    echo->window = MakeWindow("BenchEcho", EchoProc);
    SetEvent(echo->ready);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != kStop)
        DispatchMessageA(&msg);
    DestroyWindow(echo->window);
    return 0;
}

void PostAndDispatchRoundTrip(benchmark::State& state)
{
    gReplyTo = MakeWindow("BenchReply", CountProc);
    Echo echo;
    DWORD echoThread = 0;
    HANDLE thread = CreateThread(nullptr, 0, RunEcho, &echo, 0, &echoThread);
    WaitForSingleObject(echo.ready, INFINITE);

    WPARAM sent = 0;
    MSG msg;
    for (auto _ : state) {
        PostMessageA(echo.window, kPing, sent++, 0);
        GetMessageA(&msg, nullptr, 0, 0);
        benchmark::DoNotOptimize(DispatchMessageA(&msg));
    }

    PostThreadMessageA(echoThread, kStop, 0, 0);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(echo.ready);
    DestroyWindow(gReplyTo);
}
BENCHMARK(PostAndDispatchRoundTrip)->UseRealTime();

}  // namespace
