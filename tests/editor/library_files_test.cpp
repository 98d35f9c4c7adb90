// The library window's file operations through the scripted file dialogs:
// open, save and save as, the imports and the factory presets, a file that
// another window shows already, and what the user is told on failure.
#include "library_window_fixture.h"
#include "model/FileSave.h"
#include "support/FileSizeLimit.h"
#include "support/ImportFileLayouts.h"

#include <platform/locale.h>
#include <platform/resource_table.h>
#include <platform/resources.h>
#include <platform/testing.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <set>
#include <string>

namespace library_test {
namespace {

using platform::testing::CancelFileDialog;
using platform::testing::QueueFileDialogSteps;
using platform::testing::QueueMessageBoxAnswers;
using platform::testing::TakeShownMessageBoxes;
using platform::testing::TypeFileName;

constexpr int kEventTitles = 0;

// A factory preset that is missing or cut short while the object lives: an
// entry in the user's language is found before the program's neutral one,
// and it gets the program's bytes back at the end. Registered entries stay
// for the process, hence one kept entry per preset.
class PresetOverride
{
public:
    PresetOverride(int preset, int keptBytes) : m_entry(EntryFor(preset))
    {
        m_entry.data = keptBytes < 0 ? nullptr : m_original.data;
        m_entry.size = keptBytes < 0 ? 0 : std::min<DWORD>(static_cast<DWORD>(keptBytes), m_original.size);
    }
    ~PresetOverride() { m_entry = m_original; }
    PresetOverride(const PresetOverride&) = delete;
    PresetOverride& operator=(const PresetOverride&) = delete;

private:
    static platform::EmbeddedResource& EntryFor(int preset)
    {
        static std::deque<std::pair<std::string, platform::EmbeddedResource>> entries;
        const std::string name =
            preset == 0 ? "Preset_01.vq700z_all" : "Preset_0" + std::to_string(preset + 1) + ".srqtp_all";
        for (auto& [kept, entry] : entries)
            if (kept == name)
                return entry;
        HRSRC found = FindResourceA(nullptr, name.c_str(), "PRESET");
        auto& [kept, entry] = entries.emplace_back(name, platform::EmbeddedResource{});
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        entry = {"PRESET", kept.c_str(), GetUserDefaultUILanguage(), bytes, SizeofResource(nullptr, found)};
        platform::RegisterResourceTable(&entry, 1);
        return entry;
    }

    platform::EmbeddedResource& m_entry;
    const platform::EmbeddedResource m_original = m_entry;
};

std::string InitialProgramName()
{
    CProgram program;
    program.Initialize();
    return program.GetRegion().name;
}

class LibraryFilesTest : public LibraryWindowTest
{
protected:
    // Event 0 came once, from the window.
    void ExpectTitlesBroadcastFrom(CLibraryWindow& window)
    {
        const auto titles = TakePosts(kEventTitles);
        ASSERT_EQ(titles.size(), 1u);
        EXPECT_EQ(titles[0].sender, static_cast<CWindowManagerListener*>(&window));
    }
    // The one message box shown since the last call.
    platform::testing::ShownMessageBox TakeOneBox()
    {
        auto boxes = TakeShownMessageBoxes();
        EXPECT_EQ(boxes.size(), 1u);
        return boxes.empty() ? platform::testing::ShownMessageBox{} : boxes[0];
    }
};

TEST_F(LibraryFilesTest, OpenFromTheDialogLoadsNamesAndLogs)
{
    const std::string path = WriteAllDataFile("bank one.vq700z_all", "OPENED 1");
    CLibraryWindow& window = MakeWindow();
    QueueFileDialogSteps({TypeFileName(path)});
    ASSERT_TRUE(window.OpenAllData());
    EXPECT_EQ(ProgramName(*window.GetLibraryData(), 1), "OPENED 1");
    EXPECT_EQ(window.GetFilePath().toStdString(), path);
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(window.AreLayersBuilt());
    EXPECT_EQ(window.GetWindowTitle(), "bank one.vq700z_all - Program");
    EXPECT_EQ(log.lines, std::vector<std::string>{"File opened \"bank one.vq700z_all\""});
    ExpectTitlesBroadcastFrom(window);
}

TEST_F(LibraryFilesTest, ACancelledOrFailedOpenBuildsNothing)
{
    CLibraryWindow& cancelled = MakeWindow();
    QueueFileDialogSteps({CancelFileDialog()});
    EXPECT_FALSE(cancelled.OpenAllData());
    EXPECT_FALSE(cancelled.AreLayersBuilt());
    EXPECT_TRUE(TakeShownMessageBoxes().empty());

    const std::string broken = folder.WriteFile("broken.vq700z_all", {'4', '7', '3', '0', '0', 'A', 'l', 'D', 1});
    CLibraryWindow& failed = MakeWindow();
    QueueFileDialogSteps({TypeFileName(broken)});
    QueueMessageBoxAnswers({1});
    EXPECT_FALSE(failed.OpenAllData());
    EXPECT_FALSE(failed.AreLayersBuilt());
    EXPECT_EQ(TakeOneBox().caption, "Open");
    EXPECT_TRUE(TakePosts(kEventTitles).empty());
}

TEST_F(LibraryFilesTest, AFileShownElsewhereBringsThatWindowForward)
{
    const std::string path = WriteAllDataFile("shared.vq700z_all", "SHARED 1");
    CLibraryWindow& first = MakeWindow();
    ASSERT_TRUE(first.OpenAllDataFile(path));
    first.Show();
    CLibraryWindow& elsewhere = NewWindow();
    ASSERT_EQ(frame.GetActiveChild(), &elsewhere);

    // The same file by another name: from the dialog, and as the command
    // line and a drop name it.
    std::filesystem::create_directory(folder.File("sub"));
    std::filesystem::create_symlink(path, folder.File("link.vq700z_all"));
    const std::string names[] = {folder.File("sub/../shared.vq700z_all"), folder.File("link.vq700z_all")};
    for (const std::string& name : names) {
        CLibraryWindow& fromDialog = MakeWindow();
        QueueFileDialogSteps({TypeFileName(name)});
        EXPECT_FALSE(fromDialog.OpenAllData()) << name;
        EXPECT_FALSE(fromDialog.AreLayersBuilt());
        Pump();
        EXPECT_EQ(frame.GetActiveChild(), &first) << name;
        elsewhere.Activate();

        CLibraryWindow& fromCommandLine = MakeWindow();
        EXPECT_FALSE(fromCommandLine.OpenAllDataFile(name)) << name;
        Pump();
        EXPECT_EQ(frame.GetActiveChild(), &first) << name;
        elsewhere.Activate();
    }
    EXPECT_TRUE(log.lines.empty()) << "nothing was opened";
}

TEST_F(LibraryFilesTest, OpenAFileByNameReportsOneThatDoesNotOpen)
{
    const std::string path = WriteAllDataFile("named.vq700z_all", "NAMED  1");
    CLibraryWindow& window = MakeWindow();
    ASSERT_TRUE(window.OpenAllDataFile(path));
    EXPECT_EQ(ProgramName(*window.GetLibraryData(), 1), "NAMED  1");
    EXPECT_FALSE(window.IsModified());
    ExpectTitlesBroadcastFrom(window);

    CLibraryWindow& missing = MakeWindow();
    QueueMessageBoxAnswers({1});
    EXPECT_FALSE(missing.OpenAllDataFile(folder.File("missing.vq700z_all")));
    const auto box = TakeOneBox();
    EXPECT_EQ(box.caption, "Open");
    EXPECT_EQ(box.text, "The file couldn't open.");
    EXPECT_EQ(log.lines, std::vector<std::string>{"Open All Data : The file couldn't be opened."});
    EXPECT_FALSE(missing.AreLayersBuilt());
}

TEST_F(LibraryFilesTest, SaveWritesThePathAndAFailedSaveKeepsTheOldFile)
{
    const std::string path = WriteAllDataFile("saved.vq700z_all", "BEFORE 1");
    CLibraryWindow& window = MakeWindow();
    ASSERT_TRUE(window.OpenAllDataFile(path));
    SetProgramRecordName((*window.GetLibraryData()->GetProgramBank())[1], "AFTER  1");
    window.SetModified(true);
    const auto before = ScratchFolder::ReadFile(path);

    {
        // A disk that fills up while writing.
        FileSizeLimit full(4096);
        QueueMessageBoxAnswers({1});
        EXPECT_FALSE(window.SaveAllData());
    }
    EXPECT_EQ(TakeOneBox().caption, "Save");
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(ScratchFolder::ReadFile(path), before) << "the old file is as it was";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary file left";

    log.lines.clear();
    ASSERT_TRUE(window.SaveAllData());
    EXPECT_FALSE(window.IsModified());
    EXPECT_EQ(window.GetWindowTitle(), "saved.vq700z_all - Program");
    EXPECT_EQ(log.lines, std::vector<std::string>{"Save to \"saved.vq700z_all\" complete."});
    SaveAllDataFile(*window.GetLibraryData(), folder.File("copy.vq700z_all").c_str());
    EXPECT_EQ(ScratchFolder::ReadFile(path), ScratchFolder::ReadFile(folder.File("copy.vq700z_all")));
}

TEST_F(LibraryFilesTest, SaveOfAnUntitledWindowAsksForANameAndRetitlesEveryWindow)
{
    CLibraryWindow& window = NewWindow();
    window.SetModified(true);
    QueueFileDialogSteps({CancelFileDialog()});
    EXPECT_FALSE(window.SaveAllData());
    EXPECT_TRUE(window.IsModified());

    const std::string path = folder.File("named later.vq700z_all");
    QueueFileDialogSteps({TypeFileName(path)});
    window.OnFileSave();
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(window.GetFilePath().toStdString(), path);
    EXPECT_FALSE(window.IsModified());
    EXPECT_EQ(window.GetWindowTitle(), "named later.vq700z_all - Program");
    EXPECT_EQ(log.lines.back(), "Save to \"named later.vq700z_all\" complete.");
    ExpectTitlesBroadcastFrom(window);

    // Save As always asks, also with a name.
    const std::string other = folder.File("other.vq700z_all");
    QueueFileDialogSteps({TypeFileName(other)});
    window.OnFileSaveAs();
    EXPECT_EQ(window.GetWindowTitle(), "other.vq700z_all - Program");
}

TEST_F(LibraryFilesTest, ImportsOpenUnmodifiedAndAFailedImportBuildsNothing)
{
    struct Case
    {
        const char* model;
        const char* otherModel;
        const char* extension;
        bool (CLibraryWindow::*import)();
        const char* logLine;
    };
    const Case cases[] = {
        {"3917", "3918", "srqt_all", &CLibraryWindow::ImportQTLibrary, "Imported Sorrel QT library data."},
        {"3918", "3917", "srqtp_all", &CLibraryWindow::ImportQTPLibrary, "Imported Sorrel QT+ library data."},
    };
    for (const Case& c : cases) {
        const std::string name = std::string("sibling.") + c.extension;
        const std::string path = folder.WriteFile(
            name.c_str(), SiblingAllData(c.model, {SiblingProgramChunk(c.model, SiblingPrograms(1), 128)}, 1));
        CLibraryWindow& window = MakeWindow();
        log.lines.clear();
        QueueFileDialogSteps({TypeFileName(path)});
        ASSERT_TRUE((window.*c.import)()) << c.model;
        EXPECT_FALSE(window.IsModified());
        EXPECT_TRUE(window.AreLayersBuilt());
        EXPECT_EQ(window.GetWindowTitle(), "Untitled - Program");
        EXPECT_EQ(ProgramName(*window.GetLibraryData(), 0), "SIB 000 ");
        EXPECT_EQ(log.lines, std::vector<std::string>{c.logLine});
        ExpectTitlesBroadcastFrom(window);

        // The other model's file: reported, and the shell closes the window.
        const std::string broken = folder.WriteFile(
            (std::string("other.") + c.extension).c_str(),
            SiblingAllData(c.otherModel, {SiblingProgramChunk(c.otherModel, SiblingPrograms(1), 128)}, 1));
        CLibraryWindow& failed = MakeWindow();
        QueueFileDialogSteps({TypeFileName(broken)});
        QueueMessageBoxAnswers({1});
        EXPECT_FALSE((failed.*c.import)()) << c.model;
        EXPECT_EQ(TakeShownMessageBoxes().size(), 1u);
        EXPECT_FALSE(failed.AreLayersBuilt());
        EXPECT_TRUE(TakePosts(kEventTitles).empty());
    }

    CLibraryWindow& n6 = MakeWindow();
    QueueFileDialogSteps({CancelFileDialog()});
    EXPECT_FALSE(n6.ImportN6Library());
    const auto dialogs = platform::testing::TakeShownFileDialogs();
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs.back().title, "Import N6 library file");
}

TEST_F(LibraryFilesTest, EveryFactoryPresetLoadsUntitledAndUnmodified)
{
    std::set<std::string> firstNames;
    for (int preset = 0; preset < CLibraryWindow::kFactoryPresetCount; ++preset) {
        CLibraryWindow& window = MakeWindow();
        ASSERT_TRUE(window.LoadFactoryPreset(preset)) << preset;
        EXPECT_TRUE(TakeShownMessageBoxes().empty()) << preset;
        EXPECT_FALSE(window.IsModified()) << preset;
        EXPECT_TRUE(window.AreLayersBuilt()) << preset;
        EXPECT_TRUE(window.GetFilePath().isEmpty()) << preset;
        EXPECT_EQ(window.GetWindowTitle(), "Untitled - Program") << preset;
        ExpectTitlesBroadcastFrom(window);

        // The first preset fills the bank; the sibling model's hold 128
        // programs, after which the bank keeps initial programs.
        const LibraryData& library = *window.GetLibraryData();
        const int named = preset == 0 ? kProgramBankSize : 128;
        std::set<std::string> names;
        for (int program = 0; program < named; ++program)
            names.insert(ProgramName(library, program));
        EXPECT_EQ(names.size(), static_cast<std::size_t>(named)) << preset << ": every program has a name of its own";
        if (named < kProgramBankSize)
            EXPECT_EQ(ProgramName(library, named).rfind(InitialProgramName(), 0), 0u) << preset << ": initial";
        for (const CProgram& program : *library.GetProgramBank())
            EXPECT_FALSE(program.IsModified()) << preset;
        firstNames.insert(ProgramName(library, 0));
    }
    EXPECT_EQ(firstNames.size(), static_cast<std::size_t>(CLibraryWindow::kFactoryPresetCount))
        << "each preset is a bank of its own";
}

TEST_F(LibraryFilesTest, FactoryPresetsOutOfRangeLoadNothingAndAMissingOrDamagedOneIsReported)
{
    CLibraryWindow& window = MakeWindow();
    EXPECT_FALSE(window.LoadFactoryPreset(6));
    EXPECT_FALSE(window.LoadFactoryPreset(-1));
    EXPECT_TRUE(TakeShownMessageBoxes().empty());

    struct Case
    {
        const char* what;
        int preset;
        // The preset's first bytes, or no bytes at all when negative.
        int keptBytes;
        const char* caption;
        const char* text;
    };
    const Case cases[] = {
        {"missing", 0, -1, "Open", "The file couldn't open."},
        {"cut short", 0, 4000, "Open", "Failed to read data."},
        {"missing sibling", 3, -1, "Open", "The file couldn't open."},
        {"sibling cut short", 3, 4000, "Import Sorrel QT+ library data", "Failed to read data."},
    };
    for (const Case& c : cases) {
        PresetOverride damaged(c.preset, c.keptBytes);
        CLibraryWindow& failed = MakeWindow();
        log.lines.clear();
        QueueMessageBoxAnswers({1});
        EXPECT_FALSE(failed.LoadFactoryPreset(c.preset)) << c.what;
        const auto box = TakeOneBox();
        EXPECT_EQ(box.caption, c.caption) << c.what;
        EXPECT_EQ(box.text, c.text) << c.what;
        EXPECT_EQ(log.lines.size(), 1u) << c.what;
        EXPECT_FALSE(failed.AreLayersBuilt()) << c.what;
        EXPECT_TRUE(TakePosts(kEventTitles).empty()) << c.what;
    }
    // Whole again, the preset loads.
    EXPECT_TRUE(MakeWindow().LoadFactoryPreset(0));
}

}  // namespace
}  // namespace library_test
