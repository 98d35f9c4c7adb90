// The drop-down list combo box: its messages and answers, keys on the
// closed box, the dropped list scrolled by keys, wheel and scroll bar and
// picked by click, Escape, its place in a dialog, and how it looks.
#include "display_fixture.h"

#include <platform/dialogs.h>

#include <filesystem>
#include <functional>
#include <string>

#include <unistd.h>

namespace display_test {
namespace {

using platform::testing::Click;
using platform::testing::MouseButton;
using platform::testing::PixelAt;
using platform::testing::TypeKey;

constexpr int kId = 77;
constexpr int kRowHeight = 18;  // of the dropped list

class ComboBox : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        owner = MakeTop({100, 100, 500, 450});
        combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 20, 20, 200,
                                200, owner, reinterpret_cast<HMENU>(kId), nullptr, nullptr);
        ASSERT_NE(combo, nullptr);
        Pump();
        Log().clear();
    }
    void TearDown() override
    {
        if (IsWindow(combo))
            DestroyWindow(combo);
        DisplayTest::TearDown();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(combo, message, wParam, lParam);
    }
    LRESULT Add(const std::string& text) { return Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i)
            Add("Entry " + std::to_string(i));
    }
    std::string TextAt(int index)
    {
        std::string text(size_t(Send(CB_GETLBTEXTLEN, WPARAM(index))), '\0');
        Send(CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
        return text;
    }
    // CBN_SELCHANGE notifications the owner received.
    size_t SelectionChanges()
    {
        size_t count = 0;
        for (const Received& r : LoggedOf(WM_COMMAND))
            count += r.window == owner && r.wParam == MAKEWPARAM(kId, CBN_SELCHANGE) &&
                     r.lParam == reinterpret_cast<LPARAM>(combo);
        return count;
    }
    RECT ListRect()
    {
        RECT rect{};
        Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // The dropped list is the topmost window.
    HWND List() { return Send(CB_GETDROPPEDSTATE) ? GetTopWindow(nullptr) : nullptr; }
    POINT BoxCentre() { return OnScreen(combo, 60, 11); }

    HWND owner = nullptr;
    HWND combo = nullptr;
};

TEST_F(ComboBox, MessagesAndTheirAnswers)
{
    EXPECT_EQ(Send(CB_GETCOUNT), 0);
    EXPECT_EQ(Send(CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(Add("Alpha"), 0);
    EXPECT_EQ(Add("Gamma"), 1);
    EXPECT_EQ(Send(CB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("Beta")), 1);
    EXPECT_EQ(Send(CB_INSERTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("Delta")), 3) << "-1 appends";
    EXPECT_EQ(Send(CB_INSERTSTRING, 5, reinterpret_cast<LPARAM>("Beyond")), CB_ERR);
    EXPECT_EQ(Send(CB_GETCOUNT), 4);
    EXPECT_EQ(TextAt(1), "Beta");
    EXPECT_EQ(TextAt(3), "Delta");
    EXPECT_EQ(Send(CB_GETLBTEXTLEN, 4), CB_ERR);
    char buffer[16] = "untouched";
    EXPECT_EQ(Send(CB_GETLBTEXT, 4, reinterpret_cast<LPARAM>(buffer)), CB_ERR);
    EXPECT_STREQ(buffer, "untouched");

    EXPECT_EQ(Send(CB_SETCURSEL, 2), 2);
    EXPECT_EQ(Send(CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("First")), 0);
    EXPECT_EQ(Send(CB_GETCURSEL), 3) << "the selection stays on its entry";
    char shown[16]{};
    EXPECT_EQ(GetWindowTextA(combo, shown, sizeof shown), 5);
    EXPECT_STREQ(shown, "Gamma");
    EXPECT_EQ(GetWindowTextA(combo, shown, 4), 3);
    EXPECT_STREQ(shown, "Gam");

    EXPECT_EQ(Send(CB_SETCURSEL, 9), CB_ERR);
    EXPECT_EQ(Send(CB_GETCURSEL), CB_ERR) << "a bad index clears the selection";
    EXPECT_EQ(GetWindowTextLengthA(combo), 0);
    Send(CB_SETCURSEL, 1);
    EXPECT_EQ(Send(CB_SETCURSEL, WPARAM(-1)), CB_ERR);
    EXPECT_EQ(Send(CB_GETCURSEL), CB_ERR);

    Send(CB_SETCURSEL, 1);
    EXPECT_EQ(Send(CB_RESETCONTENT), CB_OKAY);
    EXPECT_EQ(Send(CB_GETCOUNT), 0);
    EXPECT_EQ(Send(CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(Send(CB_SETCURSEL, 0), CB_ERR);
    EXPECT_EQ(SelectionChanges(), 0u) << "only the user's changes are told";

    RECT box{};
    GetWindowRect(combo, &box);
    EXPECT_LT(box.bottom - box.top, 40) << "the height made holds the dropped list, not the box";
}

TEST_F(ComboBox, TextsOfAWideBoxAndMultiByteTexts)
{
    HWND wide = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(u"COMBOBOX"), nullptr, WS_CHILD | WS_VISIBLE, 0, 60, 100,
                                100, owner, nullptr, nullptr, nullptr);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(SendMessageW(wide, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Grün")), 0);
    EXPECT_EQ(SendMessageW(wide, CB_GETLBTEXTLEN, 0, 0), 4);
    char16_t text[8]{};
    EXPECT_EQ(SendMessageW(wide, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_EQ(std::u16string(text), u"Grün");
    DestroyWindow(wide);

    Add("Grün");
    EXPECT_EQ(Send(CB_GETLBTEXTLEN, 0), 5) << "bytes of UTF-8 for a narrow box";
    EXPECT_EQ(TextAt(0), "Grün");
}

TEST_F(ComboBox, KeysOnTheClosedBoxMoveTheSelection)
{
    Fill(20);
    SetFocus(combo);
    struct Case
    {
        UINT key;
        LRESULT selected;
        size_t changes;
    };
    const Case cases[] = {
        {VK_DOWN, 0, 1},  // from no selection to the first
        {VK_DOWN, 1, 1}, {VK_RIGHT, 2, 1}, {VK_UP, 1, 1},
        {VK_LEFT, 0, 1}, {VK_UP, 0, 0},  // already at the first: nothing to tell
        {VK_END, 19, 1}, {VK_DOWN, 19, 0}, {VK_HOME, 0, 1},
        {VK_NEXT, 7, 1}, {VK_PRIOR, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Log().clear();
        TypeKey(c.key);
        Pump();
        EXPECT_EQ(Send(CB_GETCURSEL), c.selected);
        EXPECT_EQ(SelectionChanges(), c.changes);
        EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    }
}

TEST_F(ComboBox, AListOpenedWithoutASelectionMarksNothing)
{
    SetFocus(combo);
    TypeKey(VK_F4);  // empty
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Send(CB_GETCURSEL), CB_ERR);

    Fill(3);
    TypeKey(VK_F4);
    TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Send(CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(SelectionChanges(), 0u);
    TypeKey(VK_F4);
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Send(CB_GETCURSEL), 0);
    EXPECT_EQ(SelectionChanges(), 1u);
}

TEST_F(ComboBox, ALongListScrolledToItsLastEntryByKeys)
{
    Fill(120);
    Send(CB_SETCURSEL, 3);
    SetFocus(combo);
    TypeKey(VK_DOWN, {VK_MENU});
    Pump();
    ASSERT_TRUE(Send(CB_GETDROPPEDSTATE));
    const RECT list = ListRect();
    const int rows = (list.bottom - list.top - 2) / kRowHeight;
    EXPECT_GE(rows, 8);
    EXPECT_LT(rows, 120);
    const int lastRowY = (list.bottom - list.top) - 1 - kRowHeight / 2;
    for (int i = 0; i < 20; ++i)
        TypeKey(VK_NEXT);
    Pump();
    EXPECT_EQ(PixelAt(List(), 20, lastRowY), GetSysColor(COLOR_HIGHLIGHT)) << "the last entry is marked at the bottom";
    EXPECT_EQ(Send(CB_GETCURSEL), 3) << "marking is not choosing";
    EXPECT_EQ(SelectionChanges(), 0u);

    TypeKey(VK_HOME);
    TypeKey(VK_END);
    TypeKey(VK_RETURN);
    Pump();
    EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(Send(CB_GETCURSEL), 119);
    EXPECT_EQ(SelectionChanges(), 1u);
    EXPECT_EQ(GetFocus(), combo);

    Log().clear();
    TypeKey(VK_F4);
    TypeKey(VK_UP);
    TypeKey(VK_F4);  // closes and takes the marked entry
    Pump();
    EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(Send(CB_GETCURSEL), 118);
    EXPECT_EQ(SelectionChanges(), 1u);
}

TEST_F(ComboBox, ALongListScrolledByTheWheelAndPickedByAClick)
{
    Fill(130);
    const POINT box = BoxCentre();
    Click(MouseButton::Left, box.x, box.y);
    Pump();
    ASSERT_TRUE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(GetFocus(), combo);
    const RECT list = ListRect();
    const int x = list.left + 30, lastRow = list.bottom - 1 - kRowHeight / 2;
    for (int notch = 0; notch < 50; ++notch)
        platform::testing::TurnWheel(-WHEEL_DELTA, x, lastRow);
    platform::testing::MoveMouse(x, lastRow);
    Click(MouseButton::Left, x, lastRow);
    Pump();
    EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(Send(CB_GETCURSEL), 129);
    EXPECT_EQ(SelectionChanges(), 1u);

    // Back up by the wheel, then the first row is the first entry.
    Log().clear();
    Click(MouseButton::Left, box.x, box.y);
    for (int notch = 0; notch < 50; ++notch)
        platform::testing::TurnWheel(WHEEL_DELTA, x, lastRow);
    const int firstRow = list.top + 1 + kRowHeight / 2;
    Click(MouseButton::Left, x, firstRow);
    Pump();
    EXPECT_EQ(Send(CB_GETCURSEL), 0);
    EXPECT_EQ(SelectionChanges(), 1u);
}

TEST_F(ComboBox, TheScrollBarTakesTheListToItsEnd)
{
    Fill(115);
    Send(CB_SHOWDROPDOWN, TRUE);
    Pump();
    const RECT list = ListRect();
    const int barX = list.right - 1 - 7;
    platform::testing::PressMouse(MouseButton::Left, barX, list.top + 5);
    platform::testing::MoveMouse(barX, list.bottom + 40);  // dragged past the end
    platform::testing::ReleaseMouse(MouseButton::Left, barX, list.bottom + 40);
    Pump();
    ASSERT_TRUE(Send(CB_GETDROPPEDSTATE)) << "a drag on the bar picks nothing";
    const int x = list.left + 30, lastRow = list.bottom - 1 - kRowHeight / 2;
    Click(MouseButton::Left, x, lastRow);
    Pump();
    EXPECT_EQ(Send(CB_GETCURSEL), 114);
}

TEST_F(ComboBox, TheBoxKeepsTheFocusWhenTheDesktopActivatesTheList)
{
    Fill(10);
    SetFocus(combo);
    Send(CB_SHOWDROPDOWN, TRUE);
    SetActiveWindow(List());
    EXPECT_TRUE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(GetFocus(), combo);
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    Pump();
    EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(Send(CB_GETCURSEL), 0);
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetFocus(), combo);
}

TEST_F(ComboBox, EscapeAndClicksElsewhereCloseWithoutAChange)
{
    Fill(30);
    Send(CB_SETCURSEL, 5);
    SetFocus(combo);
    TypeKey(VK_DOWN, {VK_MENU});
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);
    TypeKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(Send(CB_GETCURSEL), 5);

    const POINT box = BoxCentre();
    Click(MouseButton::Left, box.x, box.y);
    Click(MouseButton::Left, box.x, box.y);  // the box again
    Pump();
    EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    Click(MouseButton::Left, box.x, box.y);
    const POINT outside = OnScreen(owner, 350, 20);
    Click(MouseButton::Left, outside.x, outside.y);
    Pump();
    EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
    EXPECT_EQ(Send(CB_GETCURSEL), 5);
    EXPECT_EQ(SelectionChanges(), 0u);
    EXPECT_EQ(GetCapture(), nullptr);

    // Losing the focus, being disabled or hidden closes the list too.
    const std::function<void()> takers[] = {[&] { SetFocus(owner); }, [&] { EnableWindow(combo, FALSE); },
                                            [&] { ShowWindow(combo, SW_HIDE); }};
    for (const auto& take : takers) {
        ShowWindow(combo, SW_SHOW);
        EnableWindow(combo, TRUE);
        SetFocus(combo);
        Send(CB_SHOWDROPDOWN, TRUE);
        ASSERT_TRUE(Send(CB_GETDROPPEDSTATE));
        take();
        EXPECT_FALSE(Send(CB_GETDROPPEDSTATE));
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(GetTopWindow(nullptr), owner);
    }
    EXPECT_EQ(SelectionChanges(), 0u);
}

TEST_F(ComboBox, DrawsTheSelectionTheArrowAndTheOpenList)
{
    Fill(40);
    Send(CB_SETCURSEL, 2);
    Pump();
    RECT client{};
    GetClientRect(combo, &client);
    const int textDark = [&] {
        int dark = 0;
        for (int y = 4; y < client.bottom - 4; ++y)
            for (int x = 4; x < 60; ++x)
                dark += PixelAt(combo, x, y) == GetSysColor(COLOR_WINDOWTEXT);
        return dark;
    }();
    EXPECT_GT(textDark, 10) << "the selection's text";
    EXPECT_EQ(PixelAt(combo, client.right - 9, client.bottom / 2), GetSysColor(COLOR_BTNTEXT)) << "the arrow";
    EXPECT_EQ(PixelAt(combo, client.right - 16, 4), GetSysColor(COLOR_BTNFACE)) << "the arrow's button";

    Send(CB_SHOWDROPDOWN, TRUE);
    Pump();
    HWND list = List();
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list, owner);
    RECT placed{};
    GetWindowRect(list, &placed);
    RECT box{};
    GetWindowRect(combo, &box);
    EXPECT_EQ(placed.top, box.bottom) << "below the box";
    EXPECT_EQ(placed.left, box.left);
    EXPECT_EQ(placed.right, box.right);
    const int markedRow = 1 + 2 * kRowHeight + kRowHeight / 2;
    EXPECT_EQ(PixelAt(list, 20, markedRow), GetSysColor(COLOR_HIGHLIGHT)) << "the selection is marked";
    EXPECT_EQ(PixelAt(list, 20, 1 + kRowHeight / 2), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAt(list, placed.right - placed.left - 8, 3), GetSysColor(COLOR_BTNFACE)) << "the thumb at the top";
    EXPECT_EQ(PixelAt(list, placed.right - placed.left - 8, placed.bottom - placed.top - 4),
              GetSysColor(COLOR_SCROLLBAR));

    const auto dir = std::filesystem::temp_directory_path() / ("combo_shots_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(platform::testing::SaveScreenshot(owner, (dir / "box.png").c_str()));
    EXPECT_TRUE(platform::testing::SaveScreenshot(list, (dir / "list.png").c_str()));
    EXPECT_GT(std::filesystem::file_size(dir / "list.png"), 100u);
    std::filesystem::remove_all(dir);
}

TEST_F(ComboBox, AListWithoutRoomBelowOpensAbove)
{
    Fill(50);
    RECT box{}, area{};
    GetWindowRect(combo, &box);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    platform::testing::SetWorkArea({0, 0, 1024, box.bottom + 40});
    Send(CB_SHOWDROPDOWN, TRUE);
    const RECT list = ListRect();
    EXPECT_EQ(list.bottom, box.top);
    EXPECT_GE(list.top, 0);
    Send(CB_SHOWDROPDOWN, FALSE);
    platform::testing::SetWorkArea(area);
}

// In a dialog: Enter and Escape belong to the dialog while the list is
// closed and to the list while it is open.
struct DialogSeen
{
    LRESULT selectionAtEnd = -2;
    int selChanges = 0;
};
DialogSeen dialogSeen;

INT_PTR CALLBACK ComboDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        for (const char* text : {"Circular", "Relative Circular", "Linear"})
            SendDlgItemMessageA(dialog, 30, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendDlgItemMessageA(dialog, 30, CB_SETCURSEL, 0, 0);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    if (wParam == MAKEWPARAM(30, CBN_SELCHANGE))
        ++dialogSeen.selChanges;
    if (LOWORD(wParam) == 500 || LOWORD(wParam) == IDCANCEL) {
        dialogSeen.selectionAtEnd = SendDlgItemMessageA(dialog, 30, CB_GETCURSEL, 0, 0);
        EndDialog(dialog, LOWORD(wParam));
    }
    return TRUE;
}

TEST_F(ComboBox, ADialogThatEndsWhileItsListIsOpenLeavesNothingBehind)
{
    platform::testing::QueueDialogScript([](HWND dialog) {
        SetFocus(GetDlgItem(dialog, 30));
        SendDlgItemMessageA(dialog, 30, CB_SHOWDROPDOWN, TRUE, 0);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(DialogBoxParamA(nullptr, "ComboTest", owner, ComboDialog, 0), IDCANCEL);
    Pump();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetTopWindow(nullptr), owner);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(ComboBox, InADialogEnterAndEscapeGoToTheOpenList)
{
    struct Case
    {
        std::vector<std::pair<UINT, bool>> keys;  // key, with Alt
        INT_PTR result;
        LRESULT selection;
        int changes;
    };
    const Case cases[] = {
        {{{VK_RETURN, false}}, 500, 0, 0},
        {{{VK_ESCAPE, false}}, IDCANCEL, 0, 0},
        {{{VK_DOWN, false}, {VK_RETURN, false}}, 500, 1, 1},
        {{{VK_DOWN, true}, {VK_DOWN, false}, {VK_DOWN, false}, {VK_RETURN, false}, {VK_RETURN, false}}, 500, 2, 1},
        {{{VK_DOWN, true}, {VK_DOWN, false}, {VK_ESCAPE, false}, {VK_ESCAPE, false}}, IDCANCEL, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        dialogSeen = {};
        for (const auto& [key, alt] : c.keys)
            alt ? TypeKey(key, {VK_MENU}) : TypeKey(key);
        EXPECT_EQ(DialogBoxParamA(nullptr, "ComboTest", owner, ComboDialog, 0), c.result);
        EXPECT_EQ(dialogSeen.selectionAtEnd, c.selection);
        EXPECT_EQ(dialogSeen.selChanges, c.changes);
        Pump();
    }
}

}  // namespace
}  // namespace display_test
