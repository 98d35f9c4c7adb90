#pragma once
// Integer helpers. With low above high, Clamp gives high.

inline int Max(int a, int b)
{
    return a > b ? a : b;
}

inline int Clamp(int value, int low, int high)
{
    const int raised = value < low ? low : value;
    return raised > high ? high : raised;
}
