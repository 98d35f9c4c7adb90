#include "Rules.h"

#include <cmath>

#include "Formats.h"
#include "Require.h"
#include "Series.h"

namespace keywords {

namespace {

using Rows = std::vector<std::string>;

template <typename Value, typename Text>
Rows Texts(const std::vector<Value>& values, Text text)
{
    Rows rows;
    for (const Value& v : values)
        rows.push_back(text(v));
    return rows;
}

Rows Numbers(int first, int last)
{
    return Texts(Stepped(first, {{1, last}}), [](int v) { return std::to_string(v); });
}

// A scale around zero: the magnitudes from 0 up, shown negative below the
// middle row and positive (with "+") from it on.
Rows Mirrored(const std::vector<double>& magnitudes, int decimals, const std::string& unit)
{
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    Rows rows;
    for (auto it = magnitudes.rbegin(); it != magnitudes.rend() - 1; ++it)
        rows.push_back(SignedFixed(-static_cast<int>(std::lround(*it * scale)), decimals) + unit);
    for (double m : magnitudes)
        rows.push_back(SignedFixed(static_cast<int>(std::lround(m * scale)), decimals) + unit);
    return rows;
}

Rows NoteNames(const KeywordLists& earlier)
{
    const Rows& keys = Find(earlier, "ScaleKey").rows;
    Require(keys.size() == 12, "ScaleKey must come first with twelve rows");
    Rows rows;
    for (int note = 0; note < 128; ++note)
        rows.push_back(keys[note % 12] + std::to_string(note / 12 - 1));
    rows.emplace_back("Off");
    return rows;
}

Rows NoiseFilterBalance()
{
    Rows rows;
    for (int i = 63; i >= 1; --i)
        rows.push_back("LPF" + Padded(i, 2));
    rows.emplace_back("CNT");
    for (int i = 1; i <= 63; ++i)
        rows.push_back("HPF" + Padded(i, 2));
    rows.emplace_back("HPF63");
    return rows;
}

// The balance knob shows its number, and the filter type where a type sits.
Rows FilterBalance()
{
    Rows rows = Numbers(0, 127);
    rows[0] = "LPF24";
    for (int i : {31, 32, 33})
        rows[i] = "LPF12";
    for (int i : {63, 64, 65})
        rows[i] = "HPF";
    for (int i : {95, 96, 97})
        rows[i] = "BPF";
    rows[127] = "THRU";
    return rows;
}

Rows Gains()
{
    return Texts(Stepped(-150, {{5, 150}}), [](int v) { return SignedFixed(v, 1) + "dB"; });
}

Rows Tenths(const std::vector<int>& tenths, const std::string& unit)
{
    return Texts(tenths, [&](int v) { return Fixed(v, 1) + unit; });
}

Rows Wholes(const std::vector<int>& values, const std::string& unit)
{
    return Texts(values, [&](int v) { return std::to_string(v) + unit; });
}

// Two decimals below 10, one from there on: "0.01Hz" ... "100.0Hz".
std::string LfoHertz(double hertz)
{
    const long hundredths = std::lround(hertz * 100);
    if (hundredths < 1000)
        return Fixed(static_cast<int>(hundredths), 2) + "Hz";
    return Fixed(static_cast<int>(std::lround(hertz * 10)), 1) + "Hz";
}

// Tenths below 100 ms, whole milliseconds from there on.
std::string AttackTime(double msec)
{
    const long tenths = std::lround(msec * 10);
    if (tenths < 1000)
        return Fixed(static_cast<int>(tenths), 1) + "msec";
    return std::to_string(std::lround(msec)) + "msec";
}

std::string Ratio(double percent)
{
    return Fixed(static_cast<int>(std::lround(percent * 10)), 1) + "%";
}

std::string ShortReverbTime(double sec)
{
    return Fixed(static_cast<int>(std::lround(sec * 10)), 1) + "sec";
}

}  // namespace

const std::map<std::string, Rule>& Rules()
{
    static const std::map<std::string, Rule> rules = {
        {"Note", {NoteNames, {{0, "C-1"}, {1, "C#-1"}, {60, "C4"}, {127, "G9"}, {128, "Off"}}}},
        {"ShortRibbonAssign",
         {[](const KeywordLists&) {
              return Texts(Stepped(0, {{1, 127}}), [](int v) { return "CC#" + Padded(v, 2); });
          },
          {{0, "CC#00"}, {127, "CC#127"}}}},
        {"PitchVibratoInt",
         {[](const KeywordLists&) { return Mirrored(Growing(0, 2400, 64, 5.0), 0, "cent"); },
          {{0, "-2400cent"}, {63, "+0cent"}, {126, "+2400cent"}}}},
        {"SynthPcm",
         {[](const KeywordLists&) { return PcmWaveNames(); },
          {{81, "Noise 1"}, {82, "Noise 2"}, {83, "Noise 3"}, {84, "Noise 4"}}}},
        {"NoiseFltBalance",
         {[](const KeywordLists&) { return NoiseFilterBalance(); },
          {{0, "LPF63"}, {62, "LPF01"}, {63, "CNT"}, {64, "HPF01"}, {126, "HPF63"}, {127, "HPF63"}},
          true}},
        {"Flt1Balance",
         {[](const KeywordLists&) { return FilterBalance(); },
          {{0, "LPF24"},
           {1, "1"},
           {30, "30"},
           {31, "LPF12"},
           {33, "LPF12"},
           {63, "HPF"},
           {65, "HPF"},
           {95, "BPF"},
           {97, "BPF"},
           {126, "126"},
           {127, "THRU"}},
          true}},
        {"FltKeyTrack",
         {[](const KeywordLists&) { return Mirrored(Growing(0, 2, 64, 2.0), 2, ""); },
          {{0, "-2.00"}, {63, "+0.00"}, {126, "+2.00"}}}},
        {"LfoFreq",
         {[](const KeywordLists&) { return Texts(Growing(0.01, 100, 128, 6.0), LfoHertz); },
          {{0, "0.01Hz"}, {127, "100.0Hz"}}}},
        {"EqLowGain", {[](const KeywordLists&) { return Gains(); }, {{0, "-15.0dB"}, {30, "+0.0dB"}, {60, "+15.0dB"}}}},
        {"EqHighGain",
         {[](const KeywordLists&) { return Gains(); }, {{0, "-15.0dB"}, {30, "+0.0dB"}, {60, "+15.0dB"}}}},
        {"VcdEfSens",
         {[](const KeywordLists&) {
              Rows rows = Numbers(0, 126);
              rows.emplace_back("Hold");
              return rows;
          },
          {{0, "0"}, {126, "126"}, {127, "Hold"}}}},
        {"ArpStepGT",
         {[](const KeywordLists&) {
              return Wholes(Stepped(-100, {{2, -28}, {1, 26}, {2, 100}}), "");
          },
          {{0, "-100"}, {36, "-28"}, {64, "0"}, {90, "26"}, {127, "100"}}}},
        {"FxEqFrequency",
         {[](const KeywordLists&) {
              return Texts(Growing(20, 20000, 59, std::log(1000.0)), [](double hz) { return Hertz(RoundedHertz(hz)); });
          },
          {{0, "20Hz"}, {58, "20.0kHz"}}}},
        {"FxDeciFs",
         {[](const KeywordLists&) {
              return Tenths(Stepped(10, {{5, 480}}), "kHz");
          },
          {{0, "1.0kHz"}, {94, "48.0kHz"}}}},
        {"FxReverbTime",
         {[](const KeywordLists&) {
              return Tenths(Stepped(1, {{1, 100}}), "sec");
          },
          {{0, "0.1sec"}, {99, "10.0sec"}}}},
        {"FxReverbTimeShort",
         {[](const KeywordLists&) { return Texts(Growing(0.1, 3.0, 128, 3.0), ShortReverbTime); },
          {{0, "0.1sec"}, {127, "3.0sec"}},
          true}},
        {"FxPreDelay",
         {[](const KeywordLists&) {
              return Wholes(Stepped(0, {{1, 54}, {2, 200}}), "msec");
          },
          {{0, "0msec"}, {54, "54msec"}, {55, "56msec"}, {127, "200msec"}}}},
        {"FxTimeRatio",
         {[](const KeywordLists&) { return Texts(Growing(0.5, 400, 128, 5.0), Ratio); },
          {{0, "0.5%"}, {127, "400.0%"}}}},
        {"FxDelay_0_30",
         {[](const KeywordLists&) {
              return Tenths(Stepped(0, {{1, 50}, {2, 100}, {5, 280}, {10, 300}}), "msec");
          },
          {{0, "0.0msec"}, {113, "30.0msec"}}}},
        {"FxDelay_0_50",
         {[](const KeywordLists&) {
              return Tenths(Stepped(0, {{1, 50}, {5, 290}, {10, 500}}), "msec");
          },
          {{0, "0.0msec"}, {119, "50.0msec"}}}},
        {"FxDelay_0_350",
         {[](const KeywordLists&) {
              return Wholes(Stepped(0, {{1, 60}, {2, 90}, {5, 350}}), "msec");
          },
          {{0, "0msec"}, {127, "350msec"}}}},
        {"FxDelay_0_1400",
         {[](const KeywordLists&) {
              return Wholes(Stepped(0, {{5, 200}, {10, 800}, {20, 1300}, {50, 1400}}), "msec");
          },
          {{0, "0msec"}, {127, "1400msec"}}}},
        {"FxGateAttack",
         {[](const KeywordLists&) { return Texts(Growing(0.1, 500, 128, 5.3), AttackTime); },
          {{0, "0.1msec"}, {127, "500msec"}}}},
        {"FxFreq_0_12000",
         {[](const KeywordLists&) {
              return Texts(Stepped(0, {{20, 1000}, {100, 6000}, {200, 11000}, {500, 12000}}), Hertz);
          },
          {{0, "0Hz"}, {127, "12.0kHz"}}}},
        {"FavoriteProgramNumber",
         {[](const KeywordLists&) {
              return Texts(Stepped(1, {{1, 200}}), [](int v) { return Padded(v, 3); });
          },
          {{0, "001"}, {199, "200"}}}},
        {"LongRibbonVelocity",
         {[](const KeywordLists&) { return Numbers(1, 127); }, {{0, "Sound Off"}, {1, "1"}, {127, "127"}}}},
    };
    return rules;
}

}  // namespace keywords
