#pragma once
// Driving the headless display: input as a user would give it, screenshots
// and what the window manager shows.
#include <platform/types.h>

#include <string>
#include <vector>

namespace platform::testing {

enum class MouseButton
{
    Left,
    Right,
    Middle
};

// Screen coordinates throughout. Input is queued; it turns into messages
// when the receiving thread retrieves them.
void MoveMouse(int x, int y);
void PressMouse(MouseButton button, int x, int y);
void ReleaseMouse(MouseButton button, int x, int y);
void Click(MouseButton button, int x, int y);
// 120 per notch, positive away from the user.
void TurnWheel(int delta, int x, int y);
void PressKey(UINT virtualKey);
void ReleaseKey(UINT virtualKey);
// Press and release, with the modifiers held around it.
void TypeKey(UINT virtualKey, std::vector<UINT> modifiers = {});
// Characters that come without keys, as from an input method.
void TypeText(const char* utf8);
void DropFiles(const std::vector<std::string>& paths, int x, int y);
// The desktop gives the keyboard to another program: no window of ours is active.
void SwitchToOtherProgram();

// Translates and dispatches every message the calling thread has now,
// input and paint included, and presents what was painted.
void PumpMessages();

// The work area the headless display reports.
void SetWorkArea(const RECT& area);

// The framebuffer of a top-level window as an RGB PNG; false when the
// window is not shown or the file cannot be written.
bool SaveScreenshot(HWND topLevel, const char* path);
// A pixel of the window's framebuffer, at client coordinates of any window.
COLORREF PixelAt(HWND window, int x, int y);

// A window's own scroll bar: shown or not, and the range (minimum to
// maximum inclusive), the page the view covers and the position.
struct ScrollBar
{
    bool shown;
    int minimum;
    int maximum;
    int page;
    int position;
};
ScrollBar ScrollBarOf(HWND window, bool vertical);

// What the window menu of an MDI frame lists.
struct WindowMenuItem
{
    UINT id;
    std::u16string text;
    bool checked;
};
std::vector<WindowMenuItem> WindowMenuItems(HMENU windowMenu);

}  // namespace platform::testing
