// Making dialogs from template resources, the modal loop, the dialog
// manager's keys and the item functions.
#include "control_paint.h"
#include "dialog_scripts.h"
#include "dialog_state.h"
#include "platform/src/menus/mnemonic.h"

#include <platform/display.h>
#include <platform/resources.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

namespace platform::dialogs {
namespace {

std::optional<DialogTemplate> LoadTemplate(HRSRC found)
{
    if (!found)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    if (!bytes)
        return std::nullopt;
    ParsedDialog parsed = ParseDialogText(std::string_view(bytes, SizeofResource(nullptr, found)));
    if (!parsed.error.empty())
        return std::nullopt;
    return std::move(parsed.dialog);
}

std::optional<DialogTemplate> LoadTemplateA(HINSTANCE instance, LPCSTR name)
{
    return LoadTemplate(FindResourceA(instance, name, "DIALOG"));
}
std::optional<DialogTemplate> LoadTemplateW(HINSTANCE instance, LPCWSTR name)
{
    return LoadTemplate(FindResourceW(instance, name, reinterpret_cast<LPCWSTR>(u"DIALOG")));
}

INT_PTR Modal(const std::optional<DialogTemplate>& dialog, HWND owner, DLGPROC procedure, LPARAM param, bool unicode)
{
    if (!dialog || (owner && !IsWindow(owner)))
        return -1;
    HWND window = CreateDialogFrom(*dialog, owner, procedure, param, unicode);
    return window ? RunModal(window, owner, TakeDialogScript()) : -1;
}

bool IsPushButton(HWND control)
{
    LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
    return code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
}

// The focused push button, else the default push button, else IDOK.
void PressDefault(HWND dialog, const DialogState& state)
{
    HWND button = GetFocus();
    if (!button || !IsChild(dialog, button) || !IsPushButton(button)) {
        button = nullptr;
        for (HWND control : state.controls)
            if (IsWindow(control) && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
                button = control;
    }
    if (button && !IsWindowEnabled(button))
        return;  // a greyed default cannot be pressed
    const int id = button ? GetDlgCtrlID(button) : IDOK;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// True when the key was the dialog manager's.
bool HandleKey(HWND dialog, DialogState& state, const MSG& msg)
{
    const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & DLGC_WANTALLKEYS)
        return false;
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB)
            return false;
        HWND focus = GetFocus();
        HWND next = NextTabStop(state, focus && IsChild(dialog, focus) ? focus : nullptr, GetKeyState(VK_SHIFT) < 0);
        if (next)
            FocusItem(next);
        return true;
    }
    case VK_RETURN: PressDefault(dialog, state); return true;
    case VK_ESCAPE:
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    }
    return false;
}

// A shown, enabled button or label whose text marks the key; a label only
// when it shows "&" as a mark.
bool MarksKey(HWND control, int key)
{
    const DWORD style = DWORD(GetWindowLongPtrA(control, GWL_STYLE));
    if (!IsWindow(control) || !(style & WS_VISIBLE) || !IsWindowEnabled(control))
        return false;
    const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
    if (!(code & (DLGC_BUTTON | DLGC_STATIC)) || ((code & DLGC_STATIC) && (style & SS_NOPREFIX)))
        return false;
    return menus::MnemonicOf(WindowTextOf(control)).key == key;
}

// A character with Alt, or alone when the focused control takes no
// characters, picks the control whose text marks it: a label hands the
// focus to the tab stop after it, a button is pressed. When several share
// the letter, each press only moves the focus on to the next of them.
bool HandleMnemonic(DialogState& state, const MSG& msg)
{
    if (msg.message == WM_CHAR && (SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
                                   (DLGC_WANTCHARS | DLGC_WANTALLKEYS)))
        return false;
    if (msg.wParam > 0x7F)
        return false;
    const int key = std::tolower(int(msg.wParam));
    std::vector<HWND> marked;
    for (HWND control : state.controls)
        if (MarksKey(control, key))
            marked.push_back(control);
    if (marked.empty())
        return false;
    auto after = std::find(marked.begin(), marked.end(), GetFocus());
    HWND picked = after == marked.end() || after + 1 == marked.end() ? marked.front() : *(after + 1);
    const LRESULT code = SendMessageA(picked, WM_GETDLGCODE, 0, 0);
    if (code & DLGC_STATIC) {
        if (HWND next = NextTabStop(state, picked, false))
            FocusItem(next);
    } else {
        FocusItem(picked);
        if (marked.size() == 1)
            SendMessageA(picked, BM_CLICK, 0, 0);
    }
    return true;
}

BOOL IsDialogMessageFor(HWND dialog, LPMSG msg)
{
    DialogState* state = FindDialog(dialog);
    if (!state || !msg || !(msg->hwnd == dialog || IsChild(dialog, msg->hwnd)))
        return FALSE;
    if (msg->message == WM_KEYDOWN && HandleKey(dialog, *state, *msg))
        return TRUE;
    if ((msg->message == WM_CHAR || msg->message == WM_SYSCHAR) && HandleMnemonic(*state, *msg))
        return TRUE;
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

// An empty text for a missing item.
template <typename Char>
UINT ItemText(HWND dialog, int id, Char* buffer, int size, int (*get)(HWND, Char*, int))
{
    if (HWND item = GetDlgItem(dialog, id))
        return UINT(get(item, buffer, size));
    if (buffer && size > 0)
        buffer[0] = 0;
    return 0;
}

}  // namespace

INT_PTR RunModal(HWND dialog, HWND owner, testing::DialogScript script)
{
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOWNORMAL);
    MSG msg;
    for (DialogState* state = FindDialog(dialog); state && !state->ended; state = FindDialog(dialog)) {
        if (script && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            std::exchange(script, nullptr)(dialog);  // once the dialog is up and its queue is quiet
            continue;
        }
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));  // the outer loop must still see it
            break;
        }
        if (!IsDialogMessageFor(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DialogState* state = FindDialog(dialog);
    const INT_PTR result = state && state->ended ? state->result : IDCANCEL;
    // The owner comes back before the dialog goes so that it is activated again.
    if (disableOwner && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog))
        DestroyWindow(dialog);
    if (owner && IsWindow(owner))
        SetActiveWindow(owner);
    return result;
}

}  // namespace platform::dialogs

using namespace platform::dialogs;

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure, LPARAM param)
{
    return Modal(LoadTemplateA(instance, templateName), owner, procedure, param, false);
}
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC procedure, LPARAM param)
{
    return Modal(LoadTemplateW(instance, templateName), owner, procedure, param, true);
}

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure, LPARAM param)
{
    auto dialog = LoadTemplateA(instance, templateName);
    return dialog ? CreateDialogFrom(*dialog, owner, procedure, param, false) : nullptr;
}
HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC procedure, LPARAM param)
{
    auto dialog = LoadTemplateW(instance, templateName);
    return dialog ? CreateDialogFrom(*dialog, owner, procedure, param, true) : nullptr;
}

BOOL IsDialogMessageA(HWND dialog, LPMSG msg)
{
    return IsDialogMessageFor(dialog, msg);
}
BOOL IsDialogMessageW(HWND dialog, LPMSG msg)
{
    return IsDialogMessageFor(dialog, msg);
}

HWND GetDlgItem(HWND dialog, int id)
{
    struct Search
    {
        HWND dialog;
        int id;
        HWND found;
    } search{dialog, id, nullptr};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            if (GetParent(child) != s->dialog || GetDlgCtrlID(child) != s->id)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int GetDlgCtrlID(HWND control)
{
    return int(GetWindowLongPtrA(control, GWLP_ID));
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    HWND item = GetDlgItem(dialog, id);
    return item && SetWindowTextA(item, text);
}
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text)
{
    HWND item = GetDlgItem(dialog, id);
    return item && SetWindowTextW(item, text);
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size)
{
    return ItemText(dialog, id, buffer, size, GetWindowTextA);
}
UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int size)
{
    return ItemText(dialog, id, buffer, size, GetWindowTextW);
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, message, wParam, lParam) : 0;
}
LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageW(item, message, wParam, lParam) : 0;
}
