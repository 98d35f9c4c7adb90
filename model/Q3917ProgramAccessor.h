#pragma once
// The program accessor of the device: parameter storage in the image, the
// oscillator 1 and master effect dependencies, enabling and value texts.
// Its members are defined by concern in:
//   Q3917ProgramAccessor.cpp    storage in the image, ranges, names and kinds
//   Q3917OscControls.cpp        the oscillator 1 controls that change with wave and modulation
//   Q3917MasterEffects.cpp      master effect types and their parameters
//   Q3917ParameterEnabling.cpp  whether a parameter or an effect slot takes effect
//   Q3917ValueText.cpp          value texts of the device's own formats
#include "model/VpProgramAccessor.h"
#include "model/VpProgramAccessorSingleton.h"

#include <cstdint>

struct Q3917OscControlMemory;
class CQ3917ProgramData;

class CQ3917ProgramAccessor : public CVpProgramAccessorSingleton<CQ3917ProgramAccessor>, public CVpProgramAccessor
{
public:
    CQ3917ProgramAccessor();

    std::int32_t GetValue(const CVpProgramData* program, const ParameterAddress& address) const override;
    void SetValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const override;
    std::int32_t GetRawValue(const CVpProgramData* program, const ParameterAddress& address) const override;
    void SetRawValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const override;
    void ValueToText(const CVpProgramData* program, const ParameterAddress& address, std::int32_t value, char* buffer,
                     int size) const override;
    std::int32_t GetMinimum(const CVpProgramData* program, const ParameterAddress& address) const override;
    std::int32_t GetMaximum(const CVpProgramData* program, const ParameterAddress& address) const override;
    std::int32_t GetBias(const CVpProgramData* program, const ParameterAddress& address) const override;
    const char* GetName(const CVpProgramData* program, const ParameterAddress& address) const override;
    const char* GetValueTypeKey(const CVpProgramData* program, const ParameterAddress& address) const override;
    std::int32_t GetControlKind(const CVpProgramData* program, const ParameterAddress& address) const override;
    // A timbre other than 0 or 1 in the timbre groups names no parameter.
    bool IsSupported(const ParameterAddress& address) const override;
    bool IsSupported(const CVpProgramData* program, const ParameterAddress& address) const override;
    bool IsEnabled(const CVpProgramData* program, const ParameterAddress& address) const override;
    bool IsAvailable(const CVpProgramData* program, const ParameterAddress& address) const override;
    std::uint32_t GetParameterCount() const override;
    std::uint32_t GetFlaggedParameterCount() const override;

    // The effect row of a master effect slot under the current effect type;
    // null for any other address.
    const FxParameterRow* GetFxParameterRow(const CVpProgramData* program, const ParameterAddress& address) const;

    // Rebuilds the program's oscillator 1 memory from its image.
    void ResetOscControlMemory(CQ3917ProgramData& program) const;

private:
    // Raw value of another row of the same timbre.
    std::int32_t Raw(const CVpProgramData* program, std::uint32_t group, std::uint32_t index,
                     std::uint32_t timbre) const;
    void SetRaw(CVpProgramData* program, std::uint32_t group, std::uint32_t index, std::uint32_t timbre,
                std::int32_t value) const;

    // The current range: the effect slot's, oscillator 1's, or the row's.
    void GetRange(const CVpProgramData* program, const ParameterAddress& address, std::int32_t& minimum,
                  std::int32_t& maximum) const;

    // Oscillator 1 (group 2 rows 19 and 21-23).
    bool GetOscRange(const CVpProgramData* program, const ParameterAddress& address, std::int32_t& minimum,
                     std::int32_t& maximum) const;
    bool GetOscName(const CVpProgramData* program, const ParameterAddress& address, const char*& name) const;
    const char* GetOscKey(const CVpProgramData* program, const ParameterAddress& address) const;
    std::int32_t OscControlToValue(const CVpProgramData* program, const ParameterAddress& address,
                                   std::int32_t raw) const;
    // True when the address was one of the oscillator 1 rows and was handled.
    bool SetOscValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const;
    void RestoreOscControls(CVpProgramData* program, std::uint32_t timbre) const;

    // Master effects (group 6).
    const FxTypeRecord* GetFxTypeRecord(const CVpProgramData* program, const ParameterAddress& address) const;
    std::int32_t GetFxType(const CVpProgramData* program, const ParameterAddress& address) const;
    std::int32_t FxSlotValue(const CVpProgramData* program, const ParameterAddress& address, std::int32_t slot) const;
    void SetFxType(CVpProgramData* program, const ParameterAddress& address, std::int32_t type) const;
    void SetFxParameter(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const;
    bool IsFxEnabled(const CVpProgramData* program, const ParameterAddress& address) const;
    bool IsRowEnabled(const CVpProgramData* program, const ParameterAddress& address) const;
};
