#include "app/CcNumberChoices.h"

#include <cstdio>

namespace cc_choices {
namespace {

constexpr int kLowCount = 96;    // 0 to 95
constexpr int kFirstHigh = 102;  // to 119
constexpr int kLastHigh = 119;

}  // namespace

int ValueAt(int position)
{
    if (position <= 0 || position >= kCount)
        return kOff;
    return position <= kLowCount ? position - 1 : kFirstHigh + position - 1 - kLowCount;
}

int PositionOf(int value)
{
    if (value >= 0 && value < kLowCount)
        return value + 1;
    if (value >= kFirstHigh && value <= kLastHigh)
        return value - kFirstHigh + 1 + kLowCount;
    return 0;
}

std::string Text(int position)
{
    const int value = ValueAt(position);
    if (value == kOff)
        return "Off";
    char text[16];
    std::snprintf(text, sizeof text, "CC# %02d", value);
    return text;
}

}  // namespace cc_choices
