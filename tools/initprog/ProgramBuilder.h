#pragma once
// Builds a program image from named values through the program accessor,
// so every stored field obeys the same rules as an edit in the editor.
#include "ValueFile.h"

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kImageSize = 352;

// Throws std::runtime_error for a name that matches no supported row, or
// several, a value the accessor would not keep, or a finished image with a
// value outside its range.
std::array<std::uint8_t, kImageSize> BuildProgramImage(const std::vector<NamedValue>& values);
