#include "app/EditLayerBase.h"

#include "app/BaseWindow.h"
#include "app/EditorShell.h"
#include "app/ValueSteps.h"
#include "app/WindowEvents.h"
#include "framework/ui/HfcControl.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <platform/painting.h>

#include <cstring>

namespace {

constexpr int kValueTextSize = 256;

CWindowManager* WindowManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetWindowManager() : nullptr;
}

}  // namespace

CEditLayerBase::~CEditLayerBase()
{
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
}

bool CEditLayerBase::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    SetDataKind(kProgramBankData);
    const bool made = CBaseLayer::Create(x, y, width, height, window);
    if (CWindowManager* manager = WindowManager(); manager != nullptr && !m_registered)
        m_registered = manager->AddListener(this);
    SetLayerCreated(true);
    return made;
}

bool CEditLayerBase::OnDestroy()
{
    // Create builds the layer on this thread before it returns, so no
    // creation can still be under way here and nothing is waited for.
    if (m_registered && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_registered = false;
    if (GetWindow() != nullptr)
        GetWindow()->SetTimerEnabled(false);
    while (!m_ownedControls.empty()) {
        std::unique_ptr<CHfcControl> control = std::move(m_ownedControls.back());
        m_ownedControls.pop_back();
        control->Destroy();
        RemoveControl(control.get());
    }
    while (GetBoundControlCount() > 0)
        RemoveBoundControl(GetBoundControl(GetBoundControlCount() - 1));
    m_hoveredControl = -1;
    Disarm();
    return CBaseLayer::OnDestroy();
}

void CEditLayerBase::KeepControl(std::unique_ptr<CHfcControl> control)
{
    if (control != nullptr)
        m_ownedControls.push_back(std::move(control));
}

CHfcControl* CEditLayerBase::GetControl(int index) const
{
    const auto& controls = GetControls();
    if (index < 0 || index >= static_cast<int>(controls.size()))
        return nullptr;
    return dynamic_cast<CHfcControl*>(controls[static_cast<std::size_t>(index)]);
}

void CEditLayerBase::UpdateAllControls()
{
    for (int i = 0; i < static_cast<int>(GetControls().size()); ++i)
        UpdateControl(i);
    RedrawAllControls(false);
}

void CEditLayerBase::UpdateControl(int index)
{
    CHfcControl* control = GetControl(index);
    CCustomControl* binding = GetBoundControl(index);
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CProgram* program = GetProgramRecord();
    if (control == nullptr || binding == nullptr || accessor == nullptr || program == nullptr)
        return;
    const ParameterAddress address = GetControlParameter(binding);
    const std::int32_t value = accessor->GetValue(program, address);
    const std::int32_t minimum = accessor->GetMinimum(program, address);
    const std::int32_t maximum = accessor->GetMaximum(program, address);
    const bool enabled = accessor->IsEnabled(program, address);
    // The minimum first, so that the control's range is again what its
    // creation made of the bounds.
    if (binding->GetMin() != minimum || binding->GetMax() != maximum) {
        binding->SetMin(minimum);
        binding->SetMax(maximum);
        binding->SetRatio(value_steps::RatioForRange(minimum, maximum));
    }
    if (binding->IsEnabled() != enabled)
        binding->SetEnabled(enabled);
    switch (binding->GetControlType()) {
    case CCustomControl::kLed: {
        std::int32_t fixed = 0;
        const int lit = LedValueOf(control, fixed) && value == fixed ? 1 : 0;
        if (binding->GetValue() != lit)
            binding->SetValue(lit);
        break;
    }
    case CCustomControl::kEditText: {
        if (binding->GetValue() != value)
            binding->SetValue(value);
        char shown[kValueTextSize] = {};
        char text[kValueTextSize] = {};
        accessor->GetValueText(program, address, shown, sizeof shown);
        binding->GetText(text, sizeof text);
        if (std::strcmp(shown, text) != 0)
            control->SetData(shown, true);
        break;
    }
    default:
        if (binding->GetValue() != value)
            binding->SetValue(value);
        break;
    }
}

void CEditLayerBase::OnTimerTick()
{
    for (int i = 0; i < static_cast<int>(GetControls().size()); ++i) {
        CHfcControl* control = GetControl(i);
        CCustomControl* binding = GetBoundControl(i);
        if (control == nullptr || binding == nullptr)
            continue;
        if (binding->GetControlType() == CCustomControl::kButton)
            control->Redraw(false, true);
        else if (binding->GetControlType() == CCustomControl::kEditText)
            control->OnTimer(0);
    }
}

void CEditLayerBase::OnWindowDeactivate()
{
    EndTextEditing();
    m_dragSource = -1;
}

void CEditLayerBase::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
                                            LONG_PTR p4, CWindowManagerListener*)
{
    switch (event) {
    case kEventProgramDataChanged:
    case kEventDataModified:
        if (p1 == GetProgramIndex() && p3 == GetDocumentId()) {
            UpdateAllControls();
            if (GetOwner() != nullptr)
                UpdateWindow(GetOwner()->GetHandle());
        }
        break;
    case kEventProgramSwitch:
        if (p1 == GetDocumentId() && p2 == 1 && p3 == GetProgramIndex()) {
            SelectProgram(static_cast<int>(p4));
            UpdateAllControls();
        }
        break;
    default: break;
    }
}
