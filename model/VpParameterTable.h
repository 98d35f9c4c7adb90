#pragma once
// Rows that describe where each parameter lives in a data image and how it is
// shown; the program and global tables share this row format.
#include <cstdint>

// Names one parameter: group, row within the group, timbre (groups 1, 2 and 4).
struct ParameterAddress
{
    std::uint32_t group;
    std::uint32_t index;
    std::uint32_t timbre;

    bool operator==(const ParameterAddress&) const = default;
};

struct ParameterRow
{
    const char* name;
    std::int32_t supported;  // only the low byte counts
    std::int32_t offset;     // from the base of the row's group
    std::int32_t bit;        // lowest bit of the field in its byte
    std::int32_t mask;       // after shifting down by bit
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t bias;  // stored field = value + bias
    std::int32_t flag;  // set on sound-shaping parameters
    std::int32_t kind;  // 1 numeric, 2 character, 3 list, 4 switch
    std::int32_t knob;  // index in "*KnobAssign", -1 when not assignable
    const char* key;    // value format or keyword list name
};

class CVpParameterTable
{
public:
    virtual ~CVpParameterTable() = default;

    virtual const ParameterRow* GetRow(const ParameterAddress& address) const = 0;
    virtual std::uint32_t GetCount(std::uint32_t /*group*/) const { return 0; }
    virtual std::uint32_t GetGroupCount() const { return 10; }
};
