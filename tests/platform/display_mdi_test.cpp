// MDI frames, clients and children: activation order, the menu swap, the
// window menu and its commands, closing and the keyboard shortcuts.
#include "display_mdi_fixture.h"

namespace display_test {
namespace {

namespace input = platform::testing;

std::vector<std::u16string> MenuTexts(HMENU menu)
{
    std::vector<std::u16string> texts;
    for (const auto& item : input::WindowMenuItems(menu))
        texts.push_back(item.text);
    return texts;
}

TEST_F(DisplayMdiTest, TheClientFillsTheFrameAndAChildGetsItsCreationParameter)
{
    RECT frameClient, clientRect;
    GetClientRect(frame, &frameClient);
    GetClientRect(client, &clientRect);
    EXPECT_EQ(clientRect.right, frameClient.right);
    EXPECT_EQ(clientRect.bottom, frameClient.bottom);

    LPARAM seen = 0;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            seen = static_cast<MDICREATESTRUCTA*>(create->lpCreateParams)->lParam;
        }
        return DefMDIChildProcA(window, message, wParam, lParam);
    };
    HWND child = MakeMdiChild("A", true, 4242);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(seen, 4242);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_ID), static_cast<LONG_PTR>(kFirstChild));
    EXPECT_EQ(GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_MDICHILD, static_cast<LONG_PTR>(WS_EX_MDICHILD));
}

TEST_F(DisplayMdiTest, ActivationTellsTheOldChildFirstThenRaisesAndFocusesTheNewOne)
{
    HWND a = MakeMdiChild("A");
    HWND b = MakeMdiChild("B");
    ASSERT_EQ(Active(), b);
    HWND editing = MakeChild(b, {0, -40, 20, -20});
    SetFocus(editing);
    Log().clear();

    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0);
    auto wa = reinterpret_cast<WPARAM>(a), wb = reinterpret_cast<WPARAM>(b);
    auto la = reinterpret_cast<LPARAM>(a), lb = reinterpret_cast<LPARAM>(b);
    std::vector<Received> sequence;
    for (const Received& r : Log())
        if (r.message == WM_MDIACTIVATE || r.message == WM_KILLFOCUS || r.message == WM_SETFOCUS)
            sequence.push_back(r);
    (void)lb;
    EXPECT_EQ(sequence, (std::vector<Received>{{b, WM_MDIACTIVATE, wb, la},
                                               {a, WM_MDIACTIVATE, wb, la},
                                               {editing, WM_KILLFOCUS, wa, 0},
                                               {a, WM_SETFOCUS, reinterpret_cast<WPARAM>(editing), 0}}));
    EXPECT_EQ(Active(), a);
    EXPECT_EQ(GetTopWindow(client), a);
    EXPECT_EQ(GetFocus(), a);

    Log().clear();
    SendMessageA(client, WM_MDIACTIVATE, wa, 0);
    EXPECT_TRUE(ActivationsLogged().empty()) << "activating the active child again changes nothing";
}

TEST_F(DisplayMdiTest, TheMenuFollowsTheActiveChildAndTheLastOneGivesTheFrameItsMenuBack)
{
    HWND a = MakeMdiChild("Alpha");
    EXPECT_EQ(SendMessageA(client, WM_MDIREFRESHMENU, 0, 0), reinterpret_cast<LRESULT>(kChildMenu));
    EXPECT_EQ(MenuTexts(kChildWindowMenu), (std::vector<std::u16string>{u"&1 Alpha"}));
    EXPECT_TRUE(input::WindowMenuItems(kFrameWindowMenu).empty()) << "the old window menu loses its entries";
    HWND b = MakeMdiChild("Beta");
    auto items = input::WindowMenuItems(kChildWindowMenu);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, kFirstChild);
    EXPECT_FALSE(items[0].checked);
    EXPECT_EQ(items[1].id, kFirstChild + 1);
    EXPECT_TRUE(items[1].checked) << "the active child is checked";
    SetWindowTextA(b, "Gamma");
    EXPECT_EQ(input::WindowMenuItems(kChildWindowMenu).at(1).text, u"&2 Gamma");

    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(b), 0);
    EXPECT_EQ(Active(), a);
    Log().clear();
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(a), 0);
    EXPECT_FALSE(IsWindow(a));
    ASSERT_FALSE(ActivationsLogged().empty());
    EXPECT_EQ(ActivationsLogged()[0], (Received{a, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a), 0}));
    EXPECT_EQ(SendMessageA(client, WM_MDIREFRESHMENU, 0, 0), reinterpret_cast<LRESULT>(kFrameMenu));
    EXPECT_EQ(Active(), nullptr);
}

TEST_F(DisplayMdiTest, WindowMenuCommandsActivateTheirChild)
{
    HWND a = MakeMdiChild("A");
    HWND b = MakeMdiChild("B");
    ASSERT_EQ(Active(), b);
    SendMessageA(frame, WM_COMMAND, kFirstChild, 0);
    EXPECT_EQ(Active(), a);
    SendMessageA(frame, WM_COMMAND, kFirstChild + 5, 0);
    EXPECT_EQ(Active(), a) << "an id past the children is no child's";
    CloseWindow(b);
    SendMessageA(frame, WM_COMMAND, kFirstChild + 1, 0);
    EXPECT_EQ(Active(), b);
    EXPECT_FALSE(IsIconic(b)) << "a minimised child is restored";
}

TEST_F(DisplayMdiTest, ARefusedCloseKeepsTheChildAndAnAcceptedOneDestroysIt)
{
    HWND a = MakeMdiChild("A");
    HWND b = MakeMdiChild("B");
    bool refuse = true;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_CLOSE && refuse)
            return 1;
        return DefMDIChildProcA(window, message, wParam, lParam);
    };
    input::TypeKey(VK_F4, {VK_CONTROL});
    PumpWithShortcuts();
    EXPECT_EQ(LoggedOf(WM_CLOSE).size(), 1u);
    EXPECT_TRUE(IsWindow(b));
    EXPECT_TRUE(LoggedOf(WM_KEYDOWN).empty() || LoggedOf(WM_KEYDOWN).back().wParam != VK_F4)
        << "the shortcut is used up";

    refuse = false;
    input::TypeKey(VK_F4, {VK_CONTROL});
    PumpWithShortcuts();
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(Active(), a);
}

TEST_F(DisplayMdiTest, ControlF6AndControlTabCycleThroughTheChildren)
{
    HWND a = MakeMdiChild("A");
    HWND b = MakeMdiChild("B");
    HWND c = MakeMdiChild("C");
    std::vector<HWND> seen;
    for (UINT key : {VK_F6, VK_TAB, VK_F6}) {
        input::TypeKey(key, {VK_CONTROL});
        PumpWithShortcuts();
        seen.push_back(Active());
    }
    EXPECT_EQ(seen, (std::vector<HWND>{b, a, c}));
    input::TypeKey(VK_F6, {VK_CONTROL, VK_SHIFT});
    PumpWithShortcuts();
    EXPECT_EQ(Active(), a) << "with shift the bottom child comes up";
    input::TypeKey(VK_F6, {VK_CONTROL});
    PumpWithShortcuts();
    EXPECT_EQ(Active(), c) << "and the next one is the child left before";

    MSG plain{c, WM_KEYDOWN, VK_F6, 1, 0, {0, 0}};
    EXPECT_FALSE(TranslateMDISysAccel(client, &plain)) << "not without control";
}

// A child hides itself and then asks for its own activation: the client
// passes the activation on at the hide and, asked for the hidden child,
// tells that child once more that it is not active.
TEST_F(DisplayMdiTest, HidingTheActiveChildPassesActivationOnAndTellsTheHiddenChildOnceMore)
{
    HWND a = MakeMdiChild("A");
    HWND b = MakeMdiChild("B");
    auto wa = reinterpret_cast<WPARAM>(a), wb = reinterpret_cast<WPARAM>(b);
    auto la = reinterpret_cast<LPARAM>(a);
    Log().clear();
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(Active(), a);
    SendMessageA(client, WM_MDIACTIVATE, wb, 0);
    EXPECT_EQ(Active(), a) << "a hidden child is not activated";
    EXPECT_EQ(
        ActivationsLogged(),
        (std::vector<Received>{{b, WM_MDIACTIVATE, wb, la}, {a, WM_MDIACTIVATE, wb, la}, {b, WM_MDIACTIVATE, wb, la}}));
    EXPECT_EQ(MenuTexts(kChildWindowMenu), (std::vector<std::u16string>{u"&1 A"}));
    EXPECT_EQ(SendMessageA(client, WM_MDIREFRESHMENU, 0, 0), reinterpret_cast<LRESULT>(kChildMenu));

    // The last child hiding: told with no active child, it gives the frame its menu back, twice.
    Log().clear();
    ShowWindow(a, SW_HIDE);
    SendMessageA(client, WM_MDIACTIVATE, wa, 0);
    EXPECT_EQ(ActivationsLogged(), (std::vector<Received>{{a, WM_MDIACTIVATE, wa, 0}, {a, WM_MDIACTIVATE, wa, 0}}));
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(SendMessageA(client, WM_MDIREFRESHMENU, 0, 0), reinterpret_cast<LRESULT>(kFrameMenu));

    ShowWindow(b, SW_SHOWNORMAL);
    SendMessageA(client, WM_MDIACTIVATE, wb, 0);
    EXPECT_EQ(Active(), b);
}

TEST_F(DisplayMdiTest, IdsStayContiguousWhenAChildGoes)
{
    HWND a = MakeMdiChild("A");
    HWND b = MakeMdiChild("B");
    HWND c = MakeMdiChild("C");
    DestroyWindow(a);
    EXPECT_EQ(GetWindowLongPtrA(c, GWLP_ID), static_cast<LONG_PTR>(kFirstChild));
    EXPECT_EQ(GetWindowLongPtrA(b, GWLP_ID), static_cast<LONG_PTR>(kFirstChild + 1));
    auto items = input::WindowMenuItems(kChildWindowMenu);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, u"&1 C");
    SendMessageA(frame, WM_COMMAND, kFirstChild + 1, 0);
    EXPECT_EQ(Active(), b);
}

}  // namespace
}  // namespace display_test
