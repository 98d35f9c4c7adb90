#include "app/graphs/CustomEqGraph.h"

#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcModifiers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr float kTwoPi = 6.2831855f;
// The dB factor the graph has always used in place of log10(e).
constexpr double kDecibelsPerNeper = 0.4343;
constexpr float kFineDrag = 0.1f;
constexpr int kSquareSize = 5;

// Complex magnitude squared of c0 + c1 e^(-iw) + c2 e^(-2iw).
double MagnitudeSquared(double c0, double c1, double c2, double w)
{
    const double re = c0 + c1 * std::cos(w) + c2 * std::cos(2.0 * w);
    const double im = -c1 * std::sin(w) - c2 * std::sin(2.0 * w);
    return re * re + im * im;
}

ARGB Dimmed(ARGB color, float factor)
{
    const auto alpha = static_cast<std::uint32_t>(static_cast<float>(color >> 24) * factor);
    return (alpha << 24) | (color & 0x00FFFFFFu);
}

}  // namespace

bool CCustomEqGraph::Create(const CustomEqGraphDescriptor* descriptor, std::uint32_t id)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    m_logLeft = std::log10(m_descriptor.leftFrequency);
    m_logRight = std::log10(m_descriptor.rightFrequency);
    m_bands.assign(static_cast<std::size_t>(std::max(m_descriptor.bandCount, 0)), CustomEqBand{});
    FinishCreate(
        {m_descriptor.x, m_descriptor.y, m_descriptor.x + m_descriptor.width, m_descriptor.y + m_descriptor.height}, id,
        kEventCode);
    SetDirty(true);
    return true;
}

void CCustomEqGraph::Destroy()
{
    ResetParameters();
    CHfcControl::Destroy();
}

void CCustomEqGraph::ResetParameters()
{
    m_descriptor = CustomEqGraphDescriptor{};
}

void CCustomEqGraph::SetData(const void* data, bool redraw)
{
    const auto* record = static_cast<const CustomEqGraphRecord*>(data);
    if (record != nullptr && record->band >= 0 && record->band < static_cast<int>(m_bands.size())) {
        CustomEqBand& band = m_bands[static_cast<std::size_t>(record->band)];
        switch (record->kind) {
        case CustomEqGraphRecord::kFrequency: band.frequency = record->values[0]; break;
        case CustomEqGraphRecord::kWidth: band.width = record->values[0]; break;
        case CustomEqGraphRecord::kGain: band.gain = record->values[0]; break;
        case CustomEqGraphRecord::kCoefficients:
            band.b0 = record->values[0];
            band.b1 = record->values[1];
            band.b2 = record->values[2];
            band.a1 = record->values[3];
            band.a2 = record->values[4];
            break;
        case CustomEqGraphRecord::kSampleRate: m_sampleRate = record->values[0]; break;
        case CustomEqGraphRecord::kSelect: m_selectedBand = record->band; break;
        default: break;
        }
    }
    if (redraw)
        SetDirty(true);
}

void CCustomEqGraph::SetEnabled(bool enabled)
{
    CCustomControl::SetEnabled(enabled);
    CHfcControl::SetEnabled(enabled);
}

float CCustomEqGraph::ResponseAt(float frequency) const
{
    const double w = kTwoPi * frequency / m_sampleRate;
    double level = 0.0;
    for (const CustomEqBand& band : m_bands) {
        const double ratio =
            MagnitudeSquared(band.b0, band.b1, band.b2, w) / MagnitudeSquared(1.0, band.a1, band.a2, w);
        level += 10.0 * kDecibelsPerNeper * std::log(ratio);
    }
    return static_cast<float>(level);
}

float CCustomEqGraph::FrequencyToX(float frequency) const
{
    if (frequency < m_descriptor.leftFrequency || frequency > m_descriptor.rightFrequency)
        return -1.0f;
    return (std::log10(frequency) - m_logLeft) / (m_logRight - m_logLeft) * static_cast<float>(m_descriptor.width);
}

float CCustomEqGraph::XToFrequency(float x) const
{
    const float e = x / static_cast<float>(m_descriptor.width) * (m_logRight - m_logLeft) + m_logLeft;
    return e <= 0.0f ? 0.0001f : std::pow(10.0f, e);
}

float CCustomEqGraph::GainToY(float gain) const
{
    const float bottom = m_descriptor.bottomGain;
    const float top = m_descriptor.topGain;
    if (gain < bottom || gain > top)
        return -1.0f;
    return (1.0f - (gain - bottom) / (top - bottom)) * static_cast<float>(m_descriptor.height);
}

float CCustomEqGraph::YToGain(float y) const
{
    const auto h = static_cast<float>(m_descriptor.height);
    return (h - y) / h * (m_descriptor.topGain - m_descriptor.bottomGain) + m_descriptor.bottomGain;
}

void CCustomEqGraph::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    if (m_descriptor.background != nullptr)
        context->DrawBitmap(m_rcControl, m_descriptor.background, m_descriptor.backgroundX, m_descriptor.backgroundY);
    DrawCurve(context);
    if (!IsReadOnly())
        DrawSquares(context);
}

void CCustomEqGraph::DrawCurve(CHfcDrawContext* context)
{
    const auto left = static_cast<float>(m_rcControl.left);
    const auto top = static_cast<float>(m_rcControl.top);
    const float h = static_cast<float>(m_descriptor.height);
    context->SetPenWidth(1.0f);
    context->SetPenColor(m_bEnabled ? m_descriptor.curveColor : Dimmed(m_descriptor.curveColor, GetDisabledOpacity()));
    context->MoveTo(left, top + GainToY(ResponseAt(XToFrequency(0.0f))));
    const float nyquist = m_sampleRate / 2.0f;
    for (int i = 1; i <= m_descriptor.width; ++i) {
        const float f = XToFrequency(static_cast<float>(i));
        if (f >= nyquist)
            break;
        const float y = GainToY(ResponseAt(f));
        const float x = left + static_cast<float>(i);
        if (y < 0.0f || y > h - 1.0f || FrequencyToX(f) < 0.0f)
            context->MoveTo(x, top + y);
        else
            context->LineTo(x, top + y);
    }
}

void CCustomEqGraph::DrawSquares(CHfcDrawContext* context)
{
    context->SetPenWidth(1.0f);
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const float x = FrequencyToX(m_bands[i].frequency);
        const float y = GainToY(m_bands[i].gain);
        // A band off either axis has no square to show or grab.
        if (x < 0.0f || y < 0.0f)
            continue;
        const bool selected = static_cast<int>(i) == m_selectedBand;
        const float sx = static_cast<float>(m_rcControl.left) + x - 2.0f;
        const float sy = static_cast<float>(m_rcControl.top) + y - 2.0f;
        const auto size = static_cast<float>(kSquareSize);
        context->SetFillColor(selected ? m_descriptor.selectedFill : m_descriptor.otherFill);
        context->SetPenColor(selected ? m_descriptor.selectedFrame : m_descriptor.otherFrame);
        context->ClearRectangle(sx, sy, size, size);
        context->FillRectangle(sx, sy, size, size);
        context->DrawRectangle(sx, sy, size, size);
    }
}

int CCustomEqGraph::BandAt(int x, int y) const
{
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const float bandX = FrequencyToX(m_bands[i].frequency);
        const float bandY = GainToY(m_bands[i].gain);
        if (bandX < 0.0f || bandY < 0.0f)
            continue;
        if (std::abs(x - static_cast<int>(bandX)) <= kHitReach && std::abs(y - static_cast<int>(bandY)) <= kHitReach)
            return static_cast<int>(i);
    }
    return -1;
}

void CCustomEqGraph::ReportDrag()
{
    if (m_pOwner == nullptr)
        return;
    const float frequency =
        std::clamp(XToFrequency(m_dragX), m_descriptor.lowestDragFrequency, m_descriptor.highestDragFrequency);
    const float gain = std::clamp(YToGain(m_dragY), m_descriptor.lowestDragGain, m_descriptor.highestDragGain);
    CustomEqGraphReport report{CustomEqGraphReport::kFrequencyAndGain, m_draggedBand, frequency, gain};
    m_pOwner->OnControlEvent(this, reinterpret_cast<std::intptr_t>(&report));
}

bool CCustomEqGraph::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers) || IsReadOnly())
        return true;
    ClearKeyManagerFocus();
    TakeCapture();
    const int band = BandAt(x, y);
    if (band < 0)
        return true;
    m_draggedBand = band;
    m_dragX = static_cast<float>(x);
    m_dragY = static_cast<float>(y);
    m_lastPoint = {x, y};
    m_dragWidth = m_bands[static_cast<std::size_t>(band)].width * 9.5f + 0.5f;
    ReportDrag();
    return true;
}

bool CCustomEqGraph::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (OwnerTakesDoubleClick(x, y, modifiers))
        return true;
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CCustomEqGraph::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseMove(x, y, modifiers))
        return true;
    if (!HoldsCapture() || m_draggedBand < 0)
        return true;
    float dx = static_cast<float>(x - m_lastPoint.x);
    float dy = static_cast<float>(y - m_lastPoint.y);
    if ((modifiers & kHfcModifierShift) != 0) {
        dx *= kFineDrag;
        dy *= kFineDrag;
    }
    m_lastPoint = {x, y};
    if ((modifiers & kHfcModifierAlt) != 0) {
        m_dragWidth += kFineDrag * dx;
        CustomEqGraphReport report{CustomEqGraphReport::kWidth, m_draggedBand, m_dragWidth, 0.0f};
        if (m_pOwner != nullptr)
            m_pOwner->OnControlEvent(this, reinterpret_cast<std::intptr_t>(&report));
        return true;
    }
    m_dragX += dx;
    m_dragY += dy;
    ReportDrag();
    return true;
}

bool CCustomEqGraph::OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    if (!HoldsCapture())
        return false;
    OwnerTakesMouseUp(x, y, modifiers);
    ReleaseCapture();
    return true;
}

bool CCustomEqGraph::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    m_draggedBand = -1;
    ReportValue(1);
    return true;
}
