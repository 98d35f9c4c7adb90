#include "editor/EditorEditWindows.h"

#include "app/BaseWindow.h"
#include "editor/ArpEditWindow.h"
#include "editor/MasterFxEditWindow.h"
#include "editor/ProgramEditWindow.h"
#include "editor/TimbreEditWindow.h"
#include "editor/TimbreEqEditWindow.h"
#include "editor/VocoderEditWindow.h"

#include <utility>

namespace {

// A window of type W made by its own CreateMdiWindow, or null (and nothing
// left behind) when that fails.
template <class W, class... Args>
std::unique_ptr<CBaseWindow> Made(Args&&... args)
{
    auto window = std::make_unique<W>();
    if (window->CreateMdiWindow(std::forward<Args>(args)...))
        return window;
    if (window->GetHandle() != nullptr)
        window->Destroy();
    return nullptr;
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
                                                  int program, int timbre)
{
    std::erase_if(m_windows, [](const std::unique_ptr<CBaseWindow>& kept) { return kept->IsGone(); });
    std::unique_ptr<CBaseWindow> window;
    switch (kind) {
    case kProgramEdit: window = Made<CProgramEditWindow>(context, x, y, program); break;
    case kTimbreEq: window = Made<CTimbreEqEditWindow>(context, x, y, program, timbre); break;
    case kArpeggiator: window = Made<CArpEditWindow>(context, x, y, program); break;
    case kTimbreSynth: window = Made<CTimbreEditWindow>(context, x, y, program, timbre); break;
    case kVocoder: window = Made<CVocoderEditWindow>(context, x, y, program); break;
    case kMasterEffect: window = Made<CMasterFxEditWindow>(context, x, y, program); break;
    // Each other kind makes its window here once that window exists.
    default: break;
    }
    if (!window)
        return nullptr;
    m_windows.push_back(std::move(window));
    return m_windows.back().get();
}
