// The open and save dialogs: what Setup puts in the structure and in which
// order the caller must fill it, the filter list's room, the title's cut,
// the save form's additions, and what the listener hears when the user
// confirms, cancels or the dialog cannot run.
#include "framework/ui/HfcFileDialogUnicode.h"
#include "framework/ui/HfcFileDialogUnicodeListener.h"
#include "framework/ui/HfcWindow.h"
#include "platform/filedialog_scratch.h"

#include <platform/dialogs.h>
#include <platform/testing.h>
#include <platform/timer.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using filedialog_test::ScratchTree;
using platform::testing::CancelFileDialog;
using platform::testing::QueueFileDialogSteps;
using platform::testing::QueueMessageBoxAnswers;
using platform::testing::TakeShownFileDialogs;
using platform::testing::TakeShownMessageBoxes;
using platform::testing::TypeFileName;
using Filters = std::vector<std::pair<std::string, std::string>>;

// The structure Setup filled, and a flag that the dialog was deleted.
template <class Form>
class CInspected : public Form
{
public:
    explicit CInspected(bool* deleted = nullptr) : m_deleted(deleted) {}
    ~CInspected() override
    {
        if (m_deleted != nullptr)
            *m_deleted = true;
    }
    const OPENFILENAMEW& Structure() const { return this->m_ofn; }

private:
    bool* m_deleted;
};
using COpenDialog = CInspected<CHfcOpenFileDialogUnicode>;
using CSaveDialog = CInspected<CHfcSaveFileDialogUnicode>;

// Records every report, then lets the base listener end the dialog.
class CRecordingListener : public CHfcFileDialogUnicodeListener
{
public:
    void OnHfcFileDialogAction(CHfcFileDialogUnicode* dialog, int ok, int callerWord) override
    {
        reports.push_back("action " + std::to_string(ok) + " " + std::to_string(callerWord));
        path = dialog->GetFilePath().toStdString();
    }
    void OnHfcFileDialogEnd(CHfcFileDialogUnicode* dialog, int callerWord) override
    {
        reports.push_back("end " + std::to_string(callerWord));
        CHfcFileDialogUnicodeListener::OnHfcFileDialogEnd(dialog, callerWord);
    }

    std::vector<std::string> reports;
    std::string path;
};

class FileDialogTest : public testing::Test
{
protected:
    void TearDown() override
    {
        TakeShownFileDialogs();
        TakeShownMessageBoxes();
    }

    // What the scripted dialog was asked, the dialog cancelled.
    static platform::testing::ShownFileDialog ShowAndCancel(CHfcFileDialogUnicode& dialog)
    {
        QueueFileDialogSteps({CancelFileDialog()});
        EXPECT_TRUE(dialog.GetOneFile());
        auto shown = TakeShownFileDialogs();
        EXPECT_EQ(shown.size(), 1u);
        return shown.at(0);
    }
};

TEST_F(FileDialogTest, SetupClearsWhatCameBeforeItAndFillsTheStructure)
{
    CHfcWindow owner;
    ASSERT_TRUE(owner.Create("owner", 40, 40, 200, 120, 0, nullptr, nullptr));
    COpenDialog dialog;
    dialog.SetTitle("lost title");
    dialog.AddFilter("Lost", "*.lost");
    dialog.SetDefaultExtension("kept");
    dialog.SelectFirstFilter();
    ASSERT_TRUE(dialog.Setup(&owner, nullptr, 7));
    const OPENFILENAMEW& s = dialog.Structure();
    EXPECT_EQ(s.hwndOwner, owner.GetHandle());
    EXPECT_EQ(s.nFilterIndex, 1u) << "an index chosen before Setup reaches the dialog";
    EXPECT_EQ(s.nMaxFile, 260u);
    EXPECT_EQ(s.nMaxFileTitle, 260u);
    EXPECT_EQ(s.lpstrInitialDir, nullptr);
    EXPECT_EQ(s.Flags, DWORD(OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK | OFN_FILEMUSTEXIST));
    EXPECT_EQ(s.lpstrDefExt, std::u16string_view(u"kept"));
    EXPECT_EQ(s.lCustData, reinterpret_cast<LPARAM>(&dialog));
    EXPECT_EQ(s.lpfnHook, &CHfcFileDialogUnicode::HookProc);

    dialog.AddFilter("Bank", "*.vq700z_all");
    dialog.AddFilter("All Files (*.*)", "*.*");
    dialog.SetTitle("Open");
    const auto shown = ShowAndCancel(dialog);
    EXPECT_EQ(shown.owner, owner.GetHandle());
    EXPECT_EQ(shown.title, "Open");
    EXPECT_EQ(shown.filters, (Filters{{"Bank", "*.vq700z_all"}, {"All Files (*.*)", "*.*"}}));
    EXPECT_EQ(shown.flags, DWORD(0x881020));

    CSaveDialog save;
    save.Setup(nullptr, nullptr, 0);
    save.SelectFirstFilter();
    EXPECT_EQ(save.Structure().nFilterIndex, DWORD(-1)) << "an index chosen after Setup does not";
    EXPECT_EQ(save.Structure().hwndOwner, nullptr);
    EXPECT_EQ(save.Structure().lpstrDefExt, nullptr) << "no extension set";
    EXPECT_EQ(save.Structure().Flags, DWORD(0x880826));
    owner.Destroy();
}

TEST_F(FileDialogTest, TheFilterListHoldsPairsUpTo260UnitsWithTheirTerminators)
{
    COpenDialog dialog;
    dialog.Setup(nullptr, nullptr, 0);
    // 250 + NUL + 7 + NUL + closing NUL is 260 exactly; one unit more does not fit.
    EXPECT_FALSE(dialog.AddFilter(juce::String::repeatedString("d", 251), "*.abcde"));
    EXPECT_TRUE(dialog.AddFilter(juce::String::repeatedString("d", 250), "*.abcde"));
    EXPECT_FALSE(dialog.AddFilter("", "")) << "even an empty pair needs three more units";
    const auto full = ShowAndCancel(dialog);
    EXPECT_EQ(full.filters, (Filters{{std::string(250, 'd'), "*.abcde"}}));

    dialog.Setup(nullptr, nullptr, 0);
    EXPECT_TRUE(dialog.AddFilter("First", "*.a"));
    EXPECT_FALSE(dialog.AddFilter(juce::String::repeatedString("x", 245), "*.b")) << "10 units in, it would need 261";
    EXPECT_TRUE(dialog.AddFilter("Third", "*.c")) << "a pair that fits still goes in after a refused one";
    const auto shown = ShowAndCancel(dialog);
    EXPECT_EQ(shown.filters, (Filters{{"First", "*.a"}, {"Third", "*.c"}}));
}

TEST_F(FileDialogTest, TheTitleIsCutTo254UnitsAndTheExtensionTo259)
{
    CSaveDialog dialog;
    dialog.Setup(nullptr, nullptr, 0);
    dialog.SetTitle(juce::String::repeatedString("t", 300));
    dialog.SetDefaultExtension(juce::String::repeatedString("e", 300));
    auto shown = ShowAndCancel(dialog);
    EXPECT_EQ(shown.title, std::string(254, 't'));
    EXPECT_EQ(shown.defaultExtension, std::string(259, 'e'));

    // A character of two units that the cut would split is left out whole.
    const juce::String clef = juce::String::fromUTF8("\xF0\x9D\x84\x9E");
    dialog.SetTitle(juce::String::repeatedString("t", 253) + clef + clef);
    shown = ShowAndCancel(dialog);
    EXPECT_EQ(shown.title, std::string(253, 't'));
    dialog.SetTitle(juce::String::repeatedString("t", 252) + clef + "t");
    shown = ShowAndCancel(dialog);
    EXPECT_EQ(shown.title, std::string(252, 't') + "\xF0\x9D\x84\x9E");
}

TEST_F(FileDialogTest, TheSaveFormAsksBeforeReplacingAndAppendsTheExtensionSetAfterSetup)
{
    ScratchTree folder{"old.vq700z_all"};
    CRecordingListener listener;
    auto* save = new CSaveDialog;
    save->Setup(nullptr, &listener, 1);
    save->SetDefaultExtension("vq700z_all");
    QueueFileDialogSteps({TypeFileName((folder / "bank").string())});
    EXPECT_TRUE(save->GetOneFile());
    EXPECT_EQ(listener.path, (folder / "bank.vq700z_all").string());
    const auto shown = TakeShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].defaultExtension, "vq700z_all");
    EXPECT_NE(shown[0].flags & OFN_OVERWRITEPROMPT, 0u);

    // An existing file: No keeps the dialog up, Yes takes the file.
    save = new CSaveDialog;
    save->Setup(nullptr, &listener, 1);
    save->SetDefaultExtension("vq700z_all");
    QueueMessageBoxAnswers({IDNO, IDYES});
    QueueFileDialogSteps({TypeFileName((folder / "old").string()), TypeFileName((folder / "old").string())});
    EXPECT_TRUE(save->GetOneFile());
    EXPECT_EQ(listener.path, (folder / "old.vq700z_all").string());
    EXPECT_EQ(TakeShownMessageBoxes().size(), 2u);
    EXPECT_EQ(TakeShownFileDialogs().size(), 1u) << "No keeps the same dialog up";

    // The open form keeps the structure Setup made: an extension set later
    // never reaches it.
    COpenDialog open;
    open.Setup(nullptr, nullptr, 0);
    open.SetDefaultExtension("vq700z_all");
    EXPECT_EQ(ShowAndCancel(open).defaultExtension, "");
}

TEST_F(FileDialogTest, OkSendsActionThenEndCancelOnlyEndAndEitherEndDeletesTheDialog)
{
    ScratchTree folder{"a.txt", "Kl\xC3\xA4nge.txt"};
    struct Case
    {
        std::vector<platform::testing::FileDialogStep> steps;
        std::vector<std::string> reports;
        std::string path;
    };
    const Case cases[] = {
        {{TypeFileName((folder / "a.txt").string())}, {"action 1 42", "end 42"}, (folder / "a.txt").string()},
        {{TypeFileName((folder / "Kl\xC3\xA4nge.txt").string())},
         {"action 1 42", "end 42"},
         (folder / "Kl\xC3\xA4nge.txt").string()},
        {{CancelFileDialog()}, {"end 42"}, ""},
        {{}, {"end 42"}, ""},  // no steps: the dialog is closed without a choice
    };
    for (const Case& c : cases) {
        CRecordingListener listener;
        bool deleted = false;
        auto* dialog = new COpenDialog(&deleted);
        dialog->Setup(nullptr, &listener, 42);
        QueueFileDialogSteps(c.steps.empty() ? std::vector{platform::testing::ChooseFileFilter(1)} : c.steps);
        EXPECT_TRUE(dialog->GetOneFile());
        EXPECT_EQ(listener.reports, c.reports);
        EXPECT_EQ(listener.path, c.path);
        EXPECT_TRUE(deleted);
    }
}

TEST_F(FileDialogTest, ADialogThatCannotRunThrowsAndTellsNobody)
{
    CHfcWindow owner;
    ASSERT_TRUE(owner.Create("owner", 40, 40, 200, 120, 0, nullptr, nullptr));
    CRecordingListener listener;
    COpenDialog open;
    CSaveDialog save;
    open.Setup(&owner, &listener, 3);
    save.Setup(&owner, &listener, 3);
    owner.Destroy();  // the structure now names a window that is gone
    QueueFileDialogSteps({CancelFileDialog()});
    try {
        open.GetOneFile();
        ADD_FAILURE() << "no failure thrown";
    } catch (const char* failure) {
        EXPECT_STREQ(failure, "Failed to call GetOpenFileName().");
    }
    try {
        save.GetOneFile();
        ADD_FAILURE() << "no failure thrown";
    } catch (const char* failure) {
        EXPECT_STREQ(failure, "Failed to call GetSaveFileName().");
    }
    EXPECT_TRUE(listener.reports.empty());
}

// The hook's handlers, as a form that cares would override them.
class CHookedDialog : public CHfcOpenFileDialogUnicode
{
public:
    INT_PTR OnInitDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        heard.push_back("init");
        hookWindow = dialog;
        return CHfcOpenFileDialogUnicode::OnInitDialog(dialog, message, wParam, lParam);
    }
    INT_PTR OnFolderChange(HWND dialog, UINT, WPARAM, const NMHDR*) override { return Hear("folder", dialog); }
    INT_PTR OnSelectionChange(HWND dialog, UINT, WPARAM, const NMHDR*) override { return Hear("selection", dialog); }
    INT_PTR OnTypeChange(HWND dialog, UINT, WPARAM, const NMHDR*) override { return Hear("type", dialog); }

    std::vector<std::string> heard;
    HWND hookWindow = nullptr;
    bool otherWindow = false;

private:
    INT_PTR Hear(const char* what, HWND dialog)
    {
        if (heard.empty() || heard.back() != what)
            heard.push_back(what);
        otherWindow = otherWindow || dialog != hookWindow;
        return 1;
    }
};

// One step of the user per timer tick while the real dialog is up, then Escape.
std::vector<std::function<void(HWND)>> g_steps;
void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = GetActiveWindow();
    if (dialog == nullptr)
        return;
    if (g_steps.empty()) {
        platform::testing::TypeKey(VK_ESCAPE);
        return;
    }
    auto step = g_steps.front();
    g_steps.erase(g_steps.begin());
    step(dialog);
}

TEST_F(FileDialogTest, TheHookBindsTheDialogObjectAndRoutesTheNotifications)
{
    CHookedDialog dialog;
    dialog.Setup(nullptr, nullptr, 0);
    dialog.AddFilter("Texts", "*.txt");
    dialog.AddFilter("All", "*.*");
    constexpr int kList = 1120;
    constexpr int kFilters = 1136;
    g_steps = {[](HWND d) {
                   SetFocus(GetDlgItem(d, kList));
                   platform::testing::TypeKey(VK_DOWN);
               },
               [](HWND d) {
                   SetFocus(GetDlgItem(d, kFilters));
                   platform::testing::TypeKey(VK_DOWN);
               }};
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, NextStep);
    EXPECT_TRUE(dialog.GetOneFile());
    KillTimer(nullptr, timer);
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"init", "folder", "selection", "type"}));
    EXPECT_FALSE(dialog.otherWindow) << "every notification reaches the object bound to the hook's window";
    EXPECT_FALSE(IsWindow(dialog.hookWindow));

    // Outside a dialog the hook ignores what it does not know, and a window
    // without an object.
    EXPECT_EQ(CHfcFileDialogUnicode::HookProc(nullptr, WM_TIMER, 0, 0), 0u);
    OFNOTIFYW notice{};
    notice.hdr.code = CDN_TYPECHANGE;
    EXPECT_EQ(CHfcFileDialogUnicode::HookProc(nullptr, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice)), 0u);
}

}  // namespace
