#pragma once
// The way everything reads and changes a program parameter by its address,
// with its range, name, display and state. Reads of a null program give 0
// and writes to it do nothing.
// Its members are defined by concern in:
//   VpProgramAccessor.cpp  values, floats, ranges, names, kinds and states by address
//   VpValueText.cpp        the text a value is shown as
#include "model/VpFxParameterTable.h"
#include "model/VpParameterTable.h"
#include "model/VpProgramData.h"

#include <cstdint>
#include <memory>

class CVpProgramAccessor
{
public:
    CVpProgramAccessor(std::unique_ptr<CVpParameterTable> table, std::unique_ptr<CVpFxParameterTable> fxTable);
    CVpProgramAccessor(const CVpProgramAccessor&) = delete;
    CVpProgramAccessor& operator=(const CVpProgramAccessor&) = delete;
    virtual ~CVpProgramAccessor() = default;

    virtual std::int32_t GetValue(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual void SetValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const;
    virtual float GetValueAsFloat(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual void SetParameterByFloat(CVpProgramData* program, const ParameterAddress& address, float value) const;
    // (value - minimum) / maximum; 0 when the maximum is 0.
    virtual float ValueToFloat(const CVpProgramData* program, const ParameterAddress& address,
                               std::int32_t value) const;
    // minimum + maximum x value, truncated toward zero.
    virtual std::int32_t FloatToValue(const CVpProgramData* program, const ParameterAddress& address,
                                      float value) const;
    virtual std::int32_t GetRawValue(const CVpProgramData* program, const ParameterAddress& address) const = 0;
    virtual void SetRawValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const = 0;
    // Writes at most size bytes, terminator included.
    virtual void ValueToText(const CVpProgramData* program, const ParameterAddress& address, std::int32_t value,
                             char* buffer, int size) const;
    virtual void GetValueText(const CVpProgramData* program, const ParameterAddress& address, char* buffer,
                              int size) const;
    virtual const ParameterRow* GetRow(const ParameterAddress& address) const;
    virtual std::int32_t GetMinimum(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual std::int32_t GetMaximum(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual std::int32_t GetBias(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual const char* GetName(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual const char* GetValueTypeKey(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual std::int32_t GetControlKind(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual bool IsSupported(const ParameterAddress& address) const;
    virtual bool GetRowFlag(const ParameterAddress& address) const;
    virtual bool IsSupported(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual bool IsEnabled(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual bool IsAvailable(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual std::int32_t GetKnobAssignNumber(const CVpProgramData* program, const ParameterAddress& address) const;
    virtual std::uint32_t GetParameterCount() const = 0;
    virtual std::uint32_t GetFlaggedParameterCount() const = 0;

    // The master effects' types and their parameter slots.
    const CVpFxParameterTable& GetFxParameterTable() const { return *m_pFxParameterTable; }

protected:
    const CVpParameterTable& GetParameterTable() const { return *m_pParameterTable; }

private:
    // Declared in this order so the effect table goes first.
    std::unique_ptr<CVpParameterTable> m_pParameterTable;
    std::unique_ptr<CVpFxParameterTable> m_pFxParameterTable;
};
