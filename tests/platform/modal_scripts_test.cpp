// Scripted answers for modal loops: scripts that act inside dialog boxes,
// and popup menus answered without being shown.
#include "display_fixture.h"

#include <platform/dialogs.h>
#include <platform/menus.h>

#include <string>

namespace display_test {
namespace {

using platform::testing::QueueDialogScript;

struct Seen
{
    std::vector<WPARAM> commands;
    std::string field;
    bool initialised = false;
};
Seen seen;

// Ends on OK or Cancel, reading the label's text first.
INT_PTR CALLBACK KeyDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        seen.initialised = true;
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    seen.commands.push_back(wParam);
    if (LOWORD(wParam) == 500 || LOWORD(wParam) == IDCANCEL) {
        char text[32]{};
        GetDlgItemTextA(dialog, 20, text, sizeof text);
        seen.field = text;
        EndDialog(dialog, LOWORD(wParam));
    }
    return TRUE;
}

class ModalScripts : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        seen = {};
        owner = MakeTop({100, 100, 500, 400});
        Pump();
        Log().clear();
    }
    void TearDown() override
    {
        EXPECT_EQ(platform::testing::DiscardDialogScripts(), 0u);
        platform::testing::TakeShownPopupMenus();
        DisplayTest::TearDown();
    }
    HWND owner = nullptr;
};

TEST_F(ModalScripts, AScriptActsOnTheDialogOnceItIsUp)
{
    bool ranWhileUp = false;
    QueueDialogScript([&](HWND dialog) {
        ranWhileUp = seen.initialised && IsWindowVisible(dialog) && !IsWindowEnabled(owner);
        SetDlgItemTextA(dialog, 20, "Typed");
        // Clicks as a user gives them, on the second button and then on OK.
        for (int id : {12, 500}) {
            POINT centre = OnScreen(GetDlgItem(dialog, id), 5, 5);
            platform::testing::Click(platform::testing::MouseButton::Left, centre.x, centre.y);
        }
    });
    EXPECT_EQ(DialogBoxParamA(nullptr, "KeyTest", owner, KeyDialog, 0), 500);
    EXPECT_TRUE(ranWhileUp);
    EXPECT_EQ(seen.field, "Typed");
    ASSERT_EQ(seen.commands.size(), 2u);
    EXPECT_EQ(seen.commands[0], MAKEWPARAM(12, BN_CLICKED));
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(ModalScripts, ScriptsGoToDialogsInTurnAndMayEndThemDirectly)
{
    std::vector<std::string> order;
    QueueDialogScript([&](HWND dialog) {
        order.push_back("first");
        // A dialog opened from inside takes the next script.
        EXPECT_EQ(DialogBoxParamA(nullptr, "KeyTest", dialog, KeyDialog, 0), 77);
        EndDialog(dialog, 5);
    });
    QueueDialogScript([&](HWND dialog) {
        order.push_back("second");
        EndDialog(dialog, 77);
    });
    EXPECT_EQ(DialogBoxParamW(nullptr, reinterpret_cast<LPCWSTR>(u"KeyTest"), owner, KeyDialog, 0), 5);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));

    // Without a script the dialog runs on its input as ever.
    platform::testing::TypeKey(VK_ESCAPE);
    EXPECT_EQ(DialogBoxParamA(nullptr, "KeyTest", owner, KeyDialog, 0), IDCANCEL);

    QueueDialogScript([](HWND) {});
    EXPECT_EQ(DialogBoxParamA(nullptr, "NoSuchDialog", owner, KeyDialog, 0), -1);
    EXPECT_EQ(platform::testing::DiscardDialogScripts(), 1u) << "a dialog that never came up takes no script";
}

TEST_F(ModalScripts, AScriptCanPickFromADropDownList)
{
    QueueDialogScript([](HWND dialog) {
        for (const char* text : {"Red", "Black", "White"})
            SendDlgItemMessageA(dialog, 30, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SetFocus(GetDlgItem(dialog, 30));
        platform::testing::TypeKey(VK_END);
        platform::testing::TypeKey(VK_RETURN);
    });
    static LRESULT picked;
    picked = -2;
    auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_COMMAND && LOWORD(wParam) == 500) {
            picked = SendDlgItemMessageA(dialog, 30, CB_GETCURSEL, 0, 0);
            EndDialog(dialog, 500);
        }
        return message == WM_INITDIALOG;
    };
    EXPECT_EQ(DialogBoxParamA(nullptr, "ComboTest", owner, procedure, 0), 500);
    EXPECT_EQ(picked, 2);
}

HMENU MakeMenu()
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 11, "&Copy\tCtrl+C");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 12, "Paste");
    AppendMenuA(menu, MF_STRING | MF_CHECKED, 13, "Lock");
    return menu;
}

TEST_F(ModalScripts, PopupMenusAnswerWithoutShowing)
{
    HMENU menu = MakeMenu();
    platform::testing::QueuePopupMenuAnswers({13, 0});
    const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY;
    EXPECT_EQ(TrackPopupMenu(menu, flags, 40, 50, 0, owner, nullptr), 13);
    EXPECT_EQ(GetTopWindow(nullptr), owner) << "nothing was shown";
    EXPECT_EQ(TrackPopupMenu(menu, flags, 60, 70, 0, owner, nullptr), 0) << "dismissed";

    auto shown = platform::testing::TakeShownPopupMenus();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].owner, owner);
    EXPECT_EQ(shown[0].flags, flags);
    EXPECT_EQ(shown[0].at.x, 40);
    EXPECT_EQ(shown[1].at.y, 70);
    const auto& items = shown[0].items;
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].id, 11u);
    EXPECT_EQ(items[0].text, "&Copy\tCtrl+C");
    EXPECT_TRUE(items[1].separator);
    EXPECT_TRUE(items[2].grayed);
    EXPECT_FALSE(items[2].checked);
    EXPECT_TRUE(items[3].checked);
    EXPECT_FALSE(items[3].hasSubmenu);
    DestroyMenu(menu);
}

TEST_F(ModalScripts, AScriptedPickIsToldAsARealOneWould)
{
    HMENU menu = MakeMenu();
    platform::testing::QueuePopupMenuAnswers({11, 11, 0});
    EXPECT_EQ(TrackPopupMenu(menu, 0, 0, 0, 0, owner, nullptr), TRUE);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_NONOTIFY, 0, 0, 0, owner, nullptr), TRUE);
    EXPECT_EQ(TrackPopupMenu(menu, 0, 0, 0, 0, owner, nullptr), FALSE);
    Pump();
    const auto commands = LoggedOf(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, 11u);

    HMENU empty = CreatePopupMenu();
    platform::testing::QueuePopupMenuAnswers({11});
    EXPECT_EQ(TrackPopupMenu(empty, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0);
    EXPECT_EQ(platform::testing::TakeShownPopupMenus().size(), 3u) << "an empty menu takes no answer";
    DestroyMenu(empty);
    DestroyMenu(menu);
}

}  // namespace
}  // namespace display_test
