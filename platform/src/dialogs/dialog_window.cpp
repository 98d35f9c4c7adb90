// Dialog windows: the class whose procedure calls the dialog procedure
// first and does the default handling after it, creation from templates.
#include "../display/text.h"
#include "basic_controls.h"
#include "dialog_state.h"
#include "platform/src/class_registration.h"

#include <platform/display.h>
#include <platform/painting.h>

#include <algorithm>
#include <map>
#include <mutex>

namespace platform::dialogs {
namespace {

constexpr char kDialogClass[] = "Dialog";

std::map<HWND, DialogState>& Dialogs()
{
    static std::map<HWND, DialogState> dialogs;
    return dialogs;
}
std::mutex dialogsLock;

void SendCancel(HWND dialog)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

void RestoreFocus(HWND dialog, DialogState& state)
{
    HWND target = state.focus && IsWindow(state.focus) && IsChild(dialog, state.focus)
                      ? state.focus
                      : NextTabStop(state, nullptr, false);
    if (target)
        FocusItem(target);
}

LRESULT CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    DialogState* state = FindDialog(dialog);
    if (state && state->procedure) {
        if (INT_PTR answer = state->procedure(dialog, message, wParam, lParam))
            return answer;
        state = FindDialog(dialog);  // the procedure may have destroyed the dialog
    }
    if (state) {
        switch (message) {
        case WM_CLOSE: SendCancel(dialog); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(dialog, focus))
                    state->focus = focus;
            } else {
                RestoreFocus(dialog, *state);
            }
            return 0;
        case WM_NCDESTROY: {
            std::lock_guard lock(dialogsLock);
            Dialogs().erase(dialog);
            break;
        }
        }
    }
    return DefWindowProcA(dialog, message, wParam, lParam);
}

void RegisterDialogClass()
{
    static const ATOM atom =
        detail::RegisterOwnClass({.name = kDialogClass, .procedure = DialogProc, .backgroundColor = COLOR_BTNFACE});
    (void)atom;
}

HWND Make(bool unicode, const std::string& className, const std::string& text, DWORD style, const RECT& rect,
          HWND parent, HMENU menuOrId)
{
    const int x = rect.left, y = rect.top, width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!unicode)
        return CreateWindowExA(0, className.c_str(), text.c_str(), style, x, y, width, height, parent, menuOrId,
                               nullptr, nullptr);
    std::u16string wideClass = detail::Utf8ToUtf16(className.c_str());
    std::u16string wideText = detail::Utf8ToUtf16(text.c_str());
    return CreateWindowExW(0, reinterpret_cast<LPCWSTR>(wideClass.c_str()), reinterpret_cast<LPCWSTR>(wideText.c_str()),
                           style, x, y, width, height, parent, menuOrId, nullptr, nullptr);
}

// One side's start: centred on [from, to), then moved inside [low, high),
// the low edge winning when the dialog is the larger.
int Centred(int from, int to, int size, int low, int high)
{
    return std::max(low, std::min((from + to - size) / 2, high - size));
}

// The outer rectangle of a dialog of this client size, centred on the owner
// or else on the work area, and then wholly inside the work area.
RECT Placement(HWND owner, int clientWidth, int clientHeight, DWORD style)
{
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    if (owner)
        GetWindowRect(owner, &around);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int x = Centred(around.left, around.right, width, area.left, area.right);
    const int y = Centred(around.top, around.bottom, height, area.top, area.bottom);
    return {x, y, x + width, y + height};
}

}  // namespace

void FocusItem(HWND control)
{
    SetFocus(control);
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(control, EM_SETSEL, 0, -1);
}

DialogState* FindDialog(HWND dialog)
{
    std::lock_guard lock(dialogsLock);
    auto found = Dialogs().find(dialog);
    return found == Dialogs().end() ? nullptr : &found->second;
}

HWND NextTabStop(const DialogState& state, HWND from, bool backwards)
{
    const auto& order = state.controls;
    const int count = int(order.size());
    int start = backwards ? count : -1;
    for (int i = 0; i < count; ++i)
        if (order[i] == from)
            start = i;
    for (int step = 1; step <= count; ++step) {
        int i = ((backwards ? start - step : start + step) % count + count) % count;
        HWND control = order[i];
        // The style's own visibility, since the dialog may still be hidden.
        const DWORD style = DWORD(GetWindowLongPtrA(control, GWL_STYLE));
        if (IsWindow(control) && (style & WS_TABSTOP) && (style & WS_VISIBLE) && IsWindowEnabled(control))
            return control;
    }
    return nullptr;
}

HWND CreateDialogFrom(const DialogTemplate& dialog, HWND owner, DLGPROC procedure, LPARAM param, bool unicode)
{
    RegisterDialogClass();
    RegisterBasicControls();
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT rect = Placement(owner, DialogUnitsToPixelsX(dialog.width), DialogUnitsToPixelsY(dialog.height), style);
    HWND window = Make(unicode, kDialogClass, dialog.title, style, rect, owner, nullptr);
    if (!window)
        return nullptr;
    DialogState* state;
    {
        std::lock_guard lock(dialogsLock);
        state = &Dialogs()[window];
    }
    state->unicode = unicode;
    for (const ControlTemplate& control : dialog.controls) {
        RECT pixels{DialogUnitsToPixelsX(control.rect.left), DialogUnitsToPixelsY(control.rect.top),
                    DialogUnitsToPixelsX(control.rect.right), DialogUnitsToPixelsY(control.rect.bottom)};
        HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id));
        HWND made = Make(unicode, control.className, control.text, control.style, pixels, window, id);
        if (!made) {
            DestroyWindow(window);
            return nullptr;
        }
        state->controls.push_back(made);
    }
    state->procedure = procedure;
    HWND first = NextTabStop(*state, nullptr, false);
    INT_PTR focusFirst = procedure ? procedure(window, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) : TRUE;
    state = FindDialog(window);
    if (!state)
        return nullptr;  // destroyed while starting
    // A focus the procedure chose itself stands; otherwise a TRUE answer picks the first tab stop.
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus))
        state->focus = focus;
    else if (focusFirst)
        state->focus = first;
    if (dialog.visible)
        ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

}  // namespace platform::dialogs

using namespace platform::dialogs;

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    DialogState* state = FindDialog(dialog);
    if (!state)
        return FALSE;
    state->ended = true;
    state->result = result;
    PostMessageA(dialog, WM_NULL, 0, 0);  // wakes the modal loop when called from elsewhere
    return TRUE;
}
