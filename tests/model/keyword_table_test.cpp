// The keyword lists the model's value texts come from, as the program's own
// resource holds them, read through the keyword string table.
#include "framework/services/EfStringTable.h"
#include "framework/services/HfcResourceFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pins = std::vector<std::pair<int, std::string>>;  // (row, text)

struct ExpectedList
{
    const char* keyword;
    int count;
    Pins rows;  // the rows whose texts are fixed
};

Pins All(const std::vector<std::string>& texts)
{
    Pins pins;
    for (std::size_t i = 0; i < texts.size(); ++i)
        pins.emplace_back(static_cast<int>(i), texts[i]);
    return pins;
}

Pins Join(Pins first, const Pins& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Format(const char* format, int value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// first, first + step ... last, on the rows from fromRow on.
Pins Numbers(int first, int last, const char* format, int step = 1, int fromRow = 0)
{
    Pins pins;
    for (int v = first, row = fromRow; v <= last; v += step, ++row)
        pins.emplace_back(row, Format(format, v));
    return pins;
}

// Values in tenths, shown through a floating-point format.
Pins Tenths(int first, int last, int step, const char* format)
{
    Pins pins;
    for (int v = first, row = 0; v <= last; v += step, ++row)
        pins.emplace_back(row, Format(format, v / 10.0));
    return pins;
}

const std::vector<std::string> kScaleKeys = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

Pins NoteNames()
{
    Pins pins;
    for (int note = 0; note < 128; ++note)
        pins.emplace_back(note, kScaleKeys[note % 12] + std::to_string(note / 12 - 1));
    return pins;
}

Pins NoiseFilterBalance()
{
    Pins pins;
    for (int row = 0; row <= 62; ++row)
        pins.emplace_back(row, Format("LPF%02d", 63 - row));
    pins.emplace_back(63, "CNT");
    return Join(Join(pins, Numbers(1, 63, "HPF%02d", 1, 64)), {{127, "HPF63"}});
}

Pins FilterBalance()
{
    Pins pins = Numbers(0, 127, "%d");
    const std::pair<std::vector<int>, const char*> types[] = {
        {{0}, "LPF24"}, {{31, 32, 33}, "LPF12"}, {{63, 64, 65}, "HPF"}, {{95, 96, 97}, "BPF"}, {{127}, "THRU"}};
    for (const auto& [rows, text] : types) {
        for (int row : rows)
            pins[row].second = text;
    }
    return pins;
}

// Steps of 2 at both ends and of 1 between -28 and 26.
Pins StepGateTimes()
{
    return Join(Join(Numbers(-100, -28, "%d", 2, 0), Numbers(-27, 26, "%d", 1, 37)), Numbers(28, 100, "%d", 2, 91));
}

// Every list in the order of the resource, with its row count and the rows
// whose texts are fixed; of the long lists built on a curve only the ends
// (and the middle row of a scale around zero) are fixed.
const std::vector<ExpectedList>& ExpectedLists()
{
    static const std::vector<ExpectedList> lists = {
        {"ProgramGenre", 8,
         All({"70'S VINTAGE", "ROCK", "POP", "HIPHOP", "DANCE", "DUBSTEP", "ELECTRONICA", "FAVORITE"})},
        {"ProgramCategory", 8,
         All({"POLY SYNTH", "BASS", "LEAD", "ARP/MOTION", "PAD/STRINGS", "KEYBOARD/BELL", "S.E./HIT",
              "VOCODER/AUDIO IN"})},
        {"ProgramBank", 2, All({"A", "B"})},
        {"OnOff", 2, All({"Off", "On"})},
        {"EnaDis", 2, All({"Disable", "Enable"})},
        {"Priority", 6, All({"OFF", "A", "B", "C", "D", "E"})},
        {"Category", 16,
         All({"Synth Hard", "Synth Soft", "Synth Brass", "Strings/Pad", "Motion", "Bass", "Lead", "Keyboard",
              "Bell/Decay", "Hit/Drum", "S.E", "Arp/Seq", "Split", "Simple Wave", "Vocoder", "User"})},
        {"Timbre", 3, All({"Timbre 1", "Timbre 2", "Vocoder"})},
        {"ScaleKey", 12, All({"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"})},
        {"ScaleType", 10,
         All({"Equal Temp", "Pure Major", "Pure Minor", "Arabic", "Pythagorean", "Werckmeister", "Kirnberger",
              "Slendro", "Pelog", "User Scale"})},
        {"VoiceMode", 4, All({"Single", "Layer", "Split", "Multi"})},
        {"ArpTimbreSel", 3, All({"Timbre 1", "Timbre 2", "Timbre 1+2"})},
        {"MidiCh", 17,
         All({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "Global"})},
        {"Note", 129, Join(NoteNames(), {{128, "Off"}})},
        {"LongRibbonTimbreSelect", 3, All({"Timbre 1", "Timbre 2", "Timbre 1+2"})},
        {"LongRibbonScaleType", 36,
         All({"Scale Off",
              "Chromatic",
              "Ionian",
              "Dorian",
              "Phrygian",
              "Lydian",
              "Mixolydian",
              "Aeolian",
              "Locrian",
              "Harmonic minor",
              "Melodic minor",
              "Major Blues",
              "minor Blues",
              "Diminished",
              "Combination Diminished",
              "Major Pentatonic",
              "minor Pentatonic",
              "Raga Bhairav",
              "Raga Gamanasrama",
              "Raga Todi",
              "Arabic",
              "Spanish",
              "Gypsy",
              "Egyptian",
              "Hawaiian",
              "Bali Island Pelog",
              "Japanese Miyakobushi",
              "Ryukyu",
              "Chinese",
              "Bass Line",
              "Whole Tone",
              "minor 3rd Interval",
              "3rd Interval",
              "4th Interval",
              "5th Interval",
              "Octave"})},
        {"LongRibbonScaleRange", 17,
         All({"8 Octave (Reverse)", "7 Octave (Reverse)", "6 Octave (Reverse)", "5 Octave (Reverse)",
              "4 Octave (Reverse)", "3 Octave (Reverse)", "2 Octave (Reverse)", "1 Octave (Reverse)", "0 Octave",
              "1 Octave", "2 Octave", "3 Octave", "4 Octave", "5 Octave", "6 Octave", "7 Octave", "8 Octave"})},
        {"LongRibbonPitchRange", 17,
         All({"8 Octave (Reverse)", "7 Octave (Reverse)", "6 Octave (Reverse)", "5 Octave (Reverse)",
              "4 Octave (Reverse)", "3 Octave (Reverse)", "2 Octave (Reverse)", "1 Octave (Reverse)", "0 Octave",
              "1 Octave", "2 Octave", "3 Octave", "4 Octave", "5 Octave", "6 Octave", "7 Octave", "8 Octave"})},
        {"LongRibbonScaleKey", 25,
         All({"C -",  "C# -", "D -",  "D# -", "E -", "F -",  "F# -", "G -",  "G# -", "A -",  "A# -", "B -", "C",
              "C# +", "D +",  "D# +", "E +",  "F +", "F# +", "G +",  "G# +", "A +",  "A# +", "B +",  "C +"})},
        {"ShortRibbonSetting", 2, All({"Pitch", "Modulation"})},
        {"ShortRibbonLockSW", 2, All({"Lock Off", "Lock On"})},
        {"ShortRibbonAssign", 128, Numbers(0, 127, "CC#%02d")},
        {"UnisonVoice", 4, All({"Off", "2 Voice", "3 Voice", "4 Voice"})},
        {"KnobAssignCategory", 11,
         All({"Off", "Oscillator", "Filter", "Amp", "EG", "LFO", "Virtual Patch", "EQ", "Master FX", "Arpeggiator",
              "Vocoder"})},
        {"KnobAssign", 55,
         All({"Off",
              "Portamento",
              "OSC 1 Control 1",
              "OSC 1 Control 2",
              "OSC 2 Semitone",
              "OSC 2 Tune",
              "OSC 1 Level",
              "OSC 2 Level",
              "Noise Level",
              "Filter 1 Cutoff",
              "Filter 1 Resonance",
              "Filter 1 Balance",
              "Filter 1 EG Int",
              "Filter 2 Cutoff",
              "Filter 2 Resonance",
              "Filter 2 EG Int",
              "Level",
              "Panpot",
              "Wave Shape Depth",
              "Filter EG Attack",
              "Filter EG Decay",
              "Filter EG Sustain",
              "Filter EG Release",
              "Amp EG Attack",
              "Amp EG Decay",
              "Amp EG Sustain",
              "Amp EG Release",
              "LFO 1 Frequency",
              "LFO 2 Frequency",
              "Virtual Patch 1 Int",
              "Virtual Patch 2 Int",
              "Virtual Patch 3 Int",
              "Virtual Patch 4 Int",
              "Virtual Patch 5 Int",
              "Virtual Patch 6 Int",
              "EQ High Gain",
              "EQ Low Gain",
              "FX 1 Dry/Wet",
              "FX 1 Ctrl 1",
              "FX 1 Ctrl 2",
              "FX 2 Dry/Wet",
              "FX 2 Ctrl 1",
              "FX 2 Ctrl 2",
              "ARP Gate Time",
              "ARP Octave Range",
              "ARP Swing",
              "Vocoder Timbre1 Lvl",
              "Vocoder Timbre2 Lvl",
              "Vocoder HPF Level",
              "Vocoder FC Offset",
              "Vocoder Resonance",
              "Vocoder EF Sens",
              "Vocoder FC Mod Int",
              "Vocoder Direct Lvl",
              "Vocoder Level"})},
        {"KnobAssignLfoSync", 2, All({"LFO 1 Sync Note", "LFO 2 Sync Note"})},
        {"PitchVibratoInt", 127, {{0, "-2400cent"}, {63, "+0cent"}, {126, "+2400cent"}}},
        {"AssignMode", 3, All({"Mono 1", "Mono 2", "Poly"})},
        {"Osc1Wave", 8, All({"Saw", "Pulse", "Triangle", "Sine", "Formant", "Noise", "PCM", "Audio In"})},
        {"Osc1Mod", 4, All({"Waveform", "Cross", "Unison", "VPM"})},
        {"SynthPcm", 85, {{81, "Noise 1"}, {82, "Noise 2"}, {83, "Noise 3"}, {84, "Noise 4"}}},
        {"NoiseFltBalance", 128, NoiseFilterBalance()},
        {"Osc2Wave", 4, All({"Saw", "Pulse", "Triangle", "Sine"})},
        {"Osc2Mod", 4, All({"Off", "Ring", "Sync", "Ring+Sync"})},
        {"FltRouting", 4, All({"Single", "Serial", "Parallel", "Individual"})},
        {"Flt1Balance", 128, FilterBalance()},
        {"Flt2Type", 3, All({"LPF", "HPF", "BPF"})},
        {"FltKeyTrack", 127, {{0, "-2.00"}, {63, "+0.00"}, {126, "+2.00"}}},
        {"WsPosition", 2, All({"PreFilter1", "PreAmp"})},
        {"WsType", 12,
         All({"Off", "Drive", "Decimator", "Hard Clip", "Oct Saw", "Multi Tri", "Multi Sin", "SubOSC Saw", "SubOSC Squ",
              "SubOSC Tri", "SubOSC Sin", "Level Boost"})},
        {"Lfo1Wave", 5, All({"Saw", "Square", "Triangle", "S&H", "Random"})},
        {"Lfo2Wave", 5, All({"Saw", "Square+", "Sine", "S&H", "Random"})},
        {"LfoFreq", 128, {{0, "0.01Hz"}, {127, "100.0Hz"}}},
        {"LfoKeySync", 3, All({"Off", "Timbre", "Voice"})},
        {"LfoInitPhase", 19,
         All({"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "110", "120", "130", "140", "150",
              "160", "170", "180"})},
        {"LfoSyncNote", 17,
         All({"8/1", "4/1", "2/1", "1/1", "3/4", "1/2", "3/8", "1/3", "1/4", "3/16", "1/6", "1/8", "1/12", "1/16",
              "1/24", "1/32", "1/64"})},
        {"PatchSource", 13,
         All({"Filter EG", "Amp EG", "Assignable EG", "LFO 1", "LFO 2", "Velocity", "Short Ribbon (Pitch)",
              "Short Ribbon (Modulation)", "Keyboard Track", "MIDI Control 1", "MIDI Control 2", "MIDI Control 3",
              "Long Ribbon (Filter)"})},
        {"PatchDest", 40,
         All({"Pitch",
              "OSC 2 Tune",
              "OSC 1 Control 1",
              "OSC 1 Level",
              "OSC 2 Level",
              "Noise Level",
              "Filter 1 Balance",
              "Filter 1 Cutoff",
              "Filter 1 Resonance",
              "Filter 2 Cutoff",
              "Drive/WS Depth",
              "Amp Level",
              "Panpot",
              "LFO 1 Frequency",
              "LFO 2 Frequency",
              "Portamento",
              "OSC 1 Control 2",
              "Filter 1 EG Int",
              "Filter 1 KeyTrack",
              "Filter 2 Resonance",
              "Filter 2 EG Int",
              "Filter 2 KeyTrack",
              "Filter EG Attack",
              "Filter EG Decay",
              "Filter EG Sustain",
              "Filter EG Release",
              "Amp EG Attack",
              "Amp EG Decay",
              "Amp EG Sustain",
              "Amp EG Release",
              "Assignable EG Attack",
              "Assignable EG Decay",
              "Assignable EG Sustain",
              "Assignable EG Release",
              "Patch 1 Int",
              "Patch 2 Int",
              "Patch 3 Int",
              "Patch 4 Int",
              "Patch 5 Int",
              "Long Ribbon (Filter) Int"})},
        {"IfxType", 31,
         All({"No Effect",
              "St.Compressor",
              "St.Limiter",
              "St.Gate",
              "St.Filter",
              "St.Wah",
              "St.4Band EQ",
              "Distortion",
              "Cabinet Simulator",
              "Tube PreAmp Simulator",
              "St.Decimator",
              "Reverb",
              "Early Reflections",
              "L/C/R Delay",
              "St.Delay",
              "Auto Panning Delay",
              "St.Auto Panning Delay",
              "Modulation Delay",
              "St.Modulation Delay",
              "Tape Echo",
              "St.Chorus",
              "Ensemble",
              "St.Flanger/CombFilter",
              "St.Phaser",
              "St.Tremolo",
              "St.Ring Modulator",
              "Pitch Shifter",
              "Grain Shifter",
              "St.Vibrato",
              "Rotary Speaker[W]",
              "Talking Modulator[W]"})},
        {"IfxKnobAssign", 20, All({"Param 1",  "Param 2",  "Param 3",  "Param 4",  "Param 5",  "Param 6",  "Param 7",
                                   "Param 8",  "Param 9",  "Param 10", "Param 11", "Param 12", "Param 13", "Param 14",
                                   "Param 15", "Param 16", "Param 17", "Param 18", "Param 19", "Param 20"})},
        {"EqLowFreq", 34, All({"20Hz",  "22Hz",  "25Hz",  "28Hz",  "32Hz",  "36Hz",  "40Hz",  "45Hz",  "50Hz",
                               "56Hz",  "63Hz",  "71Hz",  "80Hz",  "90Hz",  "100Hz", "112Hz", "125Hz", "140Hz",
                               "160Hz", "180Hz", "200Hz", "224Hz", "250Hz", "280Hz", "315Hz", "400Hz", "450Hz",
                               "500Hz", "560Hz", "630Hz", "710Hz", "800Hz", "900Hz", "1000Hz"})},
        {"EqLowGain", 61, Tenths(-150, 150, 5, "%+.1fdB")},
        {"EqHighFreq", 26,
         All({"1.00kHz", "1.12kHz", "1.25kHz", "1.40kHz", "1.60kHz", "1.80kHz", "2.00kHz", "2.24kHz", "2.50kHz",
              "2.80kHz", "3.15kHz", "4.00kHz", "4.50kHz", "5.00kHz", "5.60kHz", "6.30kHz", "7.10kHz", "8.00kHz",
              "9.00kHz", "10.0kHz", "11.2kHz", "12.5kHz", "14.0kHz", "16.0kHz", "18.0kHz", "20.0kHz"})},
        {"EqHighGain", 61, Tenths(-150, 150, 5, "%+.1fdB")},
        {"VcdModSrc", 2, All({"Audio Source", "Formant Play"})},
        {"VcdAudioSrc", 2, All({"Audio Input", "Timbre 2"})},
        {"VcdEfSens", 128, Join(Numbers(0, 126, "%d"), {{127, "Hold"}})},
        {"FcModSource", 12,
         All({"Filter EG", "Amp EG", "Assignable EG", "LFO 1", "LFO 2", "Velocity", "Short Ribbon (Pitch)",
              "Short Ribbon (Modulation)", "Keyboard Track", "MIDI Control 1", "MIDI Control 2", "MIDI Control 3"})},
        {"MfxType", 18,
         All({"Effect Off", "Compressor", "Filter", "4Band EQ", "Distortion", "Decimator", "Delay", "L/C/R Delay",
              "Auto Panning Delay", "Modulation Delay", "Tape Echo", "Chorus", "Flanger", "Vibrato", "Phaser",
              "Tremolo", "Ring Modulator", "Grain Shifter"})},
        {"MfxKnobAss", 20, All({"Param 1",  "Param 2",  "Param 3",  "Param 4",  "Param 5",  "Param 6",  "Param 7",
                                "Param 8",  "Param 9",  "Param 10", "Param 11", "Param 12", "Param 13", "Param 14",
                                "Param 15", "Param 16", "Param 17", "Param 18", "Param 19", "Param 20"})},
        {"LongRibbonPolarity", 2, All({"Forward", "Reverse"})},
        {"ArpResolution", 9, All({"1/32", "1/24", "1/16", "1/12", "1/8", "1/6", "1/4", "1/2", "1/1"})},
        {"ArpType", 6, All({"Up", "Down", "Alt 1", "Alt 2", "Random", "Trigger"})},
        {"ArpLastStep", 8, All({"1", "2", "3", "4", "5", "6", "7", "8"})},
        {"ArpOctRange", 4, All({"1", "2", "3", "4"})},
        {"ArpStepGT", 128, StepGateTimes()},
        {"FxControlSource", 7,
         All({"Off", "Velocity", "Short Ribbon (Pitch)", "Short Ribbon (Mod)", "MIDI Control 1", "MIDI Control 2",
              "MIDI Control 3"})},
        {"FxEnvSel", 2, All({"LR Mix", "LR Individual"})},
        {"FxFltType", 5, All({"LPF24", "LPF18", "LPF12", "HPF12", "BPF12"})},
        {"FxFilterModSrc", 2, All({"LFO", "Control"})},
        {"FxLfoWave", 5, All({"Saw", "Square", "Triangle", "Sine", "S&H"})},
        {"FxLfoKeySync", 2, All({"Off", "On"})},
        {"FxEqBand1Type", 2, All({"Peaking", "Shelving Low"})},
        {"FxEqBand2Type", 2, All({"Peaking", "Shelving High"})},
        {"FxEqFrequency", 59, {{0, "20Hz"}, {58, "20.0kHz"}}},
        {"FxDeciFs", 95, Tenths(10, 480, 5, "%.1fkHz")},
        {"FxDeciBit", 21, All({"4 bit",  "5 bit",  "6 bit",  "7 bit",  "8 bit",  "9 bit",  "10 bit",
                               "11 bit", "12 bit", "13 bit", "14 bit", "15 bit", "16 bit", "17 bit",
                               "18 bit", "19 bit", "20 bit", "21 bit", "22 bit", "23 bit", "24 bit"})},
        {"FxReverbType", 6, All({"Hall", "SmoothHall", "WetPlate", "DryPlate", "Room", "BrightRoom"})},
        {"FxReverbTime", 100, Tenths(1, 100, 1, "%.1fsec")},
        {"FxReverbTimeShort", 128, {{0, "0.1sec"}, {127, "3.0sec"}}},
        {"FxStDelayType", 2, All({"Stereo", "Cross"})},
        {"FxDelaySyncNote", 14,
         All({"1/64", "1/32", "1/24", "1/16", "1/12", "1/8", "1/6", "3/16", "1/4", "1/3", "3/8", "1/2", "3/4", "1/1"})},
        {"FxFlangerPhase", 2, All({"+", "-"})},
        {"FxPhaserType", 2, All({"Blue", "U-VB"})},
        {"FxOscMode", 2, All({"Fixed", "Note"})},
        {"FxOscWave", 3, All({"Saw", "Triangle", "Sine"})},
        {"FxPreDelay", 128, Join(Numbers(0, 54, "%dmsec"), Numbers(56, 200, "%dmsec", 2, 55))},
        {"FxTimeRatio", 128, {{0, "0.5%"}, {127, "400.0%"}}},
        {"FxTimeRatioSyncOn", 15,
         All({"12.5%", "16.7%", "25.0%", "33.3%", "50.0%", "66.6%", "75.0%", "100.0%", "125.0%", "133.0%", "150.0%",
              "200.0%", "250.0%", "300.0%", "400.0%"})},
        {"FxDelay_0_30", 114, {{0, "0.0msec"}, {113, "30.0msec"}}},
        {"FxDelay_0_50", 120, {{0, "0.0msec"}, {119, "50.0msec"}}},
        {"FxDelay_0_350", 128, {{0, "0msec"}, {127, "350msec"}}},
        {"FxDelay_0_1400", 128, {{0, "0msec"}, {127, "1400msec"}}},
        {"FxGateAttack", 128, {{0, "0.1msec"}, {127, "500msec"}}},
        {"FxFreq_0_12000", 128, {{0, "0Hz"}, {127, "12.0kHz"}}},
        {"KnobMode", 2, All({"Jump", "Catch"})},
        {"Position", 2, All({"Post KBD", "Pre TG"})},
        {"AudioInThru", 2, All({"Off", "Ext 1+2"})},
        {"VelocityCurve", 9,
         All({"Curve 1", "Curve 2", "Curve 3", "Curve 4", "Curve 5", "Curve 6", "Curve 7", "Curve 8", "Const 127"})},
        {"SystemRouting", 3, All({"MIDI+USB", "USB", "MIDI"})},
        {"MidiClock", 2, All({"Auto", "Internal"})},
        {"BatteryType", 2, All({"Alkali", "Ni-MH"})},
        {"AutoPowerOff", 2, All({"Disable", "4 Hours"})},
        {"FavoriteProgramNumber", 200, Numbers(1, 200, "%03d")},
        {"LongRibbonVelocity", 128, Join({{0, "Sound Off"}}, Numbers(1, 127, "%d", 1, 1))},
    };
    return lists;
}

class KeywordTable : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CHfcResourceFile file;
        ASSERT_TRUE(file.OpenResource("STR", "Q3917StringTable.txt", 0));
        s_table = new CEfStringTable;
        s_loaded = s_table->LoadFromFile(file);

        ASSERT_TRUE(file.Seek(0, CHfcFile::kFromStart));
        char byte = 0;
        while (file.Read(&byte, 1) == 1)
            s_text += byte;
    }
    static void TearDownTestSuite()
    {
        delete s_table;
        s_table = nullptr;
    }

    // The keyword lines of the resource, in order, without the '*'.
    static std::vector<std::string> KeywordsInOrder()
    {
        std::vector<std::string> keywords;
        std::size_t start = 0;
        while (start < s_text.size()) {
            std::size_t end = s_text.find('\n', start);
            if (end == std::string::npos)
                end = s_text.size();
            if (s_text[start] == '*')
                keywords.push_back(s_text.substr(start + 1, end - start - 1));
            start = end + 1;
        }
        return keywords;
    }

    static std::vector<double> Values(const char* keyword)
    {
        std::vector<double> values;
        for (int row = 0; row < s_table->GetNumStrings(keyword); ++row) {
            const char* text = s_table->GetString(keyword, row);
            const double scale = std::strstr(text, "kHz") != nullptr ? 1000 : 1;
            values.push_back(std::strtod(text, nullptr) * scale);
        }
        return values;
    }

    static CEfStringTable* s_table;
    static bool s_loaded;
    static std::string s_text;
};

CEfStringTable* KeywordTable::s_table = nullptr;
bool KeywordTable::s_loaded = false;
std::string KeywordTable::s_text;

TEST_F(KeywordTable, HoldsTheListsInOrderWithTheirCounts)
{
    ASSERT_TRUE(s_loaded);
    std::vector<std::string> expected;
    for (const ExpectedList& list : ExpectedLists()) {
        expected.emplace_back(list.keyword);
        EXPECT_EQ(s_table->GetNumStrings(list.keyword), list.count) << list.keyword;
    }
    EXPECT_EQ(expected.size(), 105u);
    EXPECT_EQ(KeywordsInOrder(), expected);
    EXPECT_EQ(s_table->GetNumKeys(), 105);
}

TEST_F(KeywordTable, HoldsEveryFixedRow)
{
    for (const ExpectedList& list : ExpectedLists()) {
        for (const auto& [row, text] : list.rows) {
            const char* actual = s_table->GetString(list.keyword, row);
            ASSERT_NE(actual, nullptr) << list.keyword << " row " << row;
            EXPECT_EQ(actual, text) << list.keyword << " row " << row;
        }
        EXPECT_EQ(s_table->GetString(list.keyword, list.count), nullptr) << list.keyword;
    }
}

TEST_F(KeywordTable, CurvedListsAreRisingScales)
{
    const std::pair<const char*, bool> lists[] = {
        // (keyword, centred on zero)
        {"PitchVibratoInt", true}, {"FltKeyTrack", true},     {"LfoFreq", false},       {"FxEqFrequency", false},
        {"FxTimeRatio", false},    {"FxGateAttack", false},   {"FxDelay_0_30", false},  {"FxDelay_0_50", false},
        {"FxDelay_0_350", false},  {"FxDelay_0_1400", false}, {"FxFreq_0_12000", false}};
    for (const auto& [keyword, centred] : lists) {
        SCOPED_TRACE(keyword);
        const std::vector<double> values = Values(keyword);
        ASSERT_FALSE(values.empty());
        for (std::size_t i = 1; i < values.size(); ++i)
            EXPECT_LT(values[i - 1], values[i]) << "row " << i;
        if (!centred)
            continue;
        const std::size_t middle = values.size() / 2;
        for (std::size_t i = 1; i <= middle; ++i)
            EXPECT_EQ(values[middle - i], -values[middle + i]) << "row " << middle + i;
        // Finer near the middle than at the ends.
        EXPECT_LT(values[middle + 1] - values[middle], values.back() - values[values.size() - 2]);
    }
}

TEST_F(KeywordTable, RowsCarryNoQuotes)
{
    // Rows reach the user as written, so quotes would show.
    for (const ExpectedList& list : ExpectedLists()) {
        for (int row = 0; row < list.count; ++row) {
            const char* text = s_table->GetString(list.keyword, row);
            ASSERT_NE(text, nullptr) << list.keyword << " row " << row;
            EXPECT_EQ(std::strchr(text, '"'), nullptr) << list.keyword << " row " << row;
        }
    }
}

}  // namespace
