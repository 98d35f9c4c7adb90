#include "model/VpProgramAccessor.h"

#include "framework/services/EfTrace.h"

#include <cmath>
#include <limits>
#include <utility>

CVpProgramAccessor::CVpProgramAccessor(std::unique_ptr<CVpParameterTable> table,
                                       std::unique_ptr<CVpFxParameterTable> fxTable)
    : m_pParameterTable(std::move(table)), m_pFxParameterTable(std::move(fxTable))
{}

std::int32_t CVpProgramAccessor::GetValue(const CVpProgramData* program, const ParameterAddress& address) const
{
    return GetRawValue(program, address);
}

void CVpProgramAccessor::SetValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const
{
    SetRawValue(program, address, value);
}

float CVpProgramAccessor::GetValueAsFloat(const CVpProgramData* program, const ParameterAddress& address) const
{
    return ValueToFloat(program, address, GetValue(program, address));
}

void CVpProgramAccessor::SetParameterByFloat(CVpProgramData* program, const ParameterAddress& address,
                                             float value) const
{
    const std::int32_t converted = FloatToValue(program, address, value);
    EfTrace("SetParameterByFloat: %.3f -> %d", static_cast<double>(value), converted);
    SetValue(program, address, converted);
}

float CVpProgramAccessor::ValueToFloat(const CVpProgramData* program, const ParameterAddress& address,
                                       std::int32_t value) const
{
    // Parameters without a range (empty effect slots, some oscillator modes) have a maximum of 0.
    const std::int32_t maximum = GetMaximum(program, address);
    if (maximum == 0)
        return 0.0f;
    return static_cast<float>(value - GetMinimum(program, address)) / static_cast<float>(maximum);
}

std::int32_t CVpProgramAccessor::FloatToValue(const CVpProgramData* program, const ParameterAddress& address,
                                              float value) const
{
    const double product = std::trunc(static_cast<double>(GetMaximum(program, address)) * value);
    // A value that has no integer (NaN, out of range) must not reach the conversion.
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    const double safe = std::isnan(product) ? 0.0 : std::fmin(std::fmax(product, kLow), kHigh);
    return static_cast<std::int32_t>(GetMinimum(program, address) + static_cast<std::int64_t>(safe));
}

void CVpProgramAccessor::GetValueText(const CVpProgramData* program, const ParameterAddress& address, char* buffer,
                                      int size) const
{
    ValueToText(program, address, GetValue(program, address), buffer, size);
}

const ParameterRow* CVpProgramAccessor::GetRow(const ParameterAddress& address) const
{
    return m_pParameterTable->GetRow(address);
}

std::int32_t CVpProgramAccessor::GetMinimum(const CVpProgramData* /*program*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->minimum : 0;
}

std::int32_t CVpProgramAccessor::GetMaximum(const CVpProgramData* /*program*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->maximum : 0;
}

std::int32_t CVpProgramAccessor::GetBias(const CVpProgramData* /*program*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->bias : 0;
}

const char* CVpProgramAccessor::GetName(const CVpProgramData* /*program*/, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->name : nullptr;
}

const char* CVpProgramAccessor::GetValueTypeKey(const CVpProgramData* /*program*/,
                                                const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->key : nullptr;
}

std::int32_t CVpProgramAccessor::GetControlKind(const CVpProgramData* /*program*/,
                                                const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->kind : 0;
}

bool CVpProgramAccessor::IsSupported(const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr && (row->supported & 0xFF) != 0;
}

bool CVpProgramAccessor::GetRowFlag(const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr && (row->flag & 0xFF) != 0;
}

bool CVpProgramAccessor::IsSupported(const CVpProgramData* /*program*/, const ParameterAddress& address) const
{
    return IsSupported(address);
}

bool CVpProgramAccessor::IsEnabled(const CVpProgramData* /*program*/, const ParameterAddress& /*address*/) const
{
    return true;
}

bool CVpProgramAccessor::IsAvailable(const CVpProgramData* /*program*/, const ParameterAddress& /*address*/) const
{
    return true;
}

std::int32_t CVpProgramAccessor::GetKnobAssignNumber(const CVpProgramData* /*program*/,
                                                     const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    return row != nullptr ? row->knob : -1;
}
