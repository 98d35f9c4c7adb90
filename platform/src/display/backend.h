#pragma once
// Where top-level windows are shown: the desktop through SDL, or memory.
// Every call comes from the thread that started the display.
#include "../message_sources.h"
#include "icons.h"
#include "surface.h"

#include <memory>
#include <optional>
#include <string>

namespace platform::detail {

// How the desktop frames a top-level window: sizable, fixed, or not at all
// (popup menus and lists, which must not get a title bar).
enum class DesktopFrame
{
    Sizable,
    Fixed,
    None
};

// How the desktop shows a top-level window.
enum class DesktopState
{
    Normal,
    Minimized,
    Maximized
};

class DisplayBackend
{
public:
    virtual ~DisplayBackend() = default;
    virtual RECT WorkArea() = 0;
    // A top-level window appears on the display when it is first shown.
    virtual void Open(HWND window, const RECT& screenRect, const std::string& title, DesktopFrame frame) = 0;
    virtual void Close(HWND window) = 0;
    virtual void Show(HWND window, bool shown) = 0;
    virtual void Place(HWND window, const RECT& screenRect) = 0;
    // The desktop minimises, maximises or restores the window; where a
    // minimised or maximised window lies is the desktop's to choose.
    virtual void SetState(HWND /*window*/, DesktopState /*state*/) {}
    // The smallest size the desktop may give the window when the user resizes it.
    virtual void SetMinimumSize(HWND /*window*/, int /*width*/, int /*height*/) {}
    virtual void SetTitle(HWND window, const std::string& title) = 0;
    // The picture the desktop shows for the window (title bar, task list).
    virtual void SetIcon(HWND /*window*/, const IconImage& /*icon*/) {}
    virtual void Present(HWND window, const Surface& surface, const RECT& area) = 0;
    // A standard cursor id (32512 for the arrow ...).
    virtual void SetCursorShape(WORD cursorId) = 0;
    virtual void CaptureMouse(bool captured) = 0;
    // Turns the desktop's pending events into input.
    virtual void Pump() {}
    // Sleeps until the desktop has events or a wake-up comes; null when there is nothing to wait for.
    virtual EventWaiter* Waiter() { return nullptr; }
    // True when the desktop types the characters, in the user's keyboard
    // layout; keys then give only control characters and Alt shortcuts.
    virtual bool TypesText() const { return false; }
    // The desktop's text clipboard, in UTF-8; memory has none. Taking answers,
    // once, text that another program put there since this process last put
    // or took one.
    virtual void PutClipboardText(const std::string& /*utf8*/) {}
    virtual std::optional<std::string> TakeNewerClipboardText() { return std::nullopt; }
};

std::unique_ptr<DisplayBackend> MakeHeadlessBackend();
// Null with the reason when no desktop display can be opened.
std::unique_ptr<DisplayBackend> MakeDesktopBackend(std::string& failure);

// The running display; starts the headless one when none runs.
DisplayBackend& Display();
// True on the thread that started the display.
bool OnDisplayThread();

}  // namespace platform::detail
