#include "app/FileManager.h"

#include "app/DialogRefCount.h"
#include "app/MessageBoxes.h"
#include "framework/services/EfTrace.h"
#include "framework/services/LogPrintf.h"
#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcFileDialogUnicode.h"
#include "model/AllDataFile.h"
#include "model/DataFileTransfer.h"
#include "model/FileSave.h"
#include "model/LocalizedText.h"
#include "model/N6Import.h"
#include "model/ProgramFile.h"
#include "model/SiblingImport.h"
#include "model/VpException.h"

#include <iterator>
#include <new>

namespace {

struct DialogKind
{
    const char* key;  // names the kind's texts in the localised strings
    bool save;
    const char* extension;
};

constexpr DialogKind kKinds[] = {
    {"OpenAllData", false, "vq700z_all"},
    {"SaveAllData", true, "vq700z_all"},
    {"LoadProgram", false, "vq700z_prog"},
    {"SaveProgram", true, "vq700z_prog"},
    {"LoadGlobal", false, "vq700z_glob"},
    {"SaveGlobal", true, "vq700z_glob"},
    {"SaveReport", true, "txt"},
    {"ImportN6Library", false, "n6l"},
    {"ImportQTLibrary", false, "srqt_all"},
    {"ImportQTPLibrary", false, "srqtp_all"},
};

// The failure texts of one form of dialog.
struct DialogFailures
{
    const char* allocation;
    const char* creation;
    const char* run;
};

constexpr DialogFailures kOpenFailures = {"Can not allocate memory for CHfcOpenFileDialogUnicode.",
                                          "Failed to create OpenFileDialog.",
                                          "Failed to call CHfcOpenFileDialogUnicode::GetOneFile()."};
constexpr DialogFailures kSaveFailures = {"Can not allocate memory for CHfcSaveFileDialogUnicode.",
                                          "Failed to create SaveFileDialogUnicode.",
                                          "Failed to call CHfcSaveFileDialogUnicode::GetOneFile()."};
constexpr DialogFailures kReportFailures = {"Can not allocate memory for CHfcSaveFileDialog.",
                                            "Failed to create SaveFileDialog.",
                                            "Failed to call CHfcSaveFileDialog::GetOneFile()."};

constexpr const char* kOpenFailed = "Failed to open file.";
constexpr const char* kUnknownKind = "Unknown dialog type...";

bool IsKnownKind(int kind)
{
    return kind >= 0 && kind < static_cast<int>(std::size(kKinds));
}

CHfcWindow* MainWindow()
{
    CHfcAppBase* app = CHfcAppBase::GetApp();
    return app != nullptr ? app->GetMainWindow() : nullptr;
}

juce::String Localized(const std::string& key)
{
    return juce::String::fromUTF8(LocalizedText(key).c_str());
}

// "TitleX" has its status-log form in "TitleLogX".
std::string LogTitleKey(const std::string& titleKey)
{
    const std::string prefix = "Title";
    if (titleKey.compare(0, prefix.size(), prefix) != 0)
        return titleKey;
    return prefix + "Log" + titleKey.substr(prefix.size());
}

std::string MessageKey(const CVpFileException& exception)
{
    const char* key = exception.GetMessage();
    return key != nullptr ? key : "FileErrorInternalError";
}

void ReportFileError(const std::string& titleKey, const std::string& messageKey)
{
    ShowNoticeBox(LocalizedText(titleKey), LocalizedText(messageKey), true);
    LogPrintf("%s : %s", LocalizedText(LogTitleKey(titleKey)).c_str(), LocalizedText(messageKey + "Log").c_str());
}

// An import fills a fresh library that takes the target's place only when
// the whole file was read, so a file that fails leaves the target as it was.
template <class Import>
juce::String ImportReplacing(LibraryData& target, Import import)
{
    LibraryData fresh;
    fresh.SetModified(target.IsModified());
    const juce::String messageKey = import(fresh);
    if (messageKey.isEmpty())
        target.Swap(fresh);
    return messageKey;
}

std::unique_ptr<CHfcFileDialogUnicode> MakeDialog(int kind, const DialogFailures& failures)
{
    CHfcFileDialogUnicode* dialog = nullptr;
    if (kKinds[kind].save)
        dialog = new (std::nothrow) CHfcSaveFileDialogUnicode;
    else
        dialog = new (std::nothrow) CHfcOpenFileDialogUnicode;
    if (dialog == nullptr)
        throw failures.allocation;
    return std::unique_ptr<CHfcFileDialogUnicode>(dialog);
}

void AddTexts(CHfcFileDialogUnicode& dialog, int kind)
{
    if (kind == CFileManager::kSaveReport) {
        dialog.SetTitle("Save Report File");
        dialog.AddFilter("Report File (*.txt)", "*.txt");
        dialog.AddFilter("All files (*.*)", "*.*");
        dialog.SetDefaultExtension("txt");
        return;
    }
    const std::string key = kKinds[kind].key;
    const juce::String pattern = juce::String("*.") + kKinds[kind].extension;
    dialog.SetTitle(Localized("Title" + key));
    dialog.AddFilter(Localized("Dialog" + key + "FileType") + " (" + pattern + ")", pattern);
    dialog.AddFilter("All Files (*.*)", "*.*");
    dialog.SetDefaultExtension(kKinds[kind].extension);
}

}  // namespace

CFileManager::~CFileManager() = default;

int CFileManager::OpenAllData(LibraryData& library)
{
    m_targetLibrary = &library;
    return ShowDialog(kOpenAllData);
}

int CFileManager::SaveAllData(LibraryData& library)
{
    m_targetLibrary = &library;
    return ShowDialog(kSaveAllData);
}

int CFileManager::LoadProgram(CProgram& program)
{
    m_targetProgram = &program;
    return ShowDialog(kLoadProgram);
}

int CFileManager::SaveProgram(CProgram& program)
{
    m_targetProgram = &program;
    return ShowDialog(kSaveProgram);
}

int CFileManager::LoadGlobal(CGlobal& global)
{
    m_targetGlobal = &global;
    return ShowDialog(kLoadGlobal);
}

int CFileManager::SaveGlobal(CGlobal& global)
{
    m_targetGlobal = &global;
    return ShowDialog(kSaveGlobal);
}

int CFileManager::ImportN6Library(LibraryData& library)
{
    m_targetLibrary = &library;
    return ShowDialog(kImportN6Library);
}

int CFileManager::ImportQTLibrary(LibraryData& library)
{
    m_targetLibrary = &library;
    return ShowDialog(kImportQTLibrary);
}

int CFileManager::ImportQTPLibrary(LibraryData& library)
{
    m_targetLibrary = &library;
    return ShowDialog(kImportQTPLibrary);
}

int CFileManager::ShowSaveReportDialog(std::unique_ptr<CCustomFile>& file)
{
    m_reportFile.reset();
    const int state = ShowDialog(kSaveReport);
    if (state == kDone)
        file = std::move(m_reportFile);
    return state;
}

bool CFileManager::LoadAllDataFileFor(LibraryData& library, CHfcFile& file)
{
    m_targetLibrary = &library;
    return ReadFile(kOpenAllData, file);
}

bool CFileManager::ImportQTPLibraryFileFor(LibraryData& library, CHfcFile& file)
{
    m_targetLibrary = &library;
    return ReadFile(kImportQTPLibrary, file);
}

void CFileManager::ReportFileException(const CVpFileException& exception, const std::string& titleKey)
{
    ReportFileError(titleKey, MessageKey(exception));
}

int CFileManager::ShowDialog(int kind)
{
    // Counted open until the dialog is gone, whatever it throws.
    CDialogFlag open;
    m_state = kCancelled;
    const DialogFailures& failures =
        kind == kSaveReport ? kReportFailures : (kKinds[kind].save ? kSaveFailures : kOpenFailures);
    std::unique_ptr<CHfcFileDialogUnicode> dialog = MakeDialog(kind, failures);
    if (!dialog->Setup(MainWindow(), this, kind))
        throw failures.creation;
    AddTexts(*dialog, kind);

    // Once it has told its end the dialog is deleted by the listener; until
    // then, as after a failure, it is still ours.
    CHfcFileDialogUnicode* running = dialog.release();
    try {
        running->GetOneFile();
    } catch (const char*) {
        delete running;
        throw failures.run;
    } catch (...) {
        delete running;
        throw;
    }
    return m_state;
}

void CFileManager::OnHfcFileDialogAction(CHfcFileDialogUnicode* dialog, int action, int kind)
{
    if (action != 1 || dialog == nullptr)
        return;
    const juce::String path = dialog->GetFilePath();
    try {
        if (HandleChosenFile(kind, path)) {
            m_lastPath = path;
            m_state = kDone;
        }
    } catch (const char* failure) {
        EfTrace("CFileManager::OnHfcFileDialogAction() - %s", failure);
        m_state = kFailed;
    }
}

bool CFileManager::HandleChosenFile(int kind, const juce::String& path)
{
    if (!IsKnownKind(kind))
        throw kUnknownKind;
    if (kind == kSaveReport) {
        m_reportFile = OpenChosenFile(kind, path, CCustomFile::kWriteText);
        return true;
    }
    // A save writes beside the old file and replaces it only when complete.
    if (kKinds[kind].save)
        return SaveFile(kind, path);
    const std::unique_ptr<CCustomFile> file = OpenChosenFile(kind, path, CCustomFile::kReadBinary);
    return ReadFile(kind, *file);
}

std::unique_ptr<CCustomFile> CFileManager::OpenChosenFile(int kind, const juce::String& path, int mode)
{
    auto file = std::make_unique<CCustomFile>();
    if (!file->Open(path, mode)) {
        ReportKindError(kind, CVpFileException(CVpFileException::FileOpen));
        throw kOpenFailed;
    }
    return file;
}

bool CFileManager::ReadFile(int kind, CHfcFile& file)
{
    try {
        juce::String messageKey;
        switch (kind) {
        case kOpenAllData: ReadAllDataFile(*m_targetLibrary, file); break;
        case kLoadProgram: ReadProgramFile(*m_targetProgram, file); break;
        case kLoadGlobal: ReadDataFromFile(*m_targetGlobal, file); break;
        case kImportN6Library:
            messageKey = ImportReplacing(*m_targetLibrary, [&](LibraryData& fresh) {
                ReadN6LibraryFile(fresh, file);
                return juce::String();
            });
            break;
        case kImportQTLibrary:
            messageKey = ImportReplacing(*m_targetLibrary,
                                         [&](LibraryData& fresh) { return Q3917FileImporter(fresh, file).Import(); });
            break;
        case kImportQTPLibrary:
            messageKey = ImportReplacing(*m_targetLibrary,
                                         [&](LibraryData& fresh) { return Q3918FileImporter(fresh, file).Import(); });
            break;
        default: throw kUnknownKind;
        }
        if (messageKey.isEmpty())
            return true;
        ReportKindError(kind, messageKey.toStdString());
    } catch (const CVpFileException& exception) {
        ReportKindError(kind, exception);
    }
    return false;
}

bool CFileManager::SaveFile(int kind, const juce::String& path)
{
    const std::string target = path.toStdString();
    try {
        switch (kind) {
        case kSaveAllData: SaveAllDataFile(*m_targetLibrary, target.c_str()); break;
        case kSaveProgram: SaveProgramFile(*m_targetProgram, target.c_str()); break;
        case kSaveGlobal: SaveGlobalFile(*m_targetGlobal, target.c_str()); break;
        default: throw kUnknownKind;
        }
        return true;
    } catch (const CVpFileException& exception) {
        ReportKindError(kind, exception);
        if (exception.GetCode() == CVpFileException::FileOpen)
            throw kOpenFailed;
    }
    return false;
}

void CFileManager::ReportKindError(int kind, const CVpFileException& exception)
{
    ReportKindError(kind, MessageKey(exception));
}

void CFileManager::ReportKindError(int kind, const std::string& messageKey)
{
    ReportFileError(std::string("Title") + kKinds[kind].key, messageKey);
}
