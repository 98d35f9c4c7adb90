// The file manager over the scripted file dialogs: each kind's dialog, the
// round trip of every file kind through it, and what the user is told when
// a file cannot be read, written or opened.
#include "app/DialogRefCount.h"
#include "app/FileManager.h"
#include "dialog_fixture.h"
#include "framework/services/HfcFileStreams.h"
#include "framework/services/LogPrintf.h"
#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcFileDialogUnicode.h"
#include "framework/ui/HfcWindow.h"
#include "model/FileSave.h"
#include "model/ProgramListExport.h"
#include "model/VpException.h"
#include "model/trace_capture.h"
#include "services/ScratchFile.h"
#include "support/FileSizeLimit.h"
#include "support/ImportFileLayouts.h"

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using platform::testing::CancelFileDialog;
using platform::testing::QueueFileDialogSteps;
using platform::testing::QueueMessageBoxAnswers;
using platform::testing::ShownMessageBox;
using platform::testing::TakeShownFileDialogs;
using platform::testing::TakeShownMessageBoxes;
using platform::testing::TypeFileName;
using Filters = std::vector<std::pair<std::string, std::string>>;

class CStatusLines : public CStatusLogTarget
{
public:
    bool AddLine(const char* text) override
    {
        lines.emplace_back(text);
        return true;
    }
    std::vector<std::string> lines;
};

CHfcAppBase& Application()
{
    if (CHfcAppBase* app = CHfcAppBase::GetApp())
        return *app;
    static CHfcApp app;
    return app;
}

// Everything a dialog may change, to compare before and after.
struct Snapshot
{
    std::vector<ProgramRegion> bank;
    FileBytes global;
    juce::String path;
    bool modified;
    ProgramRegion program;
    FileBytes targetGlobal;

    bool operator==(const Snapshot&) const = default;
};

class FileManagerTest : public DialogTest
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        SetStatusLog(&log);
        library.AddItem(LibraryDataItem::kProgramBank);
        library.AddItem(LibraryDataItem::kGlobal);
        SetProgramRecordName(Bank()[5], "ROUNDTRP");
        library.GetGlobal()->GetData()[3] = 0x21;
        library.SetViewWord(0, 9);
        library.SetPath("/somewhere/library.vq700z_all");
        library.SetModified(true);
        program.Initialize();
        SetProgramRecordName(program, "ONE PROG");
        global.Initialize();
        global.GetData()[7] = 0x42;
    }
    void TearDown() override
    {
        SetStatusLog(nullptr);
        EXPECT_EQ(GetDialogRefCount(), 0) << "every dialog counted itself down again";
        TakeShownFileDialogs();
        DialogTest::TearDown();
    }

    ProgramBank& Bank() { return *library.GetProgramBank(); }
    Snapshot Take() const
    {
        Snapshot snapshot;
        for (const CProgram& p : *library.GetProgramBank())
            snapshot.bank.push_back(p.GetRegion());
        const CGlobal* g = library.GetGlobal();
        snapshot.global.assign(g->GetData(), g->GetData() + g->GetDataSize());
        snapshot.path = library.GetPath();
        snapshot.modified = library.IsModified();
        snapshot.program = program.GetRegion();
        snapshot.targetGlobal.assign(global.GetData(), global.GetData() + global.GetDataSize());
        return snapshot;
    }
    // The state of the dialog of that kind on the manager's targets.
    int Run(int kind)
    {
        switch (kind) {
        case CFileManager::kOpenAllData: return manager.OpenAllData(library);
        case CFileManager::kSaveAllData: return manager.SaveAllData(library);
        case CFileManager::kLoadProgram: return manager.LoadProgram(program);
        case CFileManager::kSaveProgram: return manager.SaveProgram(program);
        case CFileManager::kLoadGlobal: return manager.LoadGlobal(global);
        case CFileManager::kSaveGlobal: return manager.SaveGlobal(global);
        case CFileManager::kSaveReport: return manager.ShowSaveReportDialog(report);
        case CFileManager::kImportN6Library: return manager.ImportN6Library(library);
        case CFileManager::kImportQTLibrary: return manager.ImportQTLibrary(library);
        case CFileManager::kImportQTPLibrary: return manager.ImportQTPLibrary(library);
        }
        return -1;
    }
    // The state of the dialog after the user typed the name.
    int RunTyped(int kind, const std::string& name)
    {
        QueueFileDialogSteps({TypeFileName(name)});
        return Run(kind);
    }
    // The one message box and the one log line a reported error gives.
    void ExpectReported(const std::string& caption, const std::string& text, const std::string& line,
                        const std::string& what = "")
    {
        const auto boxes = TakeShownMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u) << what;
        EXPECT_EQ(boxes[0].caption, caption) << what;
        EXPECT_EQ(boxes[0].text, text) << what;
        EXPECT_EQ(boxes[0].type & (MB_TYPEMASK | MB_ICONMASK), UINT(MB_OK | MB_ICONEXCLAMATION)) << what;
        EXPECT_EQ(log.lines, std::vector<std::string>{line}) << what;
        log.lines.clear();
    }

    CStatusLines log;
    ScratchFolder folder;
    CFileManager manager;
    LibraryData library;
    CProgram program;
    CGlobal global;
    std::unique_ptr<CCustomFile> report;
};

TEST_F(FileManagerTest, EveryKindShowsItsDialogAndACancelLeavesEverythingAsItWas)
{
    struct Case
    {
        int kind;
        bool save;
        std::string title;
        Filters filters;
        std::string extension;
    };
    const Filters allData = {{"VQ-700Z Library Data Files (*.vq700z_all)", "*.vq700z_all"}, {"All Files (*.*)", "*.*"}};
    const Filters programs = {{"VQ-700Z Program Data Files (*.vq700z_prog)", "*.vq700z_prog"},
                              {"All Files (*.*)", "*.*"}};
    const Filters globals = {{"VQ-700Z Global Data Files (*.vq700z_glob)", "*.vq700z_glob"},
                             {"All Files (*.*)", "*.*"}};
    const Case cases[] = {
        {0, false, "Open", allData, "vq700z_all"},
        {1, true, "Save", allData, "vq700z_all"},
        {2, false, "Open Program Data File", programs, "vq700z_prog"},
        {3, true, "Save Program Data File", programs, "vq700z_prog"},
        {4, false, "Open Global Data File", globals, "vq700z_glob"},
        {5, true, "Save Global Data File", globals, "vq700z_glob"},
        {6, true, "Save Report File", {{"Report File (*.txt)", "*.txt"}, {"All files (*.*)", "*.*"}}, "txt"},
        {7,
         false,
         "Import N6 library file",
         {{"N6 Library Files (*.n6l)", "*.n6l"}, {"All Files (*.*)", "*.*"}},
         "n6l"},
        {8,
         false,
         "Import Sorrel QT library data",
         {{"Sorrel QT Library Files (*.srqt_all)", "*.srqt_all"}, {"All Files (*.*)", "*.*"}},
         "srqt_all"},
        {9,
         false,
         "Import Sorrel QT+ library data",
         {{"Sorrel QT+ Library Files (*.srqtp_all)", "*.srqtp_all"}, {"All Files (*.*)", "*.*"}},
         "srqtp_all"},
    };
    CHfcWindow main;
    ASSERT_TRUE(main.Create("main", 50, 50, 300, 200, 0, nullptr, nullptr));
    Application().SetMainWindow(&main);
    const Snapshot before = Take();
    for (const Case& c : cases) {
        QueueFileDialogSteps({CancelFileDialog()});
        EXPECT_EQ(Run(c.kind), CFileManager::kCancelled) << c.kind;
        const auto shown = TakeShownFileDialogs();
        ASSERT_EQ(shown.size(), 1u) << c.kind;
        EXPECT_EQ(shown[0].owner, main.GetHandle()) << c.kind;
        EXPECT_EQ(shown[0].save, c.save) << c.kind;
        EXPECT_EQ(shown[0].title, c.title) << c.kind;
        EXPECT_EQ(shown[0].filters, c.filters) << c.kind;
        // The open form keeps the structure as Setup made it, before the
        // extension was set.
        EXPECT_EQ(shown[0].defaultExtension, c.save ? c.extension : "") << c.kind;
        EXPECT_EQ(shown[0].flags & OFN_FILEMUSTEXIST, c.save ? 0u : DWORD(OFN_FILEMUSTEXIST)) << c.kind;
        EXPECT_EQ(shown[0].flags & OFN_OVERWRITEPROMPT, c.save ? DWORD(OFN_OVERWRITEPROMPT) : 0u) << c.kind;
    }
    Application().SetMainWindow(nullptr);
    main.Destroy();
    EXPECT_TRUE(Take() == before);
    EXPECT_EQ(report, nullptr);
    EXPECT_EQ(manager.GetLastPath(), juce::String());
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
    EXPECT_TRUE(log.lines.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "a cancelled save writes nothing";
}

TEST_F(FileManagerTest, AllDataProgramsAndGlobalsGoOutAndComeBackThroughTheDialogs)
{
    // A name typed without extension gets the kind's.
    ASSERT_EQ(RunTyped(CFileManager::kSaveAllData, folder.File("bank")), CFileManager::kDone);
    const std::string bankPath = folder.File("bank.vq700z_all");
    EXPECT_EQ(manager.GetLastPath().toStdString(), bankPath);
    EXPECT_EQ(ScratchFolder::ReadFile(bankPath).size(), 106048u);
    EXPECT_FALSE(Bank()[5].IsModified()) << "a saved bank is marked saved";

    ASSERT_EQ(RunTyped(CFileManager::kSaveProgram, folder.File("one")), CFileManager::kDone);
    EXPECT_EQ(manager.GetLastPath().toStdString(), folder.File("one.vq700z_prog"));
    ASSERT_EQ(RunTyped(CFileManager::kSaveGlobal, folder.File("settings")), CFileManager::kDone);
    EXPECT_EQ(manager.GetLastPath().toStdString(), folder.File("settings.vq700z_glob"));

    const Snapshot saved = Take();
    library.Clear();
    library.AddItem(LibraryDataItem::kProgramBank);
    library.AddItem(LibraryDataItem::kGlobal);
    program.Initialize();
    global.Initialize();
    ASSERT_EQ(RunTyped(CFileManager::kOpenAllData, bankPath), CFileManager::kDone);
    ASSERT_EQ(RunTyped(CFileManager::kLoadProgram, folder.File("one.vq700z_prog")), CFileManager::kDone);
    ASSERT_EQ(RunTyped(CFileManager::kLoadGlobal, folder.File("settings.vq700z_glob")), CFileManager::kDone);
    EXPECT_EQ(manager.GetLastPath().toStdString(), folder.File("settings.vq700z_glob"));
    const Snapshot loaded = Take();
    EXPECT_EQ(loaded.bank, saved.bank);
    EXPECT_EQ(loaded.global, saved.global);
    EXPECT_EQ(loaded.program, saved.program);
    EXPECT_EQ(loaded.targetGlobal, saved.targetGlobal);
    EXPECT_EQ(library.GetViewWord(0), 9);
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(FileManagerTest, TheReportDialogHandsBackItsFileOpenForTheCaller)
{
    ASSERT_EQ(RunTyped(CFileManager::kSaveReport, folder.File("list")), CFileManager::kDone);
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->IsOpen());
    EXPECT_EQ(manager.GetLastPath().toStdString(), folder.File("list.txt"));
    {
        CHfcFileOutputStream stream(*report);
        ExportProgramList(stream, Bank());
    }
    EXPECT_TRUE(report->Close());
    const auto text = ScratchFolder::ReadFile(folder.File("list.txt"));
    const std::string header = "No.\tProgram Name\t";
    ASSERT_GE(text.size(), header.size());
    EXPECT_EQ(std::string(text.begin(), text.begin() + static_cast<long>(header.size())), header);

    // A cancelled report dialog hands back nothing.
    report.reset();
    QueueFileDialogSteps({CancelFileDialog()});
    EXPECT_EQ(Run(CFileManager::kSaveReport), CFileManager::kCancelled);
    EXPECT_EQ(report, nullptr);
}

TEST_F(FileManagerTest, TheThreeImportsReadTheirFilesIntoTheLibrary)
{
    N6ProgramLayout n6;
    std::memcpy(n6.data.data(), "N6 PROG", 7);
    const std::string n6Path = folder.WriteFile("old.n6l", N6Library({N6ProgramSet({n6}, 1)}, 1));
    ASSERT_EQ(RunTyped(CFileManager::kImportN6Library, n6Path), CFileManager::kDone);
    EXPECT_STREQ(Bank()[0].GetRegion().name, "N6 PROG");
    EXPECT_EQ(manager.GetLastPath().toStdString(), n6Path);

    for (const std::string model : {"3917", "3918"}) {
        const std::string name = model == "3917" ? "sibling.srqt_all" : "sibling.srqtp_all";
        const std::string path = folder.WriteFile(
            name.c_str(), SiblingAllData(model, {SiblingProgramChunk(model, SiblingPrograms(1), 128)}, 1));
        const int kind = model == "3917" ? CFileManager::kImportQTLibrary : CFileManager::kImportQTPLibrary;
        std::memset(Bank()[0].GetRegion().name, 0, sizeof Bank()[0].GetRegion().name);
        ASSERT_EQ(RunTyped(kind, path), CFileManager::kDone) << model;
        EXPECT_EQ(std::string(Bank()[0].GetRegion().name, 3), "SIB") << model;
        EXPECT_EQ(manager.GetLastPath().toStdString(), path) << model;
    }
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(FileManagerTest, AFileThatDoesNotReadIsReportedUnderItsKindAndChangesNothing)
{
    CProgram source;
    source.Initialize();
    SaveProgramFile(source, folder.File("whole.vq700z_prog").c_str());
    const auto whole = ScratchFolder::ReadFile(folder.File("whole.vq700z_prog"));
    const std::string cut = folder.WriteFile("cut.vq700z_prog", {whole.begin(), whole.begin() + 20});
    const std::string allData = folder.File("bank.vq700z_all");
    SaveAllDataFile(library, allData.c_str());
    library.SetModified(true);
    const std::string qtp = folder.WriteFile(
        "other.srqtp_all", SiblingAllData("3918", {SiblingProgramChunk("3918", SiblingPrograms(2), 128)}, 1));

    struct Case
    {
        int kind;
        std::string path;
        std::string caption, text, line;
    };
    const Case cases[] = {
        {CFileManager::kLoadProgram, allData, "Open Program Data File", "The file has invalid ID.",
         "Load Program : An invalid file ID was found."},
        {CFileManager::kLoadProgram, cut, "Open Program Data File", "Failed to read data.",
         "Load Program : Failed to read data from the file."},
        {CFileManager::kOpenAllData, folder.File("whole.vq700z_prog"), "Open", "The file has invalid ID.",
         "Open All Data : An invalid file ID was found."},
        {CFileManager::kLoadGlobal, cut, "Open Global Data File", "The file has invalid ID.",
         "Load Global : An invalid file ID was found."},
        {CFileManager::kImportQTLibrary, qtp, "Import Sorrel QT library data", "The file has invalid ID.",
         "Import Sorrel QT Library : An invalid file ID was found."},
        {CFileManager::kImportN6Library, allData, "Import N6 library file", "The file has invalid ID.",
         "Import N6 Library : An invalid file ID was found."},
    };
    for (const Case& c : cases) {
        const Snapshot before = Take();
        QueueMessageBoxAnswers({IDOK});
        EXPECT_EQ(RunTyped(c.kind, c.path), CFileManager::kCancelled) << c.caption << " " << c.path;
        ExpectReported(c.caption, c.text, c.line, c.path);
        EXPECT_TRUE(Take() == before) << c.caption << " " << c.path;
    }
    EXPECT_EQ(manager.GetLastPath(), juce::String());
}

TEST_F(FileManagerTest, AFailedSaveLeavesTheOldFileAndSaysSo)
{
    struct Case
    {
        int kind;
        const char* name;
        std::string caption, line;
    };
    const Case cases[] = {
        {CFileManager::kSaveAllData, "old.vq700z_all", "Save", "Save All Data : Failed to write data to the file."},
        {CFileManager::kSaveProgram, "old.vq700z_prog", "Save Program Data File",
         "Save Program : Failed to write data to the file."},
        {CFileManager::kSaveGlobal, "old.vq700z_glob", "Save Global Data File",
         "Save Global : Failed to write data to the file."},
    };
    const std::vector<unsigned char> old(100, 'o');
    for (const Case& c : cases) {
        const std::string path = folder.WriteFile(c.name, old);
        QueueMessageBoxAnswers({IDYES, IDOK});  // replace it; then the error
        int state = -1;
        {
            FileSizeLimit limit(64);  // every kind's file is longer
            state = RunTyped(c.kind, path);
        }
        EXPECT_EQ(state, CFileManager::kCancelled) << c.name;
        auto boxes = TakeShownMessageBoxes();
        ASSERT_EQ(boxes.size(), 2u) << c.name;
        EXPECT_EQ(boxes[0].type & MB_TYPEMASK, UINT(MB_YESNO)) << "the overwrite question";
        EXPECT_EQ(boxes[1].caption, c.caption);
        EXPECT_EQ(boxes[1].text, "Failed to write data.");
        EXPECT_EQ(log.lines, std::vector<std::string>{c.line});
        log.lines.clear();
        EXPECT_EQ(ScratchFolder::ReadFile(path), old) << c.name;
    }
    EXPECT_TRUE(Bank()[5].IsModified()) << "a bank that was not saved stays unsaved";
    EXPECT_TRUE(program.IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3) << "no temporary file left";
    EXPECT_EQ(manager.GetLastPath(), juce::String());
}

TEST_F(FileManagerTest, AFileThatDoesNotOpenFailsTheDialogAndSaysSo)
{
    // No file can be made in that folder, not even by the superuser.
    QueueMessageBoxAnswers({IDOK});
    EXPECT_EQ(RunTyped(CFileManager::kSaveAllData, "/proc/bank"), CFileManager::kFailed);
    ExpectReported("Save", "The file couldn't open.", "Save All Data : The file couldn't be opened.");
    EXPECT_FALSE(std::filesystem::exists("/proc/bank.vq700z_all"));
    QueueMessageBoxAnswers({IDOK});
    EXPECT_EQ(RunTyped(CFileManager::kSaveReport, "/proc/list"), CFileManager::kFailed);
    ExpectReported("Save Report File", "The file couldn't open.", "Save Report : The file couldn't be opened.");
    EXPECT_EQ(report, nullptr);

    // A pipe is there to choose but is no file to read.
    const std::string pipe = folder.File("pipe.vq700z_prog");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const Snapshot before = Take();
    TraceCapture trace;
    QueueMessageBoxAnswers({IDOK});
    EXPECT_EQ(RunTyped(CFileManager::kLoadProgram, pipe), CFileManager::kFailed);
    ExpectReported("Open Program Data File", "The file couldn't open.", "Load Program : The file couldn't be opened.");
    EXPECT_TRUE(Take() == before);
    EXPECT_EQ(TraceCapture::Lines(),
              std::vector<std::string>{"CFileManager::OnHfcFileDialogAction() - Failed to open file."});
    EXPECT_EQ(manager.GetLastPath(), juce::String());
}

TEST_F(FileManagerTest, ADialogThatCannotRunThrowsItsTextAndCountsItselfDown)
{
    // A chosen path longer than the dialog's 260 units cannot come back.
    const std::string longName(240, 'n');
    const std::string existing = folder.WriteFile((longName + ".vq700z_prog").c_str(), {1});
    ASSERT_TRUE(std::filesystem::exists(existing));
    struct Case
    {
        int kind;
        std::string typed;
        const char* failure;
    };
    const Case cases[] = {
        {CFileManager::kLoadProgram, existing, "Failed to call CHfcOpenFileDialogUnicode::GetOneFile()."},
        {CFileManager::kSaveGlobal, folder.File(longName.c_str()),
         "Failed to call CHfcSaveFileDialogUnicode::GetOneFile()."},
        {CFileManager::kSaveReport, folder.File(longName.c_str()), "Failed to call CHfcSaveFileDialog::GetOneFile()."},
    };
    for (const Case& c : cases) {
        QueueFileDialogSteps({TypeFileName(c.typed)});
        try {
            Run(c.kind);
            ADD_FAILURE() << "nothing thrown for " << c.kind;
        } catch (const char* failure) {
            EXPECT_STREQ(failure, c.failure);
        }
        EXPECT_EQ(GetDialogRefCount(), 0);
    }
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
}

TEST_F(FileManagerTest, CallersOwnFilesAndErrorsAreReportedUnderTheTitlesTheyName)
{
    const std::string path = folder.File("bank.vq700z_all");
    SaveAllDataFile(library, path.c_str());
    LibraryData other;
    CCustomFile file;
    ASSERT_TRUE(file.Open(juce::String::fromUTF8(path.c_str()), CCustomFile::kReadBinary));
    EXPECT_TRUE(manager.LoadAllDataFileFor(other, file));
    ASSERT_NE(other.GetProgramBank(), nullptr);
    EXPECT_STREQ(other.GetProgramBank()->at(5).GetRegion().name, "ROUNDTRP");

    const std::string empty = folder.WriteFile("empty.vq700z_all", {});
    ASSERT_TRUE(file.Open(juce::String::fromUTF8(empty.c_str()), CCustomFile::kReadBinary));
    QueueMessageBoxAnswers({IDOK});
    EXPECT_FALSE(manager.LoadAllDataFileFor(other, file));
    ExpectReported("Open", "Failed to read data.", "Open All Data : Failed to read data from the file.");
    EXPECT_STREQ(other.GetProgramBank()->at(5).GetRegion().name, "ROUNDTRP") << "a failed read keeps the library";

    QueueMessageBoxAnswers({IDOK});
    manager.ReportFileException(CVpFileException(CVpFileException::FileOpen), "TitleOpenAllData");
    ExpectReported("Open", "The file couldn't open.", "Open All Data : The file couldn't be opened.");
    QueueMessageBoxAnswers({IDOK});
    manager.ReportFileException(CVpFileException(99), "TitleSaveAllData");
    ExpectReported("Save", "VQ-700Z Sound Editor Internal Error",
                   "Save All Data : VQ-700Z Sound Editor Internal Error");
}

TEST_F(FileManagerTest, OnlyTheOkActionOfAKnownKindDoesAnything)
{
    CHfcOpenFileDialogUnicode dialog;
    dialog.Setup(nullptr, nullptr, 0);
    TraceCapture trace;
    manager.OnHfcFileDialogAction(&dialog, 0, CFileManager::kLoadProgram);
    EXPECT_TRUE(TraceCapture::Lines().empty());
    manager.OnHfcFileDialogAction(&dialog, 1, 10);
    manager.OnHfcFileDialogAction(&dialog, 1, -1);
    EXPECT_EQ(TraceCapture::Lines(),
              (std::vector<std::string>{"CFileManager::OnHfcFileDialogAction() - Unknown dialog type...",
                                        "CFileManager::OnHfcFileDialogAction() - Unknown dialog type..."}));
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
}

}  // namespace
