#include "editor/EditorEditWindows.h"

#include "app/BaseWindow.h"
#include "editor/MasterFxEditWindow.h"
#include "editor/VocoderEditWindow.h"

namespace {

// A window of one part of a program, made; none when it could not be.
template <class Window>
std::unique_ptr<CBaseWindow> MakePartWindow(const EditWindowContext& context, int x, int y, int program)
{
    auto window = std::make_unique<Window>();
    if (!window->CreateMdiWindow(context, x, y, program))
        return nullptr;
    return window;
}

}  // namespace

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

CBaseWindow* CEditorEditWindows::CreateEditWindow(Kind kind, const EditWindowContext& context, int x, int y,
                                                  int program, int /*timbre*/)
{
    std::erase_if(m_windows, [](const std::unique_ptr<CBaseWindow>& kept) { return kept->IsGone(); });
    std::unique_ptr<CBaseWindow> window;
    switch (kind) {
    case kVocoder: window = MakePartWindow<CVocoderEditWindow>(context, x, y, program); break;
    case kMasterEffect: window = MakePartWindow<CMasterFxEditWindow>(context, x, y, program); break;
    // Each kind makes its window here once that window exists.
    default:
        break;
    }
    if (!window)
        return nullptr;
    m_windows.push_back(std::move(window));
    return m_windows.back().get();
}
