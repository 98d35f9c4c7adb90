#pragma once
// The response of filter model B: a second-order low-, high- or band-pass
// section (types 0-2) or a feedback comb (type 3).
#include "app/graphs/QBCtrlVindelFilterGraph.h"

class CQBCtrlVindelFilterBGraph : public CQBCtrlVindelFilterGraph
{
public:
    enum Type
    {
        kLowPass = 0,
        kHighPass = 1,
        kBandPass = 2,
        kComb = 3,
    };

protected:
    void DrawResponse(CHfcDrawContext* context, int cutoff, int resonance, int type) override;
    // Any other section type draws nothing.
    virtual void DrawFilterResponse(CHfcDrawContext* context, int cutoff, int resonance, int type);
    virtual void DrawCombResponse(CHfcDrawContext* context, int cutoff, int resonance);
};
