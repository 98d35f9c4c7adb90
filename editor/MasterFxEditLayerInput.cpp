// What the master effect layer makes of presses, drags and reported values
// of its fields.
#include "editor/MasterFxEditLayer.h"

#include "app/PopupMenu.h"
#include "app/ValuePopup.h"
#include "app/ValueSteps.h"
#include "app/controls/CustomEditText.h"
#include "editor/MasterFxKnobAssignTable.h"
#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <cstdlib>

namespace {

constexpr std::int32_t kListKind = 3;
constexpr std::int32_t kSwitchKind = 4;

bool IsRibbonField(int id, int ribbon)
{
    return id == CMasterFxEditLayer::RibbonFieldId(0, ribbon) || id == CMasterFxEditLayer::RibbonFieldId(1, ribbon);
}

int EffectOfRibbonField(int id)
{
    return (id - CMasterFxEditLayer::kFirstRibbon) / 4;
}

// The type fields and the parameter fields.
bool IsField(int id)
{
    return id == CMasterFxEditLayer::kTypeField || id == CMasterFxEditLayer::kTypeField + 1 ||
           (id >= CMasterFxEditLayer::kFirstField && id < CMasterFxEditLayer::kFirstRibbon);
}

bool IsValueField(int id)
{
    return IsField(id) || IsRibbonField(id, 0) || IsRibbonField(id, 1);
}

}  // namespace

void CMasterFxEditLayer::ApplyValue(const ParameterAddress& address, std::int32_t value)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CProgram* program = GetProgramRecord();
    if (accessor == nullptr || program == nullptr)
        return;
    // The accessor stores without a range check.
    value = std::max(accessor->GetMinimum(program, address), std::min(value, accessor->GetMaximum(program, address)));
    if (accessor->GetValue(program, address) == value)
        return;
    accessor->SetValue(program, address, value);
    SetWindowModified();
    PostDataChanged(false);
    SendParameterToDevice(address, value);
}

void CMasterFxEditLayer::ApplyAssignmentPosition(int effect, int position)
{
    const CMasterFxKnobAssignTable table(GetProgramRecord(), effect);
    if (position < 0 || position > table.GetCount())
        return;
    const std::int32_t parameter = table.ParameterAt(position);
    if (parameter != -1)
        ApplyValue(GetMasterFxAddress(master_fx::RowOf(effect, master_fx::kRibbonAssignRow)), parameter);
}

void CMasterFxEditLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    const int id = control != nullptr ? static_cast<int>(control->GetId()) : -1;
    CCustomControl* binding = GetBoundControl(id);
    if (binding == nullptr || !IsValueField(id))
        return;
    const int position = binding->PositionToValue(value_steps::PositionOfReport(value));
    if (IsRibbonField(id, 0))
        ApplyAssignmentPosition(EffectOfRibbonField(id), position);
    else
        ApplyValue(GetMasterFxAddress(static_cast<int>(control->GetEventCode())), position);
}

bool CMasterFxEditLayer::OnControlMouseDown(CHfcControl* control, int x, int y, int /*modifiers*/)
{
    if (control == nullptr)
        return false;
    const int id = static_cast<int>(control->GetId());
    if (m_hoveredControl != -1) {
        m_pressControl = id;
        m_pressed = true;
        m_pressPoint = {control->GetRect().left + x, control->GetRect().top + y};
    }
    const ParameterAddress address = GetMasterFxAddress(static_cast<int>(control->GetEventCode()));
    if (IsRibbonField(id, 1)) {
        OpenValuePopup(*control, address);
    } else if (IsRibbonField(id, 0)) {
        OpenAssignmentPopup(*control, EffectOfRibbonField(id));
    } else if (IsField(id)) {
        const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
        const std::int32_t kind =
            accessor != nullptr ? accessor->GetControlKind(GetProgramRecord(), address) : kListKind - 1;
        if (kind != kListKind && kind != kSwitchKind)
            return false;
        OpenValuePopup(*control, address);
    } else {
        return false;
    }
    TakeKeyFocus();
    return true;
}

void CMasterFxEditLayer::OpenValuePopup(CHfcControl& control, const ParameterAddress& address)
{
    if (const auto chosen = ChooseParameterValue(*this, control, GetProgramRecord(), address))
        ApplyValue(address, *chosen);
}

void CMasterFxEditLayer::OpenAssignmentPopup(CHfcControl& control, int effect)
{
    const CMasterFxKnobAssignTable table(GetProgramRecord(), effect);
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CPopupMenu menu;
    if (accessor == nullptr || GetProgramRecord() == nullptr || !menu.Create())
        return;
    for (int position = 0; position <= table.GetCount(); ++position)
        menu.AppendIndexedItem(table.GetItemText(position), position);
    const std::int32_t assigned = accessor->GetValue(
        GetProgramRecord(), GetMasterFxAddress(master_fx::RowOf(effect, master_fx::kRibbonAssignRow)));
    const int current = table.PositionOf(assigned);
    menu.CheckItem(current, true);
    const int chosen = TrackPopupAtControl(menu, *this, control);
    if (chosen >= 0 && chosen != current)
        ApplyAssignmentPosition(effect, chosen);
}

bool CMasterFxEditLayer::OnControlMouseUp(CHfcControl* /*control*/, int /*x*/, int /*y*/, int /*modifiers*/)
{
    ForgetPress();
    return false;
}

bool CMasterFxEditLayer::OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers)
{
    ForgetPress();
    return CBaseLayer::OnHfcMouseLButtonUp(mouse, x, y, modifiers);
}

bool CMasterFxEditLayer::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers)
{
    m_hoveredControl = -1;
    return CBaseLayer::OnHfcMouseMove(mouse, x, y, modifiers);
}

bool CMasterFxEditLayer::OnControlMouseMove(CHfcControl* control, int x, int y, int modifiers)
{
    if (control == nullptr)
        return false;
    m_hoveredControl = static_cast<int>(control->GetId());
    if (!m_pressed)
        return false;
    const int layerX = control->GetRect().left + x;
    const int layerY = control->GetRect().top + y;
    if (std::abs(layerX - m_pressPoint.x) + std::abs(layerY - m_pressPoint.y) <= kDragThreshold)
        return false;
    CHfcControl* pressed = GetControl(m_pressControl);
    bool started = false;
    if (pressed != nullptr) {
        started =
            StartEffectDrag(pressed, m_pressPoint.x - pressed->GetRect().left, m_pressPoint.y - pressed->GetRect().top);
        // The pressed control ends its own press.
        if (started)
            pressed->OnHfcMouseLButtonUp(CHfcMouse::GetInstance(), layerX - pressed->GetRect().left,
                                         layerY - pressed->GetRect().top, modifiers);
    }
    ForgetPress();
    return started;
}

void CMasterFxEditLayer::ForgetPress()
{
    m_pressControl = -1;
    m_pressed = false;
    m_pressPoint = {};
}
