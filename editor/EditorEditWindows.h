#pragma once
// The editor's edit windows for the windows that open them: while an object
// of this class lives it is the edit-window factory. It owns every window
// it made and deletes one once its system window is gone (at the next
// opening, or when the object goes).
#include "editor/EditWindows.h"

#include <memory>
#include <vector>

class CEditorEditWindows : public CEditWindowFactory
{
public:
    // Registers itself as the factory.
    CEditorEditWindows();
    // Unregisters, takes down the windows still open and deletes them all.
    ~CEditorEditWindows() override;
    CEditorEditWindows(const CEditorEditWindows&) = delete;
    CEditorEditWindows& operator=(const CEditorEditWindows&) = delete;

    CBaseWindow* CreateEditWindow(Kind kind, const EditWindowContext& context, int x, int y, int program,
                                  int timbre) override;

    // The windows not yet deleted.
    int GetWindowCount() const { return static_cast<int>(m_windows.size()); }

private:
    std::vector<std::unique_ptr<CBaseWindow>> m_windows;
};
