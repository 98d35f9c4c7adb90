#pragma once
// The editor's library windows for the application: while an object of
// this class lives it is the application's library-window factory. It owns
// every library window it made and deletes one once its system window is
// gone (at the next opening, or when the object goes).
#include "app/LibraryWindows.h"

#include <memory>
#include <vector>

class CLibraryWindow;

class CEditorLibraryWindows : public CLibraryWindowFactory
{
public:
    // Registers itself as the factory.
    CEditorLibraryWindows();
    // Unregisters, takes down the windows still open and deletes them all.
    ~CEditorLibraryWindows() override;
    CEditorLibraryWindows(const CEditorLibraryWindows&) = delete;
    CEditorLibraryWindows& operator=(const CEditorLibraryWindows&) = delete;

    CLibraryWindowInterface* CreateLibraryWindow(CMdiFrameWindow* frame, CHfcMenuBar* menuBar) override;

    // The windows not yet deleted.
    int GetWindowCount() const { return static_cast<int>(m_windows.size()); }

private:
    std::vector<std::unique_ptr<CLibraryWindow>> m_windows;
};
