#include "editor/EditorEditWindows.h"

#include "app/BaseWindow.h"

CEditorEditWindows::CEditorEditWindows()
{
    SetEditWindowFactory(this);
}

CEditorEditWindows::~CEditorEditWindows()
{
    if (GetEditWindowFactory() == this)
        SetEditWindowFactory(nullptr);
    // Dependents first: a window closing takes the windows it opened along.
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        if ((*it)->GetHandle() != nullptr)
            (*it)->Destroy();
    }
}

CBaseWindow* CEditorEditWindows::CreateEditWindow(Kind kind, const EditWindowContext& /*context*/, int /*x*/,
                                                  int /*y*/, int /*program*/, int /*timbre*/)
{
    std::erase_if(m_windows, [](const std::unique_ptr<CBaseWindow>& kept) { return kept->IsGone(); });
    std::unique_ptr<CBaseWindow> window;
    switch (kind) {
    // Each kind makes its window here once that window exists.
    default:
        break;
    }
    if (!window)
        return nullptr;
    m_windows.push_back(std::move(window));
    return m_windows.back().get();
}
