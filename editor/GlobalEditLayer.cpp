#include "editor/GlobalEditLayer.h"

#include "app/ControlBinding.h"
#include "app/DialogRefCount.h"
#include "app/EditorShell.h"
#include "app/FileManager.h"
#include "app/MessageBoxes.h"
#include "app/SemaphoreHold.h"
#include "app/SkinTable.h"
#include "app/controls/CustomSwitches.h"
#include "editor/GlobalTabStrip.h"
#include "editor/LibraryShell.h"
#include "editor/LibraryWindow.h"
#include "editor/PageSelectLayer.h"
#include "editor/layout/Layouts.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/MidiManager.h"

namespace {

constexpr const char* kBackground = "BG_GlobalEditFav";
constexpr ARGB kTabFrameColour = 0xFFCCCCCC;
constexpr ARGB kTabFillColour = 0xFFA0A0A0;

const layout::Window& Layout()
{
    static const layout::Window window = layout::GlobalFrameLayout();
    return window;
}

bool DialogOpen()
{
    return GetDialogRefCount() > 0;
}

}  // namespace

CGlobalEditLayer::CGlobalEditLayer()
{
    SetDataKind(kGlobalData);
}

CGlobalEditLayer::~CGlobalEditLayer()
{
    if (IsCreated())
        Destroy();
}

bool CGlobalEditLayer::OnCreate()
{
    m_background = GetBitmap(ThemedBitmapName(kBackground, GetColourTheme()).c_str());
    const layout::Control& tabs = Layout().controls[kTabsId];
    m_tabs = MakeGlobalTabStrip(tabs, {m_background, tabs.x, tabs.y, GetBitmap("LcdCharWhite"), GetBitmap("LcdChar"),
                                       GetBitmap("LcdCharWhiteDim"), kTabFrameColour, kTabFillColour, false});
    if (m_tabs == nullptr || !AttachBoundControl(*this, *m_tabs, ParameterReference{}))
        return false;

    for (int id = kLoadId; id < kControlCount; ++id) {
        const layout::Control& place = Layout().controls[static_cast<std::size_t>(id)];
        CustomSwitchDescriptor descriptor;
        descriptor.x = place.x;
        descriptor.y = place.y;
        descriptor.bitmap = GetBitmap(place.skin);
        descriptor.background = m_background;
        descriptor.dimBitmap = GetBitmap((std::string(place.skin) + "Dim").c_str());
        auto button = std::make_unique<CCustomButton>();
        if (!button->Create(&descriptor, static_cast<std::uint32_t>(id), CCustomControl::kEventPosition) ||
            !AttachBoundControl(*this, *button, ParameterReference{}))
            return false;
        m_buttons[id - kLoadId] = std::move(button);
    }
    Paint();
    if (CLibraryWindow* window = GetLibraryWindow())
        window->SetContentReady(true);
    return true;
}

bool CGlobalEditLayer::OnDestroy()
{
    if (CLibraryWindow* window = GetLibraryWindow())
        window->SetContentReady(false);
    RemoveAllControls();
    if (m_tabs != nullptr)
        m_tabs->Destroy();
    for (auto& button : m_buttons) {
        if (button != nullptr)
            button->Destroy();
    }
    m_tabs.reset();
    for (auto& button : m_buttons)
        button.reset();
    return CBaseLayer::OnDestroy();
}

CCustomButton* CGlobalEditLayer::GetButton(int id) const
{
    return id >= kLoadId && id < kControlCount ? m_buttons[id - kLoadId].get() : nullptr;
}

CLibraryWindow* CGlobalEditLayer::GetLibraryWindow() const
{
    return dynamic_cast<CLibraryWindow*>(GetWindow());
}

void CGlobalEditLayer::Paint()
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    if (m_background != nullptr)
        context->DrawBitmap(0, 0, m_background->GetWidth(), m_background->GetHeight(), m_background, 0, 0);
    for (CHfcLayerControl* control : GetControls())
        control->Redraw(true, false);
    Update(false);
}

void CGlobalEditLayer::OnTimerTick()
{
    CEditorShell* shell = GetEditorShell();
    CSemaphoreHold drawing(shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr);
    RedrawAllControls(false);
}

void CGlobalEditLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    if (control == nullptr)
        return;
    const int id = static_cast<int>(control->GetId());
    if (id == kTabsId) {
        if (value == 0 || value == 1)
            SetPage(value);
        return;
    }
    // A pressed report comes first; the button acts on its release.
    if (value != 0)
        return;
    switch (id) {
    case kLoadId: LoadGlobal(); break;
    case kSaveId: SaveGlobal(); break;
    case kReceiveId: ReceiveGlobal(); break;
    case kWriteId: WriteGlobal(); break;
    default: return;
    }
    RefocusPage();
}

void CGlobalEditLayer::SetPage(int page)
{
    if (m_tabs != nullptr)
        m_tabs->CHfcCtrlPageButton::SetValue(page, true);
    PostMessageToAll(kEventGlobalPageChanged, GetDocumentId(), page, -1, 0);
}

void CGlobalEditLayer::RefocusPage()
{
    CLibraryWindow* window = GetLibraryWindow();
    if (window != nullptr && window->GetPageStrip() != nullptr)
        window->GetPageStrip()->RefreshGlobalPage();
}

void CGlobalEditLayer::AnnounceGlobalChanged()
{
    PostMessageToAll(kEventGlobalChanged, GetDocumentId(), -1, -1, 0);
    SetWindowModified();
}

bool CGlobalEditLayer::ReceiveGlobal()
{
    CMidiManager* midi = library_shell::MidiManager();
    if (DialogOpen() || GetDocumentList() == nullptr || !ConfirmAction("ReceiveGlobal") || midi == nullptr ||
        !midi->ReceiveGlobal(*GetDocumentList()))
        return false;
    AnnounceGlobalChanged();
    if (CLibraryWindow* window = GetLibraryWindow())
        window->KeepGlobalAsSaved();
    return true;
}

bool CGlobalEditLayer::WriteGlobal()
{
    CMidiManager* midi = library_shell::MidiManager();
    return !DialogOpen() && GetDocumentList() != nullptr && ConfirmAction("WriteGlobal") && midi != nullptr &&
           midi->WriteGlobal(*GetDocumentList());
}

void CGlobalEditLayer::RestoreGlobal()
{
    if (!ConfirmAction("RestoreGlobal"))
        return;
    CLibraryWindow* window = GetLibraryWindow();
    if (window != nullptr && window->RestoreSavedGlobal())
        SetWindowModified();
    PostMessageToAll(kEventGlobalChanged, GetDocumentId(), -1, -1, 0);
}

void CGlobalEditLayer::LoadGlobal()
{
    CGlobal* global = GetGlobalData();
    if (DialogOpen() || global == nullptr || library_shell::RunFileDialog([&](CFileManager& files) {
                                                 return files.LoadGlobal(*global);
                                             }) != CFileManager::kDone)
        return;
    AnnounceGlobalChanged();
    if (CLibraryWindow* window = GetLibraryWindow())
        window->KeepGlobalAsSaved();
}

void CGlobalEditLayer::SaveGlobal()
{
    CGlobal* global = GetGlobalData();
    if (DialogOpen() || global == nullptr || library_shell::RunFileDialog([&](CFileManager& files) {
                                                 return files.SaveGlobal(*global);
                                             }) != CFileManager::kDone)
        return;
    if (CLibraryWindow* window = GetLibraryWindow())
        window->KeepGlobalAsSaved();
}
