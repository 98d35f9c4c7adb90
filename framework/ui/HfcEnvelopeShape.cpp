#include "framework/ui/HfcEnvelopeShape.h"

#include <cmath>

namespace {

// Steepness of each row; a larger k bends the curve harder.
constexpr double kConcaveSteepness[] = {7.77, 4.89, 2.56};
constexpr double kConvexSteepness = 5.05;

// (1 - e^(-k t)) / (1 - e^(-k)): fast at first, flat at the end.
double Concave(double k, double t)
{
    return (1.0 - std::exp(-k * t)) / (1.0 - std::exp(-k));
}

// (e^(k t) - 1) / (e^k - 1): flat at first, steep at the end.
double Convex(double k, double t)
{
    return (std::exp(k * t) - 1.0) / (std::exp(k) - 1.0);
}

HfcEnvelopeShapeTable MakeTable()
{
    HfcEnvelopeShapeTable table{};
    for (int step = 0; step < kHfcEnvelopeShapeSteps; ++step) {
        const double t = static_cast<double>(step) / (kHfcEnvelopeShapeSteps - 1);
        for (int row = 0; row < 3; ++row)
            table[row][step] = Concave(kConcaveSteepness[row], t);
        table[4][step] = Convex(kConvexSteepness, t);
    }
    return table;
}

}  // namespace

const HfcEnvelopeShapeTable& HfcEnvelopeShape()
{
    static const HfcEnvelopeShapeTable table = MakeTable();
    return table;
}
