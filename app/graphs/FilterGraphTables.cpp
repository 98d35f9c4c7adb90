#include "app/graphs/FilterGraphTables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The rows the hardware's filter is known by; the rows between are ours,
// interpolated on a log scale of the distance from 1 (for a) and of the
// feedback's size (for b), which keeps every column monotone.
struct Anchor
{
    int row;
    FilterCoefficientRow values;
};
constexpr Anchor kAnchors[] = {
    {0, {0.998358f, 0.998358f, -0.000400f}},  {25, {0.989429f, 0.989429f, -0.002664f}},
    {50, {0.933621f, 0.933621f, -0.017485f}}, {75, {0.645655f, 0.645655f, -0.126039f}},
    {90, {0.298394f, 0.304656f, -0.486097f}}, {99, {0.056332f, 0.178479f, -0.954657f}},
};

float Between(float from, float to, double t)
{
    return static_cast<float>(std::exp(std::log(from) + (std::log(to) - std::log(from)) * t));
}

std::array<FilterCoefficientRow, kFilterRowCount> BuildRows()
{
    std::array<FilterCoefficientRow, kFilterRowCount> rows{};
    for (std::size_t k = 0; k + 1 < std::size(kAnchors); ++k) {
        const Anchor& lo = kAnchors[k];
        const Anchor& hi = kAnchors[k + 1];
        for (int row = lo.row; row <= hi.row; ++row) {
            const double t = static_cast<double>(row - lo.row) / (hi.row - lo.row);
            rows[static_cast<std::size_t>(row)] = {1.0f - Between(1.0f - lo.values.a0, 1.0f - hi.values.a0, t),
                                                   1.0f - Between(1.0f - lo.values.a1, 1.0f - hi.values.a1, t),
                                                   -Between(-lo.values.b, -hi.values.b, t)};
        }
        for (const Anchor& anchor : {lo, hi})
            rows[static_cast<std::size_t>(anchor.row)] = anchor.values;
    }
    return rows;
}

}  // namespace

const FilterCoefficientRow& FilterCoefficients(int row)
{
    static const std::array<FilterCoefficientRow, kFilterRowCount> rows = BuildRows();
    return rows[static_cast<std::size_t>(std::clamp(row, 0, kFilterRowCount - 1))];
}

int FilterCutoffRow(int cutoff, int width)
{
    // Both tables start with a few rows the hardware gives and then climb
    // evenly, 0 or 1 a step, to their last row (ours between).
    constexpr int kNarrowStart[] = {3, 4, 5, 6, 7, 8, 8, 9, 10, 10, 11};
    constexpr int kWideStart[] = {6, 7, 8, 9, 10, 11, 11, 12, 13};
    const int c = std::clamp(cutoff, 0, kFilterRowCount - 1);
    const bool narrow = width < 100;
    const int* start = narrow ? kNarrowStart : kWideStart;
    const int known = narrow ? static_cast<int>(std::size(kNarrowStart)) : static_cast<int>(std::size(kWideStart));
    if (c < known)
        return start[c];
    const int first = start[known - 1];
    const int last = narrow ? 60 : 95;
    const int steps = kFilterRowCount - known;
    return first + (c - (known - 1)) * (last - first) / steps;
}
