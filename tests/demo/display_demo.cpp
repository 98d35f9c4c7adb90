// A small MDI program on the desktop display: a frame with two children
// that paint. Once shown it prints where the covered child can be clicked
// and where the two overlap; when that child is activated by a click it
// saves a screenshot, prints the active child's title and exits.
//
//   display_demo <screenshot.png>
#include <platform/display.h>
#include <platform/mdi.h>
#include <platform/painting.h>
#include <platform/testing/display.h>
#include <platform/timer.h>

#include <cstdio>

namespace {

constexpr UINT kFirstChild = 50000;
constexpr UINT_PTR kSettleTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;

const char* gScreenshot = nullptr;
HWND gClient = nullptr;
HWND gFront = nullptr;
HWND gCovered = nullptr;
int gExitCode = 2;  // gave up waiting

void Report(HWND active)
{
    UpdateWindow(GetParent(gClient));
    bool saved = platform::testing::SaveScreenshot(GetParent(gClient), gScreenshot);
    char title[64] = {};
    GetWindowTextA(active, title, sizeof title);
    std::printf("active %s\n", title);
    std::fflush(stdout);
    gExitCode = saved ? 0 : 3;
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT settings{nullptr, kFirstChild};
        gClient = CreateWindowExA(0, "MDICLIENT", nullptr, 0x52300001u, 0, 0, 0, 0, frame, reinterpret_cast<HMENU>(1),
                                  nullptr, &settings);
        return gClient ? 0 : -1;
    }
    case WM_TIMER:
        KillTimer(frame, wParam);
        if (wParam == kSettleTimer)
            Report(reinterpret_cast<HWND>(SendMessageA(gClient, WM_MDIGETACTIVE, 0, 0)));
        DestroyWindow(frame);
        return 0;
    case WM_DESTROY: PostQuitMessage(gExitCode); return 0;
    }
    return DefFrameProcA(frame, gClient, message, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The covered child coming to the front is what the run waits for.
    if (message == WM_MDIACTIVATE && reinterpret_cast<HWND>(lParam) == child && child == gCovered && gFront)
        SetTimer(GetParent(gClient), kSettleTimer, 300, nullptr);
    return DefMDIChildProcA(child, message, wParam, lParam);
}

bool Register(const char* name, WNDPROC procedure, int background)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<ULONG_PTR>(background + 1));
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) != 0;
}

POINT ClientPointOnScreen(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: display_demo <screenshot.png>\n");
        return 64;
    }
    gScreenshot = argv[1];
    if (!platform::StartDisplay(platform::DisplayKind::Desktop)) {
        std::fprintf(stderr, "display_demo: no display: %s\n", platform::DisplayFailure());
        return 1;
    }
    if (!Register("DemoFrame", FrameProc, COLOR_APPWORKSPACE) || !Register("DemoWhite", ChildProc, COLOR_WINDOW) ||
        !Register("DemoBlue", ChildProc, COLOR_HIGHLIGHT))
        return 1;
    HWND frame = CreateWindowExA(0x300, "DemoFrame", "Display demo", 0x10CF0000u, 0, 0, 640, 480, nullptr, nullptr,
                                 nullptr, nullptr);
    if (!frame)
        return 1;
    DWORD childStyle = 0x44C00000u | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;
    gCovered = CreateMDIWindowA("DemoBlue", "Second", childStyle, 200, 120, 300, 200, gClient, nullptr, 0);
    gFront = CreateMDIWindowA("DemoWhite", "First", childStyle, 20, 20, 300, 200, gClient, nullptr, 0);
    UpdateWindow(frame);
    SetTimer(frame, kGiveUpTimer, 20000, nullptr);

    RECT covered;
    GetClientRect(gCovered, &covered);
    POINT click = ClientPointOnScreen(gCovered, covered.right - 20, covered.bottom - 20);
    POINT overlap = ClientPointOnScreen(gCovered, 20, 20);
    POINT frontOnly = ClientPointOnScreen(gFront, 20, 20);
    std::printf("click %ld %ld overlap %ld %ld front %ld %ld\n", static_cast<long>(click.x), static_cast<long>(click.y),
                static_cast<long>(overlap.x), static_cast<long>(overlap.y), static_cast<long>(frontOnly.x),
                static_cast<long>(frontOnly.y));
    std::fflush(stdout);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateMDISysAccel(gClient, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    platform::StopDisplay();
    return static_cast<int>(msg.wParam);
}
