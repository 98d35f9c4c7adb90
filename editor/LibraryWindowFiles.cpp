// The library window's file operations: each fills the window's library
// data through the file manager (or writes it out) and tells the other
// windows. A file that another library window shows already brings that
// window forward instead.
#include "app/FileManager.h"
#include "app/LibraryWindowServices.h"
#include "editor/LibraryShell.h"
#include "editor/LibraryWindow.h"
#include "framework/services/HfcResourceFile.h"
#include "framework/services/LogPrintf.h"
#include "model/CustomFile.h"
#include "model/FileSave.h"
#include "model/VpException.h"

#include <platform/file_names.h>

#include <filesystem>

namespace {

using library_shell::RunFileDialog;

constexpr int kEventTitles = 0;
constexpr const char* kOpenTitleKey = "TitleOpenAllData";
constexpr const char* kSaveTitleKey = "TitleSaveAllData";
constexpr const char* kPresetType = "PRESET";
constexpr const char* kPresetNames[CLibraryWindow::kFactoryPresetCount] = {
    "Preset_01.vq700z_all", "Preset_02.srqtp_all", "Preset_03.srqtp_all",
    "Preset_04.srqtp_all",  "Preset_05.srqtp_all", "Preset_06.srqtp_all",
};

// The same file by two names (a link, "..", a second slash) is one file.
bool IsSameFile(const juce::String& a, const juce::String& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    std::error_code error;
    const auto first = std::filesystem::weakly_canonical(platform::SystemFileName(a.toStdString()), error);
    if (error)
        return a == b;
    const auto second = std::filesystem::weakly_canonical(platform::SystemFileName(b.toStdString()), error);
    return error ? a == b : first == second;
}

void ReportCannotOpen()
{
    if (CFileManager* files = library_shell::FileManager())
        files->ReportFileException(CVpFileException(CVpFileException::FileOpen), kOpenTitleKey);
}

}  // namespace

bool CLibraryWindow::NewAllData()
{
    if (m_library == nullptr)
        return false;
    m_library->Clear();
    // New items start as initial programs and the default global data.
    m_library->AddItem(LibraryDataItem::kProgramBank);
    m_library->AddItem(LibraryDataItem::kGlobal);
    RebuildLayers();
    return true;
}

bool CLibraryWindow::OpenAllData()
{
    if (m_library == nullptr ||
        RunFileDialog([&](CFileManager& files) { return files.OpenAllData(*m_library); }) != CFileManager::kDone)
        return false;
    m_library->SetPath(library_shell::FileManager()->GetLastPath());
    if (CLibraryWindow* other = FindWindowShowing(m_library->GetPath())) {
        Raise(*other);
        return false;
    }
    LogPrintf("File opened \"%s\"", GetDocumentTitle().toRawUTF8());
    BroadcastTitles();
    RebuildLayers();
    UpdateTitle();
    return true;
}

bool CLibraryWindow::OpenAllDataFile(const std::string& pathText)
{
    const juce::String path(pathText);
    CFileManager* files = library_shell::FileManager();
    if (m_library == nullptr || files == nullptr)
        return false;
    // Closed on every way out.
    CCustomFile file;
    if (!file.Open(path, CCustomFile::kReadBinary)) {
        ReportCannotOpen();
        return false;
    }
    if (!files->LoadAllDataFileFor(*m_library, file))
        return false;
    m_library->SetPath(path);
    SetModified(false);
    if (CLibraryWindow* other = FindWindowShowing(path)) {
        Raise(*other);
        return false;
    }
    BroadcastTitles();
    RebuildLayers();
    return true;
}

bool CLibraryWindow::SaveAllData()
{
    if (m_library == nullptr)
        return false;
    if (m_library->GetPath().isEmpty())
        return SaveAllDataAs();
    try {
        // Written beside the file and renamed over it only when complete.
        SaveAllDataFile(*m_library, m_library->GetPath().toRawUTF8());
    } catch (const CVpFileException& exception) {
        if (CFileManager* files = library_shell::FileManager())
            files->ReportFileException(exception, kSaveTitleKey);
        return false;
    }
    KeepGlobalAsSaved();
    SetModified(false);
    LogPrintf("Save to \"%s\" complete.", GetDocumentTitle().toRawUTF8());
    return true;
}

bool CLibraryWindow::SaveAllDataAs()
{
    if (m_library == nullptr ||
        RunFileDialog([&](CFileManager& files) { return files.SaveAllData(*m_library); }) != CFileManager::kDone)
        return false;
    m_library->SetPath(library_shell::FileManager()->GetLastPath());
    KeepGlobalAsSaved();
    SetModified(false);
    UpdateTitle();
    BroadcastTitles();
    LogPrintf("Save to \"%s\" complete.", GetDocumentTitle().toRawUTF8());
    return true;
}

bool CLibraryWindow::LoadFactoryPreset(int index)
{
    CFileManager* files = library_shell::FileManager();
    if (index < 0 || index >= kFactoryPresetCount || m_library == nullptr || files == nullptr)
        return false;
    CHfcResourceFile file;
    if (!file.OpenResource(kPresetType, kPresetNames[index], CHfcFile::kRead | CHfcFile::kBinary)) {
        ReportCannotOpen();
        return false;
    }
    // Presets after the first hold the second sibling model's all data,
    // which only its importer reads.
    const bool loaded =
        index == 0 ? files->LoadAllDataFileFor(*m_library, file) : files->ImportQTPLibraryFileFor(*m_library, file);
    if (!loaded)
        return false;
    m_library->SetPath({});
    SetModified(false);
    BroadcastTitles();
    RebuildLayers();
    return true;
}

bool CLibraryWindow::ImportQTPLibrary()
{
    return Import(&CFileManager::ImportQTPLibrary, "Imported Sorrel QT+ library data.");
}

bool CLibraryWindow::ImportQTLibrary()
{
    return Import(&CFileManager::ImportQTLibrary, "Imported Sorrel QT library data.");
}

bool CLibraryWindow::ImportN6Library()
{
    return Import(&CFileManager::ImportN6Library, "Imported N6 programs.");
}

bool CLibraryWindow::Import(int (CFileManager::*dialog)(LibraryData& library), const char* logLine)
{
    if (m_library == nullptr ||
        RunFileDialog([&](CFileManager& files) { return (files.*dialog)(*m_library); }) != CFileManager::kDone)
        return false;
    SetModified(false);
    LogPrintf("%s", logLine);
    BroadcastTitles();
    RebuildLayers();
    return true;
}

CLibraryWindow* CLibraryWindow::FindWindowShowing(const juce::String& path) const
{
    CLibraryWindowServices* services = library_shell::Services();
    if (services == nullptr)
        return nullptr;
    for (CBaseWindow* window : services->GetLibraryWindows()) {
        auto* library = dynamic_cast<CLibraryWindow*>(window);
        if (library != nullptr && library != this && IsSameFile(library->GetFilePath(), path))
            return library;
    }
    return nullptr;
}

void CLibraryWindow::Raise(CLibraryWindow& window)
{
    window.Show();
    window.Activate();
}

void CLibraryWindow::BroadcastTitles()
{
    SendMessageToAllChildWindow(kEventTitles, 0, 0);
}
