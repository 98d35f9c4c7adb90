// The desktop display on a real X server: what the desktop does to the
// windows (focus, minimising, maximising, restoring) and the keys and text
// it delivers, played by SDL events; and no start without a visible desktop.
#include "xvfb_fixture.h"

#include "platform/src/display/sdl_windows.h"

#include <platform/display.h>

#include <gmock/gmock.h>

namespace xvfb_test {
namespace {

using display_test::LoggedMessages;
using display_test::LoggedOf;
using display_test::Received;
using testing::HasSubstr;

std::tuple<LONG, LONG, LONG, LONG> Sides(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST(DesktopStart, WithoutAnX11OrWaylandDisplayTheDesktopDoesNotStartUnseen)
{
    ScopedVariable display("DISPLAY", nullptr), wayland("WAYLAND_DISPLAY", nullptr),
        runtime("XDG_RUNTIME_DIR", "/nonexistent"), forced("VQ_DISPLAY", nullptr), driver("SDL_VIDEODRIVER", nullptr);
    EXPECT_FALSE(platform::StartDisplay(platform::DisplayKind::Desktop));
    EXPECT_THAT(platform::DisplayFailure(), HasSubstr("no X11 or Wayland display could be opened"));
    EXPECT_THAT(platform::DisplayFailure(), HasSubstr("DISPLAY unset"));

    // Asked for by name, the invisible drivers run (tests use them).
    for (const char* asked : {"offscreen", "dummy"}) {
        ScopedVariable named("SDL_VIDEODRIVER", asked);
        EXPECT_TRUE(platform::StartDisplay(platform::DisplayKind::Desktop))
            << asked << ": " << platform::DisplayFailure();
    }
    platform::StartDisplay(platform::DisplayKind::Headless);
}

using DesktopWindowTest = DesktopTest;

std::vector<std::pair<UINT, WPARAM>> Told(HWND window, std::initializer_list<UINT> messages)
{
    std::vector<std::pair<UINT, WPARAM>> told;
    for (const Received& r : display_test::Log())
        if (r.window == window && std::find(messages.begin(), messages.end(), r.message) != messages.end())
            told.emplace_back(r.message, r.message == WM_ACTIVATE ? LOWORD(r.wParam) : r.wParam);
    return told;
}

TEST_F(DesktopWindowTest, LosingTheDesktopFocusDeactivatesAndEndsTheCapture)
{
    HWND top = MakeTop({40, 40, 440, 340});
    HWND child = MakeChild(top, {10, 10, 110, 110});
    Settle(top);
    SetFocus(child);
    SetCapture(child);
    display_test::Log().clear();

    DeliverWindowEvent(top, SDL_WINDOWEVENT_FOCUS_LOST);
    using Told = std::vector<std::pair<UINT, WPARAM>>;
    EXPECT_EQ(xvfb_test::Told(top, {WM_NCACTIVATE, WM_ACTIVATE}),
              (Told{{WM_NCACTIVATE, FALSE}, {WM_ACTIVATE, WA_INACTIVE}}));
    EXPECT_EQ(LoggedMessages(child), (std::vector<UINT>{WM_CAPTURECHANGED, WM_KILLFOCUS}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);

    display_test::Log().clear();
    DeliverWindowEvent(top, SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_EQ(xvfb_test::Told(top, {WM_NCACTIVATE, WM_ACTIVATE}),
              (Told{{WM_NCACTIVATE, TRUE}, {WM_ACTIVATE, WA_ACTIVE}}));
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_TRUE(GetFocus() == top || GetFocus() == child);
}

TEST_F(DesktopWindowTest, APopupTheDesktopFocusesIsNeverActivated)
{
    HWND top = MakeTop({40, 40, 440, 340});
    Settle(top);
    HWND popup = MakeTop({60, 60, 160, 160}, WS_POPUP);
    ShowWindow(popup, SW_SHOWNA);
    Pump();
    display_test::Log().clear();
    DeliverWindowEvent(popup, SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_TRUE(LoggedOf(WM_ACTIVATE).empty());
}

// Minimise, maximise and restore by ShowWindow and by the desktop: the
// state, the kind of WM_SIZE and the placement; the normal place stays
// the restored rectangle whatever size the desktop gives the maximised window.
TEST_F(DesktopWindowTest, MinimiseMaximiseAndRestoreSetTheStateTheSizeKindAndThePlacement)
{
    const RECT normal{40, 40, 440, 340};
    struct Step
    {
        const char* what;
        int command;                // by ShowWindow, or 0
        SDL_WindowEventID desktop;  // else by the desktop
        WPARAM sizeKind;
        UINT showCmd;
    };
    const Step steps[] = {
        {"minimise", SW_MINIMIZE, {}, SIZE_MINIMIZED, SW_SHOWMINIMIZED},
        {"restore", SW_RESTORE, {}, SIZE_RESTORED, SW_SHOWNORMAL},
        {"maximise", SW_MAXIMIZE, {}, SIZE_MAXIMIZED, SW_SHOWMAXIMIZED},
        {"restore", SW_RESTORE, {}, SIZE_RESTORED, SW_SHOWNORMAL},
        {"desktop minimises", 0, SDL_WINDOWEVENT_MINIMIZED, SIZE_MINIMIZED, SW_SHOWMINIMIZED},
        {"desktop restores", 0, SDL_WINDOWEVENT_RESTORED, SIZE_RESTORED, SW_SHOWNORMAL},
        {"desktop maximises", 0, SDL_WINDOWEVENT_MAXIMIZED, SIZE_MAXIMIZED, SW_SHOWMAXIMIZED},
        {"desktop sizes the maximised window", 0, SDL_WINDOWEVENT_SIZE_CHANGED, SIZE_MAXIMIZED, SW_SHOWMAXIMIZED},
        {"desktop restores", 0, SDL_WINDOWEVENT_RESTORED, SIZE_RESTORED, SW_SHOWNORMAL},
    };
    HWND top = MakeTop(normal);
    Settle(top);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        display_test::Log().clear();
        if (step.command)
            ShowWindow(top, step.command);
        else
            DeliverWindowEvent(top, step.desktop, 700, 500);
        Pump();
        auto sizes = LoggedOf(WM_SIZE);
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_EQ(sizes[0].wParam, step.sizeKind);
        if (step.desktop == SDL_WINDOWEVENT_SIZE_CHANGED) {
            EXPECT_EQ(sizes[0].lParam, MAKELPARAM(700, 500));
        }
        EXPECT_EQ(IsIconic(top) != FALSE, step.sizeKind == SIZE_MINIMIZED);
        EXPECT_EQ(IsZoomed(top) != FALSE, step.sizeKind == SIZE_MAXIMIZED);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        ASSERT_TRUE(GetWindowPlacement(top, &placement));
        EXPECT_EQ(placement.showCmd, step.showCmd);
        EXPECT_EQ(Sides(placement.rcNormalPosition), Sides(normal));
        if (step.sizeKind == SIZE_RESTORED) {
            RECT now;
            GetWindowRect(top, &now);
            EXPECT_EQ(Sides(now), Sides(normal));
        }
    }
}

TEST_F(DesktopWindowTest, AWindowFirstShownMaximisedOpensOnTheDesktopAtItsNormalPlace)
{
    HWND top = MakeTop({40, 40, 440, 340}, 0);
    ShowWindow(top, SW_SHOWMAXIMIZED);
    Pump();
    int width = 0, height = 0;
    SDL_GetWindowSize(platform::detail::SdlWindowOf(top), &width, &height);
    EXPECT_EQ(width, 400);
    EXPECT_EQ(height, 300);
    EXPECT_TRUE(IsZoomed(top));
}

struct Typed
{
    std::vector<std::pair<UINT, WPARAM>> keys;   // key messages with their keys
    std::vector<std::pair<UINT, WPARAM>> chars;  // character messages with their characters
};

Typed TypedInto(HWND window)
{
    Typed typed;
    for (const Received& r : display_test::Log()) {
        if (r.window != window)
            continue;
        if (r.message == WM_KEYDOWN || r.message == WM_KEYUP || r.message == WM_SYSKEYDOWN || r.message == WM_SYSKEYUP)
            typed.keys.emplace_back(r.message, r.wParam);
        if (r.message == WM_CHAR || r.message == WM_SYSCHAR)
            typed.chars.emplace_back(r.message, r.wParam);
    }
    return typed;
}

TEST_F(DesktopWindowTest, F10AndAltArriveAsSystemKeys)
{
    HWND top = MakeTop({40, 40, 440, 340});
    Settle(top);
    display_test::Log().clear();
    DeliverKey(SDLK_F10, true);
    DeliverKey(SDLK_F10, false);
    DeliverKey(SDLK_LALT, true, KMOD_LALT);
    DeliverKey(SDLK_LALT, false);
    using Messages = std::vector<std::pair<UINT, WPARAM>>;
    EXPECT_EQ(
        TypedInto(top).keys,
        (Messages{{WM_SYSKEYDOWN, VK_F10}, {WM_SYSKEYUP, VK_F10}, {WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYUP, VK_MENU}}));
    EXPECT_TRUE(TypedInto(top).chars.empty());
}

// Each key as the desktop sends it: the key, then the text its layout
// typed (none for keys that type nothing); each character arrives once.
TEST_F(DesktopWindowTest, CharactersFollowTheKeyboardLayoutAndArriveOnce)
{
    struct Press
    {
        SDL_Keycode key;
        Uint16 modifiers;
        const char* text;  // the desktop's, or null
    };
    struct Case
    {
        const char* what;
        std::vector<Press> presses;
        std::vector<std::pair<UINT, WPARAM>> chars;
    };
    const Case cases[] = {
        {"a German Z key types y", {{SDLK_y, KMOD_NONE, "y"}}, {{WM_CHAR, 'y'}}},
        {"a French key of its own", {{SDLK_2, KMOD_NONE, "\xC3\xA9"}}, {{WM_CHAR, 0xE9}}},
        {"a layout's own letter without a key of ours", {{0x444, KMOD_NONE, "\xD1\x84"}}, {{WM_CHAR, 0x444}}},
        {"shifted digit of a French layout",
         {{SDLK_LSHIFT, KMOD_LSHIFT, nullptr}, {SDLK_1, KMOD_LSHIFT, "1"}},
         {{WM_CHAR, '1'}}},
        {"an input method's word",
         {{SDLK_UNKNOWN, KMOD_NONE, "\xE3\x81\x82\xE3\x81\x84"}},
         {{WM_CHAR, 0x3042}, {WM_CHAR, 0x3044}}},
        {"Enter, Tab, Backspace, Escape",
         {{SDLK_RETURN, KMOD_NONE, nullptr},
          {SDLK_TAB, KMOD_NONE, nullptr},
          {SDLK_BACKSPACE, KMOD_NONE, nullptr},
          {SDLK_ESCAPE, KMOD_NONE, nullptr}},
         {{WM_CHAR, 13}, {WM_CHAR, 9}, {WM_CHAR, 8}, {WM_CHAR, 27}}},
        {"Ctrl+C", {{SDLK_LCTRL, KMOD_LCTRL, nullptr}, {SDLK_c, KMOD_LCTRL, "c"}}, {{WM_CHAR, 3}}},
        {"Alt+F", {{SDLK_LALT, KMOD_LALT, nullptr}, {SDLK_f, KMOD_LALT, "f"}}, {{WM_SYSCHAR, 'f'}}},
    };
    HWND top = MakeTop({40, 40, 440, 340});
    HWND edit = MakeChild(top, {10, 10, 110, 40});
    Settle(top);
    SetFocus(edit);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        display_test::Log().clear();
        for (const Press& press : c.presses) {
            if (press.key != SDLK_UNKNOWN)
                DeliverKey(press.key, true, press.modifiers);
            if (press.text)
                DeliverText(press.text);
        }
        for (auto it = c.presses.rbegin(); it != c.presses.rend(); ++it)
            if (it->key != SDLK_UNKNOWN)
                DeliverKey(it->key, false);
        EXPECT_EQ(TypedInto(edit).chars, c.chars);
    }
}

}  // namespace
}  // namespace xvfb_test
