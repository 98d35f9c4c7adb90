#pragma once
// Meaning of the 20 parameter slots of a master effect for each effect type.
#include <cstdint>

// Slot numbers below are 0-19 within the type and count only when their flag is 1.
struct FxTypeRecord
{
    const char* name;
    std::int32_t reserved1;
    std::int32_t ribbonDefault;    // written to both ribbon-setting rows on a type change
    std::int32_t polarityDefault;  // written to the ribbon polarity row
    std::int32_t reserved2;
    std::int32_t timeSync;
    std::int32_t unsyncedTime;  // first slot of the free-running times
    std::int32_t syncedTime;    // first slot of the tempo-synchronised times
    std::int32_t tempoSyncSwitch;
    std::int32_t lfoSync;
    std::int32_t lfoTempoSyncSwitch;
    std::int32_t lfoFrequency;
    std::int32_t lfoSyncNote;
    std::int32_t modSource;
    std::int32_t modSourceSlot;
    std::int32_t keySync;
    std::int32_t lfoKeySync;  // the LFO init phase is the slot after it
};

struct FxParameterRow
{
    const char* name;  // empty on an empty slot
    std::int32_t used;
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t bias;
    std::int32_t available;  // starting answer of the accessor's availability
    std::int32_t kind;
    std::int32_t initial;  // written into the slot when the type is chosen
    const char* key;
};

class CVpFxParameterTable
{
public:
    virtual ~CVpFxParameterTable() = default;

    virtual const FxTypeRecord* GetTypeRecord(std::uint32_t type) const = 0;
    virtual const FxParameterRow* GetParameterRow(std::uint32_t type, std::uint32_t index) const = 0;
    virtual std::uint32_t GetTypeCount() const { return 0; }
    virtual std::uint32_t GetParametersPerType(std::uint32_t /*type*/) const { return 0; }
};
