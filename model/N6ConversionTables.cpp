#include "model/N6ConversionTables.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<std::uint8_t, 48> kKnobAssign = [] {
    std::array<std::uint8_t, 48> table{};
    for (std::size_t i = 0; i <= 36; ++i)
        table[i] = static_cast<std::uint8_t>(i);
    // 37-40 and 46-47 have no counterpart and stay 0.
    table[41] = 38;
    table[42] = 37;
    table[43] = 43;
    table[44] = 44;
    table[45] = 45;
    return table;
}();

constexpr std::array<std::uint8_t, 16> kPatchSource = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 10, 11, 0, 0, 0};

constexpr std::array<std::uint8_t, 16> kFormant = {4, 5, 6, 3, 2, 0, 0, 0, 4, 3, 0, 1, 2, 0, 0, 0};

constexpr std::array<std::uint8_t, 64> kPcmWave = [] {
    std::array<std::uint8_t, 64> table{};
    for (std::size_t i = 0; i <= 28; ++i)
        table[i] = static_cast<std::uint8_t>(i + 28);
    constexpr std::uint8_t kUpper[] = {3,  4,  2,  9,  11, 33, 12, 13, 5,  7,  17, 18, 19, 20, 21, 22, 23, 24,
                                       59, 57, 58, 25, 26, 26, 27, 27, 26, 60, 60, 61, 60, 61, 62, 62, 63};
    static_assert(std::size(kUpper) == 35);
    for (std::size_t i = 0; i < std::size(kUpper); ++i)
        table[29 + i] = kUpper[i];
    return table;
}();

constexpr std::array<bool, 64> kPcmLoses = [] {
    std::array<bool, 64> table{};
    for (std::size_t n : {0x1F, 0x21, 0x22, 0x23, 0x25, 0x33, 0x35, 0x37, 0x39, 0x3B, 0x3C, 0x3D})
        table[n] = true;
    return table;
}();

template <class T, std::size_t N>
T Lookup(const std::array<T, N>& table, std::uint8_t n6)
{
    return n6 < N ? table[n6] : T{};
}

}  // namespace

std::uint8_t N6KnobAssign(std::uint8_t n6)
{
    return Lookup(kKnobAssign, n6);
}

std::uint8_t N6PatchSource(std::uint8_t n6)
{
    return Lookup(kPatchSource, n6);
}

std::uint8_t N6Formant(std::uint8_t n6)
{
    return Lookup(kFormant, n6);
}

std::uint8_t N6PcmWave(std::uint8_t n6)
{
    return Lookup(kPcmWave, n6);
}

bool N6PcmWaveLoses(std::uint8_t n6)
{
    return Lookup(kPcmLoses, n6);
}
