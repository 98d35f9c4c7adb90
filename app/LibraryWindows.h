#pragma once
// The library windows, each holding one all-data set, as the application
// and its frame reach them: the editor builds the real window and registers
// a factory that makes it. A library window joins the frame's list when its
// layers are built and leaves it when they go.
#include <functional>
#include <string>

class CBaseWindow;
class CHfcMenuBar;
class CMdiFrameWindow;

class CLibraryWindowInterface
{
public:
    virtual ~CLibraryWindowInterface() = default;

    // The editor window itself: shown, activated, closed as any other.
    virtual CBaseWindow* GetWindow() = 0;
    // The name the save-changes question shows.
    virtual std::string GetDocumentName() = 0;

    // Each fills the window's data and answers whether it now holds it; on
    // false the caller closes the window. The file and device errors are
    // reported by the window.
    virtual bool NewAllData() = 0;
    virtual bool OpenAllData() = 0;  // through the open dialog
    virtual bool OpenAllDataFile(const std::string& path) = 0;
    virtual bool LoadFactoryPreset(int index) = 0;
    virtual bool ImportQTPLibrary() = 0;
    virtual bool ImportQTLibrary() = 0;
    virtual bool ImportN6Library() = 0;
    // False when the save failed or was cancelled.
    virtual bool SaveAllData() = 0;

    // Receives all data from the device once the message loop runs, then
    // calls onEnded, whether or not the receive ran.
    virtual void PostReceiveOnStartup(std::function<void()> onEnded) = 0;
};

class CLibraryWindowFactory
{
public:
    virtual ~CLibraryWindowFactory() = default;
    // A new library window titled "Untitled" in the frame, over the menu
    // bar, not yet shown; null when it cannot be made. Like every editor
    // window it deletes itself once its system window is gone.
    virtual CLibraryWindowInterface* CreateLibraryWindow(CMdiFrameWindow* frame, CHfcMenuBar* menuBar) = 0;
};

// Null while nothing is registered; then no library window opens.
CLibraryWindowFactory* GetLibraryWindowFactory();
void SetLibraryWindowFactory(CLibraryWindowFactory* factory);
