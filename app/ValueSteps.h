#pragma once
// How the knob and the edit text turn parameter values into pixel
// positions: each value step is 7 pixels times the control's ratio, so that
// parameters with few values still need a useful drag to change.
namespace value_steps {

inline constexpr int kPixelsPerStep = 7;

// The ratio a layer gives a control of the range: 127 / span, kept within
// 1..12; an empty or reversed range gets 1.
int RatioForRange(int minimum, int maximum);
// steps x 7 x ratio; a negative ratio divides instead, a ratio of 0 counts
// as 1.
int StepsToPixels(int steps, int ratio);
// The inverse, each division truncating toward zero.
int PixelsToSteps(int pixels, int ratio);

// The position a control reported. Positions fit in 31 bits: without the
// press flag in bit 31 a position is bit 30 sign-extended, so that the
// negative positions of value fields stay what they are.
inline int PositionOfReport(int report)
{
    return static_cast<int>(static_cast<unsigned>(report) << 1) >> 1;
}

}  // namespace value_steps
