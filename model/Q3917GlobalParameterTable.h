#pragma once
// The global parameter table: rows of groups 0-6, looked up directly.
#include "model/VpParameterTable.h"

class CQ3917GlobalParameterTable : public CVpParameterTable
{
public:
    // Null when the group has no such row.
    const ParameterRow* GetRow(const ParameterAddress& address) const override;
    // 0 for a group above 6.
    std::uint32_t GetCount(std::uint32_t group) const override;
};
