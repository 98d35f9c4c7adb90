// Message boxes: every button set answered by keys on the real box, the
// owner disabled while it runs, and scripted answers.
#include "display_fixture.h"

#include <platform/dialogs.h>
#include <platform/testing/locale.h>

#include <string>

namespace display_test {
namespace {

using platform::testing::TypeKey;

class MessageBox : public DisplayTest
{};

TEST_F(MessageBox, EachButtonSetAnswersByKeys)
{
    struct Case
    {
        UINT type;
        std::vector<UINT> keys;
        int result;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONINFORMATION, {VK_RETURN}, IDOK},
        {MB_OK, {VK_ESCAPE}, IDOK},
        {MB_OKCANCEL, {VK_RETURN}, IDOK},
        {MB_OKCANCEL, {VK_TAB, VK_RETURN}, IDCANCEL},
        {MB_OKCANCEL | MB_ICONWARNING, {VK_ESCAPE}, IDCANCEL},
        {MB_YESNO, {VK_RETURN}, IDYES},
        {MB_YESNO | MB_ICONERROR, {VK_TAB, VK_RETURN}, IDNO},
        {MB_YESNO, {VK_ESCAPE, VK_TAB, VK_SPACE}, IDNO},  // Escape does nothing without Cancel
        {MB_YESNOCANCEL, {VK_RETURN}, IDYES},
        {MB_YESNOCANCEL, {VK_TAB, VK_RETURN}, IDNO},
        {MB_YESNOCANCEL, {VK_TAB, VK_TAB, VK_RETURN}, IDCANCEL},
        {MB_YESNOCANCEL, {VK_ESCAPE}, IDCANCEL},
    };
    for (const Case& c : cases) {
        for (UINT key : c.keys)
            TypeKey(key);
        EXPECT_EQ(MessageBoxA(nullptr, "Line one\nline two", "Caption", c.type), c.result) << c.type;
        Pump();
    }
}

// As on the desktop: Yes and No take their letters, alone or with Alt and
// in either case; OK and Cancel have none, Enter and Escape being theirs.
TEST_F(MessageBox, YesAndNoAnswerToTheirLetters)
{
    struct Case
    {
        UINT type;
        UINT key;
        std::vector<UINT> modifiers;
        int result;
    };
    const Case cases[] = {
        {MB_YESNO, 'N', {}, IDNO},
        {MB_YESNO | MB_ICONQUESTION, 'Y', {VK_SHIFT}, IDYES},
        {MB_YESNOCANCEL, 'N', {VK_MENU}, IDNO},
        {MB_YESNOCANCEL | MB_ICONWARNING, 'Y', {VK_MENU}, IDYES},
        {MB_YESNOCANCEL, 'C', {}, IDYES},  // nothing, then Enter
        {MB_OKCANCEL, 'C', {VK_MENU}, IDOK},
    };
    // The keys left over once a letter answers go to the owner, as on the desktop.
    HWND owner = MakeTop({100, 100, 400, 300});
    for (const Case& c : cases) {
        TypeKey(c.key, c.modifiers);
        TypeKey(VK_RETURN);  // presses the first button unless the letter answered
        EXPECT_EQ(MessageBoxA(owner, "Save the changes?", "Confirm", c.type), c.result) << c.type << " " << char(c.key);
        Pump();
    }
}

// In Japanese the buttons read as the system's own there and Yes and No
// keep their letters.
TEST_F(MessageBox, JapaneseButtonsKeepTheirLetters)
{
    struct Case
    {
        UINT type;
        UINT key;
        std::vector<UINT> modifiers;
        int result;
        std::vector<std::string> texts;  // of OK, Cancel, Yes, No as present
    };
    const Case cases[] = {
        {MB_OKCANCEL, VK_ESCAPE, {}, IDCANCEL, {"OK", "キャンセル"}},
        {MB_YESNOCANCEL | MB_ICONQUESTION, 'N', {}, IDNO, {"キャンセル", "はい(&Y)", "いいえ(&N)"}},
        {MB_YESNO, 'Y', {VK_SHIFT}, IDYES, {"はい(&Y)", "いいえ(&N)"}},
    };
    platform::testing::SetUserLocale("ja_JP.UTF-8");
    static const Case* current;
    static std::vector<std::string> texts;
    for (const Case& c : cases) {
        current = &c;
        texts.clear();
        SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            HWND box = GetActiveWindow();
            for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
                char text[64] = {};
                if (GetDlgItem(box, id))
                    texts.push_back((GetDlgItemTextA(box, id, text, sizeof text), text));
            }
            TypeKey(current->key, current->modifiers);
            TypeKey(VK_RETURN);  // presses the first button unless the key answered
        });
        EXPECT_EQ(MessageBoxA(nullptr, "変更を保存しますか?", "確認", c.type), c.result) << c.type;
        EXPECT_EQ(texts, c.texts) << c.type;
        Pump();
    }
    platform::testing::SetUserLocale(nullptr);
}

TEST_F(MessageBox, TheOwnerIsDisabledWhileItRunsAndTheWideFormWorks)
{
    HWND owner = MakeTop({100, 100, 400, 300});
    static HWND ownerSeen;
    ownerSeen = owner;
    static bool enabledDuring;
    enabledDuring = true;
    SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR timer, DWORD) {
        enabledDuring = IsWindowEnabled(ownerSeen);
        KillTimer(nullptr, timer);
        platform::testing::TypeKey(VK_ESCAPE);
    });
    EXPECT_EQ(MessageBoxW(owner, reinterpret_cast<LPCWSTR>(u"Sp\u00e4ter?"), nullptr, MB_OKCANCEL), IDCANCEL);
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(MessageBox, UnknownButtonSetsAndDeadOwnersGiveZero)
{
    EXPECT_EQ(MessageBoxA(nullptr, "x", "y", 2), 0);
    HWND gone = MakeTop({0, 0, 10, 10});
    DestroyWindow(gone);
    EXPECT_EQ(MessageBoxA(gone, "x", "y", MB_OK), 0);
}

TEST_F(MessageBox, ScriptedAnswersShowNothingAndAreRecorded)
{
    HWND owner = MakeTop({100, 100, 400, 300});
    platform::testing::QueueMessageBoxAnswers({IDNO, IDCANCEL});
    EXPECT_EQ(MessageBoxA(owner, "Save?", "Confirm", MB_YESNOCANCEL | MB_ICONWARNING), IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(u"\u00c4rger"), nullptr, MB_OKCANCEL), IDCANCEL);
    auto shown = platform::testing::TakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].owner, owner);
    EXPECT_EQ(shown[0].text, "Save?");
    EXPECT_EQ(shown[0].caption, "Confirm");
    EXPECT_EQ(shown[0].type, MB_YESNOCANCEL | MB_ICONWARNING);
    EXPECT_EQ(shown[1].text, "\xC3\x84rger");
    EXPECT_EQ(shown[1].caption, "Error");
    EXPECT_TRUE(platform::testing::TakeShownMessageBoxes().empty());
}

}  // namespace
}  // namespace display_test
