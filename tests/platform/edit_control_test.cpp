// The single-line EDIT control: typing, the length limit, selections by
// keys, messages and mouse, the clipboard keys, change notifications, use
// in a dialog and what it draws.
#include "clipboard_blocks.h"
#include "display_fixture.h"

#include <platform/dialogs.h>

#include <cstring>
#include <string>
#include <utility>

namespace display_test {
namespace {

using namespace clipboard_test;
using platform::testing::TypeKey;
using platform::testing::TypeText;

using Range = std::pair<size_t, size_t>;

constexpr RECT kTop{100, 100, 500, 300};
constexpr RECT kField{10, 10, 210, 34};

class EditControl : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        top_ = MakeTop(kTop);
        PutBlocks({});
    }
    void TearDown() override
    {
        PutBlocks({});
        DisplayTest::TearDown();
    }

    // A focused field in the top window.
    HWND MakeEdit(const char* text = "", bool unicode = false)
    {
        HWND edit;
        if (unicode) {
            const std::u16string wide(text, text + std::strlen(text));
            edit = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(u"EDIT"), reinterpret_cast<LPCWSTR>(wide.c_str()),
                                   WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, kField.left, kField.top,
                                   kField.right - kField.left, kField.bottom - kField.top, top_,
                                   reinterpret_cast<HMENU>(INT_PTR{7}), nullptr, nullptr);
        } else {
            edit = CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, kField.left, kField.top,
                                   kField.right - kField.left, kField.bottom - kField.top, top_,
                                   reinterpret_cast<HMENU>(INT_PTR{7}), nullptr, nullptr);
        }
        EXPECT_NE(edit, nullptr);
        SetFocus(edit);
        Pump();
        Log().clear();
        return edit;
    }

    static std::string Text(HWND edit)
    {
        char buffer[256]{};
        GetWindowTextA(edit, buffer, sizeof buffer);
        return buffer;
    }
    static Range Selection(HWND edit)
    {
        DWORD start = 99, end = 99;
        const LRESULT packed =
            SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(LOWORD(packed), start);
        EXPECT_EQ(HIWORD(packed), end);
        return {start, end};
    }
    static void Select(HWND edit, int start, int end) { SendMessageA(edit, EM_SETSEL, WPARAM(start), LPARAM(end)); }
    static void Type(const char* text)
    {
        TypeText(text);
        Pump();
    }
    static void Key(UINT key, std::vector<UINT> modifiers = {})
    {
        TypeKey(key, std::move(modifiers));
        Pump();
    }
    // EN_CHANGE notifications the top window got from the field.
    static size_t Changes(HWND edit)
    {
        size_t count = 0;
        for (const Received& r : LoggedOf(WM_COMMAND))
            if (r.wParam == MAKEWPARAM(7, EN_CHANGE) && r.lParam == reinterpret_cast<LPARAM>(edit))
                ++count;
        return count;
    }

    HWND top_ = nullptr;
};

TEST_F(EditControl, TypingInsertsAtTheCaretAndErases)
{
    HWND edit = MakeEdit();
    Type("hello");
    EXPECT_EQ(Text(edit), "hello");
    EXPECT_EQ(Selection(edit), Range(5, 5));
    Key(VK_HOME);
    Key(VK_RIGHT);
    Type("X");
    EXPECT_EQ(Text(edit), "hXello");
    Key(VK_BACK);
    Key(VK_DELETE);
    EXPECT_EQ(Text(edit), "hllo");
    Key(VK_END);
    Key(VK_DELETE);  // nothing after the caret
    Key(VK_HOME);
    Key(VK_BACK);  // nothing before it
    EXPECT_EQ(Text(edit), "hllo");
    EXPECT_EQ(Changes(edit), 5u + 1 + 2) << "one per changing key, none for moves or keys that change nothing";

    // Enter, Tab and Escape are not text.
    for (WPARAM ch : {WPARAM{'\r'}, WPARAM{'\t'}, WPARAM{27}, WPARAM{127}})
        SendMessageA(edit, WM_CHAR, ch, 1);
    EXPECT_EQ(Text(edit), "hllo");
}

TEST_F(EditControl, TheSelectionIsReplacedOrErasedAsAWhole)
{
    HWND edit = MakeEdit("one two three");
    Select(edit, 4, 7);
    Type("2");
    EXPECT_EQ(Text(edit), "one 2 three");
    Key(VK_HOME, {VK_SHIFT});
    EXPECT_EQ(Selection(edit), Range(0, 5));
    Key(VK_BACK);
    EXPECT_EQ(Text(edit), " three");
    Key(VK_END, {VK_SHIFT});
    Key(VK_DELETE);
    EXPECT_EQ(Text(edit), "");
}

TEST_F(EditControl, SelectionMessages)
{
    struct Case
    {
        int start, end;
        Range selection;
        size_t caret;  // where Shift+Right then grows the selection from
    };
    const Case cases[] = {
        {1, 3, {1, 3}, 3},  {0, -1, {0, 6}, 6}, {5, 2, {2, 5}, 2},
        {4, 99, {4, 6}, 6}, {-1, 0, {3, 3}, 3},  // -1 drops the selection and leaves the caret
    };
    HWND edit = MakeEdit("abcdef");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ", " << c.end);
        Select(edit, 3, 3);
        Select(edit, c.start, c.end);
        EXPECT_EQ(Selection(edit), c.selection);
        Key(VK_RIGHT, {VK_SHIFT});
        const size_t anchor = c.caret == c.selection.first ? c.selection.second : c.selection.first;
        const size_t grown = std::min<size_t>(c.caret + 1, 6);
        EXPECT_EQ(Selection(edit), Range(std::min(anchor, grown), std::max(anchor, grown)));
    }
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELONG(3, 4)) << "null out-pointers are allowed";
    EXPECT_EQ(Changes(edit), 0u);
}

TEST_F(EditControl, ArrowKeysMoveAndExtend)
{
    struct Case
    {
        UINT key;
        std::vector<UINT> modifiers;
        Range from, to;
    };
    // "alpha beta gamma": words start at 0, 6 and 11.
    const Case cases[] = {
        {VK_LEFT, {}, {8, 8}, {7, 7}},
        {VK_RIGHT, {}, {8, 8}, {9, 9}},
        {VK_LEFT, {}, {6, 10}, {6, 6}},  // a selection collapses to its side
        {VK_RIGHT, {}, {6, 10}, {10, 10}},
        {VK_LEFT, {VK_SHIFT}, {8, 8}, {7, 8}},
        {VK_RIGHT, {VK_SHIFT}, {8, 8}, {8, 9}},
        {VK_LEFT, {VK_CONTROL}, {8, 8}, {6, 6}},  // word start
        {VK_LEFT, {VK_CONTROL}, {6, 6}, {0, 0}},
        {VK_RIGHT, {VK_CONTROL}, {8, 8}, {11, 11}},  // next word
        {VK_RIGHT, {VK_CONTROL, VK_SHIFT}, {0, 0}, {0, 6}},
        {VK_HOME, {VK_SHIFT}, {8, 8}, {0, 8}},
        {VK_END, {VK_SHIFT}, {8, 8}, {8, 16}},
        {VK_LEFT, {}, {0, 0}, {0, 0}},
        {VK_RIGHT, {}, {16, 16}, {16, 16}},
    };
    HWND edit = MakeEdit("alpha beta gamma");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " from " << c.from.first << "-" << c.from.second);
        Select(edit, int(c.from.first), int(c.from.second));
        Key(c.key, c.modifiers);
        EXPECT_EQ(Selection(edit), c.to);
    }
    EXPECT_EQ(Text(edit), "alpha beta gamma");
}

TEST_F(EditControl, TheLimitBindsUsersButNotSetText)
{
    HWND edit = MakeEdit();
    SendMessageA(edit, EM_LIMITTEXT, 5, 0);
    Type("abcdefg");
    EXPECT_EQ(Text(edit), "abcde");
    EXPECT_EQ(Changes(edit), 5u);

    PutBlocks({{CF_TEXT, BytesOf("XYZW")}});
    Select(edit, 1, 3);  // two go, so two of the pasted fit
    Key('V', {VK_CONTROL});
    EXPECT_EQ(Text(edit), "aXYde");

    Key(VK_BACK);
    Type("\xF0\x9F\x8E\xB9");  // two UTF-16 units with room for one
    EXPECT_EQ(Text(edit), "aXde") << "half a character is never entered";

    EXPECT_TRUE(SetWindowTextA(edit, "longer than five"));
    EXPECT_EQ(Text(edit), "longer than five");
    EXPECT_EQ(Selection(edit), Range(0, 0));
    Key(VK_END);
    Type("z");
    EXPECT_EQ(Text(edit), "longer than five");
    Key(VK_BACK);
    EXPECT_EQ(Text(edit), "longer than fiv") << "shortening is always allowed";
    Select(edit, 0, 6);
    Type("y");
    EXPECT_EQ(Text(edit), "longer than fiv") << "a character without room keeps the selection";
    EXPECT_EQ(Selection(edit), Range(0, 6));
    Key(VK_END);

    SendMessageA(edit, EM_LIMITTEXT, 0, 0);  // no limit
    Type("e!");
    EXPECT_EQ(Text(edit), "longer than five!");
}

TEST_F(EditControl, ClipboardKeys)
{
    HWND edit = MakeEdit("copy and paste");
    Select(edit, 0, 4);
    Key('C', {VK_CONTROL});
    EXPECT_EQ(Narrow(), "copy");
    EXPECT_EQ(Wide(), u"copy");
    EXPECT_EQ(Changes(edit), 0u);

    Key(VK_END);
    Key('V', {VK_CONTROL});
    EXPECT_EQ(Text(edit), "copy and pastecopy");

    Select(edit, 5, 9);
    Key('X', {VK_CONTROL});
    EXPECT_EQ(Text(edit), "copy pastecopy");
    EXPECT_EQ(Narrow(), "and ");

    Key(VK_HOME);
    Key(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(Text(edit), "and copy pastecopy");

    Select(edit, 4, 8);
    Key(VK_INSERT, {VK_CONTROL});
    EXPECT_EQ(Narrow(), "copy");
    Key(VK_DELETE, {VK_SHIFT});
    EXPECT_EQ(Text(edit), "and  pastecopy");
    EXPECT_EQ(Narrow(), "copy");

    Key('A', {VK_CONTROL});
    EXPECT_EQ(Selection(edit), Range(0, 14));
    Key('X', {VK_CONTROL});
    EXPECT_EQ(Text(edit), "");
    EXPECT_EQ(Narrow(), "and  pastecopy");
    EXPECT_EQ(Changes(edit), 5u);

    Key('C', {VK_CONTROL});  // copying nothing keeps what the clipboard holds
    EXPECT_EQ(Narrow(), "and  pastecopy");
}

TEST_F(EditControl, PastingTakesUnicodeFirstAndStopsAtALineBreak)
{
    HWND edit = MakeEdit();
    PutBlocks({{CF_TEXT, BytesOf("first line\r\nsecond")}});
    Key('V', {VK_CONTROL});
    EXPECT_EQ(Text(edit), "first line");

    SetWindowTextA(edit, "");
    PutBlocks({{CF_TEXT, BytesOf("narrow")}, {CF_UNICODETEXT, BytesOf(u"wide \u00e9")}});
    Key(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(Text(edit), "wide \xC3\xA9");

    PutBlocks({});
    Key('V', {VK_CONTROL});  // nothing to paste
    EXPECT_EQ(Text(edit), "wide \xC3\xA9");
}

TEST_F(EditControl, TextInBothKindsOfInterface)
{
    HWND narrow = MakeEdit("caf\xC3\xA9");
    EXPECT_EQ(GetWindowTextLengthA(narrow), 5);
    EXPECT_EQ(GetWindowTextLengthW(narrow), 4);
    char16_t wide[16]{};
    EXPECT_EQ(GetWindowTextW(narrow, reinterpret_cast<LPWSTR>(wide), 16), 4);
    EXPECT_EQ(std::u16string(wide), u"caf\u00e9");
    Key(VK_END);
    Type("\xF0\x9F\x8E\xB9");  // one character of two UTF-16 units
    EXPECT_EQ(GetWindowTextLengthW(narrow), 6);
    Key(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(Selection(narrow), Range(4, 6)) << "the pair moves as one";
    Key(VK_END);
    Key(VK_BACK);
    EXPECT_EQ(Text(narrow), "caf\xC3\xA9");
    DestroyWindow(narrow);

    HWND unicode = MakeEdit("abc", true);
    EXPECT_TRUE(SetWindowTextW(unicode, reinterpret_cast<LPCWSTR>(u"\u65e5\u672c")));
    EXPECT_EQ(GetWindowTextLengthW(unicode), 2);
    EXPECT_EQ(Text(unicode), "\xE6\x97\xA5\xE6\x9C\xAC");
    char cut[4]{};
    EXPECT_EQ(GetWindowTextA(unicode, cut, sizeof cut), 3);
    EXPECT_STREQ(cut, "\xE6\x97\xA5");
}

TEST_F(EditControl, TheMouseSelects)
{
    platform::testing::ScopedFakeClock clock(5000);
    HWND edit = MakeEdit("left right");
    const POINT start = OnScreen(edit, 3, 12), end = OnScreen(edit, 195, 12);
    platform::testing::PressMouse(platform::testing::MouseButton::Left, end.x, end.y);
    platform::testing::MoveMouse(start.x, start.y);
    platform::testing::ReleaseMouse(platform::testing::MouseButton::Left, start.x, start.y);
    Pump();
    EXPECT_EQ(Selection(edit), Range(0, 10));
    Type("x");
    EXPECT_EQ(Text(edit), "x") << "the drag ended with the caret at its start";
    EXPECT_EQ(GetCapture(), nullptr);

    SetWindowTextA(edit, "left right");
    platform::testing::AdvanceClock(1000);
    platform::testing::Click(platform::testing::MouseButton::Left, start.x, start.y);
    platform::testing::AdvanceClock(1000);
    platform::testing::PressKey(VK_SHIFT);
    platform::testing::Click(platform::testing::MouseButton::Left, end.x, end.y);
    platform::testing::ReleaseKey(VK_SHIFT);
    Pump();
    EXPECT_EQ(Selection(edit), Range(0, 10)) << "Shift extends from the caret";

    platform::testing::AdvanceClock(1000);
    platform::testing::Click(platform::testing::MouseButton::Left, end.x, end.y);
    platform::testing::AdvanceClock(100);
    platform::testing::Click(platform::testing::MouseButton::Left, end.x, end.y);
    Pump();
    EXPECT_EQ(Selection(edit), Range(5, 10)) << "a double click takes the word";
}

TEST_F(EditControl, FocusShowsSelectionAndCaretAndTheTextIsDrawn)
{
    HWND edit = MakeEdit();
    // Pixels inside the border: those unlike the background, or those of one colour.
    auto count = [&](bool (*counted)(COLORREF)) {
        int n = 0;
        for (int y = 3; y < kField.bottom - kField.top - 3; ++y)
            for (int x = 3; x < kField.right - kField.left - 3; ++x)
                n += counted(platform::testing::PixelAt(edit, x, y));
        return n;
    };
    auto ink = [](COLORREF c) { return c != GetSysColor(COLOR_WINDOW); };
    auto highlight = [](COLORREF c) { return c == GetSysColor(COLOR_HIGHLIGHT); };
    SetFocus(nullptr);
    Pump();
    EXPECT_EQ(count(ink), 0);

    SetWindowTextA(edit, "Drawn text WWW");
    Pump();
    const int written = count(ink);
    EXPECT_GT(written, 100);
    Select(edit, 0, -1);
    Pump();
    EXPECT_EQ(count(highlight), 0) << "no selection shown without the focus";

    SetFocus(edit);
    Pump();
    EXPECT_GT(count(highlight), 500);
    EXPECT_TRUE(platform::testing::SaveScreenshot(top_, (testing::TempDir() + "edit_control.png").c_str()));

    Key(VK_END);
    EXPECT_EQ(count(highlight), 0);
    EXPECT_GT(count(ink), written) << "the caret";
}

TEST_F(EditControl, ALongTextScrollsToKeepTheCaretSeen)
{
    HWND edit = MakeEdit();
    Type("0123456789012345678901234567890123456789012345678901234567890123456789 end");
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    auto inkAt = [&](int from, int to) {
        int count = 0;
        for (int y = 4; y < 20; ++y)
            for (int x = from; x < to; ++x)
                count += platform::testing::PixelAt(edit, x, y) != background;
        return count;
    };
    EXPECT_GT(inkAt(150, 195), 0) << "the end shows at the right";
    Key(VK_HOME);
    // The start shows again with its first digit at the left margin.
    EXPECT_GT(inkAt(4, 12), 0);
}

INT_PTR CALLBACK EditDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    static int changes;
    switch (message) {
    case WM_INITDIALOG:
        changes = 0;
        SetDlgItemTextA(dialog, 1017, "set at start");
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE && LOWORD(wParam) == 1020)
            ++changes;
        if (LOWORD(wParam) == 500) {
            char name[256];
            GetDlgItemTextA(dialog, 1020, name, sizeof name);
            EndDialog(dialog, std::string(name) == "start!" && changes == 1 ? 1 : 100 + changes);
        }
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

TEST_F(EditControl, InADialogTheKeysOfTheDialogManagerStillWork)
{
    // The first field has the focus; End, a character, then Enter presses OK.
    TypeKey(VK_END);
    TypeText("!");
    TypeKey(VK_RETURN);
    EXPECT_EQ(DialogBoxParamA(nullptr, "EditTest", top_, EditDialog, 0), 1);

    // Tab leaves the field for the next one; Escape still cancels.
    TypeKey(VK_TAB);
    TypeText("x");
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(DialogBoxParamA(nullptr, "EditTest", top_, EditDialog, 0), IDCANCEL);

    HWND dialog = CreateDialogParamA(nullptr, "EditTest", top_, EditDialog, 0);
    ASSERT_NE(dialog, nullptr);
    char text[32]{};
    EXPECT_EQ(GetDlgItemTextA(dialog, 1017, text, sizeof text), 12u);
    EXPECT_STREQ(text, "set at start");
    EXPECT_TRUE(SetDlgItemTextW(dialog, 1020, reinterpret_cast<LPCWSTR>(u"Name \u00e9")));
    char16_t wide[32]{};
    EXPECT_EQ(GetDlgItemTextW(dialog, 1020, reinterpret_cast<LPWSTR>(wide), 32), 6u);
    EXPECT_EQ(std::u16string(wide), u"Name \u00e9");
    EXPECT_EQ(GetDlgItemTextA(dialog, 1020, text, 4), 3u);
    EXPECT_STREQ(text, "Nam");
    EXPECT_EQ(SendDlgItemMessageA(dialog, 1020, WM_GETDLGCODE, 0, 0) & (DLGC_WANTALLKEYS | DLGC_WANTTAB), 0);

    // The dialog manager selects the whole text of a field it gives the focus to.
    ShowWindow(dialog, SW_SHOWNORMAL);
    Pump();
    HWND first = GetDlgItem(dialog, 1020), second = GetDlgItem(dialog, 1017);
    EXPECT_EQ(GetFocus(), first);
    EXPECT_EQ(Selection(first), Range(0, 6));
    TypeKey(VK_TAB);
    TypeText("new");
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(dialog, &msg))
            DispatchMessageA(&msg);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(Text(second), "new");
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace display_test
