#pragma once
// The editor's main window: the MDI frame with the program's icon and
// window class. It keeps the open library windows in their order of
// opening so that closing can ask each to save, keeps the list of editor
// child windows, remembers its normal-state placement, closes the tool
// windows when it closes and opens all-data files dropped on it.
#include "framework/ui/HfcMdiFrameWindow.h"

#include <platform/shellapi.h>

#include <list>
#include <string>
#include <vector>

class CBaseWindow;
class CLibraryWindowInterface;

// What the frame needs of the application that made it.
class CMdiFrameOwner
{
public:
    virtual ~CMdiFrameOwner() = default;
    // The placement written to the settings at exit.
    virtual void SetMainWindowRect(int x, int y, int width, int height) = 0;
    // Dropped files are opened only once the first library window is ready.
    virtual bool IsFirstLibraryWindowReady() = 0;
    // An all-data file in a new library window; other files are skipped
    // without a word. True when it opened.
    virtual bool OpenLibraryFile(const std::string& path) = 0;
    // Closes the three tool windows, keeping their settings as they were so
    // that a tool window open now opens again at the next start.
    virtual void CloseToolWindows() = 0;
};

class CMdiFrameWindow : public CHfcMdiFrameWindow
{
public:
    static constexpr int kIconId = 480;
    static constexpr UINT kDropFilesMessage = 0x233;

    explicit CMdiFrameWindow(CMdiFrameOwner& owner) : m_owner(owner) {}

    // The rectangle is kept as given (position and client size) and handed
    // to the owner; the frame gets the icon, that client size and accepts
    // dropped files. The style argument is not used.
    bool Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar) override;
    const char* GetWindowClassName() override;
    ATOM RegisterWindowClass() override;

    // The library windows in their order of opening.
    void AddLibraryWindow(CLibraryWindowInterface* window);
    CLibraryWindowInterface* GetLibraryWindow(int index) const;
    int GetLibraryWindowCount() const { return static_cast<int>(m_libraryWindows.size()); }
    // Removes the first equal entry, keeping the order of the rest.
    void RemoveChildWindow(CLibraryWindowInterface* window);

    // The editor windows.
    void LinkChildWindow(CBaseWindow* window);
    void UnlinkChildWindow(CBaseWindow* window);
    const std::list<CBaseWindow*>& GetChildWindows() const { return m_childWindows; }

    // Asks every modified library window in turn whether to save it: Yes
    // saves (a failed save stops), No goes on, Cancel stops. True when the
    // end of the list was reached.
    bool CloseAllLibraryWindows();
    // The one road out: the save questions, the placement, the tool windows.
    bool CanClose() override;

    void OnMoved(int x, int y) override;
    void OnResized(int width, int height) override;
    void OnActivate() override;
    void OnDeactivate() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Screen position and client size of the normal state.
    struct Placement
    {
        int x, y, width, height;
        bool operator==(const Placement&) const = default;
    };
    Placement GetPlacement() const { return m_placement; }

private:
    bool IsNormal();
    void RememberPosition();
    void RememberClientSize();
    void ReportPlacement();
    void OnDropFiles(HDROP drop);

    CMdiFrameOwner& m_owner;
    Placement m_placement{};
    std::vector<CLibraryWindowInterface*> m_libraryWindows;
    std::list<CBaseWindow*> m_childWindows;
};
