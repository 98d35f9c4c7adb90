// File names as the user meets them in the running editor: a library named
// by bytes that are not UTF-8 (FF FE) opened from the command line, through
// the Open dialog and by a desktop drop, saved back to the path its window
// keeps and replaced through Save As; a dropped path longer than 260 UTF-16
// units; and files named on the command line that cannot be opened.
#include "desktop_editor_fixture.h"
#include "model/FileSave.h"
#include "model/LibraryData.h"
#include "xdnd_source.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <thread>

namespace desktop_test {
namespace {

using namespace std::chrono_literals;

// The name is the one whose bytes the system alone can tell.
const char* const kOddName = "\xFF\xFE.vq700z_all";

class FileNamesJourney : public EditorOnDesktop
{
protected:
    FileNamesJourney() : EditorOnDesktop("1024x768x24") {}

    void SetUp() override
    {
        EditorOnDesktop::SetUp();
        if (IsSkipped())
            return;
        folder_ = fs::temp_directory_path() / ("file_names_journey_" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        odd_ = folder_ / kOddName;
        WriteLibrary(odd_);
    }

    void TearDown() override
    {
        editor_.reset();
        fs::remove_all(folder_);
        EditorOnDesktop::TearDown();
    }

    static void WriteLibrary(const fs::path& path)
    {
        LibraryData library;
        library.AddItem(LibraryDataItem::kProgramBank);
        library.AddItem(LibraryDataItem::kGlobal);
        SaveAllDataFile(library, path.c_str());
    }

    void Start(const std::string& name, const std::vector<std::string>& arguments = {})
    {
        log_ = fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".log");
        editor_ = StartEditor(MakeRegistry(name, 0, 0, 1000, 740), log_, {}, arguments);
        ASSERT_TRUE(editor_->Started());
        frame_ = WaitForFrame();
        ASSERT_NE(frame_, 0u) << "the main window did not come up";
        ASSERT_TRUE(WaitForPicture(LoadSkinBitmap("BG_PageSelect"), kStripFreeFrom, kStripFreeTo).has_value())
            << "no library window is shown";
    }

    void Shot(const std::string& name)
    {
        EXPECT_TRUE(SavePng(CaptureScreen(x_), fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".png")));
    }

    // No box saying that the file could not be opened comes.
    void ExpectNoOpenFailure() { EXPECT_EQ(WaitForWindow("^Open$", 2s), 0u) << "the file did not open"; }

    static ino_t Inode(const fs::path& path)
    {
        struct stat info;
        return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
    }

    // File > Save in the active library window writes the file it came
    // from: a new file takes the old one's place under the same name.
    bool SavedAgain(const fs::path& path)
    {
        const ino_t before = Inode(path);
        Keys(frame_, {"ctrl+s"});
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (Inode(path) == before && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(100ms);
        return Inode(path) != before && Inode(path) != 0;
    }

    static std::vector<std::string> NamesIn(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().native());
        std::sort(names.begin(), names.end());
        return names;
    }

    // In the file dialog: into the test's folder by its typed path, then
    // down the list past ".." to its first file. The screen once it shows
    // the file picked.
    RgbImage PickFirstFileOfTheFolder(Window dialog)
    {
        const RgbImage before = CaptureScreen(x_);
        Tool({"windowfocus", "--sync", std::to_string(dialog)});
        Tool({"type", "--delay", "20", folder_.string()});
        for (const char* key : {"Return", "shift+Tab", "Down", "Down"})
            Tool({"key", key});
        return WaitForChange(before);
    }

    void EndWithoutQuestion()
    {
        RequestClose(frame_);
        EXPECT_EQ(editor_->Wait(kPatience), 0) << "unchanged libraries close without a question";
    }

    fs::path folder_;
    fs::path odd_;
    fs::path log_;
    std::unique_ptr<xvfb_test::ChildProcess> editor_;
    Window frame_ = 0;
};

TEST_F(FileNamesJourney, CommandLineFilesOpenWhateverTheirNameAndThoseThatCannotAreNamedWithTheReason)
{
    const fs::path missing = folder_ / "missing.vq700z_all";
    const fs::path subfolder = folder_ / "sub";
    const fs::path notes = folder_ / "notes.txt";
    fs::create_directories(subfolder);
    std::ofstream(notes) << "not a library";
    Start("journey_names_command_line", {missing.string(), subfolder.string(), notes.string(), odd_.string()});
    ExpectNoOpenFailure();
    Shot("journey_names_command_line");

    EXPECT_TRUE(SavedAgain(odd_)) << "the window keeps the path it was opened from";
    EXPECT_EQ(NamesIn(folder_), (std::vector<std::string>{"notes.txt", "sub", kOddName}))
        << "saved under its own name, nothing left beside it";
    EndWithoutQuestion();

    const std::string errors = ReadText(log_);
    for (const auto& [path, why] :
         {std::pair{missing, "No such file or directory"}, std::pair{subfolder, "Is a directory"},
          std::pair{notes, "Not a VQ-700Z library file"}})
        EXPECT_NE(errors.find("\"" + path.string() + "\" was not opened: " + why + "\n"), std::string::npos) << errors;
    EXPECT_EQ(errors.find(kOddName), std::string::npos) << "the file that opened is not reported";
}

TEST_F(FileNamesJourney, TheOpenAndSaveAsDialogsListTakeAndReplaceTheFile)
{
    Start("journey_names_dialogs");
    Keys(frame_, {"ctrl+o"});
    const Window open = WaitForWindow("^Open$");
    ASSERT_NE(open, 0u) << "no Open dialog";
    const RgbImage picked = PickFirstFileOfTheFolder(open);
    EXPECT_TRUE(SavePng(picked, fs::path(VQ_TEST_OUTPUT_DIR) / "journey_names_open_dialog.png"));
    ASSERT_TRUE(Answer(open, "Return")) << "the Open dialog stayed";
    ExpectNoOpenFailure();
    EXPECT_TRUE(SavePng(WaitForChange(picked), fs::path(VQ_TEST_OUTPUT_DIR) / "journey_names_opened.png"));
    EXPECT_TRUE(SavedAgain(odd_));

    // Save As onto the same file: the user is asked, says Yes, and the file
    // is replaced in place.
    const ino_t before = Inode(odd_);
    Keys(frame_, {"ctrl+shift+s"});
    const Window save = WaitForWindow("^Save$");
    ASSERT_NE(save, 0u) << "no Save dialog";
    PickFirstFileOfTheFolder(save);
    Keys(save, {"Return"});
    const Window question = WaitForWindow("^Save$", kPatience, save);
    ASSERT_NE(question, 0u) << "replacing the file was not asked";
    Shot("journey_names_replace_question");
    ASSERT_TRUE(Answer(question, "Return")) << "the question stayed";
    ASSERT_TRUE(WaitUntilGone(save)) << "Yes did not end the dialog";
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (Inode(odd_) == before && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(100ms);
    EXPECT_NE(Inode(odd_), before) << "Save As did not replace the file";
    EXPECT_EQ(NamesIn(folder_), std::vector<std::string>{kOddName});
    EndWithoutQuestion();
}

TEST_F(FileNamesJourney, DroppedFilesOpenWhateverTheirNameAndHoweverLongTheirPath)
{
    fs::path deep = folder_;
    while (deep.u16string().size() <= 300)
        deep /= "a-folder-on-the-long-way-down";
    fs::create_directories(deep);
    const fs::path far = deep / "far.vq700z_all";
    WriteLibrary(far);
    Start("journey_names_drop");
    ASSERT_TRUE(TakesDrops(x_, frame_)) << "the main window takes no drops";

    const Point frameAt = WindowOrigin(frame_);
    const Point over{frameAt.x + 400, frameAt.y + 300};
    for (const fs::path& dropped : {odd_, far}) {
        Tool({"mousemove", "--sync", std::to_string(over.x), std::to_string(over.y)});
        const RgbImage before = CaptureScreen(x_);
        ASSERT_TRUE(DropFiles(x_, frame_, over.x, over.y, {dropped})) << "the drop was not taken";
        WaitForChange(before);
        EXPECT_TRUE(SavedAgain(dropped)) << dropped.string().size() << " bytes of path";
    }
    Shot("journey_names_dropped");
    EXPECT_EQ(NamesIn(folder_), (std::vector<std::string>{"a-folder-on-the-long-way-down", kOddName}));
    EXPECT_EQ(NamesIn(deep), std::vector<std::string>{"far.vq700z_all"});
    EndWithoutQuestion();
}

}  // namespace
}  // namespace desktop_test
