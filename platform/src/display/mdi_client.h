#pragma once
// The state of each MDI client: its children in id order, the active one
// and the window menu that lists them.
#include "mdi_internal.h"

#include <platform/mdi.h>

#include <vector>

namespace platform::detail {

struct MdiClientState {
    HMENU windowMenu = nullptr;
    UINT firstId = 0;
    HWND active = nullptr;
    std::vector<HWND> children;  // the child at index i has id firstId + i
};

// Null for a window that is no MDI client.
MdiClientState* FindMdiClient(HWND client);
void RefreshWindowMenu(HWND client);
// Ctrl+F6: the next child in the z-order, the active one going to the back.
void ActivateNextChild(HWND client, bool backwards);

template <class CreateStruct>
HWND CreateMdiChild(HWND client, const CreateStruct& create);

}  // namespace platform::detail
