#include "ProgramBuilder.h"

#include "model/Q3917ParameterTable.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint32_t kGroups = 9;

bool IsTimbreGroup(std::uint32_t group)
{
    return group == 1 || group == 2 || group == 4;
}

std::uint32_t TimbresOf(std::uint32_t group)
{
    return IsTimbreGroup(group) ? 2 : 1;
}

std::runtime_error Error(const NamedValue& value, const std::string& what)
{
    return std::runtime_error("line " + std::to_string(value.line) + ": " + value.name + ": " + what);
}

class Builder
{
public:
    Builder() { m_program.Clear(); }

    // Rows left unnamed start at 0, or at their minimum when 0 is outside.
    void SetRuleValues()
    {
        ForEachAddress([this](const ParameterAddress& address) {
            const std::int32_t minimum = m_accessor.GetMinimum(&m_program, address);
            const std::int32_t maximum = m_accessor.GetMaximum(&m_program, address);
            const std::int32_t raw = m_accessor.GetRawValue(&m_program, address);
            if (raw < minimum || raw > maximum)
                m_accessor.SetValue(&m_program, address, std::clamp(0, minimum, maximum));
        });
    }

    void Apply(const NamedValue& value)
    {
        if (value.isText) {
            ApplyText(value);
            return;
        }
        const auto rows = Matching(value.group, value.name);
        const bool wildcard = value.name.find('*') != std::string::npos;
        if (rows.empty() || (!wildcard && rows.size() > 1))
            throw Error(value, rows.empty() ? "no supported row of that name" : "the name is not unique");
        for (const std::uint32_t index : rows)
            for (std::uint32_t timbre = 0; timbre < TimbresOf(value.group); ++timbre)
                Set(value, {value.group, index, timbre}, value.value);
    }

    // Every supported field, read back, lies in the range it has now.
    void Verify() const
    {
        ForEachAddress([this](const ParameterAddress& address) {
            const std::int32_t raw = m_accessor.GetRawValue(&m_program, address);
            if (raw < m_accessor.GetMinimum(&m_program, address) || raw > m_accessor.GetMaximum(&m_program, address))
                throw std::runtime_error(std::string("out of range: ") + m_accessor.GetName(&m_program, address));
        });
    }

    std::array<std::uint8_t, kImageSize> Image() const
    {
        std::array<std::uint8_t, kImageSize> image{};
        std::memcpy(image.data(), m_program.GetData(), image.size());
        return image;
    }

private:
    template <class F>
    void ForEachAddress(F visit) const
    {
        for (std::uint32_t group = 0; group < kGroups; ++group)
            for (std::uint32_t index = 0; index < m_table.GetCount(group); ++index)
                for (std::uint32_t timbre = 0; timbre < TimbresOf(group); ++timbre)
                    if (m_accessor.IsSupported(&m_program, {group, index, timbre}))
                        visit(ParameterAddress{group, index, timbre});
    }

    std::vector<std::uint32_t> Matching(std::uint32_t group, const std::string& pattern) const
    {
        std::vector<std::uint32_t> rows;
        for (std::uint32_t index = 0; index < m_table.GetCount(group); ++index) {
            const ParameterAddress address{group, index, 0};
            const ParameterRow* row = m_table.GetRow(address);
            if (m_accessor.IsSupported(address) && fnmatch(pattern.c_str(), row->name, 0) == 0)
                rows.push_back(index);
        }
        return rows;
    }

    void ApplyText(const NamedValue& value)
    {
        const auto rows = Matching(value.group, value.name + " [0-9]*");
        if (rows.empty() || value.text.size() > rows.size())
            throw Error(value, "the text does not fit the rows of that name");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const char character = i < value.text.size() ? value.text[i] : ' ';
            Set(value, {value.group, rows[i], 0}, static_cast<unsigned char>(character));
        }
    }

    void Set(const NamedValue& value, const ParameterAddress& address, std::int32_t number)
    {
        m_accessor.SetValue(&m_program, address, number);
        if (m_accessor.GetValue(&m_program, address) != number)
            throw Error(value, "value " + std::to_string(number) + " is outside the row's range");
    }

    CQ3917ProgramData m_program;
    CQ3917ProgramAccessor m_accessor;
    CQ3917ParameterTable m_table;
};

}  // namespace

std::array<std::uint8_t, kImageSize> BuildProgramImage(const std::vector<NamedValue>& values)
{
    Builder builder;
    builder.SetRuleValues();
    for (const NamedValue& value : values)
        builder.Apply(value);
    builder.Verify();
    return builder.Image();
}
