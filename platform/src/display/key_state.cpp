#include "key_state.h"

#include "../message_sources.h"
#include "backend.h"

#include <platform/input.h>

#include <array>
#include <atomic>

namespace platform::detail {
namespace {

struct KeyTable
{
    std::array<std::atomic<bool>, 256> down{};
    std::array<std::atomic<bool>, 256> toggled{};
};

KeyTable gAsync;
KeyTable gRetrieved;

UINT GenericKey(UINT key)
{
    switch (key) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    }
    return 0;
}

void Note(KeyTable& table, UINT key, bool down)
{
    key &= 0xFF;
    if (down && !table.down[key])
        table.toggled[key] = !table.toggled[key];
    table.down[key] = down;
    if (UINT generic = GenericKey(key))
        table.down[generic] = down;
}

SHORT StateOf(const KeyTable& table, int key)
{
    if (key < 0 || key > 255)
        return 0;
    return static_cast<SHORT>((table.down[key] ? 0x8000 : 0) | (table.toggled[key] ? 1 : 0));
}

// Characters of the unshifted and shifted keys of a US keyboard: the
// headless display's layout, and the letters of Alt shortcuts.
char16_t LayoutChar(UINT key, bool shift)
{
    if (key >= 'A' && key <= 'Z')
        return static_cast<char16_t>(shift ? key : key + ('a' - 'A'));
    if (key >= '0' && key <= '9')
        return shift ? u")!@#$%^&*("[key - '0'] : static_cast<char16_t>(key);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        return static_cast<char16_t>('0' + key - VK_NUMPAD0);
    struct Pair
    {
        UINT key;
        char16_t plain, shifted;
    };
    static constexpr Pair kKeys[] = {{VK_SPACE, ' ', ' '},     {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},
                                     {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'},
                                     {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
                                     {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
                                     {VK_MULTIPLY, '*', '*'},  {VK_ADD, '+', '+'},       {VK_SUBTRACT, '-', '-'},
                                     {VK_DECIMAL, '.', '.'},   {VK_DIVIDE, '/', '/'},    {VK_BACK, 8, 8},
                                     {VK_TAB, 9, 9},           {VK_RETURN, 13, 13},      {VK_ESCAPE, 27, 27}};
    for (const Pair& pair : kKeys)
        if (pair.key == key)
            return shift ? pair.shifted : pair.plain;
    return 0;
}

char16_t ControlChar(UINT key)
{
    if (key >= 'A' && key <= 'Z')
        return static_cast<char16_t>(key - 'A' + 1);
    switch (key) {
    case VK_OEM_4: return 27;
    case VK_OEM_5: return 28;
    case VK_OEM_6: return 29;
    case VK_BACK: return 127;
    case VK_RETURN: return 10;
    case VK_ESCAPE: return 27;
    case VK_SPACE: return ' ';
    }
    return 0;
}

BOOL Translate(const MSG* msg)
{
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)
        return FALSE;
    UINT key = static_cast<UINT>(msg->wParam);
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool control = GetKeyState(VK_CONTROL) < 0;
    bool alt = GetKeyState(VK_MENU) < 0;
    if (key >= 'A' && key <= 'Z' && (GetKeyState(VK_CAPITAL) & 1))
        shift = !shift;
    bool shortcut = control && !alt;
    char16_t ch = shortcut ? ControlChar(key) : LayoutChar(key, shift);
    if (!ch)
        return FALSE;
    // The desktop types printable characters itself, in the user's layout.
    bool printable = ch >= 0x20 && ch != 0x7F;
    if (printable && !shortcut && msg->message == WM_KEYDOWN && Display().TypesText())
        return FALSE;
    UINT message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    PostMessageW(msg->hwnd, message, ch, msg->lParam);
    return TRUE;
}

}  // namespace

void NoteAsyncKey(UINT key, bool down)
{
    Note(gAsync, key, down);
}
void NoteRetrievedKey(UINT key, bool down)
{
    Note(gRetrieved, key, down);
}
bool IsAsyncKeyDown(UINT key)
{
    return gAsync.down[key & 0xFF];
}

UINT MessageKey(UINT key)
{
    UINT generic = GenericKey(key);
    return generic ? generic : key;
}

WPARAM AsyncMouseKeys()
{
    WPARAM keys = 0;
    if (gAsync.down[VK_LBUTTON])
        keys |= MK_LBUTTON;
    if (gAsync.down[VK_RBUTTON])
        keys |= MK_RBUTTON;
    if (gAsync.down[VK_MBUTTON])
        keys |= MK_MBUTTON;
    if (gAsync.down[VK_SHIFT])
        keys |= MK_SHIFT;
    if (gAsync.down[VK_CONTROL])
        keys |= MK_CONTROL;
    return keys;
}

void InstallKeyTranslator()
{
    SetKeyTranslator(Translate);
}

}  // namespace platform::detail

using namespace platform::detail;

SHORT GetKeyState(int key)
{
    return StateOf(gRetrieved, key);
}
SHORT GetAsyncKeyState(int key)
{
    return StateOf(gAsync, key);
}
