#pragma once
// Keyboard accelerators: tables of keys with modifiers that stand for
// menu commands.
#include <platform/messaging.h>

VQ_DECLARE_HANDLE(HACCEL);

#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

struct ACCEL
{
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

// A table from an accelerator resource of our own text format (type
// "ACCELERATORS"): one "Ctrl+Shift+S 51003" a line, '#' starting a comment.
// Keys are letters, digits, F1 to F12 and Delete, Insert, Home, End,
// PageUp, PageDown, Left, Right, Up, Down, Escape, Enter, Tab, Space,
// Back; modifiers Ctrl, Shift and Alt.
HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR name);
HACCEL LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name);

// For a key press that is in the table with exactly its modifiers: sends
// WM_COMMAND (command, 1) to the window and answers nonzero, so the caller
// neither translates nor dispatches the key. A command whose item in the
// window's menu bar is grey or disabled is not sent, but its key is still
// taken.
int TranslateAcceleratorA(HWND window, HACCEL table, LPMSG msg);
int TranslateAcceleratorW(HWND window, HACCEL table, LPMSG msg);
