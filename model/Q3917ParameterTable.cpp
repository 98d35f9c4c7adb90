#include "model/Q3917ParameterTable.h"

#include "model/Q3917ProgramParameterRows.h"

const ParameterRow* CQ3917ParameterTable::GetRow(const ParameterAddress& address) const
{
    if (address.index >= GetCount(address.group))
        return nullptr;
    return &kQ3917ProgramGroups[address.group][address.index];
}

std::uint32_t CQ3917ParameterTable::GetCount(std::uint32_t group) const
{
    if (group >= std::size(kQ3917ProgramGroups))
        return 0;
    return static_cast<std::uint32_t>(kQ3917ProgramGroups[group].size());
}
