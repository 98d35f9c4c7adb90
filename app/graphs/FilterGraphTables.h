#pragma once
// The tables the filter response graphs draw from: the four-pole filter's
// coefficients by cutoff row and the cutoff-to-row tables of the two graph
// sizes.

// One row of the four-pole filter: the pole without and with resonance and
// the feedback pole.
struct FilterCoefficientRow
{
    float a0;
    float a1;
    float b;
};

inline constexpr int kFilterRowCount = 100;

const FilterCoefficientRow& FilterCoefficients(int row);
// The coefficient row of a cutoff parameter 0-99 on a graph of this width.
int FilterCutoffRow(int cutoff, int width);
