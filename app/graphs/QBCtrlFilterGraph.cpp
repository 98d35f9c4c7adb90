#include "app/graphs/QBCtrlFilterGraph.h"

#include "app/graphs/FilterGraphTables.h"

#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcModifiers.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace {

constexpr float kDisabledOverlayOpacity = 0.4f;
// Values ride in the drag accumulators at this many steps per value.
constexpr float kDragScale = 16.0f;
constexpr int kKeyLeft = 28;
constexpr int kKeyRight = 29;
constexpr int kKeyUp = 30;
constexpr int kKeyDown = 31;
constexpr double kPi = 3.14159265358979323846;
// The sweep's sample rate and its highest frequency.
constexpr double kSweepRate = 31250.0;
constexpr double kSweepTop = 15625.0;
constexpr int kMarkerSize = 10;
constexpr int kMarkerArm = 2;

using Complex = std::complex<double>;

}  // namespace

bool CQBCtrlFilterGraph::Create(const QBFilterGraphDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr || descriptor->width <= 0 || descriptor->height <= 0)
        return false;
    m_descriptor = *descriptor;
    m_handles = {};
    m_positions = {};
    m_handleCount = 1;
    m_selectedHandle = 0;
    m_activeHandle = kNoHandle;
    m_lastActiveHandle = 0;
    FinishCreate({m_descriptor.x - 2, m_descriptor.y - 2, m_descriptor.x + m_descriptor.width + 4,
                  m_descriptor.y + m_descriptor.height + 4},
                 id, eventCode);
    UpdateHandlePositions();
    SetDirty(true);
    return true;
}

void CQBCtrlFilterGraph::Destroy()
{
    m_handles = {};
    m_positions = {};
    ResetParameters();
    CHfcControl::Destroy();
}

void CQBCtrlFilterGraph::ResetParameters()
{
    m_descriptor = QBFilterGraphDescriptor{};
}

ARGB CQBCtrlFilterGraph::AtOpacity(ARGB color) const
{
    if (m_bEnabled)
        return color;
    const auto alpha = static_cast<std::uint32_t>(static_cast<float>(color >> 24) * GetDisabledOpacity());
    return (alpha << 24) | (color & 0x00FFFFFFu);
}

void CQBCtrlFilterGraph::SetData(const void* data, bool redraw)
{
    const auto* values = static_cast<const QBFilterGraphValues*>(data);
    if (values == nullptr)
        return;
    m_handles[0].resonance = values->resonance;
    m_handles[0].cutoff = values->cutoff;
    m_selectedHandle = values->handle;
    UpdateHandlePositions();
    if (redraw)
        SetDirty(true);
}

void CQBCtrlFilterGraph::SetFilterType(int type, bool redraw)
{
    m_descriptor.filterType = type;
    if (type >= 0 && type <= 3)
        m_handleCount = 1;
    if (redraw)
        SetDirty(true);
}

int CQBCtrlFilterGraph::CutoffToRow(int cutoff) const
{
    return FilterCutoffRow(cutoff, m_descriptor.width);
}

void CQBCtrlFilterGraph::UpdateHandlePositions()
{
    const int size = m_descriptor.handleSize;
    const int range = std::max(m_descriptor.maximum - m_descriptor.minimum, 1);
    for (int i = 0; i < m_handleCount; ++i) {
        const Handle& handle = m_handles[static_cast<std::size_t>(i)];
        m_positions[static_cast<std::size_t>(i)] = {handle.cutoff * (m_descriptor.width - size) / range + size / 2,
                                                    size / 2 + (m_descriptor.height - size) -
                                                        handle.resonance * (m_descriptor.height - size) / range};
    }
}

int CQBCtrlFilterGraph::HitHandle(int x, int y) const
{
    // Positions count from the drawing area, points from the control.
    const int px = x - 2;
    const int py = y - 2;
    const int reach = m_descriptor.handleSize / 2 + 5;
    const int side = m_descriptor.handleSize + 10;
    int hit = kNoHandle;
    for (int i = 0; i < m_handleCount; ++i) {
        const POINT& p = m_positions[static_cast<std::size_t>(i)];
        const int left = p.x - reach;
        const int top = p.y - reach;
        if (px > left && px < left + side && py > top && py < top + side) {
            hit = i;
            if (m_selectedHandle == 0)
                break;
        }
    }
    return hit;
}

void CQBCtrlFilterGraph::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    context->ClearRectangle(m_rcControl);
    if (m_descriptor.background != nullptr)
        context->DrawBitmap(m_rcControl, m_descriptor.background, 0, 0);
    if (m_descriptor.overlay != nullptr)
        context->DrawBitmapAlpha(m_rcControl, m_descriptor.overlay, m_bEnabled ? 1.0f : kDisabledOverlayOpacity, 0, 0);
    DrawActiveBand(context);
    const int cutoff = static_cast<int>(static_cast<unsigned>(m_handles[0].cutoff) / 2);
    const int resonance = m_handles[0].resonance - ResonanceOffset();
    DrawResponse(context, CutoffToRow(cutoff), resonance, m_descriptor.filterType);
    DrawHandles(context);
}

void CQBCtrlFilterGraph::DrawResponse(CHfcDrawContext* context, int row, int resonance, int type)
{
    if (type < 0 || type > 3)
        return;
    const FilterCoefficientRow& coefficients = FilterCoefficients(row);
    double a = coefficients.a0;
    double b = 0.0;
    double r = 0.0;
    if (resonance >= 0) {
        a = coefficients.a1;
        b = coefficients.b;
        r = std::min(resonance, 99) * 3.9 / 99.0;
    }
    const double g = std::pow(1.0 - a, 4);
    const bool large = m_descriptor.width > 50;
    CPlotter plotter(*this, context);
    for (int i = 0; i < 10 * m_descriptor.width; i += 5) {
        const double f = 440.0 * std::pow(2.0, (i - 290) / 60.0);
        if (f > kSweepTop)
            break;
        const Complex z1 = std::polar(1.0, -2.0 * kPi * f / kSweepRate);
        const Complex z2 = z1 * z1;
        const Complex d = std::pow(1.0 - a * z1, 4) * (1.0 - b * z1) - g * r * b * z1 + g * r * z2;
        // Type 1 weighs the same poles against a second-order numerator of
        // our own making, 12 dB down.
        const Complex n = type == 1 ? g * (1.0 + b * z1 + z2) : g * (1.0 - b * z1);
        const double magnitude = type == 1 ? std::abs(4.0 * d) : std::abs(d);
        const double level = 20.0 * std::log10(std::abs(n) / magnitude);
        const double l = std::log10(f);
        float x;
        float y;
        if (large) {
            x = static_cast<float>(30.0 * l - 28.0);
            y = static_cast<float>(double{20.4f} - static_cast<float>(double{0.816f} * level + 0.5));
        } else {
            x = static_cast<float>(25.0 * l - 20.0);
            y = static_cast<float>(16.0 - static_cast<float>(double{0.6f} * level + 0.5));
        }
        plotter.Add(x, y, level);
    }
}

void CQBCtrlFilterGraph::CPlotter::Add(float x, float y, double level)
{
    const QBFilterGraphDescriptor& d = m_graph.m_descriptor;
    if (level < kFloor) {
        m_gap = true;
    } else if (m_iCount++ > 0) {
        if (m_gap) {
            m_gap = false;
            m_previousX = x;
            m_previousY = y;
        }
        if (y > 2.0f && y < static_cast<float>(d.height + 1) && x > 2.0f && x < static_cast<float>(d.width - 1)) {
            const auto left = static_cast<float>(d.x);
            const auto top = static_cast<float>(d.y);
            m_pContext->SetPenWidth(4.0f);
            m_pContext->SetPenColor(m_graph.AtOpacity(d.fillColor));
            m_pContext->MoveTo(left + x, top + y);
            m_pContext->LineTo(left + x, top + static_cast<float>(d.height + 1));
            m_pContext->SetPenWidth(0.5f);
            m_pContext->SetPenColor(m_graph.AtOpacity(d.lineColor));
            m_pContext->MoveTo(left + m_previousX, top + m_previousY);
            m_pContext->LineTo(left + x, top + y);
        }
    }
    m_previousX = x;
    m_previousY = y;
}

void CQBCtrlFilterGraph::DrawActiveBand(CHfcDrawContext* context)
{
    const int type = m_descriptor.filterType;
    if (m_activeHandle == kNoHandle || type < 0 || type > 3)
        return;
    const int half = m_descriptor.height / 2;
    const int size = m_descriptor.handleSize;
    const int top = type == 1 ? m_descriptor.y + half - size : m_descriptor.y - 1;
    const int height = type == 1 ? 2 * size : half;
    context->SetFillColor(kActiveBandColor);
    for (int i = 0; i < m_handleCount; ++i)
        context->FillRectangle(m_descriptor.x - 1, top, m_descriptor.width - 2, height);
}

void CQBCtrlFilterGraph::DrawHandles(CHfcDrawContext* context)
{
    auto draw = [&](int i) {
        const POINT& p = m_positions[static_cast<std::size_t>(i)];
        const int size = m_descriptor.handleSize;
        const int x = m_descriptor.x + p.x - size / 2;
        const int y = m_descriptor.y + p.y - size / 2;
        if (m_descriptor.handleBitmap != nullptr) {
            context->DrawBitmapAlpha(x, y, size, size, m_descriptor.handleBitmap,
                                     m_bEnabled ? 1.0f : GetDisabledOpacity(), 0, 0);
            return;
        }
        context->SetPenWidth(1.0f);
        context->SetFillColor(AtOpacity(m_descriptor.handleFill));
        context->SetPenColor(AtOpacity(m_descriptor.handleFrame));
        context->FillRectangle(x, y, size, size);
        context->DrawRectangle(x, y, size, size);
    };
    for (int i = 0; i < m_handleCount; ++i)
        if (i != m_activeHandle)
            draw(i);
    if (m_activeHandle >= 0 && m_activeHandle < m_handleCount)
        draw(m_activeHandle);
}

void CQBCtrlFilterGraph::DrawHandleMarker(CHfcDrawContext* context, int handle)
{
    const POINT& p = m_positions[static_cast<std::size_t>(handle)];
    const int left = m_descriptor.x + p.x - kMarkerSize / 2;
    const int top = m_descriptor.y + p.y - kMarkerSize / 2;
    const int right = left + kMarkerSize - 1;
    const int bottom = top + kMarkerSize - 1;
    context->SetPenWidth(1.0f);
    context->SetPenColor(m_descriptor.markerColor);
    for (const auto& [cx, cy, sx, sy] :
         {std::array{left, top, 1, 1}, {right, top, -1, 1}, {left, bottom, 1, -1}, {right, bottom, -1, -1}}) {
        context->MoveTo(cx + sx * kMarkerArm, cy);
        context->LineTo(cx, cy);
        context->LineTo(cx, cy + sy * kMarkerArm);
    }
}

void CQBCtrlFilterGraph::DrawFocusFrame(CHfcDrawContext* context)
{
    if (context != nullptr && m_bVisible && m_bEnabled && HasFocus())
        DrawHandleMarker(context, m_lastActiveHandle);
}

void CQBCtrlFilterGraph::ReportValues()
{
    const int handle = m_activeHandle != kNoHandle ? m_activeHandle : m_lastActiveHandle;
    const Handle& values = m_handles[static_cast<std::size_t>(handle)];
    QBFilterGraphValues report{handle, values.resonance, values.cutoff};
    if (m_pOwner != nullptr)
        m_pOwner->OnControlEvent(this, reinterpret_cast<std::intptr_t>(&report));
}

void CQBCtrlFilterGraph::SetHandleValues(int cutoff, int resonance)
{
    const int handle = m_activeHandle != kNoHandle ? m_activeHandle : m_lastActiveHandle;
    Handle& values = m_handles[static_cast<std::size_t>(handle)];
    cutoff = std::clamp(cutoff, m_descriptor.minimum, m_descriptor.maximum);
    resonance = std::clamp(resonance, m_descriptor.minimum, m_descriptor.maximum);
    if (cutoff == values.cutoff && resonance == values.resonance)
        return;
    values.cutoff = cutoff;
    values.resonance = resonance;
    UpdateHandlePositions();
    SetDirty(true);
    ReportValues();
}

bool CQBCtrlFilterGraph::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (m_readOnly)
        return true;
    const int hit = HitHandle(x, y);
    if (OwnerTakesMouseDown(x, y, modifiers) || hit == kNoHandle)
        return true;
    m_activeHandle = hit;
    ReportEditBegin();
    ReportValues();
    TakeCapture();
    SetFocus(0);
    SetDirty(true);
    const Handle& values = m_handles[static_cast<std::size_t>(hit)];
    m_accumulatorX = static_cast<float>(values.cutoff) * kDragScale + kDragScale / 2;
    // The vertical axis runs upward: the accumulator counts down from the top.
    m_accumulatorY = static_cast<float>(m_descriptor.maximum - values.resonance) * kDragScale + kDragScale / 2;
    m_lastPoint = {x, y};
    return true;
}

bool CQBCtrlFilterGraph::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (!HoldsCapture() || m_activeHandle == kNoHandle)
        return OwnerTakesMouseMove(x, y, modifiers);
    float dx = static_cast<float>(x - m_lastPoint.x) * kDragScale;
    float dy = static_cast<float>(y - m_lastPoint.y) * kDragScale;
    m_lastPoint = {x, y};
    if ((modifiers & kHfcModifierShift) != 0) {
        dx /= 2;
        dy /= 2;
    } else {
        const auto span = static_cast<float>(m_descriptor.maximum - m_descriptor.minimum + 1);
        const int size = m_descriptor.handleSize;
        dx *= span / static_cast<float>(std::max(m_descriptor.width - size, 1));
        dy *= span / static_cast<float>(std::max(m_descriptor.height - size, 1));
    }
    m_accumulatorX += dx;
    m_accumulatorY += dy;
    SetHandleValues(static_cast<int>(m_accumulatorX / kDragScale),
                    m_descriptor.maximum - static_cast<int>(m_accumulatorY / kDragScale));
    return true;
}

bool CQBCtrlFilterGraph::OnHfcMouseLButtonUp(CHfcMouse*, int, int, int)
{
    if (!HoldsCapture())
        return false;
    ReleaseCapture();
    return true;
}

bool CQBCtrlFilterGraph::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    if (m_activeHandle == kNoHandle)
        return true;
    ReportValues();
    ReportEditEnd();
    m_lastActiveHandle = m_activeHandle;
    m_activeHandle = kNoHandle;
    SetDirty(true);
    if (m_pOwner != nullptr)
        m_pOwner->OnControlCaptureReleased(this);
    return true;
}

bool CQBCtrlFilterGraph::StepValues(int key)
{
    if (HoldsCapture())
        return false;
    const Handle& values = m_handles[static_cast<std::size_t>(m_lastActiveHandle)];
    // Left lowers the cutoff, as the handle then moves left.
    const int step = std::max(m_descriptor.keyStep - 2, 1);
    switch (key) {
    case kKeyLeft: SetHandleValues(values.cutoff - step, values.resonance); return true;
    case kKeyRight: SetHandleValues(values.cutoff + step, values.resonance); return true;
    case kKeyUp: SetHandleValues(values.cutoff, values.resonance + 1); return true;
    case kKeyDown: SetHandleValues(values.cutoff, values.resonance - 1); return true;
    default: return false;
    }
}

bool CQBCtrlFilterGraph::OnKeyDown(int key, int, int)
{
    return StepValues(key);
}

bool CQBCtrlFilterGraph::OnKeyRepeat(int key, int, int)
{
    return StepValues(key);
}
