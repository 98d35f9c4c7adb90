#pragma once
// Our own dot-matrix face: 5x7 bodies with two descender rows, printable
// ASCII only. Drawn pixel by pixel so the output does not depend on the
// fonts installed on the build machine.
#include <array>
#include <cstdint>

namespace skin {

constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 9;  // 7 body rows and 2 descender rows

// Rows top to bottom; bit 4 is the leftmost column. Characters outside
// 32..126 give a blank glyph.
const std::array<std::uint8_t, kGlyphRows>& Glyph(char c);

// Pixel width of text at the given advance per character.
int TextWidth(const char* text, int advance = 6);

}  // namespace skin
