#include "model/MatchSysExTemplate.h"

#include "model/SysExTemplateTable.h"

bool MatchSysExTemplate(std::int32_t index, const std::uint8_t* message, std::int32_t length)
{
    if (index < 0 || index >= kSysExTemplateCount || message == nullptr)
        return false;
    const std::uint8_t* pattern = SysExTemplateTable[index];
    const std::int32_t compareLength = SysExTemplateDescriptors[index].compareLength;
    if (length < compareLength)
        return false;
    for (std::int32_t i = 0; i < compareLength; ++i) {
        // The device puts its channel in the low nibble of byte 2.
        const std::uint8_t received = i == 2 ? message[i] & 0xF0 : message[i];
        if (received != pattern[i])
            return false;
    }
    return true;
}
