#pragma once
// The master-effect table: 18 effect types of 20 slots each.
#include "model/VpFxParameterTable.h"

class CQ3917FxParameterTable : public CVpFxParameterTable
{
public:
    const FxTypeRecord* GetTypeRecord(std::uint32_t type) const override;
    const FxParameterRow* GetParameterRow(std::uint32_t type, std::uint32_t index) const override;
    std::uint32_t GetTypeCount() const override;
    std::uint32_t GetParametersPerType(std::uint32_t type) const override;
};
