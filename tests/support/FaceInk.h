#pragma once
// Whether a button's face shows something to read: a label's or a glyph's
// strokes stand out clearly lighter than the key around them.
#include "support/CropPng.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// Pixels of the face, inside a rim of 2 around the width x height key,
// lighter than the face's median by more than a blend's shading could make.
inline int FaceInkPixels(int width, int height, const CropPixel& pixel)
{
    constexpr int kRim = 2;
    constexpr int kContrast = 40;
    std::vector<int> lumas;
    for (int y = kRim; y < height - kRim; ++y) {
        for (int x = kRim; x < width - kRim; ++x) {
            const std::uint32_t p = pixel(x, y);
            lumas.push_back(static_cast<int>((((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) / 10));
        }
    }
    if (lumas.empty())
        return 0;
    std::vector<int> sorted = lumas;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const int median = sorted[sorted.size() / 2];
    return static_cast<int>(std::count_if(lumas.begin(), lumas.end(), [&](int l) { return l > median + kContrast; }));
}

// Fewer lit pixels than the smallest glyph, an arrow head, has.
constexpr int kBlankFace = 8;
