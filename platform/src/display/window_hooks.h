#pragma once
// What the window records tell the display as windows come and go.
#include "../window_table.h"

namespace platform::detail {

// Installs the display's message sources, key translation and system classes once.
void EnsureDisplayModule();
// Before WM_NCCREATE: geometry (CW_USEDEFAULT resolved), title, and the
// visibility that is applied only once creation has succeeded.
void PrepareWindow(Window& window, int x, int y, int width, int height, LPCSTR title);
void PrepareWindow(Window& window, int x, int y, int width, int height, LPCWSTR title);
// The lParam of WM_SIZE and WM_MOVE: client size, client origin in the parent.
LPARAM ClientSizeParam(const Window& window);
LPARAM ClientOriginParam(const Window& window);
// After WM_MOVE of a successful creation.
void WindowCreated(HWND window);
// Before WM_DESTROY: hidden, and focus, capture and activation moved away.
void WindowDestroying(HWND window);
// Just before the record goes.
void WindowRemoved(Window& window);
// What DefWindowProc does beyond creation and WM_CLOSE.
LRESULT DisplayDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::detail
