// The desktop display: one SDL window per top-level window, showing its
// framebuffer; SDL events become input.
#include "activation.h"
#include "backend.h"
#include "geometry.h"
#include "input_source.h"
#include "sdl_cursors.h"
#include "sdl_keys.h"
#include "sdl_video.h"
#include "sdl_windows.h"
#include "text.h"
#include "x11_titles.h"

#include <platform/display.h>
#include <platform/file_names.h>
#include <platform/input.h>
#include <platform/kernel.h>

#include <SDL.h>

#include <atomic>
#include <climits>
#include <map>

namespace platform::detail {
namespace {

class SdlWaiter final : public EventWaiter
{
public:
    explicit SdlWaiter(Uint32 wakeEvent) : wakeEvent_(wakeEvent) {}
    void Wait(DWORD timeoutMs) override
    {
        if (timeoutMs == INFINITE)
            SDL_WaitEvent(nullptr);
        else
            SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<DWORD>(timeoutMs, INT_MAX)));
        pending_ = false;
    }
    // One wake-up event at a time is enough.
    void Wake() override
    {
        if (pending_.exchange(true))
            return;
        SDL_Event event{};
        event.type = wakeEvent_;
        SDL_PushEvent(&event);
    }
    void Drained() { pending_ = false; }

private:
    Uint32 wakeEvent_;
    std::atomic<bool> pending_{false};
};

struct Opened
{
    SDL_Window* window;
    DesktopFrame frame;
    DesktopState state = DesktopState::Normal;
};

class SdlBackend final : public DisplayBackend
{
public:
    // Characters come from SDL's text input, in the user's keyboard layout.
    SdlBackend() : waiter_(SDL_RegisterEvents(1)) { SDL_StartTextInput(); }
    ~SdlBackend() override
    {
        SDL_StopTextInput();
        for (auto& [id, cursor] : cursors_)
            SDL_FreeCursor(cursor);
        for (auto& [handle, opened] : windows_)
            SDL_DestroyWindow(opened.window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    SDL_Window* WindowOf(HWND handle)
    {
        auto found = windows_.find(handle);
        return found == windows_.end() ? nullptr : found->second.window;
    }

    RECT WorkArea() override
    {
        SDL_Rect usable;
        if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
            return {0, 0, 1024, 768};
        return {usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
    }

    void Open(HWND handle, const RECT& rect, const std::string& title, DesktopFrame frame) override
    {
        Uint32 flags = SDL_WINDOW_HIDDEN;
        if (frame == DesktopFrame::Sizable)
            flags |= SDL_WINDOW_RESIZABLE;
        if (frame == DesktopFrame::None)
            flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
        SDL_Window* window =
            SDL_CreateWindow(title.c_str(), rect.left, rect.top, std::max<LONG>(rect.right - rect.left, 1),
                             std::max<LONG>(rect.bottom - rect.top, 1), flags);
        if (!window)
            return;
        SetLegacyWindowName(window, title.c_str());
        windows_[handle] = {window, frame};
        handles_[SDL_GetWindowID(window)] = handle;
    }

    void Close(HWND handle) override
    {
        auto found = windows_.find(handle);
        if (found == windows_.end())
            return;
        handles_.erase(SDL_GetWindowID(found->second.window));
        SDL_DestroyWindow(found->second.window);
        windows_.erase(found);
    }

    void Show(HWND handle, bool shown) override
    {
        if (SDL_Window* window = WindowOf(handle))
            shown ? SDL_ShowWindow(window) : SDL_HideWindow(window);
    }

    void Place(HWND handle, const RECT& rect) override
    {
        Opened* opened = OpenedOf(handle);
        if (!opened || opened->state != DesktopState::Normal || following_)
            return;
        SDL_Window* window = opened->window;
        int x, y, w, h;
        SDL_GetWindowPosition(window, &x, &y);
        SDL_GetWindowSize(window, &w, &h);
        if (x != rect.left || y != rect.top)
            SDL_SetWindowPosition(window, rect.left, rect.top);
        if (w != rect.right - rect.left || h != rect.bottom - rect.top)
            SDL_SetWindowSize(window, std::max<LONG>(rect.right - rect.left, 1),
                              std::max<LONG>(rect.bottom - rect.top, 1));
    }

    void SetState(HWND handle, DesktopState state) override
    {
        Opened* opened = OpenedOf(handle);
        if (!opened)
            return;
        opened->state = state;
        if (following_)
            return;
        Uint32 flags = SDL_GetWindowFlags(opened->window);
        bool minimized = flags & SDL_WINDOW_MINIMIZED, maximized = flags & SDL_WINDOW_MAXIMIZED;
        switch (state) {
        case DesktopState::Minimized:
            if (!minimized)
                SDL_MinimizeWindow(opened->window);
            break;
        case DesktopState::Maximized:
            if (minimized || !maximized)
                SDL_MaximizeWindow(opened->window);
            break;
        case DesktopState::Normal:
            if (minimized || maximized)
                SDL_RestoreWindow(opened->window);
            break;
        }
    }

    void SetMinimumSize(HWND handle, int width, int height) override
    {
        if (SDL_Window* window = WindowOf(handle))
            SDL_SetWindowMinimumSize(window, std::max(width, 1), std::max(height, 1));
    }

    void SetTitle(HWND handle, const std::string& title) override
    {
        if (SDL_Window* window = WindowOf(handle)) {
            const std::string shown = ReadableFileName(title);
            SDL_SetWindowTitle(window, shown.c_str());
            SetLegacyWindowName(window, shown.c_str());
        }
    }

    void SetIcon(HWND handle, const IconImage& icon) override
    {
        SDL_Window* window = WindowOf(handle);
        SDL_Surface* picture =
            SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon.pixels.data()), icon.width, icon.height,
                                               32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (window && picture)
            SDL_SetWindowIcon(window, picture);
        SDL_FreeSurface(picture);
    }

    void Present(HWND handle, const Surface& surface, const RECT& area) override
    {
        SDL_Window* window = WindowOf(handle);
        SDL_Surface* screen = window ? SDL_GetWindowSurface(window) : nullptr;
        if (!screen)
            return;
        RECT part = Intersect(area, {0, 0, std::min(surface.width, screen->w), std::min(surface.height, screen->h)});
        if (IsEmpty(part))
            return;
        const std::uint32_t* from = surface.Row(part.top) + part.left;
        auto* to =
            static_cast<Uint8*>(screen->pixels) + part.top * screen->pitch + part.left * screen->format->BytesPerPixel;
        SDL_ConvertPixels(part.right - part.left, part.bottom - part.top, SDL_PIXELFORMAT_ARGB8888, from,
                          surface.width * 4, screen->format->format, to, screen->pitch);
        SDL_Rect changed{part.left, part.top, part.right - part.left, part.bottom - part.top};
        SDL_UpdateWindowSurfaceRects(window, &changed, 1);
    }

    void SetCursorShape(WORD id) override
    {
        SDL_Cursor*& cursor = cursors_[id];
        if (!cursor)
            cursor = MakeSdlCursor(id);
        if (cursor)
            SDL_SetCursor(cursor);
    }

    void CaptureMouse(bool captured) override { SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE); }

    void Pump() override
    {
        waiter_.Drained();
        SDL_Event event;
        while (SDL_PollEvent(&event))
            Handle(event);
    }

    EventWaiter* Waiter() override { return &waiter_; }
    bool TypesText() const override { return true; }

    void PutClipboardText(const std::string& utf8) override
    {
        if (SDL_SetClipboardText(utf8.c_str()) == 0)
            clipboardSeen_ = utf8;
    }

    std::optional<std::string> TakeNewerClipboardText() override
    {
        if (!SDL_HasClipboardText())
            return std::nullopt;
        char* raw = SDL_GetClipboardText();
        std::string text = raw ? raw : "";
        SDL_free(raw);
        if (text == clipboardSeen_)
            return std::nullopt;
        clipboardSeen_ = text;
        return text;
    }

private:
    Opened* OpenedOf(HWND handle)
    {
        auto found = windows_.find(handle);
        return found == windows_.end() ? nullptr : &found->second;
    }

    HWND HandleOf(Uint32 windowId)
    {
        auto found = handles_.find(windowId);
        return found == handles_.end() ? nullptr : found->second;
    }

    POINT OnScreen(Uint32 windowId, int x, int y)
    {
        int left = 0, top = 0;
        if (HWND handle = HandleOf(windowId))
            SDL_GetWindowPosition(WindowOf(handle), &left, &top);
        pointer_ = {left + x, top + y};
        return pointer_;
    }

    void Button(const SDL_MouseButtonEvent& button, bool down)
    {
        RawInput input;
        input.kind = RawInput::Kind::Button;
        input.down = down;
        input.button = button.button == SDL_BUTTON_RIGHT ? 1 : button.button == SDL_BUTTON_MIDDLE ? 2 : 0;
        if (button.button > SDL_BUTTON_RIGHT)
            return;
        input.screen = OnScreen(button.windowID, button.x, button.y);
        QueueInput(std::move(input));
    }

    void Key(const SDL_KeyboardEvent& key, bool down)
    {
        keyModifiers_ = key.keysym.mod;
        RawInput input;
        input.kind = RawInput::Kind::Key;
        input.key = VirtualKeyOf(key.keysym.sym);
        input.down = down;
        if (input.key)
            QueueInput(std::move(input));
    }

    // What the user typed, in the keyboard layout the desktop has. A key
    // pressed with Ctrl or Alt is a shortcut: its character comes from the key.
    void Text(const char* text)
    {
        if (keyModifiers_ & (KMOD_CTRL | KMOD_ALT))
            return;
        for (char16_t unit : Utf8ToUtf16(text)) {
            RawInput input;
            input.kind = RawInput::Kind::Char;
            input.ch = unit;
            QueueInput(std::move(input));
        }
    }

    // The desktop minimised, maximised or restored the window: the window
    // takes that state as from ShowWindow, without asking the desktop again.
    void Follow(HWND handle, int command)
    {
        bool minimized = IsIconic(handle), maximized = IsZoomed(handle) && !minimized;
        bool already = command == SW_MINIMIZE   ? minimized
                       : command == SW_MAXIMIZE ? maximized
                                                : !minimized && !maximized;
        if (already)
            return;
        following_ = true;
        ShowWindow(handle, command);
        following_ = false;
    }

    // The desktop may tell the new size of a window it maximised before it
    // tells that it did; the normal place must not become that size.
    void FollowMaximizedFirst(HWND handle, SDL_Window* window)
    {
        Uint32 flags = SDL_GetWindowFlags(window);
        if ((flags & SDL_WINDOW_MAXIMIZED) && !(flags & SDL_WINDOW_MINIMIZED))
            Follow(handle, SW_MAXIMIZE);
    }

    // Another program took the keyboard, not one of our own windows.
    bool KeyboardLeftUs(SDL_Window* losing)
    {
        SDL_Window* now = SDL_GetKeyboardFocus();
        return !now || now == losing || !HandleOf(SDL_GetWindowID(now));
    }

    void WindowEvent(const SDL_WindowEvent& event)
    {
        HWND handle = HandleOf(event.windowID);
        auto window = FindWindowRecord(handle);
        Opened* opened = OpenedOf(handle);
        if (!window || !opened)
            return;
        switch (event.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            FollowMaximizedFirst(handle, opened->window);
            if (event.data1 != window->width || event.data2 != window->height)
                SetWindowPos(handle, nullptr, 0, 0, event.data1, event.data2,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case SDL_WINDOWEVENT_MOVED:
            FollowMaximizedFirst(handle, opened->window);
            if (event.data1 != window->x || event.data2 != window->y)
                SetWindowPos(handle, nullptr, event.data1, event.data2, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case SDL_WINDOWEVENT_MINIMIZED: Follow(handle, SW_MINIMIZE); break;
        case SDL_WINDOWEVENT_MAXIMIZED: Follow(handle, SW_MAXIMIZE); break;
        case SDL_WINDOWEVENT_RESTORED: Follow(handle, SW_RESTORE); break;
        case SDL_WINDOWEVENT_EXPOSED:
            if (window->display && window->display->surface) {
                auto& surface = *window->display->surface;
                surface.MarkPainted({0, 0, surface.width, surface.height});
                WakeThread(window->threadId);
            }
            break;
        // Popup menus and lists are never active, whatever the desktop does with them.
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (opened->frame != DesktopFrame::None)
                ActivateTopLevel(handle);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            if (handle == CurrentActive() && KeyboardLeftUs(opened->window))
                DeactivateForDesktop();
            break;
        case SDL_WINDOWEVENT_CLOSE: PostMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        }
    }

    void Handle(const SDL_Event& event)
    {
        switch (event.type) {
        case SDL_MOUSEMOTION: {
            RawInput input;
            input.screen = OnScreen(event.motion.windowID, event.motion.x, event.motion.y);
            QueueInput(std::move(input));
            break;
        }
        case SDL_MOUSEBUTTONDOWN: Button(event.button, true); break;
        case SDL_MOUSEBUTTONUP: Button(event.button, false); break;
        case SDL_MOUSEWHEEL: {
            RawInput input;
            input.kind = RawInput::Kind::Wheel;
            int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            input.delta = notches * WHEEL_DELTA;
            input.screen = pointer_;
            if (input.delta)
                QueueInput(std::move(input));
            break;
        }
        case SDL_KEYDOWN: Key(event.key, true); break;
        case SDL_KEYUP: Key(event.key, false); break;
        case SDL_TEXTINPUT: Text(event.text.text); break;
        case SDL_WINDOWEVENT: WindowEvent(event.window); break;
        case SDL_DROPBEGIN:
            dropping_ = true;
            drops_.clear();
            break;
        case SDL_DROPFILE:
            drops_.emplace_back(event.drop.file);
            SDL_free(event.drop.file);
            if (!dropping_)
                Dropped();
            break;
        case SDL_DROPCOMPLETE:
            dropping_ = false;
            Dropped();
            break;
        }
    }

    // Files arrive one by one without a place; they land together at the pointer.
    void Dropped()
    {
        if (drops_.empty())
            return;
        RawInput input;
        input.kind = RawInput::Kind::Drop;
        input.files.swap(drops_);
        int x, y;
        SDL_GetGlobalMouseState(&x, &y);
        input.screen = {x, y};
        QueueInput(std::move(input));
    }

    SdlWaiter waiter_;
    std::map<HWND, Opened> windows_;
    std::map<Uint32, HWND> handles_;
    std::map<WORD, SDL_Cursor*> cursors_;
    POINT pointer_{0, 0};
    bool dropping_ = false;
    std::vector<std::string> drops_;
    std::string clipboardSeen_;  // the desktop's text as this process last put or took it
    Uint16 keyModifiers_ = 0;    // as of the last key pressed or released
    bool following_ = false;     // taking a state the desktop gave: nothing goes back to it
};

}  // namespace

std::unique_ptr<DisplayBackend> MakeDesktopBackend(std::string& failure)
{
    if (!StartSdlVideo(failure))
        return nullptr;
    return std::make_unique<SdlBackend>();
}

SDL_Window* SdlWindowOf(HWND window)
{
    auto* backend = dynamic_cast<SdlBackend*>(&Display());
    return backend ? backend->WindowOf(window) : nullptr;
}

}  // namespace platform::detail
