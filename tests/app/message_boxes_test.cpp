// Message boxes: the project's style byte chooses buttons and icon, every
// box comes to the foreground and is counted open while shown, and the
// answers fold into 1 OK, 2 Yes, 3 No and 0 for anything else.
#include "app/DialogRefCount.h"
#include "app/MessageBoxes.h"
#include "dialog_fixture.h"
#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcWindow.h"

namespace {

using platform::testing::QueueMessageBoxAnswers;
using platform::testing::TakeShownMessageBoxes;

class MessageBoxesTest : public DialogTest
{};

TEST_F(MessageBoxesTest, TheStyleByteChoosesButtonsAndIcon)
{
    struct Case
    {
        int style;
        UINT buttons;
        UINT icon;
    };
    const Case cases[] = {
        {0x03, MB_OKCANCEL, 0},
        {0x0C, MB_YESNO, 0},
        {0x0D, MB_YESNOCANCEL, 0},
        {0x00, MB_OK, 0},
        {0x01, MB_OK, 0},  // the platform's own codes mean nothing here
        {0x04, MB_OK, 0},
        {0x0F, MB_OK, 0},
        {0x20, MB_OK, MB_ICONHAND},
        {0x43, MB_OKCANCEL, MB_ICONINFORMATION},
        {0x8D, MB_YESNOCANCEL, MB_ICONEXCLAMATION},
        {0x82, MB_OK, MB_ICONEXCLAMATION},
        {0x12, MB_OK, 0},
        {0x30, MB_OK, 0},
        {0xF0, MB_OK, 0},
    };
    for (const Case& c : cases) {
        QueueMessageBoxAnswers({IDOK});
        ShowAppMessageBox(c.style, "Caption", "Text");
        const auto shown = TakeShownMessageBoxes();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].type & MB_TYPEMASK, c.buttons) << std::hex << c.style;
        EXPECT_EQ(shown[0].type & MB_ICONMASK, c.icon) << std::hex << c.style;
        EXPECT_NE(shown[0].type & MB_SETFOREGROUND, 0u) << std::hex << c.style;
        EXPECT_EQ(shown[0].caption, "Caption");
        EXPECT_EQ(shown[0].text, "Text");
    }
}

TEST_F(MessageBoxesTest, AnswersFoldIntoTheCommonCodes)
{
    const std::pair<int, int> cases[] = {
        {IDOK, kAnswerOk},        {IDYES, kAnswerYes}, {IDNO, kAnswerNo},
        {IDCANCEL, kAnswerOther}, {0, kAnswerOther},   {IDABORT, kAnswerOther},
    };
    for (auto [result, answer] : cases) {
        QueueMessageBoxAnswers({result});
        EXPECT_EQ(ShowAppMessageBox(0x8D, "c", "t"), answer) << result;
    }
}

TEST_F(MessageBoxesTest, TheHelpersUseTheirFixedStyles)
{
    QueueMessageBoxAnswers({IDYES, IDOK, IDOK, IDOK, IDOK});
    EXPECT_EQ(ShowQuestionBox("q", "question"), kAnswerYes);
    EXPECT_EQ(ShowNoticeBox("n", "warning", true), kAnswerOk);
    EXPECT_EQ(ShowNoticeBox("n", "notice", false), kAnswerOk);
    EXPECT_EQ(ShowSimpleMessageBox("s", "simple"), kAnswerOk);
    const std::string longText(2000, 'x');
    EXPECT_EQ(ShowFormattedMessageBox("f", "%s #%d %s", "Program", 12, longText.c_str()), kAnswerOk);
    const auto shown = TakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].type & (MB_TYPEMASK | MB_ICONMASK), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(shown[1].type & (MB_TYPEMASK | MB_ICONMASK), MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(shown[2].type & (MB_TYPEMASK | MB_ICONMASK), MB_OK);
    EXPECT_EQ(shown[3].type & (MB_TYPEMASK | MB_ICONMASK), MB_OK);
    EXPECT_EQ(shown[4].text, "Program #12 " + std::string(1023 - 12, 'x')) << "cut to 1,023 characters";
}

TEST_F(MessageBoxesTest, TheSavePromptReadsBeforeNameAfter)
{
    QueueMessageBoxAnswers({IDNO});
    EXPECT_EQ(ConfirmSaveChanges("abc"), kAnswerNo);
    const auto shown = TakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Confirm");
    EXPECT_EQ(shown[0].text, "\"abc\" has changed. Do you save this file?");
    EXPECT_EQ(shown[0].type & (MB_TYPEMASK | MB_ICONMASK), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
}

// The process's application object: the first one made in this run, which
// may belong to another test, else one kept for the rest of the run.
CHfcAppBase& Application()
{
    static CHfcApp app;
    CHfcAppBase* current = CHfcAppBase::GetApp();
    return current != nullptr ? *current : app;
}

TEST_F(MessageBoxesTest, BoxesAreOwnedByTheMainWindowOnceThereIsOne)
{
    QueueMessageBoxAnswers({IDOK, IDOK});
    ShowSimpleMessageBox("before", "no main window");
    CHfcWindow main;
    ASSERT_TRUE(main.Create("main", 50, 50, 300, 200, 0, nullptr, nullptr));
    Application().SetMainWindow(&main);
    ShowAppMessageBox(0x40, "after", "owned");
    Application().SetMainWindow(nullptr);
    const auto shown = TakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].owner, nullptr);
    EXPECT_EQ(shown[1].owner, main.GetHandle());
    main.Destroy();
}

int g_countWhileShown = -1;

void CALLBACK CloseTheBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_countWhileShown = GetDialogRefCount();
    PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0);
}

// A real box, closed with its close box: counted while up, 0 afterwards.
TEST_F(MessageBoxesTest, AShownBoxCountsAsOpenAndItsCloseBoxAnswers0)
{
    g_countWhileShown = -1;
    SetTimer(nullptr, 0, 1, CloseTheBox);
    EXPECT_EQ(ShowQuestionBox("Confirm", "Save?"), kAnswerOther);
    EXPECT_EQ(g_countWhileShown, 1);
    EXPECT_EQ(GetDialogRefCount(), 0);
}

}  // namespace
