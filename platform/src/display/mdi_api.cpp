// Creating MDI children and the default frame and child procedures.
#include "activation.h"
#include "geometry.h"
#include "mdi_client.h"
#include "window_ops.h"

#include <platform/mdi.h>

using namespace platform::detail;

namespace {

template <class CreateStruct, class Text>
HWND CreateMdi(Text className, Text title, DWORD style, int x, int y, int width, int height, HWND client,
               HINSTANCE instance, LPARAM lParam)
{
    CreateStruct create{className, title, instance, x, y, width, height, style, lParam};
    return CreateMdiChild(client, create);
}

LRESULT DefaultFor(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT FrameProc(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam)
{
    MdiClientState* state = FindMdiClient(client);
    switch (message) {
    case WM_COMMAND:
        if (state && HIWORD(wParam) == 0) {
            UINT id = LOWORD(wParam);
            if (id >= state->firstId && id < state->firstId + state->children.size()) {
                HWND child = state->children[id - state->firstId];
                if (IsIconic(child))
                    ShowWindow(child, SW_RESTORE);
                MdiActivate(client, child);
                return 0;
            }
        }
        break;
    case WM_SIZE:
        if (client && wParam != SIZE_MINIMIZED) {
            RECT area;
            GetClientRect(frame, &area);
            MoveWindow(client, 0, 0, area.right, area.bottom, TRUE);
        }
        break;
    case WM_SETFOCUS:
        if (client && IsWindow(client))
            SetFocus(client);
        return 0;
    }
    return DefaultFor(frame, message, wParam, lParam);
}

LRESULT ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND client = GetParent(child);
    MdiClientState* state = FindMdiClient(client);
    switch (message) {
    case WM_CLOSE:
        if (state)
            SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
        return 0;
    case WM_SETFOCUS:
    case WM_CHILDACTIVATE:
        if (state && state->active != child)
            MdiActivate(client, child);
        return 0;
    case WM_MDIACTIVATE: return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_NEXTWINDOW: ActivateNextChild(client, false); return 0;
        case SC_PREVWINDOW: ActivateNextChild(client, true); return 0;
        }
        break;
    }
    return DefaultFor(child, message, wParam, lParam);
}

}  // namespace

HWND CreateMDIWindowA(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND client, HINSTANCE instance, LPARAM lParam)
{
    return CreateMdi<MDICREATESTRUCTA>(className, windowName, style, x, y, width, height, client, instance, lParam);
}

HWND CreateMDIWindowW(LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width, int height,
                      HWND client, HINSTANCE instance, LPARAM lParam)
{
    return CreateMdi<MDICREATESTRUCTW>(className, windowName, style, x, y, width, height, client, instance, lParam);
}

LRESULT DefFrameProcA(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam)
{
    return FrameProc(frame, client, message, wParam, lParam);
}

LRESULT DefFrameProcW(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam)
{
    return FrameProc(frame, client, message, wParam, lParam);
}

LRESULT DefMDIChildProcA(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ChildProc(child, message, wParam, lParam);
}

LRESULT DefMDIChildProcW(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ChildProc(child, message, wParam, lParam);
}

BOOL TranslateMDISysAccel(HWND client, LPMSG msg)
{
    MdiClientState* state = FindMdiClient(client);
    if (!state || !msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    if (GetKeyState(VK_MENU) < 0)
        return FALSE;
    // Page Up and Down anywhere in the client page through it (sideways with
    // Shift) while it shows the bar; the windows inside have no use for them.
    bool paging = msg->wParam == VK_PRIOR || msg->wParam == VK_NEXT;
    if (paging && msg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) >= 0 && IsSameOrInside(client, msg->hwnd))
        return MdiScrollKey(client, static_cast<UINT>(msg->wParam), GetKeyState(VK_SHIFT) < 0) ? TRUE : FALSE;
    if (GetKeyState(VK_CONTROL) >= 0)
        return FALSE;
    bool backwards = GetKeyState(VK_SHIFT) < 0;
    switch (msg->wParam) {
    case VK_F4:
        if (!state->active)
            return FALSE;
        SendMessageA(state->active, WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;
    case VK_F6:
    case VK_TAB: ActivateNextChild(client, backwards); return TRUE;
    }
    return FALSE;
}
