#pragma once
// Rows of the global parameter table. Offsets are absolute in the global
// image; the index of a row is part of a parameter's address.
#include "model/VpParameterTable.h"

#include <span>

// Group 0: system.
inline constexpr ParameterRow kQ3917GlobalGroup0[] = {
    // name, supported, offset, bit, mask, minimum, maximum, bias, flag, kind, knob, key
    {"Master Tune", 1, 0, 0, 255, -100, 100, 0, 0, 1, -1, "MasterTune"},
    {"Transpose", 1, 1, 0, 255, -12, 12, 0, 0, 1, -1, "Value"},
    {"Memory Protect", 1, 2, 7, 1, 0, 1, 0, 0, 4, -1, "OnOff"},
    {"Power Saving", 1, 2, 4, 1, 0, 1, 0, 0, 4, -1, "OnOff"},
    {"Knob Mode", 0, 2, 3, 1, 0, 1, 0, 0, 3, -1, "KnobMode"},
    {"Position", 1, 2, 2, 1, 0, 1, 0, 0, 3, -1, "Position"},
    {"Audio In Thru", 0, 2, 0, 3, 0, 1, 0, 0, 3, -1, "AudioInThru"},
    {"Velocity Curve", 1, 3, 0, 15, 0, 8, 0, 0, 3, -1, "VelocityCurve"},
    {"Battery Type", 1, 98, 0, 1, 0, 1, 0, 0, 3, -1, "BatteryType"},
    {"Auto Power Off", 1, 99, 0, 1, 0, 1, 0, 0, 4, -1, "AutoPowerOff"},
};

// Group 1: MIDI.
inline constexpr ParameterRow kQ3917GlobalGroup1[] = {
    {"Global MIDI Channel", 1, 4, 0, 15, 0, 15, 0, 0, 1, -1, "MidiCh"},
    {"Local Control", 1, 5, 7, 1, 0, 1, 0, 0, 4, -1, "OnOff"},
    {"System Routing", 1, 5, 4, 3, 0, 2, 0, 0, 3, -1, "SystemRouting"},
    {"MIDI Clock", 1, 5, 2, 1, 0, 1, 0, 0, 3, -1, "MidiClock"},
    {"MIDI Control 1", 1, 6, 0, 255, 0, 120, 0, 0, 3, -1, "MidiCtrlSource"},
    {"MIDI Control 2", 1, 7, 0, 255, 0, 120, 0, 0, 3, -1, "MidiCtrlSource"},
    {"MIDI Control 3", 1, 8, 0, 255, 0, 120, 0, 0, 3, -1, "MidiCtrlSource"},
};

// Group 2: MIDI filter.
inline constexpr ParameterRow kQ3917GlobalGroup2[] = {
    {"System Exclusive", 1, 9, 5, 1, 0, 1, 0, 0, 4, -1, "EnaDis"},
    {"Pitch Bend", 1, 9, 4, 1, 0, 1, 0, 0, 4, -1, "EnaDis"},
    {"Control Change", 1, 9, 3, 1, 0, 1, 0, 0, 4, -1, "EnaDis"},
    {"Program Change", 1, 9, 0, 1, 0, 1, 0, 0, 4, -1, "EnaDis"},
};

// Group 3: user scale.
inline constexpr ParameterRow kQ3917GlobalGroup3[] = {
    {"C", 1, 16, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"C#", 1, 17, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"D", 1, 18, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"D#", 1, 19, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"E", 1, 20, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"F", 1, 21, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"F#", 1, 22, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"G", 1, 23, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"G#", 1, 24, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"A", 1, 25, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"A#", 1, 26, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
    {"B", 1, 27, 0, 255, -63, 63, 0, 0, 1, -1, "UserScaleValue"},
};

// Group 4: long ribbon.
inline constexpr ParameterRow kQ3917GlobalGroup4[] = {
    {"Long Ribbon MIDI Ch.", 1, 28, 0, 255, 0, 16, 0, 0, 3, -1, "MidiCh"},
    {"Long Ribbon Velocity", 1, 29, 0, 255, 0, 127, 0, 0, 1, -1, "LongRibbonVelocity"},
};

// Group 5: CC number map.
inline constexpr ParameterRow kQ3917GlobalGroup5[] = {
    {"Portamento", 1, 32, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Unison SW", 1, 33, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 1 Wave", 1, 34, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 1 Mod", 1, 35, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 1 Control 1", 1, 36, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 1 Control 2", 1, 37, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 2 Wave", 1, 38, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 2 Mod", 1, 39, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 2 Semitone", 1, 40, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 2 Tune", 1, 41, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 1 Level", 1, 42, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"OSC 2 Level", 1, 43, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Noise Level", 1, 44, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter Routing", 1, 45, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 1 Type Balance", 1, 46, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 1 Cutoff", 1, 47, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 1 Resonance", 1, 48, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 1 EG Int", 1, 49, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 1 Key Track", 1, 50, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 2 Type", 1, 51, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 2 Cutoff", 1, 52, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 2 Resonance", 1, 53, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 2 EG Int", 1, 54, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter 2 Key Track", 1, 55, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Amp Level", 1, 56, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Panpot", 1, 57, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Drive/WS Depth", 1, 58, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter EG Attack", 1, 59, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter EG Decay", 1, 60, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter EG Sustain", 1, 61, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Filter EG Release", 1, 62, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Amp EG Attack", 1, 63, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Amp EG Decay", 1, 64, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Amp EG Sustain", 1, 65, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Amp EG Release", 1, 66, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"LFO 1 Wave", 1, 67, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"LFO 1 Frequency", 1, 68, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"LFO 2 Wave", 1, 69, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"LFO 2 Frequency", 1, 70, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Virtual Patch 1 Int", 1, 71, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Virtual Patch 2 Int", 1, 72, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Virtual Patch 3 Int", 1, 73, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Virtual Patch 4 Int", 1, 74, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Virtual Patch 5 Int", 1, 75, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Long Ribbon \"FILTER\"", 1, 76, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Long Ribbon \"FILTER\" Int", 1, 77, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"EQ High Gain", 1, 78, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"EQ Low Gain", 1, 79, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"FX 1 Dry/Wet", 1, 80, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"FX 1 LongRibbon \"FILTER\"", 1, 81, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"FX 2 Dry/Wet", 1, 82, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"FX 2 LongRibbon \"FILTER\"", 1, 83, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder Threshold", 1, 84, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder HPF Level", 1, 85, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder HPF Gate", 1, 86, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder Direct Level", 1, 87, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder In Src 1 Level", 1, 88, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder In Src 2 Level", 1, 89, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder Level", 1, 90, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder Formant Shift", 1, 91, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder FC Offset", 1, 92, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder Resonance", 1, 93, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder FC Mod.Int", 1, 94, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
    {"Vocoder E.F.Sens", 1, 95, 0, 255, -1, 119, 0, 0, 3, -1, "CcMapNumber"},
};

// Group 6: favourite programs.
inline constexpr ParameterRow kQ3917GlobalGroup6[] = {
    {"Bank#1 Fav\"A\" Prog#", 1, 100, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#1 Fav\"B\" Prog#", 1, 101, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#1 Fav\"C\" Prog#", 1, 102, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#1 Fav\"D\" Prog#", 1, 103, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#1 Fav\"E\" Prog#", 1, 104, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#1 Fav\"F\" Prog#", 1, 105, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#1 Fav\"G\" Prog#", 1, 106, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#1 Fav\"H\" Prog#", 1, 107, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"A\" Prog#", 1, 108, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"B\" Prog#", 1, 109, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"C\" Prog#", 1, 110, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"D\" Prog#", 1, 111, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"E\" Prog#", 1, 112, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"F\" Prog#", 1, 113, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"G\" Prog#", 1, 114, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#2 Fav\"H\" Prog#", 1, 115, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"A\" Prog#", 1, 116, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"B\" Prog#", 1, 117, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"C\" Prog#", 1, 118, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"D\" Prog#", 1, 119, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"E\" Prog#", 1, 120, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"F\" Prog#", 1, 121, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"G\" Prog#", 1, 122, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#3 Fav\"H\" Prog#", 1, 123, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"A\" Prog#", 1, 124, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"B\" Prog#", 1, 125, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"C\" Prog#", 1, 126, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"D\" Prog#", 1, 127, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"E\" Prog#", 1, 128, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"F\" Prog#", 1, 129, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"G\" Prog#", 1, 130, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#4 Fav\"H\" Prog#", 1, 131, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"A\" Prog#", 1, 132, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"B\" Prog#", 1, 133, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"C\" Prog#", 1, 134, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"D\" Prog#", 1, 135, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"E\" Prog#", 1, 136, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"F\" Prog#", 1, 137, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"G\" Prog#", 1, 138, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
    {"Bank#5 Fav\"H\" Prog#", 1, 139, 0, 255, 0, 199, 0, 0, 3, -1, "FavoriteProgramNumber"},
};

inline constexpr std::span<const ParameterRow> kQ3917GlobalGroups[] = {
    kQ3917GlobalGroup0, kQ3917GlobalGroup1, kQ3917GlobalGroup2, kQ3917GlobalGroup3,
    kQ3917GlobalGroup4, kQ3917GlobalGroup5, kQ3917GlobalGroup6,
};
