#include "editor/EditorLibraryWindows.h"

#include "app/MdiFrameWindow.h"
#include "editor/LibraryWindow.h"

CEditorLibraryWindows::CEditorLibraryWindows()
{
    SetLibraryWindowFactory(this);
}

CEditorLibraryWindows::~CEditorLibraryWindows()
{
    if (GetLibraryWindowFactory() == this)
        SetLibraryWindowFactory(nullptr);
    for (auto& window : m_windows) {
        if (window->GetHandle() != nullptr)
            window->Destroy();
    }
}

CLibraryWindowInterface* CEditorLibraryWindows::CreateLibraryWindow(CMdiFrameWindow* frame, CHfcMenuBar* menuBar)
{
    std::erase_if(m_windows, [](const std::unique_ptr<CLibraryWindow>& kept) { return kept->IsGone(); });
    auto window = std::make_unique<CLibraryWindow>();
    if (!window->CreateMdiWindow("Untitled", 0, 0, menuBar, frame)) {
        if (window->GetHandle() != nullptr)
            window->Destroy();
        return nullptr;
    }
    m_windows.push_back(std::move(window));
    return m_windows.back().get();
}
