#include "editor/VocoderEditLayer.h"

#include "app/BaseWindow.h"
#include "app/ControlBinding.h"
#include "app/ValueSteps.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomKnob.h"
#include "app/controls/CustomSlider.h"
#include "app/controls/CustomSwitches.h"
#include "app/controls/CustomValueBar.h"
#include "editor/SkinnedPage.h"
#include "editor/layout/Layouts.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcControl.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <memory>

namespace {

constexpr std::uint32_t kVocoderGroup = 5;
constexpr std::uint32_t kFirstHoldLevel = 53;
constexpr std::uint32_t kLastHoldLevel = 68;
constexpr int kKnobFrames = 101;
constexpr int kSliderSteps = 95;
constexpr int kCellWidth = 6;
// The top LED shifts the formants up by 2, each one below by one less.
constexpr int kHighestShift = 2;
constexpr int kFirstLedId = 46;

const layout::Window& Layout()
{
    static const layout::Window window = layout::VocoderEditLayout();
    return window;
}

ParameterAddress AddressOf(const layout::Control& place)
{
    return {kVocoderGroup, static_cast<std::uint32_t>(place.parameter.index), 0};
}

}  // namespace

CVocoderEditLayer::CVocoderEditLayer() = default;

CVocoderEditLayer::~CVocoderEditLayer() = default;

bool CVocoderEditLayer::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    m_background = ThemedBackground(Layout().background);
    return CEditLayerBase::Create(x, y, width, height, window);
}

bool CVocoderEditLayer::OnCreate()
{
    if (!CEditLayerBase::OnCreate())
        return false;
    PaintSkinnedPage(*this, m_background);
    for (const layout::Control& place : Layout().controls) {
        if (!CreateControl(place))
            return false;
    }
    UpdateAllControls();
    if (GetWindow() != nullptr)
        GetWindow()->SetTimerEnabled(true);
    return true;
}

bool CVocoderEditLayer::WantsParameterMessage(CHfcControl* control)
{
    CCustomControl* binding = control != nullptr ? GetBoundControl(static_cast<int>(control->GetId())) : nullptr;
    if (binding == nullptr)
        return true;
    const ParameterAddress address = GetControlParameter(binding);
    return !(address.group == kVocoderGroup && address.index >= kFirstHoldLevel && address.index <= kLastHoldLevel);
}

bool CVocoderEditLayer::CreateControl(const layout::Control& place)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    CProgram* program = GetProgramRecord();
    const ParameterAddress address = AddressOf(place);
    const std::int32_t minimum = accessor != nullptr ? accessor->GetMinimum(program, address) : 0;
    const std::int32_t maximum = accessor != nullptr ? accessor->GetMaximum(program, address) : 0;
    switch (place.kind) {
    case layout::Kind::EditText: return CreateField(place, minimum, maximum);
    case layout::Kind::Switch: return CreateSwitch(place);
    case layout::Kind::Knob: return CreateKnob(place, minimum, maximum);
    case layout::Kind::Fader: return CreateSlider(place, minimum, maximum);
    case layout::Kind::Led: return CreateLed(place);
    case layout::Kind::ValueBar: return CreateHoldBar(place, minimum, maximum);
    default: return false;
    }
}

template <class Control>
bool CVocoderEditLayer::Keep(std::unique_ptr<Control> control, const layout::Control& place)
{
    if (!AttachBoundControl(*this, *control, ParameterReference{AddressOf(place), 0, 0}))
        return false;
    KeepControl(std::move(control));
    return true;
}

template <class Control, class Descriptor>
bool CVocoderEditLayer::Make(const Descriptor& descriptor, const layout::Control& place, std::uint32_t eventCode)
{
    auto control = std::make_unique<Control>();
    return control->Create(&descriptor, static_cast<std::uint32_t>(place.id), eventCode) &&
           Keep(std::move(control), place);
}

bool CVocoderEditLayer::CreateField(const layout::Control& place, std::int32_t minimum, std::int32_t maximum)
{
    CustomEditTextDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.font = GetLcdFont(kLcdWhite);
    descriptor.background = m_background;
    descriptor.characters = place.w / kCellWidth;
    descriptor.minimum = minimum;
    descriptor.maximum = maximum;
    descriptor.selectedFont = GetLcdFont(kLcdWhiteSelected);
    descriptor.ratio = value_steps::RatioForRange(minimum, maximum);
    descriptor.dimFont = GetLcdFont(kLcdWhiteDim);
    return Make<CCustomEditText>(descriptor, place, CCustomControl::kEventPosition);
}

bool CVocoderEditLayer::CreateSwitch(const layout::Control& place)
{
    CustomSwitchDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.bitmap = GetBitmap(place.skin);
    descriptor.background = m_background;
    descriptor.dimBitmap = GetBitmap("SwitchOnOffDim");
    return Make<CCustomSwitch>(descriptor, place, CCustomControl::kEventToggle);
}

bool CVocoderEditLayer::CreateKnob(const layout::Control& place, std::int32_t minimum, std::int32_t maximum)
{
    CustomKnobDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.bitmap = GetBitmap("KnobSmall");
    descriptor.background = m_background;
    descriptor.frames = kKnobFrames;
    descriptor.minimum = minimum;
    descriptor.maximum = maximum;
    descriptor.ratio = value_steps::RatioForRange(minimum, maximum);
    descriptor.dimBitmap = GetBitmap("KnobSmallDim");
    descriptor.markedBitmap = GetBitmap("KnobSmall");
    descriptor.markedDimBitmap = GetBitmap("KnobSmallDim");
    descriptor.markedValue = 0;
    return Make<CCustomKnob>(descriptor, place, CCustomControl::kEventPosition);
}

bool CVocoderEditLayer::CreateSlider(const layout::Control& place, std::int32_t minimum, std::int32_t maximum)
{
    CustomSliderDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.width = place.w;
    descriptor.height = place.h;
    descriptor.bitmap = GetBitmap(place.skin);
    descriptor.background = m_background;
    descriptor.steps = kSliderSteps;
    descriptor.minimum = minimum;
    descriptor.maximum = maximum;
    descriptor.dimBitmap = GetBitmap("VerticalSliderTopDim");
    return Make<CCustomSlider>(descriptor, place, CCustomControl::kEventPosition);
}

bool CVocoderEditLayer::CreateLed(const layout::Control& place)
{
    CustomLedDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.width = place.w;
    descriptor.height = place.h;
    descriptor.bitmap = GetBitmap(place.skin);
    descriptor.background = m_background;
    descriptor.pressedValue = kHighestShift - (place.id - kFirstLedId);
    descriptor.dimBitmap = GetBitmap("LedButtonLargeDim");
    auto led = std::make_unique<CCustomLed>();
    return led->Create(&descriptor, static_cast<std::uint32_t>(place.id)) && Keep(std::move(led), place);
}

bool CVocoderEditLayer::CreateHoldBar(const layout::Control& place, std::int32_t minimum, std::int32_t maximum)
{
    CustomValueBarDescriptor descriptor;
    descriptor.x = place.x;
    descriptor.y = place.y;
    descriptor.width = place.w;
    descriptor.height = place.h;
    descriptor.bar = GetBitmap(place.skin);
    descriptor.background = m_background;
    descriptor.backgroundX = place.x;
    descriptor.backgroundY = place.y;
    descriptor.minimum = minimum;
    descriptor.maximum = maximum;
    descriptor.vertical = true;
    if (!Make<CCustomValueBar>(descriptor, place, CCustomControl::kEventPosition))
        return false;
    // The device measures these; the window only shows them.
    GetBoundControl(place.id)->SetReadOnly(true);
    return true;
}
