#pragma once
// How the rest of the window manager meets the MDI clients.
#include "display_state.h"

namespace platform::detail {

inline constexpr char kMdiClientClass[] = "MDICLIENT";

void RegisterMdiClientClass();
// The client that holds the child, or null when the window is no MDI child.
HWND MdiClientOf(const Window& window);
// The MDI child that is the window or holds it; null for none.
HWND MdiChildAround(HWND window);
// Activates the child; null deactivates the active one.
void MdiActivate(HWND client, HWND child);
// After the child was shown or hidden: a hidden active child passes the activation on.
void MdiChildVisibilityChanged(Window& child);
void MdiChildGoing(Window& child);
void MdiChildRetitled(Window& child);
// The client's children moved, resized, came, went, showed or hid, or the
// client resized: its scroll bars show where the children reach past its
// client area and hide where they fit. Nothing for other windows.
void UpdateMdiScrollBars(HWND client);

}  // namespace platform::detail
