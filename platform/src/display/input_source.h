#pragma once
// Input from the display, kept in arrival order and turned into messages
// when a thread retrieves it: mouse messages for the capturing window or
// the one under the pointer, keys for the focus window.
#include <platform/types.h>

#include <string>
#include <vector>

namespace platform::detail {

struct RawInput
{
    enum class Kind
    {
        Move,
        Button,
        Wheel,
        Key,
        Char,
        Drop
    };
    Kind kind = Kind::Move;
    POINT screen{0, 0};   // the pointer, for every kind
    int button = 0;       // 0 left, 1 right, 2 middle
    bool down = false;    // buttons and keys
    bool repeat = false;  // a key pressed again while down, set when queued
    int delta = 0;        // wheel, 120 per notch
    UINT key = 0;         // virtual key
    char16_t ch = 0;      // a character that no key makes
    std::vector<std::string> files;
};

// From any thread: notes the key and button state and the pointer at once.
void QueueInput(RawInput input);
POINT PointerPosition();
// The pointer of the last mouse input the calling thread retrieved: where
// the press that is being handled now happened.
POINT RetrievedPointerPosition();
void InstallInputSource();
// The window goes: nothing remembers it for a double click.
void ForgetInput(HWND window);

// Where dropped files go, at the pointer; without a receiver they are ignored.
using FileDropReceiver = void (*)(HWND target, POINT screen, const std::vector<std::string>& paths);
void SetFileDropReceiver(FileDropReceiver receiver);

}  // namespace platform::detail
