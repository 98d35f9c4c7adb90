// The text a program parameter's value is shown as, chosen by its value-type
// key: a number format, or a row of the keyword list the key names.
#include "model/ListValueText.h"
#include "model/VpProgramAccessor.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kKeyLength = 32;

bool Is(const char* key, const char* name)
{
    return std::strncmp(key, name, kKeyLength) == 0;
}

// Writes the formatted number format keys produce; false for keys that name lists.
bool FormatNumber(const char* key, std::int32_t value, std::int32_t minimum, char* buffer, std::size_t size)
{
    if (Is(key, "Value"))
        // Signed amounts show "+" from 0 on.
        std::snprintf(buffer, size, minimum < 0 && value >= 0 ? "+%d" : "%d", value);
    else if (Is(key, "PanValue")) {
        if (value == 64)
            std::snprintf(buffer, size, "CNT");
        else
            std::snprintf(buffer, size, value < 64 ? "L%d" : "R%d", value < 64 ? 64 - value : value - 64);
    } else if (Is(key, "PercentValue"))
        std::snprintf(buffer, size, "%d%%", value);
    else if (Is(key, "Bpm"))
        std::snprintf(buffer, size, "%.1f", value / 10.0);
    else if (Is(key, "FxWetDry")) {
        if (value == 0 || value == 100)
            std::snprintf(buffer, size, value == 0 ? "Dry" : "Wet");
        else
            std::snprintf(buffer, size, "%d:%d", 100 - value, value);
    } else if (Is(key, "FxLfoSpread")) {
        if (value == 0)
            std::snprintf(buffer, size, "+0");
        else
            std::snprintf(buffer, size, value > 0 ? "+%d0" : "%d0", value);
    } else if (Is(key, "FxGainAdjust")) {
        if (value <= -41)
            std::snprintf(buffer, size, "-Inf");
        else
            std::snprintf(buffer, size, value > 0 ? "+%ddB" : "%ddB", value);
    } else if (Is(key, "FxFineValue"))
        std::snprintf(buffer, size, value > 0 ? "+%d cent" : "%d cent", value);
    else if (Is(key, "FxRotorBalance")) {
        if (value == 0)
            std::snprintf(buffer, size, "Stop");
        else
            std::snprintf(buffer, size, "%.2f", static_cast<double>(static_cast<float>(value * 0.02 + 0.48)));
    } else if (Is(key, "FxRotorRatio")) {
        if (value == 0 || value == 100)
            std::snprintf(buffer, size, value == 0 ? "Rotor" : "Horn");
        else
            std::snprintf(buffer, size, "%d:%d", value, 100 - value);
    } else if (Is(key, "FxVoiceCtrl")) {
        if (value == -63 || value == 63 || value == 0)
            std::snprintf(buffer, size, value == 0 ? "Center" : value > 0 ? "Top" : "Bottom");
        else
            std::snprintf(buffer, size, value > 0 ? "+%d" : "%d", value);
    } else if (Is(key, "FxdBValue"))
        std::snprintf(buffer, size, value >= 0 ? "+%.1fdB" : "%.1fdB", value * 0.5);
    else if (Is(key, "FxEqQ"))
        std::snprintf(buffer, size, "%.1f", value / 10.0 + 0.5);
    else if (Is(key, "KHzValue"))
        std::snprintf(buffer, size, "%dKHz", value);
    else
        return false;
    return true;
}

}  // namespace

void CVpProgramAccessor::ValueToText(const CVpProgramData* program, const ParameterAddress& address, std::int32_t value,
                                     char* buffer, int size) const
{
    if (buffer == nullptr || size <= 0)
        return;
    const auto bufferSize = static_cast<std::size_t>(size);
    const char* key = GetValueTypeKey(program, address);
    const std::int32_t minimum = GetMinimum(program, address);
    if (key != nullptr && FormatNumber(key, value, minimum, buffer, bufferSize))
        return;

    ListValueText(key, value, minimum, buffer, bufferSize);
}
