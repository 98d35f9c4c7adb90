#pragma once
// A passive control that draws a history of up to 16 spectrum-like traces
// as a receding stack over a background: the newest trace in front, each
// older one shifted diagonally back and drawn fainter, with a base line
// and a depth axis. The class only reads its traces; a derived display
// fills them.
#include "framework/ui/HfcCtrlGraph.h"

#include <cstdint>
#include <vector>

// The graph's descriptor, copied whole by Create.
struct HfcFormantGraphDescriptor
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    HfcWord unused = 0;
    // Offset from one trace to the next older one: right and up.
    int stepX = 10;
    int stepY = 10;
    // The traces' alpha is replaced per trace.
    ARGB traceColor = 0xFF000000;
    ARGB axisColor = 0xFF000000;
};

class CHfcCtrlFormantGraph : public CHfcCtrlGraph
{
public:
    static constexpr int kTraceCount = 16;
    static constexpr int kPointsPerTrace = 750;
    // The block SetData takes: 1,500 pairs of 32-bit words.
    static constexpr std::size_t kDataBytes = 12000;

    CHfcCtrlFormantGraph();
    // False without a descriptor.
    bool Create(const HfcFormantGraphDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);
    void Destroy() override;
    // The background (or a cleared rectangle), the axes, then the traces
    // from the back to the front.
    void Draw(CHfcDrawContext* context) override;
    void DrawBackground(CHfcDrawContext* context) override;
    // Copies the 12,000-byte block only when it differs from the stored
    // one, and only then marks the control dirty when redraw is set.
    void SetData(const void* data, bool redraw) override;

    const HfcFormantGraphDescriptor& GetDescriptor() const { return m_descriptor; }
    const std::vector<std::uint8_t>& GetData() const { return m_data; }

protected:
    // Points drawn per trace; at most a trace's length is drawn.
    void SetPointCount(int count) { m_iPointCount = count; }
    // Traces are drawn only while set.
    void SetDataFlag(bool flag) { m_bDataFlag = flag; }
    void SetBaseLineLength(int length) { m_iBaseLineLength = length; }
    // Trace 0 is the front; the y of pair k is the height drawn at point k.
    POINT* Trace(int trace) { return &m_traces[static_cast<std::size_t>(trace) * kPointsPerTrace]; }

private:
    HfcFormantGraphDescriptor m_descriptor;
    int m_iPointCount = 0;
    bool m_bDataFlag = false;
    std::vector<POINT> m_traces;
    std::vector<std::uint8_t> m_data;
    int m_iBaseLineLength = 0;
};
