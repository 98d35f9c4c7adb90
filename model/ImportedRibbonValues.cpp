#include "model/ImportedRibbonValues.h"

#include <cstring>

namespace {

constexpr int kTimbreBlocks[] = {16, 112};
constexpr int kPatch6 = 89;  // source, destination, intensity
constexpr std::uint8_t kPatch6Values[] = {12, 7, 127};
constexpr int kMasterEffectRibbons[] = {288, 312};  // "Long Ribbon", then its polarity
constexpr std::uint8_t kMasterEffectRibbonValues[] = {31, 0};
constexpr int kRibbonBlock = 346;
constexpr std::uint8_t kRibbonBlockValues[] = {0x01, 0xA0, 0x01, 0x43, 0x43, 0x00};
constexpr int kOctave = 8;
constexpr int kOldRibbonByte = 15;

}  // namespace

void WriteImportedRibbonValues(std::uint8_t* image)
{
    for (int block : kTimbreBlocks)
        std::memcpy(image + block + kPatch6, kPatch6Values, sizeof kPatch6Values);
    image[kOctave] = static_cast<std::uint8_t>(image[kOctave] | (image[kOldRibbonByte] >> 4));
    for (int effect : kMasterEffectRibbons)
        std::memcpy(image + effect, kMasterEffectRibbonValues, sizeof kMasterEffectRibbonValues);
    std::memcpy(image + kRibbonBlock, kRibbonBlockValues, sizeof kRibbonBlockValues);
}
