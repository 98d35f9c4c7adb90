// The text a global parameter's value is shown as, chosen by its value-type
// key: a number format, or a row of the keyword list the key names.
#include "model/ListValueText.h"
#include "model/VpGlobalAccessor.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kKeyLength = 32;
constexpr std::int32_t kLastMappedController = 95;

bool Is(const char* key, const char* name)
{
    return std::strncmp(key, name, kKeyLength) == 0;
}

// The controller a "MIDI Control" source value names: bend, aftertouch, then
// controllers 0-95, 102-119, and four bipolar ones.
void FormatControlSource(std::int32_t value, char* buffer, std::size_t size)
{
    if (value == 0)
        std::snprintf(buffer, size, "Pitch Bend");
    else if (value == 1)
        std::snprintf(buffer, size, "After Touch");
    else if (value <= 97)
        std::snprintf(buffer, size, "CC#%02d", value - 2);
    else if (value <= 115)
        std::snprintf(buffer, size, "CC#%02d", value + 4);
    else if (value <= 117)
        std::snprintf(buffer, size, "CC#%02d +/-", value - 100);
    else
        std::snprintf(buffer, size, "CC#%02d +/-", value - 99);
}

// Writes the formatted number format keys produce; false for keys that name lists.
bool FormatNumber(const char* key, std::int32_t value, std::int32_t minimum, char* buffer, std::size_t size)
{
    if (Is(key, "Value"))
        std::snprintf(buffer, size, minimum < 0 && value >= 0 ? "+%d" : "%d", value);
    else if (Is(key, "UserScaleValue")) {
        if (value > 0)
            std::snprintf(buffer, size, "+%2d", value);
        else if (value < 0)
            std::snprintf(buffer, size, "-%2d", -value);
        else
            std::snprintf(buffer, size, "%3d", value);
    } else if (Is(key, "MasterTune"))
        std::snprintf(buffer, size, "%3.1f Hz", 440.0 + value / 10.0);
    else if (Is(key, "MidiCtrlSource"))
        FormatControlSource(value, buffer, size);
    else if (Is(key, "CcMapNumber")) {
        // A negative number is an unassigned entry, as the device's 0xFF bytes are.
        if (value < 0 || value > kLastMappedController)
            std::snprintf(buffer, size, "Off");
        else
            std::snprintf(buffer, size, "CC#%02d", value);
    } else
        return false;
    return true;
}

}  // namespace

void CVpGlobalAccessor::ValueToText(const CVpGlobalData* global, const ParameterAddress& address, std::int32_t value,
                                    char* buffer, int size) const
{
    if (buffer == nullptr || size <= 0)
        return;
    const auto bufferSize = static_cast<std::size_t>(size);
    const char* key = GetValueTypeKey(global, address);
    const std::int32_t minimum = GetMinimum(global, address);
    if (key != nullptr && FormatNumber(key, value, minimum, buffer, bufferSize))
        return;

    ListValueText(key, value, minimum, buffer, bufferSize);
}
