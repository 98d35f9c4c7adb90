#pragma once
// The way the global pages, files and the MIDI manager read and change a
// global parameter by its (group, index) address, with its range, name and
// value text. The base stores raw values; the model class adds the ranges.
// Its members are defined by concern in:
//   VpGlobalAccessor.cpp   values, ranges, names and kinds by address
//   VpGlobalValueText.cpp  the text a value is shown as
#include "model/VpGlobalData.h"
#include "model/VpParameterTable.h"

#include <cstdint>
#include <memory>

class CVpGlobalAccessor
{
public:
    explicit CVpGlobalAccessor(std::unique_ptr<CVpParameterTable> table);
    CVpGlobalAccessor(const CVpGlobalAccessor&) = delete;
    CVpGlobalAccessor& operator=(const CVpGlobalAccessor&) = delete;
    virtual ~CVpGlobalAccessor() = default;

    virtual std::int32_t GetValue(const CVpGlobalData* global, std::uint32_t group, std::uint32_t index) const;
    virtual std::int32_t GetValue(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual void SetValue(CVpGlobalData* global, std::uint32_t group, std::uint32_t index, std::int32_t value) const;
    virtual void SetValue(CVpGlobalData* global, const ParameterAddress& address, std::int32_t value) const;
    virtual std::int32_t GetRawValue(const CVpGlobalData* global, const ParameterAddress& address) const = 0;
    virtual void SetRawValue(CVpGlobalData* global, const ParameterAddress& address, std::int32_t value) const = 0;
    // Writes at most size bytes, terminator included.
    virtual void ValueToText(const CVpGlobalData* global, const ParameterAddress& address, std::int32_t value,
                             char* buffer, int size) const;
    virtual void GetValueText(const CVpGlobalData* global, const ParameterAddress& address, char* buffer,
                              int size) const;
    // The row's fields; 0 or null where there is no row.
    virtual std::int32_t GetMinimum(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual std::int32_t GetMaximum(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual std::int32_t GetBias(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual const char* GetName(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual const char* GetValueTypeKey(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual std::int32_t GetControlKind(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual bool IsEnabled(const CVpGlobalData* global, const ParameterAddress& address) const;
    virtual const ParameterRow* GetRow(const ParameterAddress& address) const;

protected:
    const CVpParameterTable& GetParameterTable() const { return *m_pParameterTable; }

private:
    std::unique_ptr<CVpParameterTable> m_pParameterTable;
};
