// Dialogs made from templates: the modal loop, the dialog manager's keys,
// the close box, modeless dialogs and the item functions.
#include "display_fixture.h"

#include <platform/dialogs.h>

#include <string>

namespace display_test {
namespace {

using platform::testing::TypeKey;

struct Seen
{
    std::vector<WPARAM> commands;
    std::vector<LPARAM> commandSenders;
    WPARAM initFocus = 0;
    LPARAM initParam = 0;
    int ticks = 0;
    bool ownerEnabledDuring = true;
    HWND owner = nullptr;
};
Seen seen;

// Ends on any command with its id; WM_INITDIALOG's lParam picks extra work.
enum Start : LPARAM
{
    Plain = 0,
    CloseBox = 1,
    Ticking = 2
};

INT_PTR CALLBACK RecordingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        seen.initFocus = wParam;
        seen.initParam = lParam;
        if (lParam == CloseBox)
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (lParam == Ticking)
            SetTimer(dialog, 7, 1, nullptr);
        return TRUE;
    case WM_TIMER:
        seen.ownerEnabledDuring = seen.owner && IsWindowEnabled(seen.owner);
        if (++seen.ticks == 3)
            EndDialog(dialog, 42);
        return TRUE;
    case WM_COMMAND:
        seen.commands.push_back(wParam);
        seen.commandSenders.push_back(lParam);
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

class DialogManager : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        seen = {};
    }
};

TEST_F(DialogManager, KeysPickTheCommand)
{
    struct Case
    {
        std::vector<UINT> keys;
        bool shiftFirst;
        INT_PTR result;
    };
    const Case cases[] = {
        {{VK_RETURN}, false, 500},                 // Enter on the default button
        {{VK_ESCAPE}, false, IDCANCEL},            // no control has id 2
        {{VK_TAB, VK_RETURN}, false, 10},          // Enter on the focused push button
        {{VK_TAB, VK_TAB, VK_RETURN}, false, 12},  // the greyed button is passed over
        {{VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_RETURN}, false, 501},
        {{VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_RETURN}, false, 500},  // wraps to the label
        {{VK_TAB, VK_SPACE}, false, 10},                                    // Space presses the focused button
        {{VK_RETURN}, true, 501},                                           // Shift+Tab wraps to the last stop
    };
    HWND owner = MakeTop({100, 100, 400, 300});
    for (const Case& c : cases) {
        seen = {};
        if (c.shiftFirst)
            TypeKey(VK_TAB, {VK_SHIFT});
        for (UINT key : c.keys)
            TypeKey(key);
        EXPECT_EQ(DialogBoxParamA(nullptr, "KeyTest", owner, RecordingDialog, Plain), c.result);
        ASSERT_EQ(seen.commands.size(), 1u);
        EXPECT_EQ(HIWORD(seen.commands[0]), BN_CLICKED);
        EXPECT_TRUE(IsWindowEnabled(owner));
        Pump();
    }
}

TEST_F(DialogManager, TheCloseBoxSendsCancel)
{
    EXPECT_EQ(DialogBoxParamA(nullptr, "KeyTest", nullptr, RecordingDialog, CloseBox), IDCANCEL);
    ASSERT_EQ(seen.commands.size(), 1u);
    EXPECT_EQ(seen.commands[0], MAKEWPARAM(IDCANCEL, BN_CLICKED));
    EXPECT_EQ(seen.commandSenders[0], 0);
}

TEST_F(DialogManager, PostedWorkAndTimersGoOnWithTheOwnerDisabled)
{
    HWND owner = MakeTop({100, 100, 400, 300});
    seen.owner = owner;
    PostMessageA(owner, WM_USER + 5, 9, 0);
    EXPECT_EQ(DialogBoxParamA(nullptr, "KeyTest", owner, RecordingDialog, Ticking), 42);
    EXPECT_EQ(seen.ticks, 3);
    EXPECT_FALSE(seen.ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(LoggedOf(WM_USER + 5).size(), 1u);
    EXPECT_EQ(seen.initParam, Ticking);
}

TEST_F(DialogManager, MissingOrDamagedTemplatesFail)
{
    EXPECT_EQ(DialogBoxParamA(nullptr, "NoSuchDialog", nullptr, RecordingDialog, Plain), -1);
    EXPECT_EQ(DialogBoxParamA(nullptr, "BrokenDialog", nullptr, RecordingDialog, Plain), -1);
    EXPECT_EQ(CreateDialogParamA(nullptr, "BrokenDialog", nullptr, RecordingDialog, Plain), nullptr);
    EXPECT_FALSE(EndDialog(MakeTop({0, 0, 10, 10}), 1));
}

TEST_F(DialogManager, AModelessDialogWithItsItems)
{
    HWND owner = MakeTop({100, 100, 400, 300});
    HWND dialog = CreateDialogParamW(nullptr, reinterpret_cast<LPCWSTR>(u"keytest"), owner, RecordingDialog, 77);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(seen.initParam, 77);
    HWND field = GetDlgItem(dialog, 20);
    EXPECT_EQ(seen.initFocus, reinterpret_cast<WPARAM>(field));
    EXPECT_EQ(GetDlgItem(dialog, 999), nullptr);
    EXPECT_EQ(GetDlgCtrlID(GetDlgItem(dialog, 501)), 501);

    char16_t title[32]{};
    GetWindowTextW(dialog, reinterpret_cast<LPWSTR>(title), 32);
    EXPECT_EQ(std::u16string(title), u"Key Test");
    char text[8]{};
    EXPECT_EQ(GetDlgItemTextA(dialog, 12, text, sizeof text), 6u);
    EXPECT_STREQ(text, "Second");
    EXPECT_TRUE(SetDlgItemTextW(dialog, 12, reinterpret_cast<LPCWSTR>(u"Zweite Taste")));
    EXPECT_EQ(GetDlgItemTextA(dialog, 12, text, sizeof text), 7u);  // cut to the buffer
    EXPECT_STREQ(text, "Zweite ");
    EXPECT_FALSE(SetDlgItemTextA(dialog, 999, "x"));
    EXPECT_EQ(GetDlgItemTextA(dialog, 999, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");

    ShowWindow(dialog, SW_SHOWNORMAL);
    EXPECT_EQ(GetFocus(), field);
    TypeKey(VK_TAB);
    TypeKey(VK_ESCAPE);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 10));
    ASSERT_EQ(seen.commands.size(), 1u);
    EXPECT_EQ(seen.commands[0], MAKEWPARAM(IDCANCEL, BN_CLICKED));
    EXPECT_TRUE(IsWindow(dialog));  // EndDialog does not destroy a modeless dialog
    EXPECT_TRUE(DestroyWindow(dialog));
}

}  // namespace
}  // namespace display_test
