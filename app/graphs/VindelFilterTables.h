#pragma once
// The tables the model-A and model-B filter graphs draw from: how model A's
// type value mixes its four outputs, and model B's comb delay by cutoff and
// feedback by resonance.

// The weights of model A's low-pass, high-pass, band-pass and unfiltered
// outputs.
struct VindelMixing
{
    float low;
    float high;
    float band;
    float direct;
};

inline constexpr int kVindelValueCount = 128;

// Model A's mixing for a type value: below 31 as 31, above 127 as 127.
VindelMixing VindelMixingOf(int type);
// The comb's delay in samples for a cutoff value 0-127 (clamped).
double VindelCombDelay(int cutoff);
// The comb's feedback for a resonance value 0-127 (clamped).
double VindelCombFeedback(int resonance);
