#include "app/EditLayerBase.h"

#include "app/EqShelf.h"
#include "app/graphs/CustomEqGraph.h"

#include <utility>

void CEditLayerBase::SetEqGraph(int controlId, int lowFrequencyIndex, int lowGain, int highFrequencyIndex, int highGain)
{
    CHfcControl* graph = GetControl(controlId);
    if (graph == nullptr)
        return;
    const std::pair<int, int> bands[] = {{lowFrequencyIndex, lowGain}, {highFrequencyIndex, highGain}};
    auto send = [graph](CustomEqGraphRecord record) { graph->SetData(&record, false); };
    for (int band : {kEqLowShelf, kEqHighShelf}) {
        const auto& [index, gain] = bands[band];
        send({CustomEqGraphRecord::kFrequency, band, {static_cast<float>(EqShelfFrequency(band, index))}});
        send({CustomEqGraphRecord::kGain, band, {static_cast<float>(EqShelfGain(gain))}});
    }
    for (int band : {kEqLowShelf, kEqHighShelf}) {
        const auto& [index, gain] = bands[band];
        const EqShelfCoefficients c = EqShelfCoefficientsFor(band, EqShelfFrequency(band, index), EqShelfGain(gain));
        send({CustomEqGraphRecord::kCoefficients, band, {c.b0, c.b1, c.b2, c.a1, c.a2}});
    }
    graph->SetDirty(true);
}
