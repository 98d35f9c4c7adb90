#include "editor/LibraryWindow.h"

#include "app/BaseLayer.h"
#include "app/DialogRefCount.h"
#include "app/EditorShell.h"
#include "app/LastTransmittedProgram.h"
#include "app/LibraryWindowServices.h"
#include "app/MessageBoxes.h"
#include "app/SemaphoreHold.h"
#include "app/WindowManager.h"
#include "editor/CcMapPageLayer.h"
#include "editor/GlobalEditLayer.h"
#include "editor/GlobalPageLayer.h"
#include "editor/LibraryShell.h"
#include "editor/PageSelectLayer.h"
#include "editor/ProgramListDrag.h"
#include "editor/ProgramListLayer.h"
#include "framework/services/EfSemaphore.h"
#include "framework/ui/HfcKey.h"
#include "model/Global.h"

#include <algorithm>

namespace {

constexpr int kPageTop = CLibraryWindow::kStripHeight;
constexpr int kPageHeight = CLibraryWindow::kClientHeight - CLibraryWindow::kStripHeight;

enum Event
{
    kEventTitles = 0,
    kEventModified = 14,
    kEventSwitchBracket = 20,
    kEventGlobalPageChanged = 25,
};

// A page layer bound to its data, created in the window and then taken off
// it again: the page that is shown attaches its layers itself.
template <class Layer>
std::unique_ptr<Layer> MakePageLayer(CHfcWindow& window, std::unique_ptr<Layer> layer, const RECT& area)
{
    const bool made = layer->Create(area.left, area.top, area.right - area.left, area.bottom - area.top, &window);
    window.RemoveLayer(layer.get(), false);
    if (!made)
        return nullptr;
    if (CWindowManager* manager = library_shell::WindowManager())
        manager->AddListener(layer.get());
    return layer;
}

template <class Layer>
void DiscardLayer(CHfcWindow& window, std::unique_ptr<Layer>& layer)
{
    if (layer == nullptr)
        return;
    if (CWindowManager* manager = library_shell::WindowManager())
        manager->RemoveListener(layer.get());
    window.RemoveLayer(layer.get(), false);
    layer->Close(false);
    layer.reset();
}

}  // namespace

CLibraryWindow::CLibraryWindow()
{
    SetKind(kLibraryWindow);
    SetLibraryPage(kProgramPage);
}

CLibraryWindow::~CLibraryWindow() = default;

bool CLibraryWindow::CreateMdiWindow(const char* title, int x, int y, CHfcMenuBar* menuBar, CHfcMdiFrameWindow* frame)
{
    CWindowManager* manager = library_shell::WindowManager();
    if (manager != nullptr)
        SetDocumentId(manager->TakeWindowNumber());
    m_library = std::make_unique<LibraryData>();
    SetDocumentList(m_library.get());
    const bool made = Create(title, x, y, kClientWidth, kClientHeight, kWindowFlags, menuBar, frame);
    UpdateTitle();
    SetTimerEnabled(true);
    if (manager != nullptr && !m_listening)
        m_listening = manager->AddListener(this);
    SetWindowCreated(true);
    return made;
}

bool CLibraryWindow::CreateRootLayer()
{
    if (!CBaseWindow::CreateRootLayer())
        return false;
    if (CLibraryWindowServices* services = library_shell::Services())
        services->AddLibraryWindow(this);
    return true;
}

void CLibraryWindow::DestroyLayers()
{
    SetTimerEnabled(false);
    if (CWindowManager* manager = library_shell::WindowManager(); manager != nullptr && m_listening)
        manager->RemoveListener(this);
    m_listening = false;
    if (CLibraryWindowServices* services = library_shell::Services())
        services->RemoveLibraryWindow(this);
    ForgetLastTransmittedProgram();
    // Whatever still shows this data goes before the data does.
    CloseProgramEditWindows(true);
    if (m_layersBuilt) {
        m_contentReady = false;
        if (m_pageStrip != nullptr) {
            RemoveLayer(m_pageStrip.get(), false);
            m_pageStrip->Close(false);
            m_pageStrip.reset();
        }
        DiscardPageLayers();
        m_layersBuilt = false;
    }
    SetDocumentList(nullptr);
    m_library.reset();
    CBaseWindow::DestroyLayers();
}

void CLibraryWindow::DiscardPageLayers()
{
    DiscardLayer(*this, m_programList);
    DiscardLayer(*this, m_globalEdit);
    DiscardLayer(*this, m_globalPage);
    DiscardLayer(*this, m_ccMapPage);
}

void CLibraryWindow::ForgetLastTransmittedProgram()
{
    // Another library's program may be the one the device plays.
    ClearLastTransmittedProgramOf(GetDocumentId());
}

void CLibraryWindow::RebuildLayers()
{
    if (m_layersBuilt || m_library == nullptr)
        return;
    const RECT pageArea{0, kPageTop, kClientWidth, kPageTop + kPageHeight};
    auto programList = std::make_unique<CProgramListLayer>();
    programList->SetDragHandler(std::make_unique<CProgramListDrag>(*programList));
    m_programList = MakePageLayer<CBaseLayer>(*this, std::move(programList), pageArea);
    m_globalEdit = MakePageLayer(*this, std::make_unique<CGlobalEditLayer>(), pageArea);
    KeepGlobalAsSaved();
    auto strip = std::make_unique<CPageSelectLayer>();
    if (strip->Create(0, 0, kClientWidth, kStripHeight, this)) {
        m_pageStrip = std::move(strip);
        m_pageStrip->Show(false);
    } else {
        RemoveLayer(strip.get(), false);
    }
    m_layersBuilt = true;
    RebuildGlobalPageLayers();
    SetPage(GetCurrentPage(), true);
    library_shell::ApplyMenuKind(CEditorShell::kLibraryProgramMenu);
}

void CLibraryWindow::RebuildGlobalPageLayers()
{
    if (GetDialogRefCount() > 0)
        return;
    DiscardLayer(*this, m_globalPage);
    DiscardLayer(*this, m_ccMapPage);
    const bool shown = GetCurrentPage() == kGlobalPage;
    if (shown)
        ClearKeyFocus();
    m_globalPage = MakePageLayer<CBaseLayer>(*this, std::make_unique<CGlobalEditGlobalPageLayer>(),
                                             CGlobalEditGlobalPageLayer::kArea);
    m_ccMapPage = MakePageLayer<CBaseLayer>(*this, std::make_unique<CGlobalEditCcMapPageLayer>(),
                                            CGlobalEditCcMapPageLayer::kArea);
    if (shown) {
        for (CBaseLayer* layer : {m_globalPage.get(), m_ccMapPage.get()}) {
            if (layer == nullptr)
                continue;
            AddLayer(layer, false);
            layer->Show(true);
            layer->TakeFocus();
        }
    }
    library_shell::ApplyMenuKind(CEditorShell::kLibraryGlobalMenu);
    UpdateTitle();
}

CBaseLayer* CLibraryWindow::GetGlobalEditLayer() const
{
    return m_globalEdit.get();
}

void CLibraryWindow::KeepGlobalAsSaved()
{
    const CGlobal* global = m_library != nullptr ? m_library->GetGlobal() : nullptr;
    if (global != nullptr)
        m_savedGlobal = *global;
}

bool CLibraryWindow::RestoreSavedGlobal()
{
    CGlobal* global = m_library != nullptr ? m_library->GetGlobal() : nullptr;
    if (global == nullptr || !m_savedGlobal.has_value() ||
        std::equal(global->GetData(), global->GetData() + global->GetDataSize(), m_savedGlobal->GetData()))
        return false;
    global->Copy(&*m_savedGlobal);
    return true;
}

std::array<CBaseLayer*, 3> CLibraryWindow::PageLayers(int page) const
{
    if (page == kProgramPage)
        return {m_programList.get(), nullptr, nullptr};
    return {m_globalEdit.get(), m_globalPage.get(), m_ccMapPage.get()};
}

void CLibraryWindow::SetPage(int page, bool force)
{
    if (!m_layersBuilt || page < kProgramPage || page > kGlobalPage || (page == GetCurrentPage() && !force))
        return;
    HidePage(GetCurrentPage());
    ClearKeyFocus();
    SetLibraryPage(page);
    ShowPage(page);
    UpdateTitle();
}

void CLibraryWindow::HidePage(int page)
{
    // The sub-pages go before the frame they lie on.
    const auto layers = PageLayers(page);
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        if (*layer == nullptr)
            continue;
        (*layer)->Hide(true);
        RemoveLayer(*layer, false);
    }
}

void CLibraryWindow::ShowPage(int page)
{
    bool first = true;
    for (CBaseLayer* layer : PageLayers(page)) {
        if (layer != nullptr) {
            AddLayer(layer, false);
            layer->Show(true);
            layer->TakeFocus();
        }
        // The menu follows the page's first layer, before the sub-pages come.
        if (first)
            library_shell::ApplyMenuKind(page == kProgramPage ? CEditorShell::kLibraryProgramMenu
                                                              : CEditorShell::kLibraryGlobalMenu);
        first = false;
    }
}

void CLibraryWindow::ClearKeyFocus()
{
    if (CHfcKey* key = CHfcKey::GetInstance())
        key->ClearFocus();
    ReleaseKeyFocus(nullptr);
}

void CLibraryWindow::UpdateTitle()
{
    if (m_library == nullptr)
        return;
    juce::String title = MakeDocumentTitle(*m_library);
    if (m_library->IsModified())
        title << " *";
    title << " - " << (GetCurrentPage() == kGlobalPage ? "Global" : "Program");
    SetTitle(title.toRawUTF8());
}

void CLibraryWindow::SetModified(bool modified)
{
    // Between the two brackets of a program step (event 20) the step's own
    // edits mark nothing.
    if (m_library == nullptr || modified == m_library->IsModified() || !m_trackModification)
        return;
    m_library->SetModified(modified);
    UpdateTitle();
}

bool CLibraryWindow::IsModified()
{
    return m_library != nullptr && m_library->IsModified();
}

juce::String CLibraryWindow::GetFilePath() const
{
    return m_library != nullptr ? m_library->GetPath() : juce::String();
}

juce::String CLibraryWindow::GetDocumentTitle() const
{
    return m_library != nullptr ? MakeDocumentTitle(*m_library) : juce::String("Untitled");
}

bool CLibraryWindow::QuerySaveChanges()
{
    if (!IsModified())
        return true;
    switch (ConfirmSaveChanges(GetDocumentTitle().toStdString())) {
    case kAnswerYes: return SaveAllData();
    case kAnswerNo: return true;
    default: return false;
    }
}

bool CLibraryWindow::CanClose()
{
    if (IsLayerCapturing() || m_closing)
        return false;
    m_closing = true;
    // An edit window that refuses to close keeps its library open too, so
    // that no window is left showing data that is gone.
    const bool agreed = QuerySaveChanges() && CloseProgramEditWindows(false);
    m_closing = false;
    if (!agreed)
        return false;
    m_contentReady = false;
    return CBaseWindow::CanClose();
}

bool CLibraryWindow::CloseProgramEditWindows(bool force)
{
    for (CBaseWindow*& slot : m_editWindows) {
        CBaseWindow* window = slot;
        if (window == nullptr)
            continue;
        window->CloseDependentWindows();
        if (force)
            window->Destroy();
        else if (!window->CloseWindow(false))
            return false;
        slot = nullptr;
    }
    return true;
}

void CLibraryWindow::CloseDependentWindows()
{
    CloseProgramEditWindows(false);
}

void CLibraryWindow::ForgetDependentWindow(CBaseWindow* window)
{
    for (CBaseWindow*& slot : m_editWindows) {
        if (slot == window)
            slot = nullptr;
    }
    // The part windows of a program edit window know this window as their
    // owner; the edit window that opened one forgets it too.
    for (CBaseWindow* edit : m_editWindows) {
        if (edit != nullptr)
            edit->ForgetDependentWindow(window);
    }
}

CBaseWindow* CLibraryWindow::GetProgramEditWindow(int program) const
{
    return program >= 0 && program < kProgramBankSize ? m_editWindows[static_cast<std::size_t>(program)] : nullptr;
}

void CLibraryWindow::SetProgramEditWindow(int program, CBaseWindow* window)
{
    if (program >= 0 && program < kProgramBankSize)
        m_editWindows[static_cast<std::size_t>(program)] = window;
}

void CLibraryWindow::OnActivate()
{
    CBaseWindow::OnActivate();
    if (m_pageStrip != nullptr)
        m_pageStrip->TakeFocus();
    if (!m_layersBuilt)
        return;
    for (CBaseLayer* layer : PageLayers(GetCurrentPage())) {
        if (layer != nullptr)
            layer->TakeFocus();
    }
    CHfcKey* key = CHfcKey::GetInstance();
    if (GetCurrentPage() == kProgramPage && m_programList != nullptr && key != nullptr)
        key->SetFocus(static_cast<CHfcKeyListener*>(m_programList.get()), GetHandle());
}

void CLibraryWindow::OnDeactivate()
{
    if (m_pageStrip != nullptr)
        m_pageStrip->OnWindowDeactivate();
    if (m_layersBuilt) {
        for (CBaseLayer* layer : PageLayers(GetCurrentPage())) {
            if (layer != nullptr)
                layer->OnWindowDeactivate();
        }
    }
    CBaseWindow::OnDeactivate();
}

bool CLibraryWindow::IsLayerCapturing()
{
    if (CBaseWindow::IsLayerCapturing())
        return true;
    for (CBaseLayer* layer : {static_cast<CBaseLayer*>(m_pageStrip.get()), m_programList.get(), GetGlobalEditLayer(),
                              m_globalPage.get(), m_ccMapPage.get()}) {
        if (layer != nullptr && layer->IsCapturingControl())
            return true;
    }
    return false;
}

void CLibraryWindow::OnMMTimer(CMMTimer* /*timer*/)
{
    if (!m_contentReady || !IsShown() || !m_layersBuilt)
        return;
    CSemaphoreHold hold(library_shell::TimerSemaphore());
    if (m_pageStrip != nullptr)
        m_pageStrip->OnTimerTick();
    for (CBaseLayer* layer : PageLayers(GetCurrentPage())) {
        if (layer != nullptr)
            layer->OnTimerTick();
    }
}

void CLibraryWindow::OnWindowManagerMessage(CWindowManager* /*manager*/, int event, LONG_PTR p1, LONG_PTR p2,
                                            LONG_PTR /*p3*/, LONG_PTR /*p4*/, CWindowManagerListener* /*sender*/)
{
    switch (event) {
    case kEventTitles: UpdateTitle(); break;
    case kEventModified: SetModified(true); break;
    case kEventSwitchBracket:
        if (p1 == GetWindowNumber())
            m_trackModification = p2 != 0;
        break;
    case kEventGlobalPageChanged:
        if (p1 == GetWindowNumber())
            RebuildGlobalPageLayers();
        break;
    default: break;
    }
}
