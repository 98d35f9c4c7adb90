#include "app/graphs/VindelFilterTables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The type values from which model A's mixing climbs, one output a stretch
// of 32: each output alone over three values, then a crossfade to the next
// in steps of 1/30.
constexpr int kFirstMixed = 31;
constexpr int kStretch = 32;
constexpr int kPure = 2;
constexpr float kFade = 30.0f;

// The comb's delay is one period of the note the cutoff value names at
// 48 kHz, kept within the delay line.
constexpr double kCombRate = 48000.0;
constexpr double kShortestDelay = 7.0;
constexpr double kLongestDelay = 4088.0;

// The feedback the hardware is known to reach at these resonance values;
// the values between are ours, interpolated on the logit of the feedback
// (so that 1 - feedback halves about every 6 values near the top), which
// keeps the table rising through every known value.
struct Anchor
{
    int resonance;
    double feedback;
};
constexpr Anchor kFeedbackAnchors[] = {
    {35, 4.768e-07},   {40, 0.0002919436}, {48, 0.0395601988}, {56, 0.277537584},  {64, 0.601287484},
    {72, 0.817200541}, {80, 0.923012495},  {96, 0.987462282},  {112, 0.998014927}, {127, 0.999648809},
};

double Logit(double g)
{
    return std::log(g / (1.0 - g));
}

std::array<double, kVindelValueCount> BuildFeedback()
{
    std::array<double, kVindelValueCount> table{};
    for (std::size_t k = 0; k + 1 < std::size(kFeedbackAnchors); ++k) {
        const Anchor& lo = kFeedbackAnchors[k];
        const Anchor& hi = kFeedbackAnchors[k + 1];
        for (int u = lo.resonance; u < hi.resonance; ++u) {
            const double t = static_cast<double>(u - lo.resonance) / (hi.resonance - lo.resonance);
            const double logit = Logit(lo.feedback) + (Logit(hi.feedback) - Logit(lo.feedback)) * t;
            table[static_cast<std::size_t>(u)] = u == lo.resonance ? lo.feedback : 1.0 / (1.0 + std::exp(-logit));
        }
    }
    table.back() = std::end(kFeedbackAnchors)[-1].feedback;
    return table;
}

std::array<double, kVindelValueCount> BuildDelays()
{
    std::array<double, kVindelValueCount> table{};
    for (int v = 0; v < kVindelValueCount; ++v) {
        const double delay = kCombRate / (440.0 * std::pow(2.0, (v - 69) / 12.0));
        // Kept as the hardware keeps it, to single precision.
        table[static_cast<std::size_t>(v)] = static_cast<float>(std::clamp(delay, kShortestDelay, kLongestDelay));
    }
    return table;
}

}  // namespace

VindelMixing VindelMixingOf(int type)
{
    const int t = std::clamp(type, kFirstMixed, kVindelValueCount - 1) - kFirstMixed;
    const int output = t / kStretch;
    const int p = t % kStretch;
    float weights[4] = {};
    if (p <= kPure) {
        weights[output] = 1.0f;
    } else {
        weights[output] = static_cast<float>(kStretch - p) / kFade;
        weights[output + 1] = static_cast<float>(p - kPure) / kFade;
    }
    return {weights[0], weights[1], weights[2], weights[3]};
}

double VindelCombDelay(int cutoff)
{
    static const std::array<double, kVindelValueCount> delays = BuildDelays();
    return delays[static_cast<std::size_t>(std::clamp(cutoff, 0, kVindelValueCount - 1))];
}

double VindelCombFeedback(int resonance)
{
    static const std::array<double, kVindelValueCount> feedback = BuildFeedback();
    return feedback[static_cast<std::size_t>(std::clamp(resonance, 0, kVindelValueCount - 1))];
}
