// The combo box's procedure: its messages, keys and mouse, with the list
// dropped or not.
#include "combo_box.h"
#include "../display/text.h"
#include "../utf16.h"
#include "../window_table.h"
#include "combo_dropdown.h"
#include "combo_paint.h"
#include "notify_parent.h"
#include "platform/src/class_registration.h"

#include <platform/combobox.h>
#include <platform/dialogs.h>
#include <platform/painting.h>

#include <algorithm>
#include <cstring>

namespace platform::dialogs {
namespace {

constexpr char kComboClass[] = "COMBOBOX";
constexpr int kStateSlot = 0;  // window extra bytes holding the state

bool IsUnicode(HWND combo)
{
    auto window = detail::FindWindowRecord(combo);
    return window && window->unicode;
}

std::u16string TextFrom(HWND combo, LPARAM text)
{
    if (!text)
        return {};
    if (IsUnicode(combo))
        return reinterpret_cast<const char16_t*>(text);
    return detail::Utf8ToUtf16(reinterpret_cast<const char*>(text));
}

LRESULT TextLength(HWND combo, const std::u16string& text)
{
    return LRESULT(IsUnicode(combo) ? text.size() : Utf16ToUtf8(text.c_str()).size());
}

// At most size - 1 characters and a terminating zero; the count copied.
LRESULT CopyText(HWND combo, const std::u16string& text, std::size_t size, LPARAM buffer)
{
    if (!buffer || size == 0)
        return 0;
    if (IsUnicode(combo)) {
        const std::size_t count = std::min(text.size(), size - 1);
        auto* out = reinterpret_cast<char16_t*>(buffer);
        std::copy_n(text.begin(), count, out);
        out[count] = 0;
        return LRESULT(count);
    }
    const std::string narrow = Utf16ToUtf8(text.c_str());
    const std::size_t count = std::min(narrow.size(), size - 1);
    auto* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, narrow.data(), count);
    out[count] = 0;
    return LRESULT(count);
}

// The user's choice: a change is told to the parent.
void Choose(HWND combo, ComboState& state, int entry)
{
    if (entry < 0 || entry == state.selected)
        return;
    state.selected = entry;
    InvalidateRect(combo, nullptr, FALSE);
    NotifyParent(combo, CBN_SELCHANGE);
}

void Close(HWND combo, ComboState& state, bool pick)
{
    Choose(combo, state, CloseComboList(combo, state, pick));
}

void Toggle(HWND combo, ComboState& state)
{
    if (state.list)
        Close(combo, state, true);
    else
        OpenComboList(combo, state);
}

void InvalidateList(const ComboState& state)
{
    if (state.list)
        InvalidateRect(state.list, nullptr, FALSE);
}

bool IsToggleKey(UINT message, WPARAM key)
{
    return (message == WM_KEYDOWN && key == VK_F4) ||
           (message == WM_SYSKEYDOWN && (key == VK_DOWN || key == VK_UP) && GetKeyState(VK_MENU) < 0);
}

// True when the key was the combo box's.
bool OnKey(HWND combo, ComboState& state, UINT message, WPARAM key)
{
    if (IsToggleKey(message, key)) {
        Toggle(combo, state);
        return true;
    }
    if (message != WM_KEYDOWN)
        return false;
    if (state.list) {
        if (key == VK_ESCAPE || key == VK_RETURN) {
            Close(combo, state, key == VK_RETURN);
            return true;
        }
        if (auto entry = EntryAfterKey(UINT(key), state.view.hot, state.view.count, state.view.rows)) {
            state.view.Mark(*entry);
            InvalidateList(state);
            return true;
        }
        return false;
    }
    auto entry = EntryAfterKey(UINT(key), state.selected, int(state.entries.size()), kComboMinimumRows);
    if (entry)
        Choose(combo, state, *entry);
    return entry.has_value();
}

void OnMouse(HWND combo, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!state.list) {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
            SetFocus(combo);
            if (GetFocus() == combo)
                OpenComboList(combo, state);
        }
        return;
    }
    ComboListView& view = state.view;
    if (message == WM_MOUSEWHEEL) {
        view.ScrollBy(-GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kComboWheelRows);
        InvalidateList(state);
        return;
    }
    const POINT at = ComboPointInList(combo, state, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        if (state.draggingThumb)
            view.DragThumbTo(at.y);
        else if (int entry = view.EntryAt(at); entry >= 0)
            view.hot = entry;
        InvalidateList(state);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!view.Contains(at)) {
            Close(combo, state, false);  // the box itself or anywhere else
        } else if (view.InScrollBar(at)) {
            state.draggingThumb = true;
            view.DragThumbTo(at.y);
            InvalidateList(state);
        }
        break;
    case WM_LBUTTONUP:
        if (state.draggingThumb) {
            state.draggingThumb = false;
        } else if (int entry = view.EntryAt(at); entry >= 0) {
            view.hot = entry;
            Close(combo, state, true);
        }
        break;
    }
}

LRESULT OnComboMessage(HWND combo, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int count = int(state.entries.size());
    const int index = int(wParam);
    switch (message) {
    case CB_ADDSTRING: state.entries.push_back(TextFrom(combo, lParam)); return count;
    case CB_INSERTSTRING: {
        const int at = index == -1 ? count : index;
        if (at < 0 || at > count)
            return CB_ERR;
        state.entries.insert(state.entries.begin() + at, TextFrom(combo, lParam));
        if (state.selected >= at)
            ++state.selected;
        return at;
    }
    case CB_RESETCONTENT:
        CloseComboList(combo, state, false);
        state.entries.clear();
        state.selected = -1;
        InvalidateRect(combo, nullptr, FALSE);
        return CB_OKAY;
    case CB_GETCOUNT: return count;
    case CB_GETCURSEL: return state.selected;
    case CB_SETCURSEL:
        state.selected = index >= 0 && index < count ? index : -1;  // anything else clears it
        InvalidateRect(combo, nullptr, FALSE);
        return state.selected >= 0 ? state.selected : CB_ERR;
    case CB_GETLBTEXTLEN: return index >= 0 && index < count ? TextLength(combo, state.entries[index]) : CB_ERR;
    case CB_GETLBTEXT:
        if (index < 0 || index >= count)
            return CB_ERR;
        // The caller sized the buffer by CB_GETLBTEXTLEN.
        return CopyText(combo, state.entries[index], std::size_t(TextLength(combo, state.entries[index])) + 1, lParam);
    case CB_SHOWDROPDOWN:
        if (wParam && !state.list)
            OpenComboList(combo, state);
        if (!wParam)
            CloseComboList(combo, state, false);
        return TRUE;
    case CB_GETDROPPEDSTATE: return state.list != nullptr;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect)
            return CB_ERR;
        if (!state.list || !GetWindowRect(state.list, rect))
            GetWindowRect(combo, rect);
        return CB_OKAY;
    }
    }
    return 0;
}

LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<ComboState*>(GetWindowLongPtrA(combo, kStateSlot));
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(combo, kStateSlot, reinterpret_cast<LONG_PTR>(new ComboState));
        return DefWindowProcA(combo, message, wParam, lParam);
    }
    if (!state)
        return DefWindowProcA(combo, message, wParam, lParam);
    if (message >= CB_ADDSTRING && message <= CB_GETDROPPEDSTATE)
        return OnComboMessage(combo, *state, message, wParam, lParam);
    switch (message) {
    case WM_CREATE: {
        // The height given is that of the box with its dropped list.
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        state->requestedHeight = create->cy;
        SetWindowPos(combo, nullptr, 0, 0, create->cx, kComboBoxHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCDESTROY:
        CloseComboList(combo, *state, false);
        SetWindowLongPtrA(combo, kStateSlot, 0);
        delete state;
        break;
    case WM_PAINT: PaintComboBox(combo, *state); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETDLGCODE: {
        // The dialog manager keeps Enter and Escape unless they are for the open list.
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        const bool forList =
            state->list && msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
        return DLGC_WANTARROWS | (forList ? DLGC_WANTALLKEYS : 0);
    }
    case WM_SETFOCUS: InvalidateRect(combo, nullptr, FALSE); return 0;
    case WM_KILLFOCUS:
        CloseComboList(combo, *state, false);
        InvalidateRect(combo, nullptr, FALSE);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != combo)
            CloseComboList(combo, *state, false);
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam)
            CloseComboList(combo, *state, false);
        break;
    case WM_ENABLE:
        if (!wParam)
            CloseComboList(combo, *state, false);
        InvalidateRect(combo, nullptr, FALSE);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (OnKey(combo, *state, message, wParam))
            return 0;
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: OnMouse(combo, *state, message, wParam, lParam); return 0;
    case WM_MOUSEWHEEL:
        if (!state->list)
            break;
        OnMouse(combo, *state, message, wParam, lParam);
        return 0;
    case WM_GETTEXT:
        return state->selected >= 0 ? CopyText(combo, state->entries[state->selected], wParam, lParam)
                                    : CopyText(combo, u"", wParam, lParam);
    case WM_GETTEXTLENGTH: return state->selected >= 0 ? TextLength(combo, state->entries[state->selected]) : 0;
    }
    return DefWindowProcA(combo, message, wParam, lParam);
}

}  // namespace

ComboState* ComboStateOf(HWND combo)
{
    auto window = detail::FindWindowRecord(combo);
    if (!window || window->procedure != ComboProc)
        return nullptr;
    return reinterpret_cast<ComboState*>(GetWindowLongPtrA(combo, kStateSlot));
}

void RegisterComboBox()
{
    static const ATOM atom = detail::RegisterOwnClass(
        {.name = kComboClass, .procedure = ComboProc, .windowExtraBytes = sizeof(ComboState*), .cursor = IDC_ARROW});
    (void)atom;
}

}  // namespace platform::dialogs
