#include "file_list.h"

#include "platform/src/class_registration.h"
#include "platform/src/dialogs/control_paint.h"
#include "platform/src/dialogs/notify_parent.h"

#include <platform/input.h>
#include <platform/painting.h>
#include <platform/window.h>

#include <algorithm>

namespace platform::filedialog {
namespace {

constexpr int kRowHeight = 18;
constexpr int kInset = 2;
constexpr COLORREF kFolderColor = 0x0040B3D9;
constexpr COLORREF kFileColor = 0x00807373;

struct ListState
{
    std::vector<FolderEntry> entries;
    int selected = -1;
    int top = 0;  // the first row shown
};

ListState* StateOf(HWND list)
{
    return reinterpret_cast<ListState*>(GetWindowLongPtrW(list, GWLP_USERDATA));
}

int VisibleRows(HWND list)
{
    RECT client{};
    GetClientRect(list, &client);
    return std::max(1, (client.bottom - 2 * kInset) / kRowHeight);
}

void ScrollTo(HWND list, ListState& state, int top)
{
    const int count = int(state.entries.size());
    state.top = std::clamp(top, 0, std::max(0, count - VisibleRows(list)));
    InvalidateRect(list, nullptr, FALSE);
}

void Select(HWND list, ListState& state, int row)
{
    const int count = int(state.entries.size());
    if (count == 0)
        return;
    row = std::clamp(row, 0, count - 1);
    const int rows = VisibleRows(list);
    if (row < state.top)
        ScrollTo(list, state, row);
    else if (row >= state.top + rows)
        ScrollTo(list, state, row - rows + 1);
    if (row == state.selected)
        return;
    state.selected = row;
    InvalidateRect(list, nullptr, FALSE);
    dialogs::NotifyParent(list, kListSelectionChanged);
}

int RowAt(const ListState& state, LPARAM lParam)
{
    const int y = GET_Y_LPARAM(lParam) - kInset;
    if (y < 0)
        return -1;
    const int row = state.top + y / kRowHeight;
    return row < int(state.entries.size()) ? row : -1;
}

// A folder as a tab over a box, a file as an outlined page.
void DrawIcon(cairo_t* cr, bool folder, int x, int y)
{
    if (folder) {
        dialogs::FillBox(cr, {x, y + 1, x + 5, y + 3}, kFolderColor);
        dialogs::FillBox(cr, {x, y + 3, x + 12, y + 11}, kFolderColor);
        return;
    }
    dialogs::OutlineBox(cr, {x + 2, y, x + 11, y + 12}, kFileColor);
}

void DrawRows(cairo_t* cr, HWND list, const ListState& state, const RECT& client)
{
    dialogs::FillBox(cr, client, GetSysColor(COLOR_WINDOW));
    const bool focused = GetFocus() == list;
    const int rows = VisibleRows(list) + 1;
    for (int i = 0; i < rows && state.top + i < int(state.entries.size()); ++i) {
        const int row = state.top + i;
        const RECT box{kInset, kInset + i * kRowHeight, client.right - kInset, kInset + (i + 1) * kRowHeight};
        const bool selected = row == state.selected;
        if (selected)
            dialogs::FillBox(cr, box, GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        const FolderEntry& entry = state.entries[row];
        DrawIcon(cr, entry.folder, box.left + 4, box.top + 3);
        const COLORREF color = GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        dialogs::DrawLine(cr, entry.name, {box.left + 22, box.top, box.right, box.bottom}, dialogs::Align::Left, color);
    }
    dialogs::DrawBevel(cr, client, false);
}

bool HandleKey(HWND list, ListState& state, WPARAM key)
{
    const int page = VisibleRows(list);
    const int at = state.selected;
    switch (key) {
    case VK_UP: Select(list, state, at < 0 ? 0 : at - 1); return true;
    case VK_DOWN: Select(list, state, at + 1); return true;
    case VK_PRIOR: Select(list, state, at - page); return true;
    case VK_NEXT: Select(list, state, at + page); return true;
    case VK_HOME: Select(list, state, 0); return true;
    case VK_END: Select(list, state, int(state.entries.size()) - 1); return true;
    case VK_BACK: dialogs::NotifyParent(list, kListBackspace); return true;
    }
    return false;
}

LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    ListState* state = StateOf(list);
    switch (message) {
    case WM_CREATE: SetWindowLongPtrW(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ListState)); return 0;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrW(list, GWLP_USERDATA, 0);
        break;
    }
    if (!state)
        return DefWindowProcW(list, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT:
        dialogs::PaintWindow(list, [&](cairo_t* cr, const RECT& client) { DrawRows(cr, list, *state, client); });
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(list, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(list);
        const int row = RowAt(*state, lParam);
        if (row >= 0)
            Select(list, *state, row);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        if (RowAt(*state, lParam) == state->selected && state->selected >= 0)
            dialogs::NotifyParent(list, kListDoubleClicked);
        return 0;
    case WM_MOUSEWHEEL: ScrollTo(list, *state, state->top - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA); return 0;
    case WM_KEYDOWN:
        if (HandleKey(list, *state, wParam))
            return 0;
        break;
    }
    return DefWindowProcW(list, message, wParam, lParam);
}

}  // namespace

void RegisterFileList()
{
    static const ATOM atom =
        detail::RegisterOwnClass({.name = kFileListClass, .procedure = ListProc, .style = CS_DBLCLKS, .unicode = true});
    (void)atom;
}

void SetFileListEntries(HWND list, std::vector<FolderEntry> entries)
{
    ListState* state = StateOf(list);
    if (!state)
        return;
    state->entries = std::move(entries);
    state->selected = -1;
    state->top = 0;
    InvalidateRect(list, nullptr, FALSE);
}

const FolderEntry* SelectedFileListEntry(HWND list)
{
    const ListState* state = StateOf(list);
    return state && state->selected >= 0 ? &state->entries[state->selected] : nullptr;
}

}  // namespace platform::filedialog
