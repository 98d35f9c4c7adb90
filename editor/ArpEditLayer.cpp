#include "editor/ArpEditLayer.h"

#include "editor/LayoutControls.h"
#include "editor/SkinnedPage.h"
#include "editor/layout/ArpEditEvents.h"
#include "editor/layout/Layouts.h"
#include "framework/ui/HfcControl.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

namespace {

// "Step 1 SW" to "Step 8 SW" of the arpeggiator group.
constexpr std::uint32_t kArpGroup = 8;
constexpr std::uint32_t kFirstStepRow = 9;

const layout::Window& Page()
{
    static const layout::Window page = layout::ArpEditLayout();
    return page;
}

ParameterAddress StepAddress(int step)
{
    return {kArpGroup, kFirstStepRow + static_cast<std::uint32_t>(step), 0};
}

bool IsArrow(const CHfcControl* control)
{
    const auto code = static_cast<int>(control->GetEventCode());
    return code == layout::arp_edit::kRotateLeft || code == layout::arp_edit::kRotateRight;
}

}  // namespace

CArpEditLayer::~CArpEditLayer()
{
    if (IsCreated())
        Destroy();
}

bool CArpEditLayer::OnCreate()
{
    m_background = ThemedBackground(Page().background);
    PaintSkinnedPage(*this, m_background);
    for (const layout::Control& row : Page().controls)
        AddLayoutControl(*this, row, m_background);
    UpdateAllControls();
    return CEditLayerBase::OnCreate();
}

bool CArpEditLayer::WantsParameterMessage(CHfcControl* control)
{
    return !IsArrow(control);
}

void CArpEditLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    switch (control != nullptr ? static_cast<int>(control->GetEventCode()) : -1) {
    case layout::arp_edit::kRotateLeft: RotateSteps(kRotateLeft); break;
    case layout::arp_edit::kRotateRight: RotateSteps(kRotateRight); break;
    default: CEditLayerBase::OnControlValueChanged(control, value); break;
    }
}

void CArpEditLayer::RotateSteps(Rotation rotation)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CProgram* program = GetProgramRecord();
    if (accessor == nullptr || program == nullptr)
        return;
    // Left: step 1 takes step 2's value first, step 8 the saved step 1's
    // last; right: step 8 takes step 7's first, step 1 the saved step 8's.
    const int first = rotation == kRotateLeft ? 0 : kSteps - 1;
    const int toward = -rotation;
    const std::int32_t saved = accessor->GetValue(program, StepAddress(first));
    for (int n = 0; n < kSteps; ++n) {
        const int step = first + n * toward;
        const std::int32_t value = n + 1 < kSteps ? accessor->GetValue(program, StepAddress(step + toward)) : saved;
        accessor->SetValue(program, StepAddress(step), value);
        SendParameterToDevice(StepAddress(step), value);
    }
    SetWindowModified();
    PostDataChanged(false);
}
