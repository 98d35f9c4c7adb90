#pragma once
// The program parameter table: rows of groups 0-8, looked up directly.
#include "model/VpParameterTable.h"

class CQ3917ParameterTable : public CVpParameterTable
{
public:
    // Null when the group has no such row; the timbre is not looked at.
    const ParameterRow* GetRow(const ParameterAddress& address) const override;
    std::uint32_t GetCount(std::uint32_t group) const override;
};
