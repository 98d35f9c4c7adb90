#include "edit_control.h"

#include "../display/text.h"
#include "../utf16.h"
#include "../window_table.h"
#include "edit_clipboard.h"
#include "edit_metrics.h"
#include "edit_paint.h"
#include "edit_state.h"
#include "notify_parent.h"
#include "platform/src/class_registration.h"

#include <platform/dialogs.h>
#include <platform/edit.h>
#include <platform/painting.h>

#include <algorithm>
#include <utility>

namespace platform::dialogs {
namespace {

constexpr char kEditClass[] = "EDIT";

// Control characters that Ctrl and a letter type.
constexpr WPARAM kSelectAll = 0x01, kCopy = 0x03, kPaste = 0x16, kCut = 0x18;

EditState* Find(HWND edit)
{
    return reinterpret_cast<EditState*>(GetWindowLongPtrA(edit, 0));
}

bool IsUnicode(HWND edit)
{
    auto window = detail::FindWindowRecord(edit);
    return window && window->unicode;
}

bool Held(int key)
{
    return GetKeyState(key) < 0;
}

std::u16string TextFrom(HWND edit, LPARAM text)
{
    if (!text)
        return {};
    if (IsUnicode(edit))
        return reinterpret_cast<const char16_t*>(text);
    return detail::Utf8ToUtf16(reinterpret_cast<LPCSTR>(text));
}

RECT ClientOf(HWND edit)
{
    RECT client{};
    GetClientRect(edit, &client);
    return client;
}

// Shows the state after a change of text or selection; a changed text is told to the parent.
void Refresh(HWND edit, EditState& state, bool textChanged)
{
    if (textChanged)
        MeasureEdit(state);
    ScrollToCaret(state, ClientOf(edit));
    InvalidateRect(edit, nullptr, FALSE);
    if (textChanged)
        NotifyParent(edit, EN_CHANGE);
}

void Copy(HWND edit, const EditState& state)
{
    if (state.text.HasSelection())
        PutClipboardText(edit, state.text.Selected());
}

void Cut(HWND edit, EditState& state)
{
    if (!state.text.HasSelection())
        return;
    Copy(edit, state);
    Refresh(edit, state, state.text.Replace({}));
}

void Paste(HWND edit, EditState& state)
{
    Refresh(edit, state, state.text.Replace(ClipboardText(edit)));
}

void Type(HWND edit, EditState& state, char16_t ch)
{
    if (ch >= 0xD800 && ch <= 0xDBFF) {
        state.pendingHigh = ch;
        return;
    }
    const char16_t high = std::exchange(state.pendingHigh, 0);
    if (ch >= 0xDC00 && ch <= 0xDFFF) {
        if (!high)
            return;
        const char16_t pair[] = {high, ch};
        Refresh(edit, state, state.text.Replace({pair, 2}));
        return;
    }
    Refresh(edit, state, state.text.Replace({&ch, 1}));
}

void Char(HWND edit, EditState& state, WPARAM ch)
{
    EditText& text = state.text;
    switch (ch) {
    case VK_BACK: Refresh(edit, state, text.EraseBackward()); return;
    case kSelectAll:
        text.Select(0, text.Text().size());
        Refresh(edit, state, false);
        return;
    case kCopy: Copy(edit, state); return;
    case kPaste: Paste(edit, state); return;
    case kCut: Cut(edit, state); return;
    }
    if (ch < 0x20 || ch == 0x7F || ch > 0xFFFF)
        return;  // Enter, Tab, Escape and the like are the dialog's
    Type(edit, state, char16_t(ch));
}

// Left and right: without Shift a selection collapses to its side first.
void Step(HWND edit, EditState& state, bool right)
{
    EditText& text = state.text;
    const bool shift = Held(VK_SHIFT), word = Held(VK_CONTROL);
    std::size_t to;
    if (text.HasSelection() && !shift && !word)
        to = right ? text.SelectionEnd() : text.SelectionStart();
    else if (word)
        to = right ? text.WordEnd(text.Caret()) : text.WordStart(text.Caret());
    else
        to = right ? text.Next(text.Caret()) : text.Previous(text.Caret());
    text.MoveCaret(to, shift);
    Refresh(edit, state, false);
}

void KeyDown(HWND edit, EditState& state, WPARAM key)
{
    EditText& text = state.text;
    const bool shift = Held(VK_SHIFT), control = Held(VK_CONTROL);
    switch (key) {
    case VK_LEFT: Step(edit, state, false); return;
    case VK_RIGHT: Step(edit, state, true); return;
    case VK_HOME:
    case VK_END:
        text.MoveCaret(key == VK_HOME ? 0 : text.Text().size(), shift);
        Refresh(edit, state, false);
        return;
    case VK_DELETE:
        if (shift)
            Cut(edit, state);
        else
            Refresh(edit, state, text.EraseForward());
        return;
    case VK_INSERT:
        if (shift)
            Paste(edit, state);
        else if (control)
            Copy(edit, state);
        return;
    }
}

void Press(HWND edit, EditState& state, LPARAM at, bool extend)
{
    SetFocus(edit);
    SetCapture(edit);
    state.dragging = true;
    state.text.MoveCaret(PositionAt(state, ClientOf(edit), GET_X_LPARAM(at)), extend);
    Refresh(edit, state, false);
}

void SelectWord(HWND edit, EditState& state, LPARAM at)
{
    EditText& text = state.text;
    const std::size_t position = PositionAt(state, ClientOf(edit), GET_X_LPARAM(at));
    text.Select(text.WordStart(text.Next(position)), text.WordEnd(position));
    Refresh(edit, state, false);
}

template <class Char>
LRESULT CopyOut(const std::basic_string<Char>& text, WPARAM size, LPARAM buffer)
{
    if (!buffer || size == 0)
        return 0;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    auto* out = reinterpret_cast<Char*>(buffer);
    std::copy_n(text.begin(), count, out);
    out[count] = 0;
    return LRESULT(count);
}

LRESULT GetText(HWND edit, const EditState& state, WPARAM size, LPARAM buffer)
{
    if (IsUnicode(edit))
        return CopyOut(state.text.Text(), size, buffer);
    return CopyOut(Utf16ToUtf8(state.text.Text().c_str()), size, buffer);
}

LRESULT TextLength(HWND edit, const EditState& state)
{
    const std::u16string& text = state.text.Text();
    return LRESULT(IsUnicode(edit) ? text.size() : Utf16ToUtf8(text.c_str()).size());
}

LRESULT GetSelection(const EditState& state, WPARAM startOut, LPARAM endOut)
{
    const auto start = DWORD(state.text.SelectionStart()), end = DWORD(state.text.SelectionEnd());
    if (startOut)
        *reinterpret_cast<DWORD*>(startOut) = start;
    if (endOut)
        *reinterpret_cast<DWORD*>(endOut) = end;
    return LRESULT(DWORD(MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF))));
}

void SetSelection(HWND edit, EditState& state, WPARAM start, LPARAM end)
{
    EditText& text = state.text;
    const auto first = int(start), last = int(end);
    if (first == -1)
        text.MoveCaret(text.Caret(), false);
    else
        text.Select(std::size_t(std::max(first, 0)), last < 0 ? text.Text().size() : std::size_t(last));
    Refresh(edit, state, false);
}

LRESULT Handle(HWND edit, EditState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LPARAM name = IsUnicode(edit)
                                ? reinterpret_cast<LPARAM>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpszName)
                                : reinterpret_cast<LPARAM>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName);
        state.text.Assign(TextFrom(edit, name));
        MeasureEdit(state);
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT:
        state.text.Assign(TextFrom(edit, lParam));
        state.pendingHigh = 0;
        Refresh(edit, state, true);
        return TRUE;
    case WM_GETTEXT: return GetText(edit, state, wParam, lParam);
    case WM_GETTEXTLENGTH: return TextLength(edit, state);
    case EM_GETSEL: return GetSelection(state, wParam, lParam);
    case EM_SETSEL: SetSelection(edit, state, wParam, lParam); return 0;
    case EM_LIMITTEXT: state.text.SetLimit(wParam); return 0;
    case WM_CHAR: Char(edit, state, wParam); return 0;
    case WM_KEYDOWN: KeyDown(edit, state, wParam); return 0;
    case WM_COPY: Copy(edit, state); return 0;
    case WM_CUT: Cut(edit, state); return 0;
    case WM_PASTE: Paste(edit, state); return 0;
    case WM_LBUTTONDOWN: Press(edit, state, lParam, (wParam & MK_SHIFT) != 0); return 0;
    case WM_LBUTTONDBLCLK: SelectWord(edit, state, lParam); return 0;
    case WM_MOUSEMOVE:
        if (state.dragging && GetCapture() == edit) {
            state.text.MoveCaret(PositionAt(state, ClientOf(edit), GET_X_LPARAM(lParam)), true);
            Refresh(edit, state, false);
        }
        return 0;
    case WM_LBUTTONUP:
        if (state.dragging && GetCapture() == edit)
            ReleaseCapture();
        state.dragging = false;
        return 0;
    case WM_CAPTURECHANGED: state.dragging = false; return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = message == WM_SETFOCUS;
        InvalidateRect(edit, nullptr, FALSE);
        return 0;
    case WM_ENABLE: InvalidateRect(edit, nullptr, FALSE); return 0;
    case WM_SIZE: Refresh(edit, state, false); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: PaintEdit(edit, state); return 0;
    }
    return DefWindowProcA(edit, message, wParam, lParam);
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(edit, 0, reinterpret_cast<LONG_PTR>(new EditState));
    EditState* state = Find(edit);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(edit, 0, 0);
        delete state;
        state = nullptr;
    }
    return state ? Handle(edit, *state, message, wParam, lParam) : DefWindowProcA(edit, message, wParam, lParam);
}

}  // namespace

void RegisterEditControl()
{
    static const ATOM atom = detail::RegisterOwnClass({.name = kEditClass,
                                                       .procedure = EditProc,
                                                       .style = CS_DBLCLKS,
                                                       .windowExtraBytes = sizeof(EditState*),
                                                       .cursor = IDC_IBEAM});
    (void)atom;
}

}  // namespace platform::dialogs
