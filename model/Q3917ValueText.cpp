// Value texts of the device's own formats; every other key is the base's.
#include "framework/services/EfStringTable.h"
#include "framework/services/ServiceSlots.h"
#include "model/Q3917ParameterIndex.h"
#include "model/Q3917ProgramAccessor.h"

#include <cstdio>
#include <cstring>

using namespace Q3917;

namespace {

constexpr std::size_t kKeyLength = 32;
// Knob-assign numbers of the two LFO frequencies.
constexpr std::int32_t kKnobLfo1 = 27;
constexpr std::int32_t kKnobLfo2 = 28;
// The value display pads phase and spread texts with a tab glyph.
constexpr char kPadGlyph = '\t';
constexpr std::size_t kPaddedBelow = 31;

bool Is(const char* key, const char* name)
{
    return std::strncmp(key, name, kKeyLength) == 0;
}

void AppendPadGlyph(char* buffer, std::size_t size)
{
    const std::size_t length = std::strlen(buffer);
    if (length < kPaddedBelow && length + 1 < size) {
        buffer[length] = kPadGlyph;
        buffer[length + 1] = '\0';
    }
}

}  // namespace

void CQ3917ProgramAccessor::ValueToText(const CVpProgramData* program, const ParameterAddress& address,
                                        std::int32_t value, char* buffer, int size) const
{
    if (buffer == nullptr || size <= 0)
        return;
    const auto bufferSize = static_cast<std::size_t>(size);
    const char* key = GetValueTypeKey(program, address);
    if (key == nullptr) {
        CVpProgramAccessor::ValueToText(program, address, value, buffer, size);
        return;
    }
    if (Is(key, "ArpSwing")) {
        std::snprintf(buffer, bufferSize, value >= 0 ? "+%d%%" : "%d%%", 2 * value);
        return;
    }
    if (Is(key, "FxFineValue")) {
        std::snprintf(buffer, bufferSize, value > 0 ? "+%d cent" : "%d cent", 2 * value);
        return;
    }
    if (Is(key, "VpmHarmonics")) {
        std::snprintf(buffer, bufferSize, "%d", value + 1);
        return;
    }
    if (Is(key, "KnobAssign")) {
        // While an LFO runs in tempo sync its knob sets the sync note instead.
        int syncedRow = -1;
        if (value == kKnobLfo1 && Raw(program, kGroupSynth, kLfo1BpmSync, address.timbre) != 0)
            syncedRow = 0;
        if (value == kKnobLfo2 && Raw(program, kGroupSynth, kLfo2BpmSync, address.timbre) != 0)
            syncedRow = 1;
        const CEfStringTable* table = GetStringTable();
        if (syncedRow >= 0 && table != nullptr && syncedRow < table->GetNumStrings("KnobAssignLfoSync")) {
            std::snprintf(buffer, bufferSize, "%s", table->GetString("KnobAssignLfoSync", syncedRow));
            return;
        }
    }
    CVpProgramAccessor::ValueToText(program, address, value, buffer, size);
    if (Is(key, "LfoInitPhase") || Is(key, "FxLfoSpread"))
        AppendPadGlyph(buffer, bufferSize);
}
