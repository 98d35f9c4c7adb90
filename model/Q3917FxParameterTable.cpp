#include "model/Q3917FxParameterTable.h"

#include "model/Q3917FxParameterRows.h"

const FxTypeRecord* CQ3917FxParameterTable::GetTypeRecord(std::uint32_t type) const
{
    if (type >= std::size(kQ3917FxTypes))
        return nullptr;
    return &kQ3917FxTypes[type];
}

const FxParameterRow* CQ3917FxParameterTable::GetParameterRow(std::uint32_t type, std::uint32_t index) const
{
    if (type >= std::size(kQ3917FxTypes) || index >= kQ3917FxSlotsPerType)
        return nullptr;
    return &kQ3917FxParameters[type * kQ3917FxSlotsPerType + index];
}

std::uint32_t CQ3917FxParameterTable::GetTypeCount() const
{
    return static_cast<std::uint32_t>(std::size(kQ3917FxTypes));
}

std::uint32_t CQ3917FxParameterTable::GetParametersPerType(std::uint32_t /*type*/) const
{
    return kQ3917FxSlotsPerType;
}
