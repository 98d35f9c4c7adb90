// Translating N6 programs: each numbering table, then single N6 bytes set in
// an otherwise zero program and where they land in the image.
#include "model/N6ConversionTables.h"
#include "model/N6ProgramConverter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kImageSize = 352;
constexpr int kT1 = 48;  // N6 timbre blocks
constexpr int kT2 = 276;
constexpr int kB1 = 16;  // image timbre blocks
constexpr int kB2 = 112;

using Bytes = std::vector<std::pair<int, std::uint8_t>>;

std::array<std::uint8_t, kImageSize> Convert(const Bytes& set)
{
    std::array<std::uint8_t, kN6ProgramSize> n6{};
    for (const auto& [offset, value] : set)
        n6.at(static_cast<std::size_t>(offset)) = value;
    std::array<std::uint8_t, kImageSize> image{};
    std::memcpy(image.data(), n6.data(), kImageSize);
    ConvertN6Program(n6.data(), image.data());
    return image;
}

std::string Name(const std::array<std::uint8_t, kImageSize>& image)
{
    return {image.begin(), image.begin() + 8};
}

TEST(N6Tables, KnobAssign)
{
    for (int i = 0; i <= 36; ++i)
        EXPECT_EQ(N6KnobAssign(static_cast<std::uint8_t>(i)), i);
    const std::pair<int, int> rest[] = {{37, 0},  {38, 0},  {39, 0}, {40, 0}, {41, 38}, {42, 37}, {43, 43},
                                        {44, 44}, {45, 45}, {46, 0}, {47, 0}, {48, 0},  {200, 0}, {255, 0}};
    for (const auto& [n6, value] : rest)
        EXPECT_EQ(N6KnobAssign(static_cast<std::uint8_t>(n6)), value) << n6;
    // The three knobs of both timbres go through it.
    const auto image = Convert({{kT1 + 28, 41}, {kT1 + 29, 42}, {kT1 + 30, 200}, {kT2 + 30, 36}});
    EXPECT_EQ(image[kB1 + 0], 38);
    EXPECT_EQ(image[kB1 + 1], 37);
    EXPECT_EQ(image[kB1 + 2], 0);
    EXPECT_EQ(image[kB2 + 2], 36);
}

TEST(N6Tables, PatchSource)
{
    const int expected[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 10, 11, 0, 0, 0};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(N6PatchSource(static_cast<std::uint8_t>(i)), expected[i]) << i;
    EXPECT_EQ(N6PatchSource(16), 0);
    EXPECT_EQ(N6PatchSource(255), 0);
    // Each of the six patches of a timbre; the vocoder's carrier takes the low nibble.
    const auto image = Convert({{kT1 + 102, 10}, {kT1 + 117, 12}, {kT2 + 105, 200}, {1000, 0x0B}});
    EXPECT_EQ(image[kB1 + 74], 9);
    EXPECT_EQ(image[kB1 + 89], 11);
    EXPECT_EQ(image[kB2 + 77], 0);
    EXPECT_EQ(image[248] & 0x0F, 10);
}

TEST(N6Tables, Formant)
{
    const int expected[16] = {4, 5, 6, 3, 2, 0, 0, 0, 4, 3, 0, 1, 2, 0, 0, 0};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(N6Formant(static_cast<std::uint8_t>(i)), expected[i]) << i;
        const auto image = Convert({{1000, static_cast<std::uint8_t>(i << 4)}});
        EXPECT_EQ(image[248], expected[i] << 4) << i;
    }
    EXPECT_EQ(N6Formant(16), 0);
}

TEST(N6Tables, PcmWaveAndItsLosses)
{
    for (int i = 0; i <= 28; ++i)
        EXPECT_EQ(N6PcmWave(static_cast<std::uint8_t>(i)), i + 28) << i;
    const int upper[] = {3,  4,  2,  9,  11, 33, 12, 13, 5,  7,  17, 18, 19, 20, 21, 22, 23, 24,
                         59, 57, 58, 25, 26, 26, 27, 27, 26, 60, 60, 61, 60, 61, 62, 62, 63};
    for (int i = 29; i < 64; ++i)
        EXPECT_EQ(N6PcmWave(static_cast<std::uint8_t>(i)), upper[i - 29]) << i;
    EXPECT_EQ(N6PcmWave(64), 0);
    const std::vector<int> losing = {0x1F, 0x21, 0x22, 0x23, 0x25, 0x33, 0x35, 0x37, 0x39, 0x3B, 0x3C, 0x3D};
    for (int i = 0; i < 256; ++i) {
        const bool loses = std::find(losing.begin(), losing.end(), i) != losing.end();
        EXPECT_EQ(N6PcmWaveLoses(static_cast<std::uint8_t>(i)), loses) << i;
    }

    struct Case
    {
        const char* what;
        Bytes set;
        int block;
        int pcm;
        bool lost;
    };
    const Case cases[] = {
        {"renumbered", {{kT1 + 38, 6}, {kT1 + 41, 5}}, kB1, 33, false},
        {"renumbered with a loss", {{kT1 + 38, 6}, {kT1 + 41, 0x1F}}, kB1, 2, true},
        {"timbre 2 with a loss", {{kT2 + 38, 0x36}, {kT2 + 41, 0x3D}}, kB2, 62, true},
        {"64 and above stay", {{kT1 + 38, 6}, {kT1 + 41, 70}}, kB1, 70, false},
        {"only under the PCM wave", {{kT1 + 38, 5}, {kT1 + 41, 0x1F}}, kB1, 0x1F, false},
    };
    for (const Case& c : cases) {
        const auto image = Convert(c.set);
        EXPECT_EQ(image[static_cast<std::size_t>(c.block + 19)], c.pcm) << c.what;
        EXPECT_EQ(Name(image), c.lost ? "***P****" : std::string(8, '\0')) << c.what;
    }
}

TEST(N6Conversion, SingleBytesLandWhereTheyBelong)
{
    struct Case
    {
        const char* what;
        Bytes set;
        int imageByte;
        int expected;
    };
    const Case cases[] = {
        {"name", {{3, 'x'}}, 3, 'x'},
        {"voice mode and octave", {{17, 0x45}}, 8, 0x45},
        {"unused common bytes cleared", {{9, 7}, {12, 7}}, 12, 0},
        {"timbre 2 channel", {{280, 9}}, 13, 9},
        {"split key", {{20, 0x33}}, 14, 0x33},
        {"scale bits", {{21, 0x0B}, {16, 0x27}}, 15, 0xB7},
        {"unison 5 voices gives 3", {{kT1 + 8, 0x85}}, kB1 + 4, 3},
        {"unison 2 voices", {{kT1 + 8, 0x81}}, kB1 + 4, 2},
        {"unison off", {{kT1 + 8, 0x05}}, kB1 + 4, 0},
        {"voice assign bit 7", {{kT1 + 32, 0xC0}}, kB1 + 7, 0x80},
        {"voice assign bit 6", {{kT1 + 32, 0x7F}}, kB1 + 7, 0x40},
        {"unset byte", {}, kB1 + 8, 0xFF},
        {"tuning", {{kT2 + 37, 0x44}}, kB2 + 12, 0x44},
        {"wave 7 becomes 5", {{kT1 + 38, 0x37}}, kB1 + 16, 0x35},
        {"waves 8-15 become 7, top bits dropped", {{kT1 + 38, 0xF9}}, kB1 + 16, 0x37},
        {"oscillator 2 wave bits", {{kT1 + 43, 0xFF}}, kB1 + 21, 0x33},
        {"filter routing", {{kT1 + 49, 0x13}}, kB1 + 28, 0x13},
        {"filter 2 type 3 dropped", {{kT1 + 49, 0x33}}, kB1 + 28, 0x03},
        {"drive position", {{kT1 + 62, 0x31}}, kB1 + 41, 0x30},
        {"drive type 1", {{kT1 + 62, 0x31}}, kB1 + 42, 1},
        {"waveshaper type", {{kT1 + 62, 2}, {kT1 + 63, 0x25}}, kB1 + 42, 7},
        {"waveshaper 12 becomes 11", {{kT1 + 62, 3}, {kT1 + 63, 10}}, kB1 + 42, 11},
        {"amp level", {{kT1 + 73, 99}}, kB1 + 52, 99},
        {"LFO 1 triangle at full shape", {{kT1 + 92, 3}, {kT1 + 93, 127}}, kB1 + 66, 4},
        {"LFO 1 triangle at no shape", {{kT1 + 92, 3}, {kT1 + 93, 1}}, kB1 + 66, 4},
        {"LFO 1 triangle shaped", {{kT1 + 92, 3}, {kT1 + 93, 2}}, kB1 + 66, 3},
        {"LFO 2 wave nibble", {{kT2 + 97, 0x25}}, kB2 + 70, 5},
        {"LFO 1 sync bits", {{kT1 + 95, 0xFF}}, kB1 + 68, 0xE0},
        {"LFO 2 sync note", {{kT1 + 101, 0xFF}}, kB1 + 73, 0x1F},
        {"patch destination", {{kT1 + 103, 5}}, kB1 + 75, 5},
        {"patch intensity", {{kT2 + 119, 0x50}}, kB2 + 91, 0x50},
        {"EQ high gain", {{kT1 + 171, 0x41}}, kB1 + 95, 0x41},
        {"vocoder switch bits", {{960, 0xA2}}, 208, 0xA1},
        {"vocoder first and last copied bytes", {{961, 1}}, 209, 1},
        {"vocoder band 247", {{999, 2}}, 247, 2},
        {"vocoder 249 cleared", {{249, 9}}, 249, 0},
        {"vocoder 250", {{1001, 3}}, 250, 3},
        {"vocoder skips N6 1005", {{1006, 4}}, 254, 4},
        {"vocoder last", {{1037, 5}}, 285, 5},
        {"master effect 1 off", {{286, 5}}, 286, 0},
        {"master effect 1 parameter kept", {{287, 5}}, 287, 5},
        {"master effect 2 off", {{310, 9}}, 310, 0},
        {"master effect 2 byte 315 cleared", {{315, 9}}, 315, 0},
        {"master effect 2 last kept", {{333, 7}}, 333, 7},
        {"BPM 120", {{1060, 0xB0}, {1061, 0x04}}, 334, 120},
        {"BPM high byte", {{1060, 0xFF}, {1061, 0xFF}}, 335, 6553 >> 8},
        {"arpeggio type", {{1062, 3}}, 336, 3},
        {"byte 337 kept", {{337, 6}}, 337, 6},
        {"arpeggio range", {{1065, 2}}, 339, 2},
        {"gate at most 100", {{1070, 0xFF}}, 340, 100},
        {"gate", {{1070, 0x85}}, 340, 5},
        {"swing -5 gives 62", {{1067, 0xFB}}, 341, 62},
        {"swing 5", {{1067, 0x05}}, 341, 66},
        {"swing -128", {{1067, 0x80}}, 341, 0},
        {"step switches", {{1070, 0x80}, {1077, 0x80}, {1073, 0x7F}}, 342, 0x81},
        {"unset 343", {}, 343, 0xFF},
        {"344 cleared", {{344, 9}}, 344, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Convert(c.set)[static_cast<std::size_t>(c.imageByte)], c.expected) << c.what;
}

TEST(N6Conversion, LossesRenameTheProgram)
{
    struct Case
    {
        Bytes set;
        const char* name;
    };
    const Case cases[] = {
        {{{0, 'K'}, {1, 'E'}, {2, 'E'}, {3, 'P'}}, "KEEP"},
        {{{kT1 + 38, 6}, {kT1 + 41, 0x21}}, "***P****"},
        {{{kT2 + 49, 0x30}, {kT1 + 62, 2}, {kT1 + 63, 9}}, "FW******"},
        {{{960, 0xC0}}, "**V*****"},
        {{{0, 'N'}, {960, 0xC1}, {kT2 + 62, 3}, {kT2 + 63, 9}, {kT1 + 49, 0x33}}, "FWV*****"},
    };
    for (const Case& c : cases) {
        const std::string name = Name(Convert(c.set));
        EXPECT_EQ(name.substr(0, std::string(c.name).size()), c.name);
    }
}

}  // namespace
