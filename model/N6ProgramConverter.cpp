#include "model/N6ProgramConverter.h"

#include "model/N6ConversionTables.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kN6TimbreBase = 48;
constexpr int kN6TimbreSize = 228;
constexpr int kTimbreBase = 16;
constexpr int kTimbreSize = 96;
constexpr std::uint8_t kUnset = 0xFF;

struct Losses
{
    bool filter = false;
    bool waveshaper = false;
    bool vocoder = false;
    bool pcm = false;

    bool Any() const { return filter || waveshaper || vocoder || pcm; }
};

void Copy(std::uint8_t* to, const std::uint8_t* from, int count)
{
    std::memcpy(to, from, static_cast<std::size_t>(count));
}

void ConvertCommon(const std::uint8_t* n, std::uint8_t* image)
{
    Copy(image, n, 8);
    image[8] = n[17];
    std::memset(image + 9, 0, 4);
    image[13] = n[280];
    image[14] = n[20];
    image[15] = static_cast<std::uint8_t>((n[21] << 4) | (n[16] & 0x0F));
}

std::uint8_t UnisonVoices(std::uint8_t t8)
{
    if ((t8 & 0x80) == 0)
        return 0;
    return static_cast<std::uint8_t>(std::min(t8 & 0x0F, 2) + 1);
}

std::uint8_t Osc1Wave(std::uint8_t t38)
{
    int wave = t38 & 0x0F;
    if (wave == 7)
        wave = 5;
    else if (wave >= 8)
        wave = 7;
    return static_cast<std::uint8_t>(wave | (t38 & 0x30));
}

std::uint8_t DriveType(const std::uint8_t* t)
{
    switch (t[62] & 3) {
    case 0: return 0;
    case 1: return 1;
    default: return static_cast<std::uint8_t>((t[63] & 0x0F) + 2);
    }
}

// An LFO wave 3 whose shape sits at an end becomes wave 4 here.
std::uint8_t LfoWave(std::uint8_t wave, std::uint8_t shape)
{
    const std::uint8_t w = wave & 0x0F;
    return (w == 3 && (shape == 127 || shape <= 1)) ? 4 : w;
}

void ConvertTimbre(const std::uint8_t* t, std::uint8_t* b)
{
    for (int k = 0; k < 3; ++k)
        b[k] = N6KnobAssign(t[28 + k]);
    b[3] = 0;
    b[4] = UnisonVoices(t[8]);
    b[5] = t[9];
    b[6] = t[10];
    b[7] = (t[32] & 0x80) ? 0x80 : ((t[32] & 0x40) ? 0x40 : 0);
    b[8] = kUnset;
    Copy(b + 9, t + 34, 4);
    b[13] = t[11];
    b[14] = t[12];
    b[15] = kUnset;
    b[16] = Osc1Wave(t[38]);
    Copy(b + 17, t + 39, 3);
    b[20] = 0;
    b[21] = t[43] & 0x33;
    Copy(b + 22, t + 44, 5);
    b[27] = kUnset;
    b[28] = t[49] & 0x33;
    Copy(b + 29, t + 50, 12);
    b[41] = t[62] & 0x30;
    b[42] = DriveType(t);
    Copy(b + 43, t + 64, 4);
    b[47] = kUnset;
    Copy(b + 48, t + 68, 4);
    b[52] = t[73];
    b[53] = kUnset;
    Copy(b + 54, t + 76, 4);
    b[58] = t[81];
    b[59] = kUnset;
    Copy(b + 60, t + 84, 4);
    b[64] = t[89];
    b[65] = kUnset;
    b[66] = LfoWave(t[92], t[93]);
    b[67] = t[94];
    b[68] = t[95] & 0xE0;
    b[69] = t[96] & 0x1F;
    b[70] = LfoWave(t[97], t[98]);
    b[71] = t[99];
    b[72] = t[100] & 0xE0;
    b[73] = t[101] & 0x1F;
    for (int i = 0; i < 6; ++i) {
        b[74 + 3 * i] = N6PatchSource(t[102 + 3 * i]);
        b[75 + 3 * i] = t[103 + 3 * i];
        b[76 + 3 * i] = t[104 + 3 * i];
    }
    Copy(b + 92, t + 168, 4);
}

void NoteTimbreLosses(std::uint8_t* b, Losses& losses)
{
    constexpr int kPcmWave = 6;
    constexpr std::uint8_t kFilter2Type3 = 0x30;
    constexpr int kN6OnlyDrive = 11;
    constexpr int kN6LastDrive = 12;
    if ((b[16] & 0x0F) == kPcmWave && b[19] < 64) {
        losses.pcm = losses.pcm || N6PcmWaveLoses(b[19]);
        b[19] = N6PcmWave(b[19]);
    }
    if ((b[28] & kFilter2Type3) == kFilter2Type3) {
        b[28] = static_cast<std::uint8_t>(b[28] & ~kFilter2Type3);
        losses.filter = true;
    }
    if ((b[42] & 0x0F) == kN6OnlyDrive)
        losses.waveshaper = true;
    else if ((b[42] & 0x0F) == kN6LastDrive)
        b[42] = kN6OnlyDrive;
}

void ConvertVocoder(const std::uint8_t* n, std::uint8_t* image, Losses& losses)
{
    image[208] = static_cast<std::uint8_t>((n[960] & 0xA0) | ((n[960] & 3) != 0 ? 1 : 0));
    Copy(image + 209, n + 961, 39);
    image[248] = static_cast<std::uint8_t>((N6Formant(n[1000] >> 4) << 4) | N6PatchSource(n[1000] & 0x0F));
    image[249] = 0;
    Copy(image + 250, n + 1001, 4);
    Copy(image + 254, n + 1006, 32);
    losses.vocoder = (n[960] & 0xC0) == 0xC0;
}

// Both effects off; the ribbon bytes are set by the fixed import values.
void ConvertMasterEffects(std::uint8_t* image)
{
    for (int offset : {286, 288, 289, 290, 310, 312, 313, 315})
        image[offset] = 0;
}

void ConvertArpeggiator(const std::uint8_t* n, std::uint8_t* image)
{
    const int bpm = (n[1060] + 256 * n[1061]) / 10;
    image[334] = static_cast<std::uint8_t>(bpm & 0xFF);
    image[335] = static_cast<std::uint8_t>(bpm >> 8);
    image[336] = n[1062];
    image[338] = n[1064];
    image[339] = n[1065];
    image[340] = static_cast<std::uint8_t>(std::min(n[1070] & 0x7F, 100));
    image[341] = static_cast<std::uint8_t>(static_cast<std::int8_t>(n[1067]) / 2 + 64);
    std::uint8_t steps = 0;
    for (int c = 0; c < 8; ++c) {
        if (n[1070 + c] & 0x80)
            steps = static_cast<std::uint8_t>(steps | (1 << c));
    }
    image[342] = steps;
    image[343] = kUnset;
    image[344] = 0;
    image[345] = 0;
}

void MarkLosses(const Losses& losses, std::uint8_t* image)
{
    if (!losses.Any())
        return;
    std::memset(image, '*', 8);
    if (losses.filter)
        image[0] = 'F';
    if (losses.waveshaper)
        image[1] = 'W';
    if (losses.vocoder)
        image[2] = 'V';
    if (losses.pcm)
        image[3] = 'P';
}

}  // namespace

void ConvertN6Program(const std::uint8_t* n6, std::uint8_t* image)
{
    Losses losses;
    ConvertCommon(n6, image);
    for (int t = 0; t < 2; ++t) {
        std::uint8_t* block = image + kTimbreBase + kTimbreSize * t;
        ConvertTimbre(n6 + kN6TimbreBase + kN6TimbreSize * t, block);
        NoteTimbreLosses(block, losses);
    }
    ConvertVocoder(n6, image, losses);
    ConvertMasterEffects(image);
    ConvertArpeggiator(n6, image);
    MarkLosses(losses, image);
}
