#pragma once
// The first-order shelves that the EQ graphs draw for a timbre's EQ: the
// frequencies its parameter values stand for, half a decibel per gain
// step, and the filter coefficients at the device's sample rate.
#include <array>

enum EqShelfBand : int
{
    kEqLowShelf = 0,
    kEqHighShelf = 1,
};

// b0 + b1 z^-1 over 1 + a1 z^-1; b2 and a2 stay 0.
struct EqShelfCoefficients
{
    float b0 = 1.0f;
    float b1 = 0.0f;
    float b2 = 0.0f;
    float a1 = 0.0f;
    float a2 = 0.0f;
};

inline constexpr double kEqShelfSampleRate = 48000.0;
inline constexpr double kEqShelfDecibelsPerStep = 0.5;

inline constexpr std::array<int, 34> kEqLowShelfFrequencies{20,  22,  25,  28,  32,  36,  40,  45,  50,  56,  63,  71,
                                                            80,  90,  100, 112, 125, 140, 160, 180, 200, 224, 250, 280,
                                                            315, 400, 450, 500, 560, 630, 710, 800, 900, 1000};
inline constexpr std::array<int, 26> kEqHighShelfFrequencies{1000, 1120,  1250,  1400,  1600,  1800,  2000,  2240, 2500,
                                                             2800, 3150,  4000,  4500,  5000,  5600,  6300,  7100, 8000,
                                                             9000, 10000, 11200, 12500, 14000, 16000, 18000, 20000};

// The band's frequency in Hz for a parameter value; a value past either
// end of the table takes the nearest end.
int EqShelfFrequency(int band, int index);
// The highest parameter value whose frequency is at or below f Hz; 0 when
// even the lowest step lies above it.
int EqShelfIndexAtOrBelow(int band, double frequency);
double EqShelfGain(int gainValue);
// The parameter value of a gain in dB: half decibels, truncated toward zero.
int EqShelfGainValue(double gainDb);
// The shelf's gain is 10^(gain / 20) at 0 Hz for the low band and at
// half the sample rate for the high band, and 1 at the other end.
EqShelfCoefficients EqShelfCoefficientsFor(int band, double frequency, double gainDb);
