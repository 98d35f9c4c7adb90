#include "mdi_client.h"

#include "activation.h"
#include "geometry.h"
#include "paint_state.h"
#include "window_menu.h"
#include "window_ops.h"

#include "platform/src/class_registration.h"

#include <platform/input.h>
#include <platform/painting.h>

#include <map>
#include <mutex>
#include <string>

namespace platform::detail {
namespace {

struct Clients
{
    std::mutex mutex;
    std::map<HWND, MdiClientState> states;  // nodes stay where they are
};

Clients& AllClients()
{
    static Clients* clients = new Clients;
    return *clients;
}

bool Visible(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && (window->style & WS_VISIBLE);
}

// Visible children, top of the z-order first, leaving one out.
std::vector<HWND> StackedChildren(HWND client, HWND leaving)
{
    std::vector<HWND> stacked;
    auto record = FindWindowRecord(client);
    MdiClientState* state = FindMdiClient(client);
    if (!record || !state)
        return stacked;
    for (auto it = record->children.rbegin(); it != record->children.rend(); ++it)
        if (*it != leaving && Visible(*it) &&
            std::find(state->children.begin(), state->children.end(), *it) != state->children.end())
            stacked.push_back(*it);
    return stacked;
}

void PassActivationOn(HWND client, HWND leaving)
{
    MdiClientState* state = FindMdiClient(client);
    if (!state || state->active != leaving)
        return;
    auto others = StackedChildren(client, leaving);
    MdiActivate(client, others.empty() ? nullptr : others.front());
}

std::u16string EntryText(size_t index, const std::u16string& title)
{
    std::u16string number;
    for (char c : std::to_string(index + 1))
        number.push_back(static_cast<char16_t>(c));
    return (index < 9 ? u"&" : u"") + number + u" " + title;
}

RECT ClientArea(HWND client)
{
    RECT area{0, 0, 0, 0};
    GetClientRect(client, &area);
    return area;
}

LRESULT SetMenus(HWND client, MdiClientState& state, HMENU frameMenu, HMENU windowMenu)
{
    auto frame = FindWindowRecord(GetParent(client));
    HMENU previous = frame ? frame->menuOrId : nullptr;
    if (frame && frameMenu && frameMenu != previous) {
        frame->menuOrId = frameMenu;
        // The menu bar's height stays; the menus module draws the new bar.
        if (previous)
            InvalidateFrame(*frame);
        else
            FrameChanged(*frame);
    }
    if (windowMenu && windowMenu != state.windowMenu) {
        WriteWindowMenu(state.windowMenu, {});
        state.windowMenu = windowMenu;
    }
    RefreshWindowMenu(client);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT CALLBACK MdiClientProc(HWND client, UINT message, WPARAM wParam, LPARAM lParam)
{
    MdiClientState* state = FindMdiClient(client);
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* settings = static_cast<CLIENTCREATESTRUCT*>(create->lpCreateParams);
        auto& clients = AllClients();
        std::lock_guard lock(clients.mutex);
        auto& made = clients.states[client];
        if (settings) {
            made.windowMenu = settings->hWindowMenu;
            made.firstId = settings->idFirstChild;
        }
        return 0;
    }
    case WM_NCDESTROY: {
        if (state)
            WriteWindowMenu(state->windowMenu, {});
        auto& clients = AllClients();
        std::lock_guard lock(clients.mutex);
        clients.states.erase(client);
        break;
    }
    case WM_MDICREATE:
        if (!state)
            return 0;
        if (auto window = FindWindowRecord(client); window && window->unicode)
            return reinterpret_cast<LRESULT>(CreateMdiChild(client, *reinterpret_cast<MDICREATESTRUCTW*>(lParam)));
        return reinterpret_cast<LRESULT>(CreateMdiChild(client, *reinterpret_cast<MDICREATESTRUCTA*>(lParam)));
    case WM_MDIDESTROY: DestroyWindow(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_MDIACTIVATE: MdiActivate(client, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_MDIGETACTIVE:
        if (!state)
            return 0;
        if (lParam)
            *reinterpret_cast<BOOL*>(lParam) = IsZoomed(state->active);
        return reinterpret_cast<LRESULT>(state->active);
    case WM_MDINEXT: ActivateNextChild(client, lParam != 0); return 0;
    case WM_MDIRESTORE: ShowWindow(reinterpret_cast<HWND>(wParam), SW_RESTORE); return 0;
    case WM_MDIMAXIMIZE: ShowWindow(reinterpret_cast<HWND>(wParam), SW_MAXIMIZE); return 0;
    case WM_MDISETMENU:
        return state ? SetMenus(client, *state, reinterpret_cast<HMENU>(wParam), reinterpret_cast<HMENU>(lParam)) : 0;
    case WM_MDIREFRESHMENU: {
        RefreshWindowMenu(client);
        auto frame = FindWindowRecord(GetParent(client));
        return frame ? reinterpret_cast<LRESULT>(frame->menuOrId) : 0;
    }
    case WM_SETFOCUS:
        if (state && state->active && IsWindow(state->active))
            SetFocus(state->active);
        return 0;
    case WM_SIZE:
        if (state)
            for (HWND child : std::vector<HWND>(state->children))
                if (IsZoomed(child))
                    if (auto record = FindWindowRecord(child))
                        Place(*record, ClientArea(client));
        UpdateMdiScrollBars(client);
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL: MdiScroll(client, message == WM_VSCROLL, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: MdiWheel(client, wParam); return 0;
    case WM_KEYDOWN:
        if (MdiScrollKey(client, static_cast<UINT>(wParam), GetKeyState(VK_SHIFT) < 0))
            return 0;
        break;
    }
    return DefWindowProcA(client, message, wParam, lParam);
}

template <class Text>
HWND CreateChildWindow(DWORD exStyle, Text className, Text title, DWORD style, int x, int y, int width, int height,
                       HWND client, HMENU id, HINSTANCE instance, LPVOID param)
{
    if constexpr (std::is_same_v<Text, LPCWSTR>)
        return CreateWindowExW(exStyle, className, title, style, x, y, width, height, client, id, instance, param);
    else
        return CreateWindowExA(exStyle, className, title, style, x, y, width, height, client, id, instance, param);
}

}  // namespace

MdiClientState* FindMdiClient(HWND client)
{
    auto& clients = AllClients();
    std::lock_guard lock(clients.mutex);
    auto found = clients.states.find(client);
    return found == clients.states.end() ? nullptr : &found->second;
}

void RegisterMdiClientClass()
{
    RegisterOwnClass({.name = kMdiClientClass,
                      .procedure = MdiClientProc,
                      .cursor = IDC_ARROW,
                      .backgroundColor = COLOR_APPWORKSPACE});
}

HWND MdiClientOf(const Window& window)
{
    if (IsTopLevel(window))
        return nullptr;
    MdiClientState* state = FindMdiClient(window.parent);
    if (!state || std::find(state->children.begin(), state->children.end(), window.handle) == state->children.end())
        return nullptr;
    return window.parent;
}

HWND MdiChildAround(HWND handle)
{
    while (handle) {
        auto window = FindWindowRecord(handle);
        if (!window || IsTopLevel(*window))
            return nullptr;
        if (MdiClientOf(*window))
            return handle;
        handle = window->parent;
    }
    return nullptr;
}

void MdiActivate(HWND client, HWND child)
{
    MdiClientState* state = FindMdiClient(client);
    if (!state)
        return;
    HWND previous = state->active;
    // Activating the active child again changes nothing.
    if (child == previous)
        return;
    if (child && std::find(state->children.begin(), state->children.end(), child) == state->children.end())
        return;
    // A hidden child is never activated. Hiding the active child passed the
    // activation on and told it so; asked to activate it now (a child hides
    // itself and then activates itself, as the framework does), the client
    // tells it once more that it is not the active one: wParam itself,
    // lParam the active child or null, so that the last child to hide
    // installs the frame's menu again and nothing else changes.
    if (child && !Visible(child)) {
        CallWindow(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), reinterpret_cast<LPARAM>(previous));
        return;
    }
    state->active = child;
    if (previous && IsWindow(previous)) {
        CallWindow(previous, WM_NCACTIVATE, FALSE, 0);
        CallWindow(previous, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(child));
    }
    if (child) {
        if (auto record = FindWindowRecord(child)) {
            Raise(*record);
            ExposeWindow(*record);
        }
        CallWindow(child, WM_NCACTIVATE, TRUE, 0);
        CallWindow(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(child));
        if (IsWindow(child) && FindMdiClient(client) && FindMdiClient(client)->active == child &&
            !IsSameOrInside(child, GetFocus()))
            SetFocus(child);
    }
    RefreshWindowMenu(client);
}

void ActivateNextChild(HWND client, bool backwards)
{
    MdiClientState* state = FindMdiClient(client);
    if (!state)
        return;
    auto stacked = StackedChildren(client, nullptr);
    if (stacked.size() < 2)
        return;
    HWND previous = state->active;
    MdiActivate(client, backwards ? stacked.back() : stacked[1]);
    if (!backwards && previous)
        if (auto record = FindWindowRecord(previous)) {
            Lower(*record);
            ExposeWindow(*record);
        }
}

void RefreshWindowMenu(HWND client)
{
    MdiClientState* state = FindMdiClient(client);
    if (!state || !state->windowMenu)
        return;
    std::vector<WindowMenuEntry> entries;
    for (size_t i = 0; i < state->children.size(); ++i) {
        auto child = FindWindowRecord(state->children[i]);
        if (!child || !(child->style & WS_VISIBLE))
            continue;
        entries.push_back({state->firstId + static_cast<UINT>(i), EntryText(entries.size(), StateOf(*child).text),
                           child->handle == state->active});
    }
    WriteWindowMenu(state->windowMenu, entries);
}

void MdiChildVisibilityChanged(Window& child)
{
    HWND client = MdiClientOf(child);
    if (!client)
        return;
    if (!(child.style & WS_VISIBLE))
        PassActivationOn(client, child.handle);
    RefreshWindowMenu(client);
    UpdateMdiScrollBars(client);
}

void MdiChildGoing(Window& child)
{
    HWND client = MdiClientOf(child);
    if (!client)
        return;
    PassActivationOn(client, child.handle);
    MdiClientState* state = FindMdiClient(client);
    auto& children = state->children;
    auto at = std::find(children.begin(), children.end(), child.handle);
    // The last child takes the freed id, so ids stay contiguous.
    if (at != children.end() - 1) {
        *at = children.back();
        if (auto moved = FindWindowRecord(*at))
            moved->menuOrId = reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(state->firstId + (at - children.begin())));
    }
    children.pop_back();
    RefreshWindowMenu(client);
    UpdateMdiScrollBars(client);
}

void MdiChildRetitled(Window& child)
{
    if (HWND client = MdiClientOf(child))
        RefreshWindowMenu(client);
}

template <class CreateStruct>
HWND CreateMdiChild(HWND client, const CreateStruct& create)
{
    MdiClientState* state = FindMdiClient(client);
    if (!state)
        return nullptr;
    RECT area = ClientArea(client);
    int x = create.x, y = create.y, width = create.cx, height = create.cy;
    if (x == CW_USEDEFAULT) {
        int step = static_cast<int>(state->children.size() % 8) * (kCaptionHeight + 4);
        x = step;
        y = step;
    }
    if (width == CW_USEDEFAULT) {
        width = (area.right - area.left) * 3 / 4;
        height = (area.bottom - area.top) * 3 / 4;
    }
    DWORD style = create.style | WS_CHILD;
    if (!(GetWindowLongPtrA(client, GWL_STYLE) & MDIS_ALLCHILDSTYLES))
        style |= WS_VISIBLE | WS_CLIPSIBLINGS | WS_OVERLAPPEDWINDOW;
    auto id = reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(state->firstId + state->children.size()));
    HWND child = CreateChildWindow(WS_EX_MDICHILD, create.szClass, create.szTitle, style, x, y, width, height, client,
                                   id, static_cast<HINSTANCE>(create.hOwner), const_cast<CreateStruct*>(&create));
    state = FindMdiClient(client);
    if (!child || !state)
        return nullptr;
    state->children.push_back(child);
    if (Visible(child))
        MdiActivate(client, child);
    RefreshWindowMenu(client);
    UpdateMdiScrollBars(client);
    return child;
}

template HWND CreateMdiChild(HWND, const MDICREATESTRUCTA&);
template HWND CreateMdiChild(HWND, const MDICREATESTRUCTW&);

}  // namespace platform::detail
