#pragma once
// The global accessor of the device: bit fields of the global image, range
// clamps, enabling and the global value texts.
#include "model/VpGlobalAccessor.h"
#include "model/VpGlobalAccessorSingleton.h"

class CQ3917GlobalAccessor : public CVpGlobalAccessorSingleton<CQ3917GlobalAccessor>, public CVpGlobalAccessor
{
public:
    CQ3917GlobalAccessor();

    using CVpGlobalAccessor::GetValue;
    using CVpGlobalAccessor::SetValue;
    // Clamped to the row's range.
    std::int32_t GetValue(const CVpGlobalData* global, const ParameterAddress& address) const override;
    // Clamps to the row's range before storing.
    void SetValue(CVpGlobalData* global, const ParameterAddress& address, std::int32_t value) const override;
    // 0 for null data or a missing or unsupported row; signed where the minimum is negative.
    std::int32_t GetRawValue(const CVpGlobalData* global, const ParameterAddress& address) const override;
    // Keeps the other bits of the byte; unsupported rows are not stored.
    void SetRawValue(CVpGlobalData* global, const ParameterAddress& address, std::int32_t value) const override;
    // False for the settings the editor must not change on the device.
    bool IsEnabled(const CVpGlobalData* global, const ParameterAddress& address) const override;
};
