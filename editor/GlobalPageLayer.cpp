#include "editor/GlobalPageLayer.h"

#include "app/ControlBinding.h"
#include "app/EditorShell.h"
#include "app/PopupMenu.h"
#include "app/SemaphoreHold.h"
#include "app/SkinTable.h"
#include "app/ValuePopup.h"
#include "app/ValueSteps.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomStaticText.h"
#include "editor/layout/GlobalPageTable.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <algorithm>

namespace {

namespace table = layout::global_page;

constexpr const char* kBackground = "BG_GlobalEditFav";
constexpr const char* kKeyboard = "ScaleKeyboard";

const table::Row& RowOf(int index)
{
    return table::kRows[static_cast<std::size_t>(index)];
}

}  // namespace

CGlobalEditGlobalPageLayer::CGlobalEditGlobalPageLayer() = default;

CGlobalEditGlobalPageLayer::~CGlobalEditGlobalPageLayer()
{
    if (IsCreated())
        Destroy();
}

int CGlobalEditGlobalPageLayer::RatioOf(int minimum, int maximum)
{
    if (maximum == minimum)
        return 1;
    return std::clamp(kSteps / (maximum - minimum), 1, kMaximumRatio);
}

bool CGlobalEditGlobalPageLayer::Attach(std::unique_ptr<CHfcControl> control, CCustomControl& binding, int row,
                                        const ParameterAddress& address)
{
    binding.SetIndex(row);
    if (!AttachBoundControl(*this, *control, binding, ParameterReference{address, 0, 0}))
        return false;
    m_controls.push_back(std::move(control));
    return true;
}

bool CGlobalEditGlobalPageLayer::OnCreate()
{
    m_background = GetBitmap(ThemedBitmapName(kBackground, GetColourTheme()).c_str());
    CHfcBmp* labelFont = GetBitmap("LcdCharWhite");
    CHfcBmp* labelDim = GetBitmap("LcdCharWhiteDim");
    for (int index = 0; index < table::kRowCount; ++index) {
        const table::Row& row = RowOf(index);
        const table::Place label = table::LabelPlace(row);
        if (row.kind == table::kLine) {
            CustomStaticTextDescriptor text;
            text.x = label.x;
            text.y = label.y;
            text.columns = table::kLabelColumns;
            text.font = row.header ? GetBitmap("LcdCharStrong") : labelFont;
            text.dimFont = row.header ? GetBitmap("LcdCharStrongDim") : labelDim;
            text.background = m_background;
            auto control = std::make_unique<CCustomStaticText>();
            CCustomStaticText& made = *control;
            made.SetBackgroundOrigin(false, label.x + kBackgroundX, label.y + kBackgroundY);
            const std::string shown = row.header ? row.label : GetGlobalName(row.group, row.index);
            if (!made.Create(&text, static_cast<std::uint32_t>(GetControlCount()),
                             row.header ? kEventHeading : kEventLabel) ||
                !Attach(std::move(control), made, index, {}))
                return false;
            made.SetData(shown.c_str(), false);
        }
        if (row.header)
            continue;
        const table::Place place = table::ValuePlace(row);
        const int minimum = GetGlobalMinimum(row.group, row.index);
        const int maximum = GetGlobalMaximum(row.group, row.index);
        CustomEditTextDescriptor field;
        field.x = place.x;
        field.y = place.y;
        field.characters = table::ValueColumns(row);
        field.font = GetBitmap("LcdCharWhiteBack");
        field.selectedFont = GetBitmap("LcdCharWhiteSelected");
        field.dimFont = labelDim;
        field.background = m_background;
        field.minimum = minimum;
        field.maximum = maximum;
        field.ratio = RatioOf(minimum, maximum);
        auto control = std::make_unique<CCustomEditText>();
        CCustomEditText& made = *control;
        made.SetBackgroundOrigin(false, place.x + kBackgroundX, place.y + kBackgroundY);
        const ParameterAddress address{static_cast<std::uint32_t>(row.group), static_cast<std::uint32_t>(row.index), 0};
        if (!made.Create(&field, static_cast<std::uint32_t>(GetControlCount()), kEventValue) ||
            !Attach(std::move(control), made, index, address))
            return false;
    }
    DrawPage();
    UpdateValueFields();
    RedrawAllControls(true);
    SetLayerCreated(true);
    return true;
}

bool CGlobalEditGlobalPageLayer::OnDestroy()
{
    SetLayerCreated(false);
    for (auto control = m_controls.rbegin(); control != m_controls.rend(); ++control) {
        RemoveControl(control->get());
        (*control)->Destroy();
    }
    m_controls.clear();
    return CGlobalBaseLayer::OnDestroy();
}

void CGlobalEditGlobalPageLayer::DrawPage()
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    if (m_background != nullptr)
        context->DrawBitmap(0, 0, GetWidth(), GetHeight(), m_background, kBackgroundX, kBackgroundY);
    if (CHfcBmp* keyboard = GetBitmap(kKeyboard))
        context->DrawBitmap(0, table::kKeyboardY, keyboard->GetWidth(), keyboard->GetHeight(), keyboard, 0, 0);
    Update(false);
}

CHfcControl* CGlobalEditGlobalPageLayer::GetControl(int id) const
{
    return id >= 0 && id < GetControlCount() ? m_controls[static_cast<std::size_t>(id)].get() : nullptr;
}

CCustomEditText* CGlobalEditGlobalPageLayer::ValueField(CHfcControl* control) const
{
    if (control == nullptr || control->GetEventCode() != kEventValue)
        return nullptr;
    return dynamic_cast<CCustomEditText*>(control);
}

void CGlobalEditGlobalPageLayer::UpdateValueFields()
{
    for (const auto& control : m_controls) {
        if (CCustomEditText* field = ValueField(control.get()))
            UpdateValueField(*field);
    }
}

void CGlobalEditGlobalPageLayer::UpdateValueField(CCustomEditText& field)
{
    const table::Row& row = RowOf(field.GetIndex());
    const int minimum = GetGlobalMinimum(row.group, row.index);
    const int maximum = GetGlobalMaximum(row.group, row.index);
    if (field.GetMin() != minimum || field.GetMax() != maximum) {
        field.SetMin(minimum);
        field.SetMax(maximum);
    }
    const bool enabled = IsGlobalEnabled(row.group, row.index);
    if (field.IsEnabled() != enabled)
        field.SetEnabled(enabled);
    field.SetValue(GetGlobalValue(row.group, row.index));
    // The field shows what fits of the text.
    const std::string text = GetGlobalValueText(row.group, row.index).substr(0, table::ValueColumns(row));
    char shown[kTextLimit + 1] = {};
    field.GetText(shown, sizeof shown);
    if (text != shown)
        field.SetData(text.c_str(), true);
}

void CGlobalEditGlobalPageLayer::TakeFocus()
{
    TakeKeyFocus();
    UpdateValueFields();
    RedrawAllControls(false);
}

void CGlobalEditGlobalPageLayer::OnTimerTick()
{
    CEditorShell* shell = GetEditorShell();
    CSemaphoreHold drawing(shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr);
    for (const auto& control : m_controls) {
        if (ValueField(control.get()) != nullptr)
            control->OnTimer(0);
    }
    RedrawAllControls(false);
}

void CGlobalEditGlobalPageLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR, LONG_PTR,
                                                        LONG_PTR, CWindowManagerListener*)
{
    if ((event == kEventGlobalChanged || event == kEventLibraryReplaced) && IsOwnWindowEvent(p1)) {
        UpdateValueFields();
        RedrawAllControls(false);
    }
}

void CGlobalEditGlobalPageLayer::ApplyValue(CCustomEditText& field, std::int32_t value)
{
    const table::Row& row = RowOf(field.GetIndex());
    SetGlobalValue(row.group, row.index, value);
    SetWindowModified();
    PostGlobalChanged();
    UpdateValueField(field);
}

void CGlobalEditGlobalPageLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    if (CCustomEditText* field = ValueField(control))
        ApplyValue(*field, field->PositionToValue(value_steps::PositionOfReport(value)));
}

bool CGlobalEditGlobalPageLayer::OnControlMouseDown(CHfcControl* control, int, int, int)
{
    CCustomEditText* field = ValueField(control);
    if (field == nullptr || GetGlobalData() == nullptr)
        return false;
    const table::Row& row = RowOf(field->GetIndex());
    const int kind = GetGlobalControlKind(row.group, row.index);
    if (kind != kKindList && kind != kKindOnOff)
        return false;
    OpenValuePopup(*field);
    TakeKeyFocus();
    return true;
}

void CGlobalEditGlobalPageLayer::OpenValuePopup(CCustomEditText& field)
{
    const table::Row& row = RowOf(field.GetIndex());
    CPopupMenu menu;
    if (GetOwner() == nullptr || !menu.Create())
        return;
    // Only the values the parameter can take, from its minimum up.
    const std::int32_t minimum = GetGlobalMinimum(row.group, row.index);
    const std::int32_t maximum = GetGlobalMaximum(row.group, row.index);
    for (std::int32_t value = minimum; value <= maximum; ++value)
        menu.AppendIndexedItem(GetGlobalValueText(row.group, row.index, value), value - minimum);
    const std::int32_t current = GetGlobalValue(row.group, row.index);
    menu.CheckItem(current - minimum, true);
    const int chosen = TrackPopupAtControl(menu, *this, field);
    if (chosen >= 0 && minimum + chosen != current)
        ApplyValue(field, minimum + chosen);
}
