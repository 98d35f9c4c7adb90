// The test hooks of the display.
#include "activation.h"
#include "geometry.h"
#include "headless_backend.h"
#include "input_source.h"
#include "paint_state.h"
#include "screenshot.h"
#include "text.h"
#include "window_menu.h"

#include <platform/display.h>
#include <platform/input.h>
#include <platform/testing/display.h>

namespace platform::testing {
namespace {

using platform::detail::RawInput;

void Queue(RawInput input)
{
    platform::detail::QueueInput(std::move(input));
}

RawInput Button(MouseButton button, bool down, int x, int y)
{
    RawInput input;
    input.kind = RawInput::Kind::Button;
    input.button = static_cast<int>(button);
    input.down = down;
    input.screen = {x, y};
    return input;
}

RawInput Key(UINT key, bool down)
{
    RawInput input;
    input.kind = RawInput::Kind::Key;
    input.key = key;
    input.down = down;
    return input;
}

}  // namespace

void MoveMouse(int x, int y)
{
    RawInput input;
    input.screen = {x, y};
    Queue(input);
}

void PressMouse(MouseButton button, int x, int y)
{
    Queue(Button(button, true, x, y));
}
void ReleaseMouse(MouseButton button, int x, int y)
{
    Queue(Button(button, false, x, y));
}

void Click(MouseButton button, int x, int y)
{
    PressMouse(button, x, y);
    ReleaseMouse(button, x, y);
}

void TurnWheel(int delta, int x, int y)
{
    RawInput input;
    input.kind = RawInput::Kind::Wheel;
    input.delta = delta;
    input.screen = {x, y};
    Queue(input);
}

void PressKey(UINT key)
{
    Queue(Key(key, true));
}
void ReleaseKey(UINT key)
{
    Queue(Key(key, false));
}

void TypeKey(UINT key, std::vector<UINT> modifiers)
{
    for (UINT modifier : modifiers)
        PressKey(modifier);
    PressKey(key);
    ReleaseKey(key);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        ReleaseKey(*it);
}

void TypeText(const char* utf8)
{
    for (char16_t unit : platform::detail::Utf8ToUtf16(utf8)) {
        RawInput input;
        input.kind = RawInput::Kind::Char;
        input.ch = unit;
        Queue(input);
    }
}

void DropFiles(const std::vector<std::string>& paths, int x, int y)
{
    RawInput input;
    input.kind = RawInput::Kind::Drop;
    input.files = paths;
    input.screen = {x, y};
    Queue(input);
}

void SwitchToOtherProgram()
{
    platform::detail::DeactivateForDesktop();
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void SetWorkArea(const RECT& area)
{
    platform::detail::SetHeadlessWorkArea(area);
}

bool SaveScreenshot(HWND topLevel, const char* path)
{
    auto window = platform::detail::FindWindowRecord(topLevel);
    if (!window || !platform::detail::IsShown(*window))
        return false;
    auto surface = platform::detail::SurfaceOf(*window);
    return surface && platform::detail::WritePng(*surface, path);
}

COLORREF PixelAt(HWND handle, int x, int y)
{
    auto window = platform::detail::FindWindowRecord(handle);
    if (!window)
        return 0;
    auto surface = platform::detail::SurfaceOf(*window);
    POINT origin = platform::detail::OriginInTopLevel(*window);
    RECT client = platform::detail::ClientRectInWindow(*window);
    int px = origin.x + client.left + x, py = origin.y + client.top + y;
    if (!surface || px < 0 || py < 0 || px >= surface->width || py >= surface->height)
        return 0;
    return platform::detail::ColorFromPixel(surface->Row(py)[px]);
}

ScrollBar ScrollBarOf(HWND handle, bool vertical)
{
    auto window = platform::detail::FindWindowRecord(handle);
    if (!window)
        return {};
    const platform::detail::ScrollBarState& bar = platform::detail::StateOf(*window).scrollBars[vertical ? 1 : 0];
    return {bar.shown, bar.minimum, bar.maximum, bar.page, bar.position};
}

std::vector<WindowMenuItem> WindowMenuItems(HMENU windowMenu)
{
    std::vector<WindowMenuItem> items;
    for (const auto& entry : platform::detail::WrittenWindowMenu(windowMenu))
        items.push_back({entry.id, entry.text, entry.checked});
    return items;
}

}  // namespace platform::testing
