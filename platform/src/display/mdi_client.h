#pragma once
// The state of each MDI client: its children in id order, the active one
// and the window menu that lists them.
#include "mdi_internal.h"

#include <platform/mdi.h>

#include <vector>

namespace platform::detail {

struct MdiClientState
{
    HMENU windowMenu = nullptr;
    UINT firstId = 0;
    HWND active = nullptr;
    std::vector<HWND> children;  // the child at index i has id firstId + i
    bool arranging = false;      // moving children or resizing: the bars wait
    int wheelRest = 0;           // wheel turned short of a line
};

// Null for a window that is no MDI client.
MdiClientState* FindMdiClient(HWND client);
void RefreshWindowMenu(HWND client);
// Ctrl+F6: the next child in the z-order, the active one going to the back.
void ActivateNextChild(HWND client, bool backwards);

// The client's WM_HSCROLL and WM_VSCROLL: the children move by the step.
void MdiScroll(HWND client, bool vertical, WORD code, int thumbPosition);
// WM_MOUSEWHEEL: three lines a notch, sideways with Shift or without a vertical bar.
void MdiWheel(HWND client, WPARAM wParam);
// A scroll key (arrows, Page Up and Down, Home, End; Shift turns the last
// four sideways) sent on as the step it means; false for other keys and
// for a direction without a bar.
bool MdiScrollKey(HWND client, UINT key, bool shift);

template <class CreateStruct>
HWND CreateMdiChild(HWND client, const CreateStruct& create);

}  // namespace platform::detail
