#include "file_list.h"

#include "platform/src/gdi/gdi_objects.h"
#include "platform/src/menus/menu_font.h"

#include <platform/input.h>
#include <platform/painting.h>
#include <platform/window.h>

#include <cairo.h>

#include <algorithm>
#include <mutex>

namespace platform::filedialog {
namespace {

constexpr int kRowHeight = 18;
constexpr int kInset = 2;

struct ListState {
    std::vector<FolderEntry> entries;
    int selected = -1;
    int top = 0;  // the first row shown
};

ListState* StateOf(HWND list) { return reinterpret_cast<ListState*>(GetWindowLongPtrW(list, GWLP_USERDATA)); }

int VisibleRows(HWND list)
{
    RECT client{};
    GetClientRect(list, &client);
    return std::max(1, (client.bottom - 2 * kInset) / kRowHeight);
}

void Notify(HWND list, WORD code)
{
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetWindowLongPtrW(list, GWLP_ID), code),
                 reinterpret_cast<LPARAM>(list));
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
    if (count == 0) return;
    row = std::clamp(row, 0, count - 1);
    const int rows = VisibleRows(list);
    if (row < state.top) ScrollTo(list, state, row);
    else if (row >= state.top + rows) ScrollTo(list, state, row - rows + 1);
    if (row == state.selected) return;
    state.selected = row;
    InvalidateRect(list, nullptr, FALSE);
    Notify(list, kListSelectionChanged);
}

int RowAt(const ListState& state, LPARAM lParam)
{
    const int y = GET_Y_LPARAM(lParam) - kInset;
    if (y < 0) return -1;
    const int row = state.top + y / kRowHeight;
    return row < int(state.entries.size()) ? row : -1;
}

void SetColor(cairo_t* cr, COLORREF color)
{
    cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
}

// A folder as a tab over a box, a file as an outlined page.
void DrawIcon(cairo_t* cr, bool folder, int x, int y)
{
    if (folder) {
        cairo_set_source_rgb(cr, 0.85, 0.7, 0.25);
        cairo_rectangle(cr, x, y + 1, 5, 2);
        cairo_rectangle(cr, x, y + 3, 12, 8);
        cairo_fill(cr);
        return;
    }
    cairo_set_source_rgb(cr, 0.45, 0.45, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x + 2.5, y + 0.5, 8, 11);
    cairo_stroke(cr);
}

void DrawRows(cairo_t* cr, HWND list, const ListState& state, const RECT& client)
{
    SetColor(cr, GetSysColor(COLOR_WINDOW));
    cairo_paint(cr);
    const bool focused = GetFocus() == list;
    menus::UseMenuFont(cr);
    const int rows = VisibleRows(list) + 1;
    for (int i = 0; i < rows && state.top + i < int(state.entries.size()); ++i) {
        const int row = state.top + i;
        const int y = kInset + i * kRowHeight;
        const bool selected = row == state.selected;
        if (selected) {
            SetColor(cr, GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
            cairo_rectangle(cr, kInset, y, client.right - 2 * kInset, kRowHeight);
            cairo_fill(cr);
        }
        const FolderEntry& entry = state.entries[row];
        DrawIcon(cr, entry.folder, kInset + 4, y + 3);
        SetColor(cr, GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        cairo_move_to(cr, kInset + 22, y + 13);
        cairo_show_text(cr, entry.name.c_str());
    }
    SetColor(cr, GetSysColor(COLOR_BTNSHADOW));
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 0.5, 0.5, client.right - 1, client.bottom - 1);
    cairo_stroke(cr);
}

void Paint(HWND list, const ListState& state)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(list, &paint);
    const gdi::DrawTarget target = gdi::TargetOf(dc);
    if (!target.buffer.Empty()) {
        cairo_surface_t* surface = cairo_image_surface_create_for_data(
            target.buffer.pixels, CAIRO_FORMAT_RGB24, target.buffer.width, target.buffer.height, target.buffer.stride);
        cairo_t* cr = cairo_create(surface);
        for (const RECT& r : target.visible) cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
        cairo_clip(cr);
        cairo_translate(cr, target.origin.x, target.origin.y);
        RECT client{};
        GetClientRect(list, &client);
        DrawRows(cr, list, state, client);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        cairo_surface_destroy(surface);
    }
    EndPaint(list, &paint);
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
    case VK_BACK: Notify(list, kListBackspace); return true;
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
    if (!state) return DefWindowProcW(list, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT: Paint(list, *state); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(list, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(list);
        const int row = RowAt(*state, lParam);
        if (row >= 0) Select(list, *state, row);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        if (RowAt(*state, lParam) == state->selected && state->selected >= 0) Notify(list, kListDoubleClicked);
        return 0;
    case WM_MOUSEWHEEL: ScrollTo(list, *state, state->top - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA); return 0;
    case WM_KEYDOWN:
        if (HandleKey(list, *state, wParam)) return 0;
        break;
    }
    return DefWindowProcW(list, message, wParam, lParam);
}

}  // namespace

void RegisterFileList()
{
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = ListProc;
        const std::u16string name(kFileListClass, kFileListClass + sizeof kFileListClass - 1);
        windowClass.lpszClassName = name.c_str();
        RegisterClassExW(&windowClass);
    });
}

void SetFileListEntries(HWND list, std::vector<FolderEntry> entries)
{
    ListState* state = StateOf(list);
    if (!state) return;
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
