#pragma once
// The EQ page of one timbre: the two shelves' frequency and gain as value
// fields, and their response as a graph whose squares the user drags. A
// drag writes and sends both values of its band, the gain first, snapping
// the frequency down to the band's steps.
#include "app/EditLayerBase.h"

#include <array>
#include <cstdint>

class CCustomEqGraph;
class CHfcBmp;
struct CustomEqGraphReport;

class CTimbreEqEditLayer : public CEditLayerBase
{
public:
    static constexpr int kWidth = 342;
    static constexpr int kHeight = 166;
    // The graph comes after the four fields.
    static constexpr int kGraphId = 4;
    // Cached values and the shown band start here, so the first refresh
    // always reaches the graph.
    static constexpr int kNothingShown = 255;

    CTimbreEqEditLayer() = default;
    ~CTimbreEqEditLayer() override;

    bool OnCreate() override;
    // The graph from the four values when any changed, and its selected
    // band when that changed; every other control as the base does.
    void UpdateControl(int index) override;
    // The graph is bound to the low frequency only, whichever band it
    // shows, so it names no parameter on the message line.
    bool WantsParameterMessage(CHfcControl* control) override;
    void OnControlEvent(CHfcControl* control, std::intptr_t word) override;

    int GetSelectedBand() const { return m_selectedBand; }

private:
    void RefreshGraph(CCustomEqGraph& graph);
    void ApplyBandDrag(const CustomEqGraphReport& report);
    ParameterAddress Address(std::uint32_t index) const;

    CHfcBmp* m_background = nullptr;
    int m_selectedBand = 0;
    int m_shownBand = kNothingShown;
    std::array<std::int32_t, 4> m_graphValues{kNothingShown, kNothingShown, kNothingShown, kNothingShown};
};
