#include "Formats.h"

#include <cmath>
#include <cstdio>

#include "Require.h"

namespace keywords {

std::string Fixed(int units, int decimals)
{
    // Texts are built by appending: "-" + text makes GCC 12 warn of a false overlap.
    if (units < 0) {
        std::string text = "-";
        text += Fixed(-units, decimals);
        return text;
    }
    int divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    const std::string whole = std::to_string(units / divisor);
    return decimals == 0 ? whole : whole + "." + Padded(units % divisor, decimals);
}

std::string SignedFixed(int units, int decimals)
{
    if (units < 0)
        return Fixed(units, decimals);
    std::string text = "+";
    text += Fixed(units, decimals);
    return text;
}

std::string Padded(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

int RoundedHertz(double hertz)
{
    const int whole = static_cast<int>(std::lround(hertz));
    if (whole < 1000)
        return whole;
    const int unit = whole < 10000 ? 10 : 100;
    return static_cast<int>(std::lround(hertz / unit)) * unit;
}

std::string Hertz(int hertz)
{
    if (hertz < 1000)
        return std::to_string(hertz) + "Hz";
    if (hertz < 10000) {
        Require(hertz % 10 == 0, "frequency not rounded: " + std::to_string(hertz));
        return Fixed(hertz / 10, 2) + "kHz";
    }
    Require(hertz % 100 == 0, "frequency not rounded: " + std::to_string(hertz));
    return Fixed(hertz / 100, 1) + "kHz";
}

}  // namespace keywords
