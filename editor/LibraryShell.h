#pragma once
// The application's services as the library window reaches them; each is
// null while the application has not registered it.
#include <functional>

class CEfSemaphore;
class CFileManager;
class CLibraryWindowServices;
class CMidiManager;

namespace library_shell {

CMidiManager* MidiManager();
CLibraryWindowServices* Services();
CFileManager* FileManager();
CEfSemaphore* TimerSemaphore();
CEfSemaphore* ProgressSemaphore();
// Whether a transfer, load or import holds the progress semaphore: it is
// tried for 50 ms and given back at once. Input that comes meanwhile is
// dropped.
bool IsProgressBusy();
// The editor's menus for that kind of window.
void ApplyMenuKind(int kind);
// Runs a dialog of the file manager and answers its state; without a file
// manager it counts as cancelled, and a dialog that cannot be shown as
// failed, its failure traced.
int RunFileDialog(const std::function<int(CFileManager& files)>& dialog);

}  // namespace library_shell
