#include "framework/ui/HfcCtrlLfoGraph.h"

#include "framework/ui/HfcDrawContext.h"

#include <cmath>

namespace {

// Keeps the saw's reciprocals finite at the ends of the shape range.
const double kSawEpsilon = static_cast<double>(1.0e-32f);

// The step waveform's levels, taken one per cycle.
constexpr float kStepLevels[] = {-1.0f, 1.0f, -0.2f, 0.1f, 0.5f, -0.8f, 0.0f, -0.3f, 0.6f};
constexpr int kStepCount = sizeof kStepLevels / sizeof kStepLevels[0];

float Saw(double u, double s)
{
    double y0;
    if (s >= 0.0) {
        const auto threshold = static_cast<float>(1.0 - s);
        if (u >= threshold)
            y0 = static_cast<float>((u - 1.0) * static_cast<float>(1.0 / (s + kSawEpsilon)));
        else
            y0 = static_cast<float>(u * static_cast<float>(1.0 / (s - 1.0 + kSawEpsilon)));
        return static_cast<float>(1.0 + 2.0 * y0);
    }
    const auto threshold = static_cast<float>(-s);
    if (u >= threshold)
        y0 = static_cast<float>((u - 1.0) * static_cast<float>(-1.0 / (s + 1.0 + kSawEpsilon)));
    else
        y0 = static_cast<float>(u * static_cast<float>(-1.0 / (s + kSawEpsilon)));
    return static_cast<float>(-1.0 + 2.0 * y0);
}

float Triangle(double u, double s)
{
    const auto inner = static_cast<float>(0.5 - u);
    const double w = static_cast<float>(2.0 * (0.5 - std::fabs(static_cast<double>(inner))));
    const double z = w + s * w * (1.0 - w);
    return static_cast<float>(2.0 * (z - 0.5));
}

// A parabola through the sine's zeros and peaks, bent twice by the shape.
float Sine(double u, double s)
{
    const double d = static_cast<float>(0.5 - u);
    const double m = static_cast<float>(1.0 - 2.0 * std::fabs(d));
    const double p = static_cast<float>(8.0 * d * m);
    const double q = static_cast<float>(p * (1.0 + s * (1.0 - std::fabs(p))));
    return static_cast<float>(q * (1.0 + s * (1.0 - std::fabs(q))));
}

float Steps(double u, double s, int wraps)
{
    const double value = kStepLevels[wraps % kStepCount];
    const double next = kStepLevels[(wraps + 1) % kStepCount];
    if (s == 0.0)
        return static_cast<float>(value);
    if (s > 0.0)
        return static_cast<float>(value + static_cast<float>(s * (next - value)) * u);
    // The last c of each cycle glides from this level to the next.
    const double c = -s;
    const double g = 1.0 - c;
    const double slope = static_cast<float>((next - value) / c);
    return static_cast<float>(u < g ? value : value + slope * (u - g));
}

}  // namespace

bool CHfcCtrlLfoGraph::Create(const HfcLfoGraphDescriptor* descriptor, std::uint32_t id)
{
    if (descriptor == nullptr || descriptor->width <= 0 || descriptor->height <= 0)
        return false;
    m_descriptor = *descriptor;
    SetMinimum(0, true);
    SetMaximum(0, true);
    m_iWaveform = kNoWaveform;
    m_iShapeValue = -1;
    m_iRateValue = -1;
    m_iStartValue = 0;
    // Defined before the owner sets them, so that a rebuild never reads
    // stale settings; the stored values still say that none was set.
    m_fShape = 0.0f;
    m_fRate = CyclesPerColumn(0);
    m_fStartPhase = 0.0f;
    m_points.clear();
    FinishCreate(
        {m_descriptor.x, m_descriptor.y, m_descriptor.x + m_descriptor.width, m_descriptor.y + m_descriptor.height}, id,
        kEventCode);
    SetDirty(true);
    return true;
}

void CHfcCtrlLfoGraph::Destroy()
{
    m_descriptor = HfcLfoGraphDescriptor{};
    m_points.clear();
    CHfcControl::Destroy();
}

void CHfcCtrlLfoGraph::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    DrawGround(context, m_descriptor.background, m_descriptor.backgroundX, m_descriptor.backgroundY);
    if (m_points.empty())
        return;
    context->SetPenColor(m_descriptor.lineColor);
    context->MoveTo(static_cast<int>(m_points[0].x), static_cast<int>(m_points[0].y));
    for (const POINT& point : m_points)
        context->LineTo(static_cast<int>(point.x), static_cast<int>(point.y));
}

void CHfcCtrlLfoGraph::DrawBackground(CHfcDrawContext* context)
{
    DrawGroundPart(context, m_descriptor.background, m_descriptor.width, m_descriptor.height, m_descriptor.backgroundX,
                   m_descriptor.backgroundY);
}

void CHfcCtrlLfoGraph::SetValue(int value, bool)
{
    SetRate(value);
}

void CHfcCtrlLfoGraph::SetRate(int value)
{
    m_iRateValue = value;
    m_fRate = CyclesPerColumn(value);
}

float CHfcCtrlLfoGraph::CyclesPerColumn(int rateValue) const
{
    const double width = m_descriptor.width;
    if (m_descriptor.fixedRate)
        return static_cast<float>(m_descriptor.fixedCycles / width);
    const double minimum = m_descriptor.minimumCycles;
    const double span = std::fabs(static_cast<double>(m_descriptor.maximumCycles) - minimum);
    return static_cast<float>((span * rateValue / 127.0 + minimum) / width);
}

void CHfcCtrlLfoGraph::SetShape(int value)
{
    m_iShapeValue = value;
    m_fShape = value == 0 ? 0.0f : static_cast<float>(value / 63.0);
}

void CHfcCtrlLfoGraph::SetWaveform(int waveform)
{
    if (waveform < kWaveformCount)
        m_iWaveform = waveform;
}

void CHfcCtrlLfoGraph::SetStartPhase(int value)
{
    m_iStartValue = value;
    m_fStartPhase = static_cast<float>(value / 127.0);
}

void CHfcCtrlLfoGraph::UpdateWave()
{
    m_points.clear();
    if (m_iWaveform < 0 || m_iWaveform >= kWaveformCount)
        return;
    const int half = (m_descriptor.height - 1) / 2;
    const auto amplitude = static_cast<float>(half);
    const int middle = m_rcControl.top + half;
    float u = m_fStartPhase;
    if (m_iWaveform == kTriangle)
        u = static_cast<float>(static_cast<double>(u) + 0.25);
    int wraps = 0;
    m_points.resize(static_cast<std::size_t>(m_descriptor.width));
    for (int i = 0; i < m_descriptor.width; ++i) {
        if (i > 0) {
            const float previous = u;
            u = static_cast<float>(std::fmod(static_cast<double>(u) + m_fRate, 1.0));
            if (u < previous)
                ++wraps;
        }
        // Two floats multiply exactly in double; the product is then cut
        // toward zero.
        const double scaled = static_cast<double>(WaveValue(u, wraps)) * amplitude;
        m_points[static_cast<std::size_t>(i)] = {m_rcControl.left + i, middle - static_cast<int>(scaled)};
    }
}

void CHfcCtrlLfoGraph::UpdateWaveAndRedraw()
{
    UpdateWave();
    SetDirty(true);
}

float CHfcCtrlLfoGraph::WaveValue(float u, int wraps) const
{
    const double s = m_fShape;
    switch (m_iWaveform) {
    case kSaw: return Saw(u, s);
    case kSquare: return (2.0 * u - 1.0) + s >= 0.0 ? 1.0f : -1.0f;
    case kUnipolarSquare: return (2.0 * u - 1.0) + s >= 0.0 ? 1.0f : 0.0f;
    case kTriangle: return Triangle(u, s);
    case kSine: return Sine(u, s);
    default: return Steps(u, s, wraps);
    }
}
