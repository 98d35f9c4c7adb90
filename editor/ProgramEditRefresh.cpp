// How the program page's controls follow the program.
#include "editor/ProgramEditLayer.h"

#include "app/graphs/QBCtrlFilterGraph.h"
#include "editor/MasterFxKnobAssignTable.h"
#include "framework/ui/HfcControl.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <cstring>
#include <string>

namespace {

constexpr std::uint32_t kCommonGroup = 0;
constexpr std::uint32_t kNameIndex = 0;
constexpr std::uint32_t kSynthGroup = 2;
constexpr std::uint32_t kEqGroup = 4;
constexpr std::uint32_t kVocoderGroup = 5;
constexpr std::uint32_t kArpeggiatorGroup = 7;
constexpr std::uint32_t kArpeggiatorSettingsGroup = 8;
constexpr std::uint32_t kEffectGroup = 6;
// Each master effect's type and ribbon assignment, effect 2's 24 rows on.
constexpr std::uint32_t kEffectType = 1;
constexpr std::uint32_t kEffectRibbon = 2;
constexpr std::uint32_t kEffectStride = 24;
// The EQ graph's four values: low frequency and gain, high frequency and
// gain.
constexpr std::uint32_t kEqFirstIndex = 48;
constexpr int kEqValues = 4;
// Filter 1 (model A): balance, cutoff and resonance. Filter 2 (model B):
// type, cutoff and resonance.
struct FilterRows
{
    std::uint32_t type, cutoff, resonance;
};
constexpr FilterRows kFilterA{35, 36, 37};
constexpr FilterRows kFilterB{41, 42, 43};
// The model graphs' handles count the cutoff in half steps and the
// resonance from 127.
constexpr int kCutoffScale = 2;
constexpr int kResonanceBase = 127;
constexpr int kValueTextSize = 256;

}  // namespace

void CProgramEditLayer::Enable(CCustomControl& binding, bool enabled)
{
    if (binding.IsEnabled() != enabled)
        binding.SetEnabled(enabled);
}

void CProgramEditLayer::UpdateControl(int index)
{
    CHfcControl* control = GetControl(index);
    CCustomControl* binding = GetBoundControl(index);
    CProgram* program = GetProgramRecord();
    if (control == nullptr || binding == nullptr || program == nullptr)
        return;
    switch (control->GetEventCode()) {
    case CCustomControl::kEventEqGraph: UpdateEqGraph(index, *binding); break;
    case CCustomControl::kEventFilterGraphA:
    case CCustomControl::kEventFilterGraphB: UpdateFilterGraph(*control, *binding); break;
    case kEventProgramName: {
        char shown[ProgramRegion::kNameLength + 1] = {};
        binding->GetText(shown, sizeof shown);
        char name[ProgramRegion::kNameLength + 1] = {};
        std::memcpy(name, program->GetRegion().image, ProgramRegion::kNameLength);
        if (std::strcmp(shown, name) != 0)
            control->SetData(name, true);
        break;
    }
    case kEventKnobLine: UpdateKnobLine(*control, *binding); break;
    case kEventEditSynth2:
    case kEventEditEq2: Enable(*binding, IsTimbre2Used()); break;
    case kEventEditVocoder: Enable(*binding, Value(kVocoderGroup, 0) != 0); break;
    default: CEditLayerBase::UpdateControl(index); break;
    }
}

void CProgramEditLayer::UpdateEqGraph(int index, CCustomControl& binding)
{
    const std::uint32_t timbre = GetControlParameter(&binding).timbre;
    std::array<int, kEqValues> values{};
    for (int i = 0; i < kEqValues; ++i)
        values[static_cast<std::size_t>(i)] = Value(kEqGroup, kEqFirstIndex + static_cast<std::uint32_t>(i), timbre);
    if (timbre == 1)
        Enable(binding, IsTimbre2Used());
    std::array<int, kEqValues>& drawn = m_eqCache.at(timbre == 1 ? 1 : 0);
    if (values == drawn)
        return;
    drawn = values;
    SetEqGraph(index, values[0], values[1], values[2], values[3]);
}

void CProgramEditLayer::UpdateFilterGraph(CHfcControl& control, CCustomControl& binding)
{
    const std::uint32_t timbre = GetControlParameter(&binding).timbre;
    if (timbre == 1)
        Enable(binding, IsTimbre2Used());
    const FilterRows& rows = control.GetEventCode() == CCustomControl::kEventFilterGraphA ? kFilterA : kFilterB;
    auto& graph = static_cast<CQBCtrlFilterGraph&>(control);
    graph.SetFilterType(Value(kSynthGroup, rows.type, timbre), false);
    const QBFilterGraphValues values{0, kResonanceBase + Value(kSynthGroup, rows.resonance, timbre),
                                     kCutoffScale * Value(kSynthGroup, rows.cutoff, timbre)};
    control.SetData(&values, false);
    control.SetDirty(true);
    control.Redraw(false, false);
}

void CProgramEditLayer::UpdateKnobLine(CHfcControl& control, CCustomControl& binding)
{
    const std::string text = KnobLineText(static_cast<int>(GetControlParameter(&binding).group));
    char shown[kValueTextSize] = {};
    binding.GetText(shown, sizeof shown);
    if (text != shown)
        control.SetData(text.c_str(), true);
}

std::string CProgramEditLayer::KnobLineText(int kind) const
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    auto valueText = [&](std::uint32_t group, std::uint32_t index) {
        char text[kValueTextSize] = {};
        if (accessor != nullptr)
            accessor->GetValueText(GetProgramRecord(), ParameterAddress{group, index, 0}, text, sizeof text);
        return std::string(text);
    };
    switch (kind) {
    case kLineArpeggiatorType: return valueText(kArpeggiatorSettingsGroup, 1);
    case kLineLatchAndKeySync: {
        std::string line = Value(kArpeggiatorSettingsGroup, 2) != 0 ? "[Latch]" : "       ";
        if (Value(kArpeggiatorGroup, 2) != 0)
            line += "  [KeySync]";
        return line;
    }
    case kLineVocoderSource: return valueText(kVocoderGroup, 6);
    case kLineEffect1Ribbon:
    case kLineEffect2Ribbon: {
        const int effect = kind == kLineEffect1Ribbon ? 0 : 1;
        const std::uint32_t first = kEffectStride * static_cast<std::uint32_t>(effect);
        if (Value(kEffectGroup, first + kEffectType) == 0)
            return {};
        const CMasterFxKnobAssignTable assignments(GetProgramRecord(), effect);
        // Appended rather than "[" + text + "]", which GCC 12 wrongly warns of as an overlapping copy.
        std::string text = "[";
        text += assignments.GetAssignText(Value(kEffectGroup, first + kEffectRibbon));
        text += "]";
        return text;
    }
    default: return {};
    }
}
