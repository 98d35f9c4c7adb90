#include "app/graphs/QBCtrlVindelFilterAGraph.h"

#include "app/graphs/VindelFilterTables.h"

#include <algorithm>

void CQBCtrlVindelFilterAGraph::DrawResponse(CHfcDrawContext* context, int cutoff, int resonance, int type)
{
    m_descriptor.filterType = std::clamp(type, 0, kVindelValueCount - 1);
    const VindelMixing m = VindelMixingOf(m_descriptor.filterType);
    const VindelSection s = SectionOf(cutoff, resonance);
    // Each output's numerator over the common denominator, weighed: the
    // low-pass K^2, the high-pass 1 - 2z^-1 + z^-2, the band-pass K - Kz^-1
    // and the unfiltered signal the denominator itself.
    DrawSection(context, s, m.low * s.k * s.k + m.high + m.band * s.k + m.direct,
                -m.band * s.k - 2.0 * m.high + m.direct * s.d1, m.high + m.direct * s.d2);
}
