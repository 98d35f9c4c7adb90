#include "editor/layout/Layouts.h"

namespace layout {
namespace {

constexpr const char* kFont = "LcdCharWhite";
// What the layer reads from the reports of the switch and of the LEDs.
constexpr int kToggle = 1;
constexpr int kFixedValue = 2;
// The lines each band fader's range is divided into.
constexpr int kFaderSteps = 95;

constexpr Control kControls[] = {
    {0, Kind::EditText, 93, 83, 102, 9, kFont, 0, {5, 6}, "Audio In Source", "AUDIO IN SOURCE"},
    {1, Kind::EditText, 219, 83, 150, 9, kFont, 0, {5, 15}, "FC Mod Source", "FC MOD SOURCE"},
    {2, Kind::Switch, 91, 181, 33, 12, "SwitchOnOff", 0, {5, 2}, "HPF Gate", "HPF GATE", kToggle},
    {3, Kind::Knob, 96, 124, 21, 21, "KnobSmall", 101, {5, 7}, "Gate Sens", "SENS"},
    {4, Kind::Knob, 154, 124, 21, 21, "KnobSmall", 101, {5, 8}, "Gate Threshold", "THRESH"},
    {5, Kind::Knob, 417, 159, 21, 21, "KnobSmall", 101, {5, 10}, "Direct Level", "DIRECT"},
    {6, Kind::Knob, 154, 175, 21, 21, "KnobSmall", 101, {5, 9}, "HPF Level", "HPF LVL"},
    {7, Kind::Knob, 339, 175, 21, 21, "KnobSmall", 101, {5, 18}, "FC Mod Int", "MOD INT"},
    {8, Kind::Knob, 284, 175, 21, 21, "KnobSmall", 101, {5, 19}, "E.F.Sens", "EF SENS"},
    {9, Kind::Knob, 339, 124, 21, 21, "KnobSmall", 101, {5, 17}, "Resonance", "RESO"},
    {10, Kind::Knob, 29, 159, 21, 21, "KnobSmall", 101, {5, 12}, "Timbre 2 Level", "TIMBRE 2"},
    {11, Kind::Knob, 29, 89, 21, 21, "KnobSmall", 101, {5, 11}, "Timbre 1 Level", "TIMBRE 1"},
    {12, Kind::Knob, 417, 89, 21, 21, "KnobSmall", 101, {5, 13}, "Vocoder Level", "VOCODER"},
    {13, Kind::Knob, 284, 124, 21, 21, "KnobSmall", 101, {5, 16}, "FC Offset", "OFFSET"},
    {14, Kind::Knob, 79, 249, 21, 21, "KnobSmall", 101, {5, 21}, "Band 1 Pan", "PAN"},
    {15, Kind::Knob, 116, 249, 21, 21, "KnobSmall", 101, {5, 22}, "Band 2 Pan", "PAN"},
    {16, Kind::Knob, 153, 249, 21, 21, "KnobSmall", 101, {5, 23}, "Band 3 Pan", "PAN"},
    {17, Kind::Knob, 190, 249, 21, 21, "KnobSmall", 101, {5, 24}, "Band 4 Pan", "PAN"},
    {18, Kind::Knob, 227, 249, 21, 21, "KnobSmall", 101, {5, 25}, "Band 5 Pan", "PAN"},
    {19, Kind::Knob, 264, 249, 21, 21, "KnobSmall", 101, {5, 26}, "Band 6 Pan", "PAN"},
    {20, Kind::Knob, 301, 249, 21, 21, "KnobSmall", 101, {5, 27}, "Band 7 Pan", "PAN"},
    {21, Kind::Knob, 338, 249, 21, 21, "KnobSmall", 101, {5, 28}, "Band 8 Pan", "PAN"},
    {22, Kind::Knob, 375, 249, 21, 21, "KnobSmall", 101, {5, 29}, "Band 9 Pan", "PAN"},
    {23, Kind::Knob, 412, 249, 21, 21, "KnobSmall", 101, {5, 30}, "Band 10 Pan", "PAN"},
    {24, Kind::Knob, 449, 249, 21, 21, "KnobSmall", 101, {5, 31}, "Band 11 Pan", "PAN"},
    {25, Kind::Knob, 486, 249, 21, 21, "KnobSmall", 101, {5, 32}, "Band 12 Pan", "PAN"},
    {26, Kind::Knob, 523, 249, 21, 21, "KnobSmall", 101, {5, 33}, "Band 13 Pan", "PAN"},
    {27, Kind::Knob, 560, 249, 21, 21, "KnobSmall", 101, {5, 34}, "Band 14 Pan", "PAN"},
    {28, Kind::Knob, 597, 249, 21, 21, "KnobSmall", 101, {5, 35}, "Band 15 Pan", "PAN"},
    {29, Kind::Knob, 634, 249, 21, 21, "KnobSmall", 101, {5, 36}, "Band 16 Pan", "PAN"},
    {30, Kind::Fader, 79, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 37}, "Band 1 Level", "1"},
    {31, Kind::Fader, 116, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 38}, "Band 2 Level", "2"},
    {32, Kind::Fader, 153, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 39}, "Band 3 Level", "3"},
    {33, Kind::Fader, 190, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 40}, "Band 4 Level", "4"},
    {34, Kind::Fader, 227, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 41}, "Band 5 Level", "5"},
    {35, Kind::Fader, 264, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 42}, "Band 6 Level", "6"},
    {36, Kind::Fader, 301, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 43}, "Band 7 Level", "7"},
    {37, Kind::Fader, 338, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 44}, "Band 8 Level", "8"},
    {38, Kind::Fader, 375, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 45}, "Band 9 Level", "9"},
    {39, Kind::Fader, 412, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 46}, "Band 10 Level", "10"},
    {40, Kind::Fader, 449, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 47}, "Band 11 Level", "11"},
    {41, Kind::Fader, 486, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 48}, "Band 12 Level", "12"},
    {42, Kind::Fader, 523, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 49}, "Band 13 Level", "13"},
    {43, Kind::Fader, 560, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 50}, "Band 14 Level", "14"},
    {44, Kind::Fader, 597, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 51}, "Band 15 Level", "15"},
    {45, Kind::Fader, 634, 290, 22, 95, "VerticalSliderTop", kFaderSteps, {5, 52}, "Band 16 Level", "16"},
    {46, Kind::Led, 222, 128, 32, 11, "LedButtonLarge", 0, {5, 14}, "Formant Shift", "+2", kFixedValue, 0, 2},
    {47, Kind::Led, 222, 141, 32, 11, "LedButtonLarge", 0, {5, 14}, "Formant Shift", "+1", kFixedValue, 0, 1},
    {48, Kind::Led, 222, 154, 32, 11, "LedButtonLarge", 0, {5, 14}, "Formant Shift", "0", kFixedValue, 0, 0},
    {49, Kind::Led, 222, 167, 32, 11, "LedButtonLarge", 0, {5, 14}, "Formant Shift", "-1", kFixedValue, 0, -1},
    {50, Kind::Led, 222, 180, 32, 11, "LedButtonLarge", 0, {5, 14}, "Formant Shift", "-2", kFixedValue, 0, -2},
    {51, Kind::ValueBar, 479, 86, 12, 96, "FormantHoldBar", 0, {5, 53}, "Band 1 Hold Data", ""},
    {52, Kind::ValueBar, 491, 86, 12, 96, "FormantHoldBar", 0, {5, 54}, "Band 2 Hold Data", ""},
    {53, Kind::ValueBar, 503, 86, 12, 96, "FormantHoldBar", 0, {5, 55}, "Band 3 Hold Data", ""},
    {54, Kind::ValueBar, 515, 86, 12, 96, "FormantHoldBar", 0, {5, 56}, "Band 4 Hold Data", ""},
    {55, Kind::ValueBar, 527, 86, 12, 96, "FormantHoldBar", 0, {5, 57}, "Band 5 Hold Data", ""},
    {56, Kind::ValueBar, 539, 86, 12, 96, "FormantHoldBar", 0, {5, 58}, "Band 6 Hold Data", ""},
    {57, Kind::ValueBar, 551, 86, 12, 96, "FormantHoldBar", 0, {5, 59}, "Band 7 Hold Data", ""},
    {58, Kind::ValueBar, 563, 86, 12, 96, "FormantHoldBar", 0, {5, 60}, "Band 8 Hold Data", ""},
    {59, Kind::ValueBar, 575, 86, 12, 96, "FormantHoldBar", 0, {5, 61}, "Band 9 Hold Data", ""},
    {60, Kind::ValueBar, 587, 86, 12, 96, "FormantHoldBar", 0, {5, 62}, "Band 10 Hold Data", ""},
    {61, Kind::ValueBar, 599, 86, 12, 96, "FormantHoldBar", 0, {5, 63}, "Band 11 Hold Data", ""},
    {62, Kind::ValueBar, 611, 86, 12, 96, "FormantHoldBar", 0, {5, 64}, "Band 12 Hold Data", ""},
    {63, Kind::ValueBar, 623, 86, 12, 96, "FormantHoldBar", 0, {5, 65}, "Band 13 Hold Data", ""},
    {64, Kind::ValueBar, 635, 86, 12, 96, "FormantHoldBar", 0, {5, 66}, "Band 14 Hold Data", ""},
    {65, Kind::ValueBar, 647, 86, 12, 96, "FormantHoldBar", 0, {5, 67}, "Band 15 Hold Data", ""},
    {66, Kind::ValueBar, 659, 86, 12, 96, "FormantHoldBar", 0, {5, 68}, "Band 16 Hold Data", ""},
};

}  // namespace

Window VocoderEditLayout()
{
    return {"VocoderEdit", "BG_VocoderEdit", 690, 408, 0, 0, kControls};
}

}  // namespace layout
