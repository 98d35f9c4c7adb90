// How the synth page's controls follow the program beyond their own
// parameter: labels and lamps that depend on the OSC 1 wave, the OSC 2
// lamps that share one parameter, the curves and graphs drawn from several
// parameters, and the PCM arrows.
#include "editor/TimbreEditLayer.h"

#include "app/controls/CustomGraphs.h"
#include "app/controls/CustomSwitches.h"
#include "editor/layout/SynthEditEvents.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

namespace {

namespace codes = layout::synth_edit;

// OSC 1 waves up to Sine take a modulation; the labels of Cross, Unison
// and VPM follow the eight waves' labels in the strips.
constexpr std::int32_t kLastModulatedWave = 3;
constexpr int kFirstModulationLabel = 7;

constexpr std::int32_t kLfoSaw = 0;
constexpr std::int32_t kLfoSquare = 1;
constexpr std::int32_t kLfoTriangleOrSine = 2;
constexpr std::int32_t kLfoSampleAndHold = 3;
constexpr std::int32_t kLfoRandom = 4;
// The random wave is the stepped one with its steps shaped.
constexpr int kRandomShape = 64;
constexpr int kSyncSpeedScale = 64;

// The graph's wave for an LFO wave: LFO 1 has Square and Triangle where
// LFO 2 has Square+ and Sine.
int GraphWave(std::int32_t wave, bool secondLfo)
{
    switch (wave) {
    case kLfoSaw: return CHfcCtrlLfoGraph::kSaw;
    case kLfoSquare: return secondLfo ? CHfcCtrlLfoGraph::kUnipolarSquare : CHfcCtrlLfoGraph::kSquare;
    case kLfoTriangleOrSine: return secondLfo ? CHfcCtrlLfoGraph::kSine : CHfcCtrlLfoGraph::kTriangle;
    case kLfoSampleAndHold:
    case kLfoRandom: return CHfcCtrlLfoGraph::kSteps;
    default: return CHfcCtrlLfoGraph::kNoWaveform;
    }
}

}  // namespace

std::int32_t CTimbreEditLayer::Value(std::uint32_t group, std::uint32_t index) const
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (accessor == nullptr || GetProgramRecord() == nullptr)
        return 0;
    return accessor->GetValue(GetProgramRecord(), Address(group, index));
}

std::uint32_t CTimbreEditLayer::Timbre() const
{
    return GetTimbreOverride() < 0 ? 0u : static_cast<std::uint32_t>(GetTimbreOverride());
}

ParameterAddress CTimbreEditLayer::Address(std::uint32_t group, std::uint32_t index) const
{
    return {group, index, Timbre()};
}

const CTimbreEditLayer::EnvelopeRows& CTimbreEditLayer::EnvelopeOf(const ParameterAddress& address)
{
    if (address.index == kAmpEg.attack)
        return kAmpEg;
    if (address.index == kAssignableEg.attack)
        return kAssignableEg;
    return kFilterEg;
}

const CTimbreEditLayer::LfoRows& CTimbreEditLayer::LfoOf(const ParameterAddress& address)
{
    return address.index == kLfo2.frequency ? kLfo2 : kLfo1;
}

void CTimbreEditLayer::UpdateControl(int index)
{
    CHfcControl* control = GetControl(index);
    CCustomControl* binding = GetBoundControl(index);
    if (control == nullptr || binding == nullptr || GetProgramRecord() == nullptr) {
        CEditLayerBase::UpdateControl(index);
        return;
    }
    const ParameterAddress address = GetControlParameter(binding);
    switch (static_cast<int>(control->GetEventCode())) {
    case CCustomControl::kEventFixedValue: UpdateLamp(control, binding); break;
    case codes::kOsc1ControlLabel:
        if (address.index == kOsc1Wave)
            UpdateOsc1ControlLabel(binding);
        else
            CEditLayerBase::UpdateControl(index);
        break;
    case CHfcCtrlEnvelopeCurve::kEventCode:
        if (auto* curve = dynamic_cast<CCustomEnvelopeCurve*>(control))
            UpdateEnvelope(*curve, EnvelopeOf(address));
        break;
    case CHfcCtrlLfoGraph::kEventCode:
        if (auto* graph = dynamic_cast<CCustomLfoGraph*>(control))
            UpdateLfo(*graph, LfoOf(address));
        break;
    case codes::kNextPcmWave:
    case codes::kPreviousPcmWave: {
        const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
        const bool enabled =
            accessor != nullptr && accessor->IsEnabled(GetProgramRecord(), Address(kSynthGroup, kOsc1PcmWave));
        if (binding->IsEnabled() != enabled)
            binding->SetEnabled(enabled);
        break;
    }
    default: CEditLayerBase::UpdateControl(index); break;
    }
}

void CTimbreEditLayer::UpdateLamp(CHfcControl* control, CCustomControl* binding)
{
    const auto* led = dynamic_cast<const CCustomLed*>(control);
    if (led == nullptr) {
        CEditLayerBase::UpdateControl(static_cast<int>(control->GetId()));
        return;
    }
    const int set = led->GetDescriptor().group;
    const int lamp = led->GetDescriptor().pressedValue;
    int lit = 0;
    if (set == kOsc2LampSet) {
        lit = (Value(kSynthGroup, kOsc2Mod) >> lamp) & 1;
    } else if (set == kOsc1LampSet && lamp != 0) {
        const bool enabled = Value(kSynthGroup, kOsc1Wave) <= kLastModulatedWave;
        if (binding->IsEnabled() != enabled)
            binding->SetEnabled(enabled);
        lit = Value(kSynthGroup, kOsc1Mod) == lamp ? 1 : 0;
    } else {
        CEditLayerBase::UpdateControl(static_cast<int>(control->GetId()));
        return;
    }
    if (binding->GetValue() != lit)
        binding->SetValue(lit);
}

void CTimbreEditLayer::UpdateOsc1ControlLabel(CCustomControl* binding)
{
    const std::int32_t wave = Value(kSynthGroup, kOsc1Wave);
    const std::int32_t modulation = Value(kSynthGroup, kOsc1Mod);
    int frame = wave;
    if (wave >= 0 && wave <= kLastModulatedWave && modulation >= 1 && modulation <= 3)
        frame = kFirstModulationLabel + modulation;
    if (binding->GetValue() != frame)
        binding->SetValue(frame);
}

void CTimbreEditLayer::UpdateEnvelope(CCustomEnvelopeCurve& curve, const EnvelopeRows& rows)
{
    const std::int32_t attack = Value(kSynthGroup, rows.attack);
    const std::int32_t decay = Value(kSynthGroup, rows.decay);
    const std::int32_t sustain = Value(kSynthGroup, rows.sustain);
    const std::int32_t release = Value(kSynthGroup, rows.release);
    struct Wanted
    {
        int index;
        std::int32_t level, time;
    };
    // The sustain point keeps its full time: it only holds the level.
    const Wanted wanted[] = {{1, 127, attack}, {2, sustain, decay}, {3, sustain, 127}, {4, 0, release}};
    bool changed = false;
    for (const Wanted& w : wanted) {
        SHfcEnvelopePoint point{};
        if (curve.GetPointCount() <= w.index || !curve.GetPoint(w.index, point))
            continue;
        if (point.level == w.level && point.time == w.time)
            continue;
        point.level = w.level;
        point.time = w.time;
        curve.SetPointValues(w.index, point, false);
        changed = true;
    }
    if (!changed)
        return;
    curve.CalcPoints();
    curve.SetDirty(true);
}

void CTimbreEditLayer::UpdateLfo(CCustomLfoGraph& graph, const LfoRows& rows)
{
    const std::int32_t wave = Value(kSynthGroup, rows.wave);
    bool changed = false;
    const int graphWave = GraphWave(wave, &rows == &kLfo2);
    if (graphWave < CHfcCtrlLfoGraph::kWaveformCount && graphWave != graph.GetWaveform()) {
        graph.SetWaveform(graphWave);
        changed = true;
    }
    int speed = Value(kSynthGroup, rows.frequency);
    if (Value(kSynthGroup, rows.bpmSync) != 0) {
        const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
        const std::int32_t lastNote =
            accessor != nullptr ? accessor->GetMaximum(GetProgramRecord(), Address(kSynthGroup, rows.syncNote)) : 0;
        speed = lastNote > 0 ? Value(kSynthGroup, rows.syncNote) * kSyncSpeedScale / lastNote : 0;
    }
    if (speed != graph.GetRateValue()) {
        graph.SetRate(speed);
        changed = true;
    }
    const int shape = wave == kLfoRandom ? kRandomShape : 0;
    if (shape != graph.GetShapeValue()) {
        graph.SetShape(shape);
        changed = true;
    }
    if (changed)
        graph.UpdateWaveAndRedraw();
}
