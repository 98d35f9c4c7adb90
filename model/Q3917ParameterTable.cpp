#include "model/Q3917ParameterTable.h"

#include "model/Q3917ProgramParameterRows.h"

#include "framework/services/EfTrace.h"

namespace {
constexpr std::uint32_t kReservedGroup = 9;
}  // namespace

const ParameterRow* CQ3917ParameterTable::GetRow(const ParameterAddress& address) const
{
    if (address.index >= GetCount(address.group))
        return nullptr;
    return &kQ3917ProgramGroups[address.group][address.index];
}

std::uint32_t CQ3917ParameterTable::GetCount(std::uint32_t group) const
{
    if (group < std::size(kQ3917ProgramGroups))
        return static_cast<std::uint32_t>(kQ3917ProgramGroups[group].size());
    EfTrace(group == kReservedGroup ? "now under construction..." : "unknow parameter group...");
    return 0;
}
