#pragma once
// A passive control that draws one LFO waveform as a polyline over a
// background: one point per pixel column, from a waveform number, a shape,
// a rate and a start phase that the owner sets before it rebuilds the
// points. Every step of the curve is kept in single precision.
#include "framework/ui/HfcCtrlGraph.h"

#include <vector>

// The graph's descriptor, copied whole by Create. Its float words keep
// their type here instead of riding in integer words.
struct HfcLfoGraphDescriptor
{
    int x = 0;
    int y = 0;
    int width = 250;   // above 0
    int height = 100;  // above 0
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    ARGB lineColor = 0xFF000000;
    // When set the rate is the fixed cycle count whatever the rate value.
    bool fixedRate = true;
    // Cycles across the width: fixed, and at rate values 0 and 127.
    float fixedCycles = 2.0f;
    float minimumCycles = 0.3f;
    float maximumCycles = 20.0f;
};

class CHfcCtrlLfoGraph : public CHfcCtrlGraph
{
public:
    // Waveforms 0 to 5; any other draws no curve.
    enum EWaveform : int
    {
        kSaw,
        kSquare,
        kUnipolarSquare,
        kTriangle,
        kSine,
        kSteps,
        kWaveformCount,
        kNoWaveform = 7
    };
    static constexpr int kEventCode = 5;

    CHfcCtrlLfoGraph() = default;
    // False without a descriptor or with a width or height not above 0.
    // Leaves no waveform set, with the rate of rate value 0 and a flat
    // shape, until the owner sets them.
    bool Create(const HfcLfoGraphDescriptor* descriptor, std::uint32_t id);
    void Destroy() override;
    // The background (or a cleared rectangle), then the curve.
    void Draw(CHfcDrawContext* context) override;
    void DrawBackground(CHfcDrawContext* context) override;
    // The rate value; the points are not rebuilt.
    void SetValue(int value, bool redraw) override;

    // None of these rebuilds the points. Rate values run 0 to 127, shape
    // values -63 to 63, start values 0 to 127.
    void SetRate(int value);
    void SetShape(int value);
    // Waveforms of 6 and above are ignored.
    void SetWaveform(int waveform);
    void SetStartPhase(int value);
    // Rebuilds the points of the current waveform; the second also marks
    // the control dirty.
    void UpdateWave();
    void UpdateWaveAndRedraw();

    int GetWaveform() const { return m_iWaveform; }
    int GetRateValue() const { return m_iRateValue; }
    int GetShapeValue() const { return m_iShapeValue; }
    int GetStartValue() const { return m_iStartValue; }
    float GetRate() const { return m_fRate; }
    float GetShape() const { return m_fShape; }
    float GetStartPhase() const { return m_fStartPhase; }
    // The curve in layer coordinates, one point per column.
    const std::vector<POINT>& GetPoints() const { return m_points; }
    const HfcLfoGraphDescriptor& GetDescriptor() const { return m_descriptor; }

private:
    float CyclesPerColumn(int rateValue) const;
    // The value of the waveform at phase u; k counts the phase's wraps.
    float WaveValue(float u, int wraps) const;

    HfcLfoGraphDescriptor m_descriptor;
    int m_iWaveform = kNoWaveform;
    int m_iShapeValue = -1;
    int m_iRateValue = -1;
    int m_iStartValue = 0;
    float m_fShape = 0.0f;
    float m_fRate = 0.0f;
    float m_fStartPhase = 0.0f;
    std::vector<POINT> m_points;
};
