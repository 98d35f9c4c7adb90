// What the synth page does with its controls beyond the edit layer base:
// the OSC 2 lamps flip one bit each, Randomize rewrites the timbre and
// sends the whole program, the arrows step the PCM wave, the wave and
// routing strips offer their values, and envelope drags write the
// envelope's times and levels.
#include "editor/TimbreEditLayer.h"

#include "app/controls/CustomGraphs.h"
#include "app/controls/CustomSwitches.h"
#include "editor/layout/SynthEditEvents.h"
#include "framework/services/DesktopState.h"
#include "framework/ui/HfcControlListener.h"
#include "model/Program.h"
#include "model/ProgramRandomizer.h"
#include "model/Q3917ProgramAccessor.h"

namespace {

namespace codes = layout::synth_edit;

constexpr int kShift = 1;
// The strips that show a wave or the routing as a picture.
constexpr int kPictureStrip = 3;

// Which points of a curve a drag moves.
enum EnvelopePoint
{
    kAttackEnd = 1,
    kDecayEnd = 2,
    kSustainPoint = 3,
    kReleaseEnd = 4,
};

bool IsPressed(int report)
{
    return (report & kHfcValuePressed) != 0;
}

}  // namespace

bool CTimbreEditLayer::WantsParameterMessage(CHfcControl* control)
{
    if (control == nullptr)
        return true;
    switch (static_cast<int>(control->GetEventCode())) {
    case CHfcCtrlEnvelopeCurve::kEventCode:
    case codes::kRandomize:
    case codes::kNextPcmWave:
    case codes::kPreviousPcmWave: return false;
    default: return true;
    }
}

void CTimbreEditLayer::Write(const ParameterAddress& address, std::int32_t value, bool last)
{
    if (const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance())
        accessor->SetValue(GetProgramRecord(), address, value);
    if (last)
        MarkAndPost();
    SendParameterToDevice(address, value);
}

void CTimbreEditLayer::MarkAndPost()
{
    SetWindowModified();
    PostDataChanged(false);
}

void CTimbreEditLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    if (control == nullptr || GetProgramRecord() == nullptr)
        return;
    switch (static_cast<int>(control->GetEventCode())) {
    case CCustomControl::kEventFixedValue:
        if (const auto* led = dynamic_cast<const CCustomLed*>(control);
            led != nullptr && led->GetDescriptor().group == kOsc2LampSet) {
            if (IsPressed(value))
                FlipOsc2Lamp(led->GetDescriptor().pressedValue);
            return;
        }
        break;
    case codes::kRandomize: RandomizeTimbre(); return;
    case codes::kNextPcmWave: StepPcmWave(1); return;
    case codes::kPreviousPcmWave: StepPcmWave(-1); return;
    default: break;
    }
    CEditLayerBase::OnControlValueChanged(control, value);
}

void CTimbreEditLayer::FlipOsc2Lamp(int lampValue)
{
    const ParameterAddress address = Address(kSynthGroup, kOsc2Mod);
    Write(address, Value(kSynthGroup, kOsc2Mod) ^ (1 << lampValue), true);
}

void CTimbreEditLayer::StepPcmWave(int step)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (accessor == nullptr)
        return;
    const ParameterAddress address = Address(kSynthGroup, kOsc1PcmWave);
    const std::int32_t wave = accessor->GetValue(GetProgramRecord(), address) + step;
    // No wrap at either end.
    if (wave < accessor->GetMinimum(GetProgramRecord(), address) ||
        wave > accessor->GetMaximum(GetProgramRecord(), address))
        return;
    Write(address, wave, true);
}

void CTimbreEditLayer::RandomizeTimbre()
{
    const std::uint32_t timbre = Timbre();
    CProgramRandomizer randomizer;
    if ((GetModifierKeys() & kShift) != 0) {
        CProgramRandomizer::SimpleRandomize(GetProgramRecord(), timbre);
    } else {
        randomizer.SetProgram(GetProgramRecord());
        randomizer.SetTimbre(timbre);
        randomizer.Randomize();
    }
    MarkAndPost();
    // One whole program in place of a change per parameter.
    TransmitShownProgram();
}

bool CTimbreEditLayer::OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers)
{
    CCustomControl* binding = control != nullptr ? GetBoundControl(static_cast<int>(control->GetId())) : nullptr;
    if (binding == nullptr || control->GetEventCode() != kPictureStrip || GetProgramRecord() == nullptr)
        return CEditLayerBase::OnControlMouseDown(control, x, y, modifiers);
    const ParameterAddress address = GetControlParameter(binding);
    if (address.group != kSynthGroup ||
        (address.index != kOsc1Wave && address.index != kOsc2Wave && address.index != kFilterRouting))
        return CEditLayerBase::OnControlMouseDown(control, x, y, modifiers);
    // The base arms a block drag from the strip and leaves the press to it.
    CEditLayerBase::OnControlMouseDown(control, x, y, modifiers);
    OpenListPopup(control, address);
    TakeKeyFocus();
    return true;
}

void CTimbreEditLayer::OnControlEvent(CHfcControl* control, std::intptr_t word)
{
    CCustomControl* binding = control != nullptr ? GetBoundControl(static_cast<int>(control->GetId())) : nullptr;
    const auto* point = reinterpret_cast<const SHfcEnvelopePoint*>(word);
    if (binding == nullptr || point == nullptr || GetProgramRecord() == nullptr ||
        control->GetEventCode() != CHfcCtrlEnvelopeCurve::kEventCode)
        return;
    const EnvelopeRows& rows = EnvelopeOf(GetControlParameter(binding));
    struct Change
    {
        std::uint32_t row;
        std::int32_t value;
    };
    Change writes[2]{};
    int count = 1;
    switch (point->index) {
    case kAttackEnd: writes[0] = {rows.attack, point->time}; break;
    case kDecayEnd:
        writes[0] = {rows.decay, point->time};
        writes[1] = {rows.sustain, point->level};
        count = 2;
        break;
    case kSustainPoint: writes[0] = {rows.sustain, point->level}; break;
    case kReleaseEnd: writes[0] = {rows.release, point->time}; break;
    default: return;
    }
    for (int i = 0; i < count; ++i)
        Write(Address(kSynthGroup, writes[i].row), writes[i].value, i == count - 1);
}

void CTimbreEditLayer::OnControlEditEnd(CHfcControl* control)
{
    CEditLayerBase::OnControlEditEnd(control);
    if (control != nullptr && control->GetEventCode() == CHfcCtrlEnvelopeCurve::kEventCode)
        control->SetDirty(true);
}
