#pragma once
// What a library window needs of the application beyond the editor shell:
// the file manager, the dispatch engine, the two semaphores that guard its
// timer work and its program data, and the frame's list of library windows.
// The application registers its implementation at start-up; while nothing
// is registered the windows work without them.
#include <vector>

class CBaseWindow;
class CEfSemaphore;
class CFileManager;
class CPslMessageDispatchEngine;

class CLibraryWindowServices
{
public:
    virtual ~CLibraryWindowServices() = default;

    virtual CFileManager* GetFileManager() = 0;
    // The engine through which a window posts work to itself.
    virtual CPslMessageDispatchEngine* GetDispatchEngine() = 0;
    // "TimerSemaphore" and "ProgressSemaphore".
    virtual CEfSemaphore* GetTimerSemaphore() = 0;
    virtual CEfSemaphore* GetProgressSemaphore() = 0;

    // The frame's library windows in the order they were opened; each joins
    // when its layers are built and leaves when they go.
    virtual void AddLibraryWindow(CBaseWindow* window) = 0;
    virtual void RemoveLibraryWindow(CBaseWindow* window) = 0;
    virtual std::vector<CBaseWindow*> GetLibraryWindows() = 0;
};

// Null while nothing is registered.
CLibraryWindowServices* GetLibraryWindowServices();
void SetLibraryWindowServices(CLibraryWindowServices* services);
