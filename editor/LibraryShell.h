#pragma once
// The application's services as the library window reaches them; each is
// null while the application has not registered it.
class CEfSemaphore;
class CFileManager;
class CLibraryWindowServices;
class CMidiManager;
class CWindowManager;

namespace library_shell {

CWindowManager* WindowManager();
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

}  // namespace library_shell
