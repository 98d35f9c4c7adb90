#include "editor/CcMapPageLayer.h"

#include "app/CcNumberChoices.h"
#include "app/ControlBinding.h"
#include "app/EditorShell.h"
#include "app/GlobalMapValueDialog.h"
#include "app/SemaphoreHold.h"
#include "app/SkinTable.h"
#include "app/controls/CustomList.h"
#include "editor/GlobalTabStrip.h"
#include "editor/layout/Layouts.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlListItem.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcWindow.h"

#include <cstdio>

namespace {

constexpr const char* kBackground = "BG_GlobalEditFav";
constexpr const char* kDialogTitle = "CC# Map";
constexpr int kCellWidth = 6;
constexpr int kCellHeight = 9;
constexpr ARGB kTabFrameColour = 0xFF606060;
constexpr ARGB kTabFillColour = 0xFF9B9B9B;
// Two columns of 32 lines, labels 6 in and 4 down in their cells, items
// running down the columns.
constexpr int kListColumns = 2;
constexpr int kListLines = 32;
constexpr int kLabelX = 6;
constexpr int kLabelY = 4;
constexpr ARGB kListSelectedColour = 0xFF9B9B9B;
constexpr ARGB kListMarkedColour = 0xFFFFE0DA;
constexpr ARGB kListFrameColour = 0x77FF5555;
constexpr ARGB kSelectionColour = 0xFF4A4A55;
// An item that has shown no value yet.
constexpr HfcWord kNothingShown = -1;

const layout::Control& Place(int id)
{
    static const layout::Window window = layout::CcMapLayout();
    return window.controls[static_cast<std::size_t>(id)];
}

}  // namespace

CGlobalEditCcMapPageLayer::CGlobalEditCcMapPageLayer() = default;

CGlobalEditCcMapPageLayer::~CGlobalEditCcMapPageLayer()
{
    if (IsCreated())
        Destroy();
}

std::string CGlobalEditCcMapPageLayer::LineText(const std::string& name, std::int32_t value)
{
    char text[64];
    if (static_cast<unsigned>(value) <= kLastController)
        std::snprintf(text, sizeof text, "%-24.24s : CC# %02d", name.c_str(), value);
    else
        std::snprintf(text, sizeof text, "%-24.24s : Off", name.c_str());
    return text;
}

std::int32_t CGlobalEditCcMapPageLayer::GetLineValue(int line) const
{
    // As stored, so that a number the map cannot hold shows as Off.
    return line >= 0 && line < kLineCount ? GetStoredGlobalValue(kMapGroup, line) : cc_choices::kOff;
}

bool CGlobalEditCcMapPageLayer::OnCreate()
{
    m_background = GetBitmap(ThemedBitmapName(kBackground, GetColourTheme()).c_str());
    CHfcBmp* font = GetBitmap("LcdCharWhite");
    CHfcBmp* dimFont = GetBitmap("LcdCharWhiteDim");

    // Each piece of the background comes from under its control.
    const layout::Control& tabs = Place(kTabsId);
    m_tabs = MakeGlobalTabStrip(tabs, {m_background, kBackgroundX + tabs.x, kBackgroundY + tabs.y, font, font, dimFont,
                                       kTabFrameColour, kTabFillColour, true});
    if (m_tabs == nullptr || !AttachBoundControl(*this, *m_tabs, ParameterReference{}))
        return false;

    const layout::Control& list = Place(kListId);
    HfcWord listWords[kHfcListWords] = {};
    listWords[kHfcListX] = list.x;
    listWords[kHfcListY] = list.y;
    listWords[kHfcListWidth] = list.w;
    listWords[kHfcListHeight] = list.h;
    listWords[kHfcListBackX] = kBackgroundX + list.x;
    listWords[kHfcListBackY] = kBackgroundY + list.y;
    listWords[kHfcListBack] = HfcBitmapWord(m_background);
    listWords[kHfcListFont] = HfcBitmapWord(font);
    listWords[kHfcListDisabledFont] = HfcBitmapWord(dimFont);
    listWords[kHfcListGlyphWidth] = kCellWidth;
    listWords[kHfcListGlyphHeight] = kCellHeight;
    listWords[kHfcListColumns] = kListColumns;
    listWords[kHfcListRows] = kListLines;
    listWords[kHfcListLabelX] = kLabelX;
    listWords[kHfcListLabelY] = kLabelY;
    listWords[kHfcListFlags] = kHfcListColumnOrder;
    listWords[kHfcListSelectedColor] = kListSelectedColour;
    listWords[kHfcListMarkedColor] = kListMarkedColour;
    listWords[kHfcListFrameColor] = kListFrameColour;
    m_list = std::make_unique<CCustomList>();
    if (!m_list->Create(listWords, kListId, 0) ||
        !AttachBoundControl(*this, *m_list, ParameterReference{{kMapGroup, 0, 0}, 0, 0}))
        return false;
    m_list->SetSelectionColor(kSelectionColour);

    SetMarksEdits(false);
    char label[16];
    std::snprintf(label, sizeof label, "Page %d", 0);
    m_tabs->AddTab(label);
    for (int line = 0; line < kLineCount; ++line) {
        if (CHfcCtrlListItem* item = m_list->AddItem())
            item->SetUserWord(kNothingShown);
    }
    m_list->NotifySelectedItems();
    m_list->SelectItem(0, 0);
    m_page = 0;
    FillLines();
    m_list->Redraw(true, false);
    FocusList();
    SetMarksEdits(true);

    m_tabs->Hide(false);
    m_backgroundPending = true;
    SetLayerCreated(true);
    return true;
}

bool CGlobalEditCcMapPageLayer::OnDestroy()
{
    SetLayerCreated(false);
    if (CHfcKey* key = CHfcKey::GetInstance(); key != nullptr && m_list != nullptr && m_list->HasFocus())
        key->ClearFocus();
    RemoveAllControls();
    for (CHfcControl* control : {static_cast<CHfcControl*>(m_tabs.get()), static_cast<CHfcControl*>(m_list.get())}) {
        if (control != nullptr)
            control->Destroy();
    }
    m_tabs.reset();
    m_list.reset();
    return CGlobalBaseLayer::OnDestroy();
}

void CGlobalEditCcMapPageLayer::FillLines()
{
    if (m_list == nullptr)
        return;
    for (int line = 0; line < kLineCount; ++line) {
        CHfcCtrlListItem* item = m_list->GetItem(line);
        const std::int32_t value = GetLineValue(line);
        if (item == nullptr || (item->GetUserWord() != kNothingShown && item->GetUserWord() == value))
            continue;
        item->SetText(LineText(GetGlobalName(kMapGroup, line), value).c_str());
        item->SetUserWord(value);
        item->SetDirty(true);
    }
    m_list->SetTopLine(m_page * m_list->GetVisibleLineCount());
}

void CGlobalEditCcMapPageLayer::FocusList()
{
    CHfcKey* key = CHfcKey::GetInstance();
    if (key != nullptr && m_list != nullptr && GetOwner() != nullptr)
        key->SetFocus(m_list.get(), GetOwner()->GetHandle());
}

void CGlobalEditCcMapPageLayer::TakeFocus()
{
    FocusList();
}

void CGlobalEditCcMapPageLayer::OnControlEditEnd(CHfcControl*)
{
    FocusList();
}

void CGlobalEditCcMapPageLayer::OnTimerTick()
{
    CEditorShell* shell = GetEditorShell();
    CSemaphoreHold drawing(shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr);
    CHfcOffscreenContext* context = GetContext();
    if (!m_backgroundPending || context == nullptr) {
        RedrawAllControls(false);
        return;
    }
    m_backgroundPending = false;
    if (m_background != nullptr)
        context->DrawBitmap(0, 0, GetWidth(), GetHeight(), m_background, kBackgroundX, kBackgroundY);
    Invalidate();
    RedrawAllControls(true);
    Update(true);
}

void CGlobalEditCcMapPageLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR, LONG_PTR, LONG_PTR,
                                                       LONG_PTR, CWindowManagerListener*)
{
    if (event != kEventGlobalChanged && event != kEventLibraryReplaced)
        return;
    SetEditable(false);
    FillLines();
    if (m_list != nullptr)
        m_list->Redraw(false, false);
    SetEditable(true);
}

void CGlobalEditCcMapPageLayer::ShowPage(int page)
{
    m_page = page;
    if (m_tabs != nullptr)
        m_tabs->CHfcCtrlPageButton::SetValue(page, true);
}

void CGlobalEditCcMapPageLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    if (control != m_tabs.get() || m_tabs == nullptr || value == m_page)
        return;
    ShowPage(value);
    m_list->SetTopLine(value * m_list->GetVisibleLineCount());
}

bool CGlobalEditCcMapPageLayer::OnControlListItem(CHfcControl* control, int code, std::intptr_t a, std::intptr_t b)
{
    if (control != m_list.get() || m_list == nullptr)
        return false;
    switch (code) {
    case kReportSelect: m_list->SetItemSelected(static_cast<int>(b), a != 0); break;
    case kReportSelectionDone:
    case kReportRedraw: m_list->Redraw(false, false); break;
    case kReportActivate:
        if (a != -1)
            OpenValueDialog(static_cast<int>(a));
        break;
    case kReportScroll: {
        m_list->EnsureVisible(static_cast<int>(a), 1);
        const int visible = m_list->GetVisibleLineCount();
        ShowPage(visible > 0 ? m_list->GetTopLine() / visible : 0);
        break;
    }
    default: return false;
    }
    return true;
}

void CGlobalEditCcMapPageLayer::OpenValueDialog(int line)
{
    if (line < 0 || line >= kLineCount || GetOwner() == nullptr)
        return;
    MapValueRecord record{};
    record.kind = MapValueRecord::kKindCcNumber;
    std::snprintf(record.title, sizeof record.title, "%s", kDialogTitle);
    std::snprintf(record.label, sizeof record.label, "%s", GetGlobalName(kMapGroup, line).c_str());
    record.selection = cc_choices::PositionOf(GetLineValue(line));
    CGlobalMapValueDialog dialog;
    if (dialog.DoModal(GetOwner()->GetHandle(), record) != 1)
        return;
    SetGlobalValue(kMapGroup, line, cc_choices::ValueAt(record.selection));
    PostGlobalChanged();
    SetWindowModified();
}
