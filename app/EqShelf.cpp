#include "app/EqShelf.h"

#include <algorithm>
#include <cmath>
#include <numbers>

int EqShelfFrequency(int band, int index)
{
    auto pick = [index](const auto& table) {
        return table[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(table.size()) - 1))];
    };
    return band == kEqLowShelf ? pick(kEqLowShelfFrequencies) : pick(kEqHighShelfFrequencies);
}

int EqShelfIndexAtOrBelow(int band, double frequency)
{
    auto find = [frequency](const auto& table) {
        const auto above =
            std::upper_bound(table.begin(), table.end(), frequency, [](double f, int step) { return f < step; });
        return above == table.begin() ? 0 : static_cast<int>(above - table.begin()) - 1;
    };
    return band == kEqLowShelf ? find(kEqLowShelfFrequencies) : find(kEqHighShelfFrequencies);
}

double EqShelfGain(int gainValue)
{
    return gainValue * kEqShelfDecibelsPerStep;
}

int EqShelfGainValue(double gainDb)
{
    return static_cast<int>(std::trunc(gainDb / kEqShelfDecibelsPerStep));
}

EqShelfCoefficients EqShelfCoefficientsFor(int band, double frequency, double gainDb)
{
    if (gainDb == 0.0)
        return {};
    const double w = 2.0 * std::numbers::pi * frequency / kEqShelfSampleRate;
    const double k = (std::sin(w) - 1.0) / std::cos(w);
    const bool boost = gainDb > 0.0;
    const double g = std::pow(10.0, (boost ? -gainDb : gainDb) / 20.0);
    // The two shelves differ only in these two sums; boost and cut then
    // share their forms.
    const bool low = band == kEqLowShelf;
    const double p = low ? 1.0 + k + g - g * k : 1.0 + g + g * k - k;
    const double q = low ? g * k + k + 1.0 - g : g * k + g + k - 1.0;
    const double b0 = boost ? p / (2.0 * g) : 2.0 * g / p;
    const double b1 = boost ? q / (2.0 * g) : 2.0 * g * k / p;
    const double a1 = boost ? k : q / p;
    return {static_cast<float>(b0), static_cast<float>(b1), 0.0f, static_cast<float>(a1), 0.0f};
}
