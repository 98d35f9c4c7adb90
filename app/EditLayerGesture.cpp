#include "app/EditLayerBase.h"

#include "app/ValuePopup.h"
#include "app/ValueSteps.h"
#include "app/controls/CustomSwitches.h"
#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcWindow.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <algorithm>

namespace {

constexpr std::int32_t kListControlKind = 3;
// "Long Ribbon (Filter) Intensity" acts on both timbres at once.
constexpr std::uint32_t kRibbonIntensityGroup = 2;
constexpr std::uint32_t kRibbonIntensityIndex = 110;

bool IsPressed(int report)
{
    return (report & kHfcValuePressed) != 0;
}

}  // namespace

void CEditLayerBase::OnControlValueChanged(CHfcControl* control, int value)
{
    CCustomControl* binding = control != nullptr ? GetBoundControl(static_cast<int>(control->GetId())) : nullptr;
    std::int32_t newValue = 0;
    // A report of a control without a binding names no parameter.
    if (binding == nullptr || !ValueOfReport(control, binding, value, newValue))
        return;
    ApplyParameterChange(control, GetControlParameter(binding), newValue, true);
}

bool CEditLayerBase::ValueOfReport(CHfcControl* control, CCustomControl* binding, int report, std::int32_t& value)
{
    switch (control->GetEventCode()) {
    case CCustomControl::kEventPosition:
        value = binding->PositionToValue(value_steps::PositionOfReport(report));
        return true;
    case CCustomControl::kEventToggle:
        if (!IsPressed(report))
            return false;
        value = 1 - control->GetValue();
        return true;
    case CCustomControl::kEventFixedValue: return IsPressed(report) && LedValueOf(control, value);
    default: return false;
    }
}

bool CEditLayerBase::ApplyParameterChange(CHfcControl* control, const ParameterAddress& address, std::int32_t value,
                                          bool toBothTimbres)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CProgram* program = GetProgramRecord();
    if (accessor == nullptr || program == nullptr)
        return false;
    // The accessor stores without a range check: out of range is refused
    // here, and a value the program has already changes nothing.
    value = std::max(accessor->GetMinimum(program, address), std::min(value, accessor->GetMaximum(program, address)));
    if (accessor->GetValue(program, address) == value)
        return false;
    accessor->SetValue(program, address, value);
    ShowParameterMessage(control);
    SetWindowModified();
    PostDataChanged(false);
    if (toBothTimbres && address.group == kRibbonIntensityGroup && address.index == kRibbonIntensityIndex) {
        ParameterAddress each = address;
        for (std::uint32_t timbre : {0u, 1u}) {
            each.timbre = timbre;
            SendParameterToDevice(each, value);
        }
    } else {
        SendParameterToDevice(address, value);
    }
    return true;
}

bool CEditLayerBase::OnControlMouseDown(CHfcControl* control, int x, int y, int /*modifiers*/)
{
    if (control == nullptr)
        return false;
    if (m_hoveredControl != -1) {
        m_dragSource = static_cast<int>(control->GetId());
        m_dragArmed = 1;
        m_dragStart = {control->GetRect().left + x, control->GetRect().top + y};
    }
    if (control->GetEventCode() != CCustomControl::kEventPosition)
        return false;
    CCustomControl* binding = GetBoundControl(static_cast<int>(control->GetId()));
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (binding == nullptr || accessor == nullptr || GetProgramRecord() == nullptr)
        return false;
    const ParameterAddress address = GetControlParameter(binding);
    if (accessor->GetControlKind(GetProgramRecord(), address) != kListControlKind)
        return false;
    OpenListPopup(control, address);
    TakeKeyFocus();
    return true;
}

void CEditLayerBase::OpenListPopup(CHfcControl* control, const ParameterAddress& address)
{
    if (const auto chosen = ChooseParameterValue(*this, *control, GetProgramRecord(), address))
        ApplyParameterChange(control, address, *chosen, false);
}

bool CEditLayerBase::LedValueOf(CHfcControl* control, std::int32_t& value)
{
    const auto* led = dynamic_cast<const CCustomLed*>(control);
    if (led == nullptr)
        return false;
    value = led->GetDescriptor().pressedValue;
    return true;
}
