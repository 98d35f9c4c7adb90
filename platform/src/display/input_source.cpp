#include "input_source.h"

#include "../clock.h"
#include "../message_sources.h"
#include "activation.h"
#include "backend.h"
#include "geometry.h"
#include "key_state.h"
#include "mdi_internal.h"

#include <platform/input.h>
#include <platform/kernel.h>

#include <atomic>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace platform::detail {
namespace {

struct Queued
{
    std::uint64_t serial;
    RawInput input;
    WPARAM mouseKeys;  // taken when the input came, not when it is read
    DWORD time;
};

struct InputQueue
{
    std::mutex mutex;
    std::deque<Queued> events;
    std::uint64_t nextSerial = 1;
    POINT pointer{0, 0};
};

InputQueue& Input()
{
    static InputQueue* queue = new InputQueue;
    return *queue;
}

std::atomic<FileDropReceiver> gDropReceiver{nullptr};

struct LastClick
{
    HWND window = nullptr;
    UINT message = 0;
    DWORD time = 0;
    POINT at{0, 0};
};
LastClick gLastClick;  // retrieving thread only
thread_local POINT gRetrievedPointer{0, 0};

inline constexpr UINT kDoubleClickMs = 500;
inline constexpr LONG kDoubleClickDistance = 2;

// What an input becomes, decided when it is read.
struct Routed
{
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT hit = HTCLIENT;
};

UINT ButtonMessage(int button, bool down, bool client)
{
    static constexpr UINT kClient[3][2] = {
        {WM_LBUTTONUP, WM_LBUTTONDOWN}, {WM_RBUTTONUP, WM_RBUTTONDOWN}, {WM_MBUTTONUP, WM_MBUTTONDOWN}};
    UINT message = kClient[button][down ? 1 : 0];
    return client ? message : message - (WM_LBUTTONDOWN - WM_NCLBUTTONDOWN);
}

bool IsDoubleClick(HWND window, UINT message, DWORD time, POINT at)
{
    return gLastClick.window == window && gLastClick.message == message && time - gLastClick.time <= kDoubleClickMs &&
           std::abs(at.x - gLastClick.at.x) <= kDoubleClickDistance &&
           std::abs(at.y - gLastClick.at.y) <= kDoubleClickDistance;
}

bool WantsDoubleClicks(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && (window->windowClass->style & CS_DBLCLKS);
}

Routed RouteMouse(const Queued& queued, HWND receiver)
{
    const RawInput& input = queued.input;
    Routed routed;
    HWND capture = CurrentCapture();
    routed.window = receiver;
    if (input.kind == RawInput::Kind::Wheel) {
        routed.message = WM_MOUSEWHEEL;
        routed.wParam = MAKEWPARAM(queued.mouseKeys, static_cast<short>(input.delta));
        routed.lParam = MAKELPARAM(input.screen.x, input.screen.y);
        return routed;
    }
    if (!capture)
        routed.hit = CallWindow(routed.window, WM_NCHITTEST, 0, MAKELPARAM(input.screen.x, input.screen.y));
    bool client = capture || routed.hit == HTCLIENT;
    if (input.kind == RawInput::Kind::Move)
        routed.message = client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
    else
        routed.message = ButtonMessage(input.button, input.down, client);
    if (client) {
        POINT point = input.screen;
        ScreenToClient(routed.window, &point);
        routed.wParam = queued.mouseKeys;
        routed.lParam = MAKELPARAM(point.x, point.y);
    } else {
        routed.wParam = static_cast<WPARAM>(routed.hit);
        routed.lParam = MAKELPARAM(input.screen.x, input.screen.y);
    }
    bool down = input.kind == RawInput::Kind::Button && input.down;
    if (down && (!client || WantsDoubleClicks(routed.window)) &&
        IsDoubleClick(routed.window, routed.message, queued.time, input.screen))
        routed.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    return routed;
}

Routed RouteKey(const Queued& queued, HWND receiver)
{
    const RawInput& input = queued.input;
    Routed routed;
    routed.window = receiver;
    if (input.kind == RawInput::Kind::Char) {
        routed.message = WM_CHAR;
        routed.wParam = input.ch;
        routed.lParam = 1;
        return routed;
    }
    // As of the input retrieved before this one: later input may already be queued.
    bool alt = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0;
    // F10 is the menu bar's key, a system key like Alt.
    bool system = alt || MessageKey(input.key) == VK_MENU || input.key == VK_F10;
    routed.message = input.down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    routed.wParam = MessageKey(input.key);
    DWORD flags = 1;  // repeat count
    if (alt)
        flags |= 1u << 29;
    if (!input.down)
        flags |= (1u << 30) | (1u << 31);
    if (input.down && input.repeat)
        flags |= 1u << 30;  // was down before
    routed.lParam = static_cast<LPARAM>(flags);
    return routed;
}

// The window an input goes to, found without asking any window.
HWND Receiver(const Queued& queued)
{
    switch (queued.input.kind) {
    case RawInput::Kind::Key:
    case RawInput::Kind::Char: return CurrentFocus() ? CurrentFocus() : CurrentActive();
    case RawInput::Kind::Drop: return WindowFromScreenPoint(queued.input.screen);
    default: return CurrentCapture() ? CurrentCapture() : WindowFromScreenPoint(queued.input.screen);
    }
}

Routed Route(const Queued& queued, HWND receiver)
{
    switch (queued.input.kind) {
    case RawInput::Kind::Key:
    case RawInput::Kind::Char: return RouteKey(queued, receiver);
    case RawInput::Kind::Drop: return {receiver, 0, 0, 0, HTCLIENT};
    default: return RouteMouse(queued, receiver);
    }
}

// A press activates the top-level window and the MDI child under it.
void ActivateForPress(HWND window)
{
    auto top = TopLevelOf(FindWindowRecord(window));
    if (top && top->handle != CurrentActive())
        ActivateTopLevel(top->handle);
    if (HWND child = MdiChildAround(window)) {
        auto record = FindWindowRecord(child);
        if (record)
            MdiActivate(MdiClientOf(*record), child);
    }
}

UINT ButtonKey(int button)
{
    static constexpr UINT kButtonKeys[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
    return kButtonKeys[button];
}

// The key state follows every key and button taken from the queue, also
// those no window receives: a release must not leave the key held.
void NoteRetrieved(const RawInput& input)
{
    if (input.kind == RawInput::Kind::Key)
        NoteRetrievedKey(input.key, input.down);
    if (input.kind == RawInput::Kind::Button)
        NoteRetrievedKey(ButtonKey(input.button), input.down);
}

// What happens once the message is really taken.
void Commit(const Queued& queued, const Routed& routed)
{
    const RawInput& input = queued.input;
    NoteRetrieved(input);
    switch (input.kind) {
    case RawInput::Kind::Button: {
        if (!input.down)
            break;
        bool doubled = routed.message == WM_LBUTTONDBLCLK || routed.message == WM_RBUTTONDBLCLK ||
                       routed.message == WM_MBUTTONDBLCLK || routed.message == WM_NCLBUTTONDBLCLK ||
                       routed.message == WM_NCRBUTTONDBLCLK || routed.message == WM_NCMBUTTONDBLCLK;
        // A third press starts a new pair.
        gLastClick = doubled ? LastClick{} : LastClick{routed.window, routed.message, queued.time, input.screen};
        ActivateForPress(routed.window);
        break;
    }
    default: break;
    }
    bool mouse = input.kind == RawInput::Kind::Move || input.kind == RawInput::Kind::Button;
    if (mouse)
        gRetrievedPointer = input.screen;
    if (mouse && !CurrentCapture() && IsWindow(routed.window))
        CallWindow(routed.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(routed.window),
                   MAKELPARAM(routed.hit, routed.message));
}

bool PopIf(std::uint64_t serial)
{
    auto& queue = Input();
    std::lock_guard lock(queue.mutex);
    if (queue.events.empty() || queue.events.front().serial != serial)
        return false;
    queue.events.pop_front();
    return true;
}

class InputSource final : public MessageSource
{
public:
    bool Next(const MessageFilter& filter, bool remove, MSG* msg) override
    {
        if (OnDisplayThread())
            Display().Pump();
        for (;;) {
            Queued queued;
            {
                auto& queue = Input();
                std::lock_guard lock(queue.mutex);
                if (queue.events.empty())
                    return false;
                queued = queue.events.front();
            }
            // Only the receiver's own thread may ask it anything.
            auto receiver = FindWindowRecord(Receiver(queued));
            if (receiver && receiver->threadId != filter.threadId)
                return false;
            Routed routed = receiver ? Route(queued, receiver->handle) : Routed{};
            if (!routed.window) {
                if (PopIf(queued.serial))
                    NoteRetrieved(queued.input);  // nobody to receive it
                continue;
            }
            if (queued.input.kind == RawInput::Kind::Drop) {
                if (!remove)
                    return false;
                if (PopIf(queued.serial))
                    if (auto receiver = gDropReceiver.load())
                        receiver(routed.window, queued.input.screen, queued.input.files);
                continue;
            }
            if (!filter.Accepts(routed.window, routed.message))
                return false;
            *msg = MSG{routed.window, routed.message, routed.wParam, routed.lParam, queued.time, queued.input.screen};
            if (remove && PopIf(queued.serial))
                Commit(queued, routed);
            return true;
        }
    }
};

}  // namespace

void QueueInput(RawInput input)
{
    switch (input.kind) {
    case RawInput::Kind::Key:
        input.repeat = input.down && IsAsyncKeyDown(input.key);
        NoteAsyncKey(input.key, input.down);
        break;
    case RawInput::Kind::Button: NoteAsyncKey(ButtonKey(input.button), input.down); break;
    default: break;
    }
    std::vector<DWORD> threads;
    {
        auto& queue = Input();
        std::lock_guard lock(queue.mutex);
        if (input.kind == RawInput::Kind::Key || input.kind == RawInput::Kind::Char)
            input.screen = queue.pointer;
        else
            queue.pointer = input.screen;
        queue.events.push_back({queue.nextSerial++, std::move(input), AsyncMouseKeys(), static_cast<DWORD>(NowMs())});
    }
    // Every thread with a window on the display may be the receiver.
    for (HWND handle : TopLevelWindows())
        if (auto window = FindWindowRecord(handle))
            threads.push_back(window->threadId);
    for (DWORD thread : threads)
        WakeThread(thread);
}

POINT PointerPosition()
{
    auto& queue = Input();
    std::lock_guard lock(queue.mutex);
    return queue.pointer;
}

POINT RetrievedPointerPosition()
{
    return gRetrievedPointer;
}

void InstallInputSource()
{
    static InputSource source;
    SetMessageSource(SourceSlot::Input, &source);
    InstallKeyTranslator();
}

void ForgetInput(HWND window)
{
    if (gLastClick.window == window)
        gLastClick = {};
}

void SetFileDropReceiver(FileDropReceiver receiver)
{
    gDropReceiver = receiver;
}

}  // namespace platform::detail

using namespace platform::detail;

BOOL GetCursorPos(LPPOINT point)
{
    if (!point)
        return FALSE;
    *point = PointerPosition();
    return TRUE;
}

UINT GetDoubleClickTime()
{
    return kDoubleClickMs;
}
