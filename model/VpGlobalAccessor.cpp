#include "model/VpGlobalAccessor.h"

CVpGlobalAccessor::CVpGlobalAccessor(std::unique_ptr<CVpParameterTable> table) : m_pParameterTable(std::move(table))
{}

std::int32_t CVpGlobalAccessor::GetValue(const CVpGlobalData* global, std::uint32_t group, std::uint32_t index) const
{
    return GetValue(global, ParameterAddress{group, index, 0});
}

std::int32_t CVpGlobalAccessor::GetValue(const CVpGlobalData* global, const ParameterAddress& address) const
{
    return GetRawValue(global, address);
}

void CVpGlobalAccessor::SetValue(CVpGlobalData* global, std::uint32_t group, std::uint32_t index,
                                 std::int32_t value) const
{
    SetValue(global, ParameterAddress{group, index, 0}, value);
}

void CVpGlobalAccessor::SetValue(CVpGlobalData* global, const ParameterAddress& address, std::int32_t value) const
{
    SetRawValue(global, address, value);
}

void CVpGlobalAccessor::GetValueText(const CVpGlobalData* global, const ParameterAddress& address, char* buffer,
                                     int size) const
{
    ValueToText(global, address, GetValue(global, address), buffer, size);
}

std::int32_t CVpGlobalAccessor::GetMinimum(const CVpGlobalData* /*global*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->minimum : 0;
}

std::int32_t CVpGlobalAccessor::GetMaximum(const CVpGlobalData* /*global*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->maximum : 0;
}

std::int32_t CVpGlobalAccessor::GetBias(const CVpGlobalData* /*global*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->bias : 0;
}

const char* CVpGlobalAccessor::GetName(const CVpGlobalData* /*global*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->name : nullptr;
}

const char* CVpGlobalAccessor::GetValueTypeKey(const CVpGlobalData* /*global*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->key : nullptr;
}

std::int32_t CVpGlobalAccessor::GetControlKind(const CVpGlobalData* /*global*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->kind : 0;
}

bool CVpGlobalAccessor::IsEnabled(const CVpGlobalData* /*global*/, const ParameterAddress& /*address*/) const
{
    return true;
}

const ParameterRow* CVpGlobalAccessor::GetRow(const ParameterAddress& address) const
{
    return m_pParameterTable->GetRow({address.group, address.index, 0});
}
