#pragma once
// The synth page of one timbre: oscillators, mixer, filters, amp, drive,
// the three envelopes, the two LFOs, the virtual patches, voice and pitch,
// 99 controls bound to the timbre of its window. Beyond the edit layer
// base it ties controls together (the OSC 1 control labels and lamps, the
// OSC 2 lamps, the envelope curves and LFO graphs, the PCM wave arrows),
// randomizes the timbre, steps the PCM wave and writes envelope drags.
// Its members are defined by concern in:
//   TimbreEditLayout.cpp   the controls, made from the page's layout rows
//   TimbreEditRefresh.cpp  how the tied controls, curves and graphs follow the program
//   TimbreEditActions.cpp  lamps, Randomize, the PCM wave arrows and envelope drags
#include "app/EditLayerBase.h"

#include <array>
#include <cstdint>

class CHfcBmp;
class CCustomEnvelopeCurve;
class CCustomLfoGraph;
namespace layout {
struct Control;
}

class CTimbreEditLayer : public CEditLayerBase
{
public:
    static constexpr int kWidth = 794;
    static constexpr int kHeight = 600;

    // Rows of group 2: attack, decay, sustain and release of an envelope.
    struct EnvelopeRows
    {
        std::uint32_t attack, decay, sustain, release;
    };
    // Rows of group 2: wave, BPM sync, frequency and sync note of an LFO.
    struct LfoRows
    {
        std::uint32_t wave, bpmSync, frequency, syncNote;
    };
    // Rows of group 2 the page reads beyond its controls' own.
    static constexpr std::uint32_t kSynthGroup = 2;
    static constexpr std::uint32_t kOsc1Wave = 19;
    static constexpr std::uint32_t kOsc1Mod = 21;
    static constexpr std::uint32_t kOsc1PcmWave = 24;
    static constexpr std::uint32_t kOsc2Wave = 26;
    static constexpr std::uint32_t kOsc2Mod = 27;
    static constexpr std::uint32_t kFilterRouting = 33;
    // The LED sets: OSC 1's lamps write their value, OSC 2's flip a bit each.
    static constexpr int kOsc1LampSet = 0;
    static constexpr int kOsc2LampSet = 1;

    static constexpr EnvelopeRows kFilterEg{55, 56, 57, 58};
    static constexpr EnvelopeRows kAmpEg{63, 64, 65, 66};
    static constexpr EnvelopeRows kAssignableEg{71, 72, 73, 74};
    static constexpr LfoRows kLfo1{79, 82, 81, 85};
    static constexpr LfoRows kLfo2{86, 89, 88, 92};

    CTimbreEditLayer();
    ~CTimbreEditLayer() override;

    bool OnCreate() override;
    void UpdateControl(int index) override;
    bool WantsParameterMessage(CHfcControl* control) override;

    void OnControlValueChanged(CHfcControl* control, int value) override;
    void OnControlEvent(CHfcControl* control, std::intptr_t word) override;
    void OnControlEditEnd(CHfcControl* control) override;
    bool OnControlMouseDown(CHfcControl* control, int x, int y, int modifiers) override;

private:
    // The window's timbre, which every address of the page carries.
    std::uint32_t Timbre() const;
    ParameterAddress Address(std::uint32_t group, std::uint32_t index) const;
    std::int32_t Value(std::uint32_t group, std::uint32_t index) const;
    // Writes the value and sends it to the device; the last write of a
    // report marks the window modified and tells every window first.
    void Write(const ParameterAddress& address, std::int32_t value, bool last);
    void MarkAndPost();

    void MakeEnvelopeCurve(const layout::Control& row);
    void MakeLfoGraph(const layout::Control& row);

    void UpdateLamp(CHfcControl* control, CCustomControl* binding);
    void UpdateOsc1ControlLabel(CCustomControl* binding);
    void UpdateEnvelope(CCustomEnvelopeCurve& curve, const EnvelopeRows& rows);
    void UpdateLfo(CCustomLfoGraph& graph, const LfoRows& rows);

    void FlipOsc2Lamp(int lampValue);
    void StepPcmWave(int step);
    void RandomizeTimbre();

    static const EnvelopeRows& EnvelopeOf(const ParameterAddress& address);
    static const LfoRows& LfoOf(const ParameterAddress& address);

    CHfcBmp* m_background = nullptr;
};
