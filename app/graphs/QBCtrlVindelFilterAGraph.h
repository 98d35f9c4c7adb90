#pragma once
// The response of filter model A: one second-order section whose type value
// 0-127 crossfades from low-pass through high-pass and band-pass to the
// unfiltered signal.
#include "app/graphs/QBCtrlVindelFilterGraph.h"

class CQBCtrlVindelFilterAGraph : public CQBCtrlVindelFilterGraph
{
protected:
    // Clamps the type value to 0-127 and keeps it so.
    void DrawResponse(CHfcDrawContext* context, int cutoff, int resonance, int type) override;
};
