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

double EqShelfGain(int gainValue)
{
    return gainValue * kEqShelfDecibelsPerStep;
}

EqShelfCoefficients EqShelfCoefficientsFor(int band, double frequency, double gainDb)
{
    if (gainDb == 0.0)
        return {};
    const double w = 2.0 * std::numbers::pi * frequency / kEqShelfSampleRate;
    const double k = (std::sin(w) - 1.0) / std::cos(w);
    const bool boost = gainDb > 0.0;
    const double g = std::pow(10.0, (boost ? -gainDb : gainDb) / 20.0);
    double b0 = 0.0;
    double b1 = 0.0;
    double a1 = 0.0;
    if (band == kEqLowShelf) {
        const double x = 1.0 + k + g - g * k;
        const double y = g * k + k + 1.0 - g;
        if (boost) {
            b0 = x / (2.0 * g);
            b1 = y / (2.0 * g);
            a1 = k;
        } else {
            b0 = 2.0 * g / x;
            b1 = 2.0 * g * k / x;
            a1 = y / x;
        }
    } else {
        const double z = 1.0 + g + g * k - k;
        const double wTerm = g * k + g + k - 1.0;
        if (boost) {
            b0 = z / (2.0 * g);
            b1 = wTerm / (2.0 * g);
            a1 = k;
        } else {
            b0 = 2.0 * g / z;
            b1 = 2.0 * g * k / z;
            a1 = wTerm / z;
        }
    }
    return {static_cast<float>(b0), static_cast<float>(b1), 0.0f, static_cast<float>(a1), 0.0f};
}
