#include "editor/ProgramListLayer.h"

#include "app/AppSettings.h"
#include "app/EditorShell.h"
#include "app/LastTransmittedProgram.h"
#include "app/SemaphoreHold.h"
#include "app/SkinTable.h"
#include "app/WindowEvents.h"
#include "editor/LibraryShell.h"
#include "editor/LibraryWindow.h"
#include "editor/ProgramListDragHandler.h"
#include "editor/ProgramListInfo.h"
#include "editor/layout/Layouts.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcCtrlCharStaticText.h"
#include "model/MidiManager.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kTickMs = 60;
constexpr int kCurrentProgram = -1;
constexpr int kEventProgramRedraw = 2;
constexpr int kEventNameChanged = 3;
constexpr int kEventLibraryLoaded = 16;
constexpr int kEventLibraryReplaced = 18;
constexpr int kEventBlockPasted = 21;
constexpr int kEventRedrawList = 26;

const layout::Window& Page()
{
    static const layout::Window page = layout::ProgramListLayout();
    return page;
}

AppSettings* Settings()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? &shell->GetMutableSettings() : nullptr;
}

CEfSemaphore* DrawingSemaphore()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr;
}

// The framework words of a strip control of the layout over the page.
void StripWords(const layout::Control& control, CHfcBmp* background, int states, HfcWord (&words)[kHfcStripWords])
{
    words[kHfcStripX] = control.x;
    words[kHfcStripY] = control.y;
    words[kHfcStripBitmap] = HfcBitmapWord(GetBitmap(control.skin));
    words[kHfcStripBack] = HfcBitmapWord(background);
    words[kHfcStripBackX] = control.x;
    words[kHfcStripBackY] = control.y;
    words[kHfcStripStates] = states;
}

// The changes of data that show in a row: (p2, p3) of event 14.
bool ShowsInRow(LONG_PTR p2, LONG_PTR p3)
{
    return (p2 == 0x60 && p3 == 1) || (p2 == 0 && p3 == 25) || (p2 == 0x40 && p3 == 0);
}

bool IsProgram(LONG_PTR program)
{
    return program >= 0 && program < kProgramBankSize;
}

}  // namespace

CProgramListLayer::CProgramListLayer() : m_geometry(program_list::GeometryOf(0))
{
    SetDataKind(kProgramBankData);
}

CProgramListLayer::~CProgramListLayer()
{
    // The controls and the drag go with this object, so the page goes first.
    if (IsCreated())
        Destroy();
}

bool CProgramListLayer::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    m_background = GetBitmap(ThemedBitmapName(Page().background, GetColourTheme()).c_str());
    m_darkFont = GetBitmap("LcdChar");
    return CBaseLayer::Create(x, y, width, height, window);
}

bool CProgramListLayer::OnCreate()
{
    m_library = GetDocumentList();
    if (m_library == nullptr || GetBank() == nullptr || !MakeControls())
        return false;
    // Nothing of this marks the window modified.
    m_initialised = false;
    const int storedMode = m_library->GetViewWord(kViewListMode) == 1 ? 1 : 0;
    m_infoMask = static_cast<std::uint32_t>(m_library->GetViewWord(storedMode == 0 ? kViewMaskMode0 : kViewMaskMode1));
    SetListMode(storedMode);
    m_highlightMode = m_library->GetViewWord(kViewHighlightMode);
    ClearSelection();
    m_programFlags[0] |= kSelected | kNeedsRedraw;
    UpdateHeaderFields();
    ClearFavouriteSelection();
    m_favouriteFlags[0] |= kSelected | kNeedsRedraw;
    UpdateHighlight();
    if (const AppSettings* settings = Settings())
        m_autoDumpSwitch->SetValue(settings->autoDumpEnabled ? 1 : 0, false);
    RedrawAll();
    m_initialised = true;
    return true;
}

bool CProgramListLayer::MakeControls()
{
    for (const layout::Control& control : Page().controls) {
        std::unique_ptr<CHfcControl> made;
        HfcWord strip[kHfcStripWords] = {};
        switch (control.kind) {
        case layout::Kind::Button: {
            StripWords(control, m_background, 1, strip);
            auto button = std::make_unique<CHfcCtrlButton>();
            if (!button->Create(strip, static_cast<std::uint32_t>(control.id), 0))
                return false;
            made = std::move(button);
            break;
        }
        case layout::Kind::Switch: {
            StripWords(control, m_background, 2, strip);
            auto toggle = std::make_unique<CHfcCtrlOldSwitch>();
            if (!toggle->Create(strip, static_cast<std::uint32_t>(control.id), 0))
                return false;
            made = std::move(toggle);
            break;
        }
        default: {
            CHfcBmp* font = GetBitmap(control.skin);
            const int cellWidth = font != nullptr ? font->GetWidth() : 1;
            const HfcWord words[kHfcStaticTextWords] = {
                control.x, control.y, 0, 0, HfcBitmapWord(font),   HfcBitmapWord(m_background), control.x,
                control.y, 0,         0, 1, control.w / cellWidth,
            };
            auto text = std::make_unique<CHfcCtrlCharStaticText>();
            if (!text->Create(words, static_cast<std::uint32_t>(control.id), 0))
                return false;
            made = std::move(text);
            break;
        }
        }
        made->SetOwner(this);
        AddControl(made.get(), false);
        made->Show(false);
        switch (control.id) {
        case kViewMenuButton: m_viewMenuButton.reset(static_cast<CHfcCtrlButton*>(made.release())); break;
        case kInfoButton: m_infoButton.reset(static_cast<CHfcCtrlButton*>(made.release())); break;
        case kEditButton: m_editButton.reset(static_cast<CHfcCtrlButton*>(made.release())); break;
        case kAutoDumpSwitch: m_autoDumpSwitch.reset(static_cast<CHfcCtrlOldSwitch*>(made.release())); break;
        case kListModeSwitch: m_listModeSwitch.reset(static_cast<CHfcCtrlOldSwitch*>(made.release())); break;
        case kNameField: m_nameField.reset(static_cast<CHfcCtrlCharStaticText*>(made.release())); break;
        default: m_categoryField.reset(static_cast<CHfcCtrlCharStaticText*>(made.release())); break;
        }
    }
    return m_autoDumpSwitch != nullptr && m_listModeSwitch != nullptr && m_nameField != nullptr &&
           m_categoryField != nullptr;
}

bool CProgramListLayer::OnDestroy()
{
    RemoveAllControls();
    for (int id = kViewMenuButton; id <= kCategoryField; ++id) {
        if (CHfcControl* control = GetControl(id))
            control->Destroy();
    }
    m_drag.reset();
    return CBaseLayer::OnDestroy();
}

CHfcControl* CProgramListLayer::GetControl(int id) const
{
    switch (id) {
    case kViewMenuButton: return m_viewMenuButton.get();
    case kInfoButton: return m_infoButton.get();
    case kEditButton: return m_editButton.get();
    case kAutoDumpSwitch: return m_autoDumpSwitch.get();
    case kListModeSwitch: return m_listModeSwitch.get();
    case kNameField: return m_nameField.get();
    case kCategoryField: return m_categoryField.get();
    default: return nullptr;
    }
}

void CProgramListLayer::SetDragHandler(std::unique_ptr<CProgramListDragHandler> handler)
{
    m_drag = std::move(handler);
}

ProgramBank* CProgramListLayer::GetBank() const
{
    LibraryDataItem* container = GetContainer();
    return container != nullptr ? container->bank.get() : nullptr;
}

CLibraryWindow* CProgramListLayer::GetLibraryWindow() const
{
    return dynamic_cast<CLibraryWindow*>(GetWindow());
}

bool CProgramListLayer::IsBusy()
{
    return library_shell::IsProgressBusy();
}

void CProgramListLayer::MarkModified()
{
    if (m_initialised)
        SetWindowModified();
}

bool CProgramListLayer::IsAutoDumpOn() const
{
    return m_autoDumpSwitch != nullptr && m_autoDumpSwitch->GetValue() == 1;
}

void CProgramListLayer::EndPress()
{
    m_pendingClick = kNoClick;
    m_pressIndex = -1;
    m_pressHeld = false;
    m_clickedNew = false;
}

void CProgramListLayer::StoreViewWord(int word, std::int32_t value)
{
    if (m_library != nullptr)
        m_library->SetViewWord(word, value);
}

void CProgramListLayer::StoreInfoMask()
{
    const auto mask = static_cast<int>(m_infoMask);
    StoreViewWord(m_listMode == 1 ? kViewMaskMode1 : kViewMaskMode0, mask);
    if (AppSettings* settings = Settings()) {
        (m_listMode == 1 ? settings->programListShowInfo4Lines : settings->programListShowInfo2Lines) = mask;
        settings->programListShowInfo = mask;
    }
}

void CProgramListLayer::SetListMode(int mode)
{
    m_listMode = mode == 1 ? 1 : 0;
    m_geometry = program_list::GeometryOf(m_listMode);
    if (m_library != nullptr)
        m_infoMask =
            static_cast<std::uint32_t>(m_library->GetViewWord(m_listMode == 1 ? kViewMaskMode1 : kViewMaskMode0));
    m_listModeSwitch->SetValue(m_listMode, true);
    m_page = program_list::PageOf(m_geometry, std::max(FirstSelected(), 0));
    StoreViewWord(kViewListMode, m_listMode);
    if (AppSettings* settings = Settings())
        settings->programListMode = m_listMode;
    RedrawAll();
}

void CProgramListLayer::ToggleInfoColumn(int column)
{
    m_infoMask = program_list::ToggleInfoColumn(m_infoMask, column, m_listMode);
    StoreInfoMask();
    RedrawAll();
}

void CProgramListLayer::SetHighlightMode(int mode)
{
    m_highlightMode = mode;
    StoreViewWord(kViewHighlightMode, mode);
    UpdateHighlight();
    DrawRows();
}

void CProgramListLayer::SetPage(int page)
{
    if (page < 0 || page >= program_list::PageCount(m_geometry))
        return;
    m_page = page;
    DrawPageTabs(true);
    for (std::uint32_t& flags : m_programFlags)
        flags |= kNeedsRedraw;
    DrawRows();
}

int CProgramListLayer::FirstSelected() const
{
    const auto found = std::find_if(m_programFlags.begin(), m_programFlags.end(),
                                    [](std::uint32_t flags) { return (flags & kSelected) != 0; });
    return found != m_programFlags.end() ? static_cast<int>(found - m_programFlags.begin()) : -1;
}

int CProgramListLayer::SelectedCount() const
{
    return static_cast<int>(std::count_if(m_programFlags.begin(), m_programFlags.end(),
                                          [](std::uint32_t flags) { return (flags & kSelected) != 0; }));
}

std::vector<int> CProgramListLayer::SelectedPrograms() const
{
    std::vector<int> selected;
    for (int program = 0; program < kProgramBankSize; ++program) {
        if ((m_programFlags[static_cast<std::size_t>(program)] & kSelected) != 0)
            selected.push_back(program);
    }
    return selected;
}

void CProgramListLayer::ClearSelection()
{
    for (std::uint32_t& flags : m_programFlags) {
        if ((flags & kSelected) != 0)
            flags = (flags & ~kSelected) | kNeedsRedraw;
    }
}

void CProgramListLayer::ClearFavouriteSelection()
{
    for (std::uint32_t& flags : m_favouriteFlags) {
        if ((flags & kSelected) != 0)
            flags = (flags & ~kSelected) | kNeedsRedraw;
    }
}

void CProgramListLayer::SelectProgram(int program)
{
    if (!IsProgram(program))
        return;
    ClearSelection();
    m_programFlags[static_cast<std::size_t>(program)] |= kSelected | kNeedsRedraw;
    RefreshSelection();
}

void CProgramListLayer::RefreshSelection()
{
    UpdateHeaderFields();
    UpdateHighlight();
    DrawRows();
}

int CProgramListLayer::ReselectFirst()
{
    const int first = std::max(FirstSelected(), 0);
    SelectProgram(first);
    return first;
}

void CProgramListLayer::SelectRange(int from, int to)
{
    const auto [low, high] = std::minmax(from, to);
    for (int program = low; program <= high; ++program) {
        std::uint32_t& flags = m_programFlags[static_cast<std::size_t>(program)];
        if (m_highlightMode == kHighlightOff || (flags & kHighlighted) != 0)
            flags |= kSelected | kNeedsRedraw;
    }
}

void CProgramListLayer::UpdateHighlight()
{
    if (m_highlightMode == kHighlightOff) {
        for (std::uint32_t& flags : m_programFlags) {
            if ((flags & kHighlighted) != 0)
                flags = (flags & ~kHighlighted) | kNeedsRedraw;
        }
        return;
    }
    const ProgramBank* bank = GetBank();
    const std::vector<int> selected = SelectedPrograms();
    if (bank == nullptr || selected.empty())
        return;
    const auto keyOf = [&](int program) {
        const CProgram& record = (*bank)[static_cast<std::size_t>(program)];
        switch (m_highlightMode) {
        case kHighlightAssign: return std::string(1, static_cast<char>(record.GetData()[8] >> 6));
        case kHighlightProgrammer:
            return std::string(record.GetRegion().programmerName,
                               strnlen(record.GetRegion().programmerName, sizeof record.GetRegion().programmerName));
        default: return std::string();
        }
    };
    const std::string key = keyOf(selected.front());
    // A selection of one kind keeps the highlight it has.
    if (std::any_of(selected.begin() + 1, selected.end(), [&](int program) { return keyOf(program) == key; }))
        return;
    for (int program = 0; program < kProgramBankSize; ++program) {
        std::uint32_t& flags = m_programFlags[static_cast<std::size_t>(program)];
        const bool matches = keyOf(program) == key;
        if (matches && (flags & kHighlighted) == 0)
            flags |= kHighlighted | kNeedsRedraw;
        else if (!matches && (flags & kHighlighted) != 0)
            flags = (flags & ~kHighlighted) | kNeedsRedraw;
    }
}

bool CProgramListLayer::SendSelectedProgramToDevice(int program)
{
    CMidiManager* midi = library_shell::MidiManager();
    ProgramBank* bank = GetBank();
    if (midi == nullptr || !midi->IsReady() || bank == nullptr || !IsProgram(program))
        return false;
    SelectProgram(program);
    CProgram& record = (*bank)[static_cast<std::size_t>(program)];
    StoreLastTransmittedProgram(&record, GetDocumentId(), program);
    return midi->WriteProgram(record, kCurrentProgram, true);
}

void CProgramListLayer::CloseEditWindow(int program)
{
    CLibraryWindow* window = GetLibraryWindow();
    CBaseWindow* edit = window != nullptr ? window->GetProgramEditWindow(program) : nullptr;
    if (edit == nullptr)
        return;
    edit->CloseDependentWindows();
    // A window that refuses stays, still showing this bank's program.
    if (edit->CloseWindow(false))
        window->SetProgramEditWindow(program, nullptr);
}

void CProgramListLayer::CloseAllEditWindows()
{
    for (int program = 0; program < kProgramBankSize; ++program)
        CloseEditWindow(program);
}

void CProgramListLayer::OnTimerTick()
{
    if (m_drag != nullptr)
        m_drag->OnTick(kTickMs);
    CSemaphoreHold hold(DrawingSemaphore());
    const bool repaint = m_fullRepaint;
    m_fullRepaint = false;
    RedrawAllControls(repaint);
}

void CProgramListLayer::NotifyProgramChanged(int flag, int program, int /*unused*/)
{
    if (flag != 0 || !IsProgram(program) || program_list::PageOf(m_geometry, program) != m_page)
        return;
    m_programFlags[static_cast<std::size_t>(program)] |= kNeedsRedraw;
    UpdateHighlight();
    DrawRows();
}

void CProgramListLayer::TakeFocus()
{
    TakeKeyFocus();
    RedrawAll();
}

void CProgramListLayer::OnWindowManagerMessage(CWindowManager* /*manager*/, int event, LONG_PTR p1, LONG_PTR p2,
                                               LONG_PTR p3, LONG_PTR p4, CWindowManagerListener* sender)
{
    switch (event) {
    case kEventProgramDataChanged:
        if (p3 != GetDocumentId() || sender == this)
            break;
        [[fallthrough]];
    case kEventProgramRedraw:
    case kEventNameChanged:
        if (IsProgram(p1)) {
            m_programFlags[static_cast<std::size_t>(p1)] |= kNeedsRedraw;
            RefreshSelection();
        }
        break;
    case kEventDataModified:
        if (IsProgram(p1) && ShowsInRow(p2, p3)) {
            m_programFlags[static_cast<std::size_t>(p1)] |= kNeedsRedraw;
            DrawRow(static_cast<int>(p1), false);
        }
        break;
    case kEventLibraryLoaded:
    case kEventLibraryReplaced:
        if (p1 != GetDocumentId())
            break;
        CloseAllEditWindows();
        for (std::uint32_t& flags : m_programFlags)
            flags |= kNeedsRedraw;
        RefreshSelection();
        break;
    case kEventProgramSwitch:
        if (p1 == GetDocumentId() && p2 == 1 && IsProgram(p3) && IsProgram(p4) && p3 != p4) {
            CLibraryWindow* window = GetLibraryWindow();
            if (window == nullptr)
                break;
            CBaseWindow* moving = window->GetProgramEditWindow(static_cast<int>(p3));
            CloseEditWindow(static_cast<int>(p4));
            window->SetProgramEditWindow(static_cast<int>(p4), moving);
            window->SetProgramEditWindow(static_cast<int>(p3), nullptr);
        }
        break;
    case kEventBlockPasted:
        if (sender == this)
            SendSelectedProgramToDevice(static_cast<int>(p3));
        break;
    case kEventRedrawList:
        for (std::uint32_t& flags : m_programFlags)
            flags |= kNeedsRedraw;
        DrawRows();
        UpdateHeaderFields();
        break;
    default: break;
    }
}
