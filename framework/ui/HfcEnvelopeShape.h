#pragma once
// How a curved envelope segment rises: five rows, one per segment type, of
// 256 steps along the segment, each from 0 at step 0 to 1 at step 255.
// Types 0 to 2 rise fast and level off (0 the sharpest), type 4 starts slow
// and climbs late; type 3 is a straight segment and its row stays 0.
#include <array>

inline constexpr int kHfcEnvelopeShapeTypes = 5;
inline constexpr int kHfcEnvelopeShapeSteps = 256;

using HfcEnvelopeShapeTable = std::array<std::array<double, kHfcEnvelopeShapeSteps>, kHfcEnvelopeShapeTypes>;

// Worked out from the curves' rules on first use.
const HfcEnvelopeShapeTable& HfcEnvelopeShape();

// Whether segments of the type are drawn along their row.
inline bool HfcEnvelopeTypeIsCurved(int type)
{
    return type == 0 || type == 1 || type == 2 || type == 4;
}
