#include "editor/layout/ProgramEditLayout.h"
#include "editor/layout/Layouts.h"

#include <iterator>

namespace layout {
namespace {

constexpr const char* kFont = "LcdCharWhite";

constexpr Control kControls[] = {
    {0, Kind::Button, 180, 134, 66, 12, "ButtonEditSynth", 0, {}, "timbre 1 synth", ""},
    {1, Kind::Button, 253, 134, 33, 12, "ButtonEditEq", 0, {}, "timbre 1 EQ", ""},
    {2, Kind::Button, 473, 134, 66, 12, "ButtonEditSynth", 0, {}, "timbre 2 synth", ""},
    {3, Kind::Button, 546, 134, 33, 12, "ButtonEditEq", 0, {}, "timbre 2 EQ", ""},
    {4, Kind::Button, 146, 409, 33, 12, "ButtonEdit", 0, {}, "arpeggiator", ""},
    {5, Kind::Button, 301, 409, 33, 12, "ButtonEdit", 0, {}, "vocoder", ""},
    {6, Kind::Button, 546, 409, 33, 12, "ButtonEdit", 0, {}, "master effects", ""},
    {7, Kind::BitmapList, 93, 61, 246, 49, "BitmapListVoiceMode", 4, {0, 35}, "Voice Mode", ""},
    {8, Kind::BitmapList, 31, 184, 57, 32, "BitmapListOscWaveform", 8, {2, 19, 0}, "OSC 1 Wave", "OSC 1"},
    {9, Kind::BitmapList, 104, 184, 57, 32, "BitmapListOscWaveform", 8, {2, 26, 0}, "OSC 2 Wave", "OSC 2"},
    {10, Kind::BitmapList, 324, 184, 57, 32, "BitmapListOscWaveform", 8, {2, 19, 1}, "OSC 1 Wave", "OSC 1"},
    {11, Kind::BitmapList, 397, 184, 57, 32, "BitmapListOscWaveform", 8, {2, 26, 1}, "OSC 2 Wave", "OSC 2"},
    {12, Kind::BitmapList, 30, 219, 56, 11, "BitmapListOsc1Mod", 4, {2, 21, 0}, "OSC 1 Mod", ""},
    {13, Kind::BitmapList, 103, 219, 56, 11, "BitmapListOsc2Mod", 4, {2, 27, 0}, "OSC 2 Mod", ""},
    {14, Kind::BitmapList, 323, 219, 56, 11, "BitmapListOsc1Mod", 4, {2, 21, 1}, "OSC 1 Mod", ""},
    {15, Kind::BitmapList, 396, 219, 56, 11, "BitmapListOsc2Mod", 4, {2, 27, 1}, "OSC 2 Mod", ""},
    {16, Kind::EditText, 20, 14, 56, 11, "LcdCharLargeWhite", 0, {0, 0}, "program name", ""},
    {17, Kind::EditText, 184, 10, 30, 9, kFont, 0, {7, 0}, "BPM", "BPM"},
    {18, Kind::EditText, 184, 22, 24, 9, kFont, 0, {0, 43}, "Octave", "OCTAVE"},
    {19, Kind::EditText, 489, 73, 84, 9, kFont, 0, {0, 15}, "Scale", "SCALE"},
    {20, Kind::EditText, 489, 101, 84, 9, kFont, 0, {0, 14}, "Scale Key", "SCALE KEY"},
    {21, Kind::EditText, 368, 73, 84, 9, kFont, 0, {0, 42}, "Split Key", "SPLIT KEY"},
    {22, Kind::EditText, 368, 101, 84, 9, kFont, 0, {0, 41}, "Timbre 2 MIDI Ch", "T2 MIDI CH"},
    {23, Kind::EditText, 62, 338, 66, 9, kFont, 0, {0, 44}, "Long Ribbon Timbre Select", "TIMBRE"},
    {24, Kind::EditText, 62, 363, 138, 9, kFont, 0, {0, 45}, "Long Ribbon Scale Type", "SCALE TYPE"},
    {25, Kind::EditText, 62, 388, 66, 9, kFont, 0, {0, 49}, "Long Ribbon Scale Key", "SCALE KEY"},
    {26, Kind::EditText, 244, 338, 120, 9, kFont, 0, {0, 46}, "Long Ribbon Scale Range", "SCALE RANGE"},
    {27, Kind::EditText, 244, 363, 120, 9, kFont, 0, {0, 47}, "Long Ribbon (Pitch) Range", "PITCH RANGE"},
    {28, Kind::EditText, 244, 388, 30, 9, kFont, 0, {2, 110}, "Long Ribbon (Filter) Intensity", "FILTER INT"},
    {29, Kind::EditText, 426, 338, 66, 9, kFont, 0, {0, 50}, "Short Ribbon Setting", "SETTING"},
    {30, Kind::EditText, 426, 363, 96, 9, kFont, 0, {0, 52}, "Short Ribbon (Modulation) Assign", "MOD ASSIGN"},
    {31, Kind::EditText, 426, 388, 66, 9, kFont, 0, {0, 51}, "Short Ribbon (Modulation) Lock", "MOD LOCK"},
    {32, Kind::EditText, 355, 439, 108, 9, kFont, 0, {6, 1}, "FX 1 Type", "TYPE"},
    {33, Kind::EditText, 355, 459, 108, 9, kFont, 0, {6, 25}, "FX 2 Type", ""},
    {34, Kind::Switch, 15, 447, 33, 12, "SwitchOnOff", 0, {7, 1}, "Arpeggiator SW", "ON"},
    {35, Kind::Switch, 204, 447, 33, 12, "SwitchOnOff", 0, {5, 0}, "Vocoder SW", "ON"},
    {36, Kind::Switch, 15, 360, 33, 12, "SwitchOnOff", 0, {0, 48}, "Long Ribbon Scale SW", "SCALE"},
    {37, Kind::Led, 21, 64, 60, 11, "LedButtonLarge", 0, {0, 35}, "Voice Mode", "SINGLE"},
    {38, Kind::Led, 21, 78, 60, 11, "LedButtonLarge", 0, {0, 35}, "Voice Mode", "LAYER"},
    {39, Kind::Led, 21, 91, 60, 11, "LedButtonLarge", 0, {0, 35}, "Voice Mode", "SPLIT"},
    {40, Kind::Led, 21, 104, 60, 11, "LedButtonLarge", 0, {0, 35}, "Voice Mode", "MULTI"},
    {41, Kind::ValueBar, 215, 188, 62, 11, "ValueBarMixer", 0, {2, 30, 0}, "OSC 1 Level", "OSC1"},
    {42, Kind::ValueBar, 215, 202, 62, 11, "ValueBarMixer", 0, {2, 31, 0}, "OSC 2 Level", "OSC2"},
    {43, Kind::ValueBar, 215, 216, 62, 11, "ValueBarMixer", 0, {2, 32, 0}, "Noise Level", "NOISE"},
    {44, Kind::ValueBar, 508, 188, 62, 11, "ValueBarMixer", 0, {2, 30, 1}, "OSC 1 Level", "OSC1"},
    {45, Kind::ValueBar, 508, 202, 62, 11, "ValueBarMixer", 0, {2, 31, 1}, "OSC 2 Level", "OSC2"},
    {46, Kind::ValueBar, 508, 216, 62, 11, "ValueBarMixer", 0, {2, 32, 1}, "Noise Level", "NOISE"},
    {47, Kind::EqGraph, 181, 251, 101, 46, nullptr, 0, {4, 0, 0}, "timbre 1 EQ", "EQ"},
    {48, Kind::EqGraph, 474, 251, 101, 46, nullptr, 0, {4, 0, 1}, "timbre 2 EQ", "EQ"},
    // filter graphs own a 2-pixel margin round their 60x43 plot
    {49, Kind::FilterGraph, 28, 252, 66, 49, nullptr, 0, {2, 36, 0}, "Filter 1 Cutoff", "FILTER 1"},
    {50, Kind::FilterGraph, 321, 252, 66, 49, nullptr, 0, {2, 36, 1}, "Filter 1 Cutoff", "FILTER 1"},
    {51, Kind::FilterGraph, 101, 252, 66, 49, nullptr, 0, {2, 36, 0}, "Filter 2 Cutoff", "FILTER 2"},
    {52, Kind::FilterGraph, 394, 252, 66, 49, nullptr, 0, {2, 36, 1}, "Filter 2 Cutoff", "FILTER 2"},
    {53, Kind::StaticText, 61, 441, 108, 9, kFont, 0, {}, "arpeggiator type", ""},
    {54, Kind::StaticText, 61, 456, 108, 9, kFont, 0, {}, "arpeggiator latch and key sync", ""},
    {55, Kind::StaticText, 250, 439, 66, 9, kFont, 0, {}, "vocoder audio in source", ""},
    {56, Kind::StaticText, 250, 459, 66, 9, kFont, 0, {}, "vocoder line 2", ""},
    {57, Kind::StaticText, 469, 439, 108, 9, kFont, 0, {}, "master effect 1 ribbon", "RIBBON"},
    {58, Kind::StaticText, 469, 459, 108, 9, kFont, 0, {}, "master effect 2 ribbon", ""},
    {59, Kind::DropArea, 7, 130, 88, 15, nullptr, 0, {}, "timbre 1", "TIMBRE 1"},
    {60, Kind::DropArea, 299, 130, 88, 15, nullptr, 0, {}, "timbre 2", "TIMBRE 2"},
    {61, Kind::DropArea, 7, 406, 106, 15, nullptr, 0, {}, "arpeggiator", "ARPEGGIATOR"},
    {62, Kind::DropArea, 192, 406, 88, 15, nullptr, 0, {}, "vocoder", "VOCODER"},
    {63, Kind::DropArea, 343, 406, 119, 15, nullptr, 0, {}, "master effects", "MASTER EFFECT"},
    {64, Kind::DropArea, 7, 307, 90, 15, nullptr, 0, {}, "long ribbon", "LONG RIBBON"},
};

// Event codes: 257-263 open the part windows, 264 mixer bar, 265 program
// name, 266 knob-display line; the others are the edit base's.
constexpr ProgramEditWords kWords[] = {
    {257, 0, 0},
    {259, 0, 0},
    {258, 0, 0},
    {260, 0, 0},
    {261, 0, 0},
    {262, 0, 0},
    {263, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {3, 0, 0},
    {265, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {1, 0, 0},
    {1, 0, 0},
    {1, 0, 0},
    // the voice mode each LED selects
    {2, 0, 0},
    {2, 1, 0},
    {2, 2, 0},
    {2, 3, 0},
    {264, 0, 0},
    {264, 0, 0},
    {264, 0, 0},
    {264, 0, 0},
    {264, 0, 0},
    {264, 0, 0},
    {7, 0, 0},
    {7, 0, 0},
    {8, 0, 0},
    {8, 0, 0},
    {9, 0, 0},
    {9, 0, 0},
    // what each knob-display line shows: 0 arpeggiator type, 1 latch and
    // key sync, 2 vocoder source, 3 nothing, 6 and 7 the effects' ribbons
    {266, 0, 0},
    {266, 1, 0},
    {266, 2, 0},
    {266, 3, 0},
    {266, 6, 0},
    {266, 7, 0},
    // block kind and part of each drop area
    {10, 3, 0},
    {10, 3, 1},
    {10, 7, 0},
    {10, 6, 0},
    {10, 5, 0},
    {10, 9, 0},
};
static_assert(std::size(kWords) == std::size(kControls));

}  // namespace

std::span<const ProgramEditWords> ProgramEditControlWords()
{
    return kWords;
}

Window ProgramEditLayout()
{
    return {"ProgramEdit", "BG_ProgramEdit", 594, 563, 0, 0, kControls};
}

}  // namespace layout
