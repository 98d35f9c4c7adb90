// GetOpenFileNameW and GetSaveFileNameW answered by scripted steps: what
// the dialog was asked, the path and filter index it gives back, and the
// checks and questions on the way.
#include "filedialog_scratch.h"

#include <platform/commdlg.h>
#include <platform/dialogs.h>
#include <platform/testing.h>

#include <gtest/gtest.h>

namespace filedialog_test {
namespace {

using namespace platform::testing;
namespace fs = std::filesystem;

constexpr char16_t kFilters[] = u"All data\0*.vq700z_all\0Texts\0*.txt;*.text\0";

// The structure as the editor fills it, over buffers of 260 units.
class FileDialogScripted : public ::testing::Test
{
protected:
    explicit FileDialogScripted() : tree_{"sub/", "sub/inner.txt", "a.txt", "bank.vq700z_all"}
    {
        folder_ = tree_.Root().u16string();
        dialog_.lStructSize = 88;
        dialog_.lpstrFilter = kFilters;
        dialog_.nFilterIndex = 1;
        dialog_.lpstrFile = file_;
        dialog_.nMaxFile = 260;
        dialog_.lpstrFileTitle = title_;
        dialog_.nMaxFileTitle = 260;
        dialog_.lpstrInitialDir = folder_.c_str();
    }
    void TearDown() override
    {
        TakeShownFileDialogs();
        TakeShownMessageBoxes();
    }

    std::u16string File() const { return file_; }
    std::u16string Wide(const char* relative) const { return (tree_ / relative).u16string(); }

    ScratchTree tree_;
    std::u16string folder_;
    char16_t file_[260]{};
    char16_t title_[260]{};
    OPENFILENAMEW dialog_{};
};

TEST_F(FileDialogScripted, RecordsWhatItWasAskedAndGivesBackThePathTitleAndFilterIndex)
{
    dialog_.lpstrTitle = u"Open a bank";
    dialog_.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_FILEMUSTEXIST;
    QueueFileDialogSteps({ChooseFileFilter(2), TypeFileName("sub"), TypeFileName("inner.txt")});
    ASSERT_TRUE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(File(), Wide("sub/inner.txt"));
    EXPECT_EQ(std::u16string(title_), u"inner.txt");
    EXPECT_EQ(dialog_.nFilterIndex, 2u);

    const auto shown = TakeShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].save);
    EXPECT_EQ(shown[0].title, "Open a bank");
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(shown[0].filters, (std::vector<Pair>{{"All data", "*.vq700z_all"}, {"Texts", "*.txt;*.text"}}));
    EXPECT_EQ(shown[0].filterIndex, 1);
    EXPECT_EQ(shown[0].folder, tree_.Root().string());
    EXPECT_EQ(shown[0].flags, DWORD(OFN_EXPLORER | OFN_ENABLEHOOK | OFN_FILEMUSTEXIST));
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
}

TEST_F(FileDialogScripted, TheDefaultExtensionIsAppendedOnlyToANameWithoutOne)
{
    dialog_.lpstrDefExt = u"vq700z_all";
    dialog_.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    const std::pair<const char*, const char*> cases[] = {{"new", "new.vq700z_all"},
                                                         {"new.syx", "new.syx"},
                                                         {"sub/deeper", "sub/deeper.vq700z_all"},
                                                         {"Kl\xC3\xA4nge", "Kl\xC3\xA4nge.vq700z_all"}};
    for (const auto& [typed, expected] : cases) {
        QueueFileDialogSteps({TypeFileName(typed)});
        ASSERT_TRUE(GetSaveFileNameW(&dialog_)) << typed;
        EXPECT_EQ(File(), Wide(expected)) << typed;
        EXPECT_EQ(TakeShownFileDialogs().at(0).defaultExtension, "vq700z_all");
    }
}

TEST_F(FileDialogScripted, MustExistChecksRefuseWithAMessageAndTheDialogStays)
{
    dialog_.Flags = OFN_FILEMUSTEXIST;
    QueueMessageBoxAnswers({IDOK});
    QueueFileDialogSteps({TypeFileName("missing.txt"), TypeFileName("a.txt")});
    ASSERT_TRUE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(File(), Wide("a.txt"));
    auto boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("missing.txt"), std::string::npos);
    EXPECT_EQ(boxes[0].type & MB_TYPEMASK, MB_OK);

    dialog_.Flags = OFN_PATHMUSTEXIST;
    QueueMessageBoxAnswers({IDOK});
    QueueFileDialogSteps({TypeFileName("nowhere/x.txt"), CancelFileDialog()});
    EXPECT_FALSE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("nowhere"), std::string::npos);
}

TEST_F(FileDialogScripted, TheOverwriteQuestionAnsweredNoKeepsTheDialogAndYesTakesTheFile)
{
    dialog_.Flags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    QueueMessageBoxAnswers({IDNO, IDYES});
    QueueFileDialogSteps({TypeFileName("a.txt"), TypeFileName("a.txt")});
    ASSERT_TRUE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(File(), Wide("a.txt"));
    const auto boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].type & MB_TYPEMASK, MB_YESNO);
    EXPECT_NE(boxes[0].text.find("a.txt"), std::string::npos);

    // After No the user picks a new name, which needs no question.
    QueueMessageBoxAnswers({IDNO});
    QueueFileDialogSteps({TypeFileName("a.txt"), TypeFileName("b.txt")});
    ASSERT_TRUE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(File(), Wide("b.txt"));
    EXPECT_EQ(TakeShownMessageBoxes().size(), 1u);

    // The open dialog never asks.
    QueueFileDialogSteps({TypeFileName("a.txt")});
    ASSERT_TRUE(GetOpenFileNameW(&dialog_));
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
}

TEST_F(FileDialogScripted, CancelAndRunningOutOfStepsGiveFalseWithErrorZeroAndLeaveTheBuffer)
{
    std::copy_n(u"untouched", 10, file_);
    QueueFileDialogSteps({CancelFileDialog()});
    EXPECT_FALSE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    QueueFileDialogSteps({ChooseFileFilter(2)});
    EXPECT_FALSE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(File(), u"untouched");
    EXPECT_EQ(dialog_.nFilterIndex, 1u);
    EXPECT_EQ(TakeShownFileDialogs().size(), 2u);
}

TEST_F(FileDialogScripted, APathThatDoesNotFitFailsWithBufferTooSmall)
{
    const std::u16string path = Wide("a.txt");
    dialog_.nMaxFile = DWORD(path.size());  // no room for the NUL
    QueueFileDialogSteps({TypeFileName("a.txt")});
    EXPECT_FALSE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), DWORD(FNERR_BUFFERTOOSMALL));
    EXPECT_EQ(file_[0], char16_t(path.size() + 1));  // the units needed

    // A cancel afterwards is no failure; an exact fit works.
    QueueFileDialogSteps({CancelFileDialog()});
    EXPECT_FALSE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    dialog_.nMaxFile = DWORD(path.size() + 1);
    QueueFileDialogSteps({TypeFileName("a.txt")});
    ASSERT_TRUE(GetOpenFileNameW(&dialog_));
    EXPECT_EQ(File(), path);
}

TEST_F(FileDialogScripted, ANullStructureOrADeadOwnerFails)
{
    EXPECT_FALSE(GetOpenFileNameW(nullptr));
    EXPECT_EQ(CommDlgExtendedError(), DWORD(CDERR_INITIALIZATION));
    dialog_.hwndOwner = reinterpret_cast<HWND>(0x1234);
    QueueFileDialogSteps({TypeFileName("a.txt")});
    EXPECT_FALSE(GetSaveFileNameW(&dialog_));
    EXPECT_EQ(CommDlgExtendedError(), DWORD(CDERR_INITIALIZATION));
}

}  // namespace
}  // namespace filedialog_test
