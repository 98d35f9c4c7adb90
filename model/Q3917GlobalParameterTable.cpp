#include "model/Q3917GlobalParameterTable.h"

#include "framework/services/EfTrace.h"
#include "model/Q3917GlobalParameterRows.h"

#include <iterator>

const ParameterRow* CQ3917GlobalParameterTable::GetRow(const ParameterAddress& address) const
{
    if (address.group >= std::size(kQ3917GlobalGroups)) {
        EfTrace("unknow parameter group...");
        return nullptr;
    }
    if (address.index >= GetCount(address.group))
        return nullptr;
    return &kQ3917GlobalGroups[address.group][address.index];
}

std::uint32_t CQ3917GlobalParameterTable::GetCount(std::uint32_t group) const
{
    if (group >= std::size(kQ3917GlobalGroups))
        return 0;
    return static_cast<std::uint32_t>(kQ3917GlobalGroups[group].size());
}
