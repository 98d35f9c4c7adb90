#include "app/graphs/QBCtrlVindelFilterBGraph.h"

#include "app/graphs/VindelFilterTables.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

void CQBCtrlVindelFilterBGraph::DrawResponse(CHfcDrawContext* context, int cutoff, int resonance, int type)
{
    if (type == kComb)
        DrawCombResponse(context, cutoff, resonance);
    else if (type >= kLowPass && type <= kBandPass)
        DrawFilterResponse(context, cutoff, resonance, type);
}

void CQBCtrlVindelFilterBGraph::DrawFilterResponse(CHfcDrawContext* context, int cutoff, int resonance, int type)
{
    const VindelSection s = SectionOf(cutoff, resonance);
    switch (type) {
    case kLowPass: DrawSection(context, s, s.k * s.k, 0.0, 0.0); break;
    case kHighPass: DrawSection(context, s, 1.0, -2.0, 1.0); break;
    case kBandPass: DrawSection(context, s, s.k, -s.k, 0.0); break;
    default: break;
    }
}

void CQBCtrlVindelFilterBGraph::DrawCombResponse(CHfcDrawContext* context, int cutoff, int resonance)
{
    const double delay = VindelCombDelay(cutoff);
    const double g = VindelCombFeedback(resonance);
    const bool large = m_descriptor.width > 50;
    const double height = m_descriptor.height;
    Sweep(context, [&](int, double f) {
        const double level = -10.0 * std::log(std::sqrt(1.0 - 2.0 * g * std::cos(2.0 * kPi * f * delay) + g * g));
        const double x = large ? 21.0 * (std::log10(m_descriptor.width * f) + 1.8) : SmallGraphX(f);
        return SweepPoint{static_cast<float>(x), static_cast<float>(height * 0.6 - height * level * 0.006), level};
    });
}
