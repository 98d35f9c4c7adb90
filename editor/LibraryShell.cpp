#include "editor/LibraryShell.h"

#include "app/EditorShell.h"
#include "app/FileManager.h"
#include "app/LibraryWindowServices.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/EfTrace.h"

namespace library_shell {

CMidiManager* MidiManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetMidiManager() : nullptr;
}

CLibraryWindowServices* Services()
{
    return GetLibraryWindowServices();
}

CFileManager* FileManager()
{
    return Services() != nullptr ? Services()->GetFileManager() : nullptr;
}

CEfSemaphore* TimerSemaphore()
{
    return Services() != nullptr ? Services()->GetTimerSemaphore() : nullptr;
}

CEfSemaphore* ProgressSemaphore()
{
    return Services() != nullptr ? Services()->GetProgressSemaphore() : nullptr;
}

bool IsProgressBusy()
{
    constexpr DWORD kWaitMs = 50;
    CEfSemaphore* progress = ProgressSemaphore();
    if (progress == nullptr)
        return false;
    if (progress->WaitWithTimeout(kWaitMs) != CHfcSemaphore::kObtained)
        return true;
    progress->Release();
    return false;
}

void ApplyMenuKind(int kind)
{
    if (CEditorShell* shell = GetEditorShell())
        shell->ApplyMenuKind(kind);
}

int RunFileDialog(const std::function<int(CFileManager& files)>& dialog)
{
    CFileManager* files = FileManager();
    if (files == nullptr)
        return CFileManager::kCancelled;
    try {
        return dialog(*files);
    } catch (const char* failure) {
        EfTrace("CLibraryWindow - %s", failure);
        return CFileManager::kFailed;
    }
}

}  // namespace library_shell
