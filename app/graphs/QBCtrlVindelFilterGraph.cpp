#include "app/graphs/QBCtrlVindelFilterGraph.h"

#include "app/graphs/VindelFilterTables.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace {

constexpr double kPi = 3.14159265358979323846;
// The lowest normalised frequency of a sweep, as the hardware keeps it.
constexpr double kLowest = double{0.0005f};
constexpr double kSpan = 1000.0;

using Complex = std::complex<double>;

}  // namespace

void CQBCtrlVindelFilterGraph::ResetParameters()
{
    CQBCtrlFilterGraph::ResetParameters();
    m_descriptor.maximum = kModelMaximum;
}

VindelSection CQBCtrlVindelFilterGraph::SectionOf(int cutoff, int resonance)
{
    const double x = std::max(std::clamp(cutoff, 0, 127) / 127.0 - 0.03, 0.0);
    const double y = std::clamp(resonance, 0, 127) / 127.0;
    const double f = std::min(std::pow(2.0, 10.0 * (x - 0.3)) * 0.010901041666666667, 1.0);
    const double k = std::min(std::sin(f * kPi / 2.0) / 0.92, 1.0);
    const double r = 1.0 - 0.9668 * y;
    const double s = 0.42 * std::pow(1.0 - r * r * k, 2) + 0.5;
    const double gain = 2.0 * s * k;
    const double r2 = 2.0 * s * r * r;
    return {gain, gain * gain + gain * r2 - 2.0, 1.0 - gain * r2};
}

void CQBCtrlVindelFilterGraph::Sweep(CHfcDrawContext* context, const std::function<SweepPoint(int i, double f)>& point)
{
    const int width = m_descriptor.width;
    const double last = std::max(width - 1, 1);
    CPlotter plotter(*this, context);
    for (int i = 0; i < width; ++i) {
        const SweepPoint p = point(i, kLowest * std::pow(kSpan, i / last));
        plotter.Add(p.x, p.y, p.level);
    }
}

double CQBCtrlVindelFilterGraph::SmallGraphX(double f) const
{
    return 12.0 * (std::log10(m_descriptor.width * f) + 2.05);
}

void CQBCtrlVindelFilterGraph::DrawSection(CHfcDrawContext* context, const VindelSection& section, double a, double b,
                                           double e)
{
    const bool large = m_descriptor.width > 50;
    const double height = m_descriptor.height;
    Sweep(context, [&](int i, double f) {
        const Complex z1 = std::polar(1.0, -2.0 * kPi * f);
        const Complex z2 = z1 * z1;
        const double level =
            10.0 * std::log(std::norm(a + b * z1 + e * z2) / std::norm(1.0 + section.d1 * z1 + section.d2 * z2));
        return SweepPoint{static_cast<float>(large ? i : SmallGraphX(f)),
                          static_cast<float>(height * 0.6 - height * level * 0.005), level};
    });
}
