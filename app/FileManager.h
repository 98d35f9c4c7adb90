#pragma once
// The one place where the editor asks the user for a file. For each kind of
// file operation it shows the open or save dialog with the kind's title and
// filters, hands the chosen file to the kind's reader, writer or importer,
// and reports a file error in a message box and in the status log.
#include "app/WindowManager.h"
#include "framework/ui/HfcFileDialogUnicodeListener.h"
#include "model/CustomFile.h"
#include "model/LibraryData.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <string>

class CVpFileException;

class CFileManager : public CHfcFileDialogUnicodeListener, public CWindowManagerListener
{
public:
    // What a dialog came to.
    enum State
    {
        kFailed = 0,     // the chosen file did not open, or the dialog broke down
        kCancelled = 1,  // cancelled, or the file's error was reported
        kDone = 2,
    };

    // The dialog kinds, handed to the dialog as its caller word.
    enum Kind
    {
        kOpenAllData = 0,
        kSaveAllData = 1,
        kLoadProgram = 2,
        kSaveProgram = 3,
        kLoadGlobal = 4,
        kSaveGlobal = 5,
        kSaveReport = 6,
        kImportN6Library = 7,
        kImportQTLibrary = 8,
        kImportQTPLibrary = 9,
    };

    CFileManager() = default;
    CFileManager(const CFileManager&) = delete;
    CFileManager& operator=(const CFileManager&) = delete;
    ~CFileManager() override;

    // Each shows the dialog of its kind for its target and returns the
    // state once the dialog is closed. A dialog that cannot be made or run
    // throws its failure text; the open-dialog count is lowered again.
    int OpenAllData(LibraryData& library);
    int SaveAllData(LibraryData& library);
    int LoadProgram(CProgram& program);
    int SaveProgram(CProgram& program);
    int LoadGlobal(CGlobal& global);
    int SaveGlobal(CGlobal& global);
    int ImportN6Library(LibraryData& library);
    int ImportQTLibrary(LibraryData& library);
    int ImportQTPLibrary(LibraryData& library);
    // The "Save Report File" dialog. At state 2 the report file comes back
    // open for writing; the caller writes and closes it.
    int ShowSaveReportDialog(std::unique_ptr<CCustomFile>& file);

    // Reads an all-data file the caller opened (named on the command line,
    // dropped, or a factory preset) into the library; a file error is
    // reported under the open dialog's titles and answers false.
    bool LoadAllDataFileFor(LibraryData& library, CHfcFile& file);
    // The same for a second sibling model's all-data file (factory
    // presets), reported under the import's titles.
    bool ImportQTPLibraryFileFor(LibraryData& library, CHfcFile& file);

    // A message box titled with the text of titleKey ("TitleOpenAllData")
    // showing the error's text, and the status-log line "title : text" of
    // the log forms of both ("TitleLogOpenAllData", the key with "Log").
    void ReportFileException(const CVpFileException& exception, const std::string& titleKey);

    // The full path of the last file handled successfully.
    const juce::String& GetLastPath() const { return m_lastPath; }

    // The user chose a file in the dialog of that kind: opens it, runs the
    // kind's handler and sets the state.
    void OnHfcFileDialogAction(CHfcFileDialogUnicode* dialog, int action, int kind) override;

    // It posts nothing and listens to nothing.
    void OnWindowManagerMessage(CWindowManager*, int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                CWindowManagerListener*) override
    {}

private:
    int ShowDialog(int kind);
    bool HandleChosenFile(int kind, const juce::String& path);
    std::unique_ptr<CCustomFile> OpenChosenFile(int kind, const juce::String& path, int mode);
    bool ReadFile(int kind, CHfcFile& file);
    bool SaveFile(int kind, const juce::String& path);
    // Both report under the kind's titles.
    void ReportKindError(int kind, const CVpFileException& exception);
    void ReportKindError(int kind, const std::string& messageKey);

    int m_state = kCancelled;
    LibraryData* m_targetLibrary = nullptr;
    CProgram* m_targetProgram = nullptr;
    CGlobal* m_targetGlobal = nullptr;
    std::unique_ptr<CCustomFile> m_reportFile;
    juce::String m_lastPath;
};
