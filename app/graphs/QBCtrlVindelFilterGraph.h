#pragma once
// What the model-A and model-B filter graphs share: cutoff and resonance
// values of 0-127 (the handle's resonance value counts from 127), the
// second-order section both models build from them, and their sweep across
// the graph pixel by pixel.
#include "app/graphs/QBCtrlFilterGraph.h"

#include <functional>

// The section's coefficients: K weighs the input, the denominator is
// 1 + d1 z^-1 + d2 z^-2.
struct VindelSection
{
    double k;
    double d1;
    double d2;
};

class CQBCtrlVindelFilterGraph : public CQBCtrlFilterGraph
{
public:
    // Both handle values run 0-254 unless the descriptor says otherwise.
    static constexpr int kModelMaximum = 254;

    CQBCtrlVindelFilterGraph() { CQBCtrlVindelFilterGraph::ResetParameters(); }

    void ResetParameters() override;
    // The model graphs take the cutoff value as it is.
    int CutoffToRow(int cutoff) const override { return cutoff; }

protected:
    // The section of a cutoff and a resonance value, each clamped to 0-127.
    static VindelSection SectionOf(int cutoff, int resonance);
    int ResonanceOffset() const override { return 127; }

    // One point of a sweep: where it goes and its level against the floor.
    struct SweepPoint
    {
        float x;
        float y;
        double level;
    };
    // Plots one point per pixel across the graph at the normalised
    // frequencies from 0.0005 up a thousandfold; point(i, f) places each.
    void Sweep(CHfcDrawContext* context, const std::function<SweepPoint(int i, double f)>& point);
    // The section's response with the numerator A + B z^-1 + E z^-2, on the
    // sweep's frequencies; its level is 10 ln of the squared magnitude.
    void DrawSection(CHfcDrawContext* context, const VindelSection& section, double a, double b, double e);
    // The x of a frequency on a graph 50 pixels wide or less.
    double SmallGraphX(double f) const;
};
