#include "framework/ui/HfcCtrlFormantGraph.h"

#include "framework/ui/HfcDrawContext.h"

#include <algorithm>
#include <cstring>

namespace {

// The back trace's alpha; the front one is opaque.
constexpr int kBackAlpha = 75;
constexpr int kAlphaRange = 255 - kBackAlpha;

}  // namespace

CHfcCtrlFormantGraph::CHfcCtrlFormantGraph()
    : m_traces(static_cast<std::size_t>(kTraceCount) * kPointsPerTrace), m_data(kDataBytes)
{}

bool CHfcCtrlFormantGraph::Create(const HfcFormantGraphDescriptor* descriptor, std::uint32_t id,
                                  std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    FinishCreate(
        {m_descriptor.x, m_descriptor.y, m_descriptor.x + m_descriptor.width, m_descriptor.y + m_descriptor.height}, id,
        eventCode);
    SetDirty(true);
    return true;
}

void CHfcCtrlFormantGraph::Destroy()
{
    m_descriptor = HfcFormantGraphDescriptor{};
    CHfcControl::Destroy();
}

void CHfcCtrlFormantGraph::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    DrawGround(context, m_descriptor.background, m_descriptor.backgroundX, m_descriptor.backgroundY);

    const int left = m_rcControl.left;
    const int base = m_rcControl.bottom - 1;
    const int backStepX = (kTraceCount - 1) * m_descriptor.stepX;
    const int backStepY = (kTraceCount - 1) * m_descriptor.stepY;
    context->SetPenColor(m_descriptor.axisColor);
    context->MoveTo(left + m_iBaseLineLength, base);
    context->LineTo(left, base);
    context->LineTo(left + backStepX, base - backStepY);

    // A count beyond a trace's length would read past it.
    const int count = std::min(m_iPointCount, kPointsPerTrace);
    if (count < 1 || !m_bDataFlag)
        return;
    for (int j = kTraceCount - 1; j >= 0; --j) {
        const int i = kTraceCount - 1 - j;
        const auto alpha = static_cast<ARGB>(kBackAlpha + kAlphaRange * i / (kTraceCount - 1));
        context->SetPenColor((m_descriptor.traceColor & 0x00FFFFFFu) | (alpha << 24));
        const int ox = left + j * m_descriptor.stepX;
        const int oy = base - j * m_descriptor.stepY;
        const POINT* trace = Trace(j);
        context->MoveTo(ox, oy);
        context->LineTo(ox, oy - static_cast<int>(trace[0].y));
        for (int k = 1; k < count; ++k)
            context->LineTo(ox + k, oy - static_cast<int>(trace[k].y));
    }
}

void CHfcCtrlFormantGraph::DrawBackground(CHfcDrawContext* context)
{
    DrawGroundPart(context, m_descriptor.background, m_descriptor.width, m_descriptor.height, m_descriptor.backgroundX,
                   m_descriptor.backgroundY);
}

void CHfcCtrlFormantGraph::SetData(const void* data, bool redraw)
{
    if (data == nullptr || std::memcmp(m_data.data(), data, kDataBytes) == 0)
        return;
    std::memcpy(m_data.data(), data, kDataBytes);
    if (redraw)
        SetDirty(true);
}
