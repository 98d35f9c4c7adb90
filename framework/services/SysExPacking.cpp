#include "framework/services/SysExPacking.h"

namespace {

constexpr int kGroup = 7;

}  // namespace

void PackSysExData(std::uint8_t* destination, const std::uint8_t* source, int count)
{
    std::uint8_t* header = nullptr;
    for (int i = 0; i < count; ++i) {
        const int slot = i % kGroup;
        if (slot == 0) {
            header = destination++;
            *header = 0;
        }
        *header = static_cast<std::uint8_t>(*header | ((source[i] >> 7) << slot));
        *destination++ = static_cast<std::uint8_t>(source[i] & 0x7F);
    }
}

void UnpackSysExData(std::uint8_t* destination, const std::uint8_t* source, int count)
{
    std::uint8_t header = 0;
    for (int i = 0; i < count; ++i) {
        const int slot = i % kGroup;
        if (slot == 0)
            header = *source++;
        destination[i] = static_cast<std::uint8_t>(*source++ | (((header >> slot) & 1) << 7));
    }
}

int GetPackedSysExSize(int count)
{
    return count > 0 ? count + (count + kGroup - 1) / kGroup : 0;
}
