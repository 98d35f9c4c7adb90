#include "model/ProgramRandomizerPass.h"

#include "model/ProgramRandomSource.h"
#include "model/Q3917ParameterIndex.h"
#include "model/VpProgramAccessor.h"

std::int32_t CRandomizerPass::Uniform(std::int32_t low, std::int32_t high)
{
    if (high < low)
        return low;
    return low + m_source.NextInt(high - low + 1);
}

bool CRandomizerPass::Chance(float p)
{
    return m_source.NextFloat() < p;
}

std::int32_t CRandomizerPass::EitherValue(float p, std::int32_t first, std::int32_t second)
{
    return Chance(p) ? first : second;
}

std::int32_t CRandomizerPass::EitherRange(const RandomRange& first, float p, const RandomRange& second)
{
    return Uniform(Chance(p) ? first : second);
}

std::int32_t CRandomizerPass::ZeroOrEitherRange(float pZero, const RandomRange& first, float p,
                                                const RandomRange& second)
{
    return Chance(pZero) ? 0 : EitherRange(first, p, second);
}

std::int32_t CRandomizerPass::PickFromTwoRanges(const RandomRange& first, float p, const RandomRange& second)
{
    const RandomRange& range = Chance(p) ? first : second;
    return range.low == range.high ? range.low : Uniform(range);
}

std::int32_t CRandomizerPass::Get(std::uint32_t group, std::uint32_t row) const
{
    return m_accessor.GetValue(&m_program, Address(group, row));
}

void CRandomizerPass::Set(std::uint32_t group, std::uint32_t row, std::int32_t value)
{
    m_accessor.SetValue(&m_program, Address(group, row), value);
}

std::int32_t CRandomizerPass::GetSynth(std::uint32_t row) const
{
    return Get(Q3917::kGroupSynth, row);
}

void CRandomizerPass::SetSynth(std::uint32_t row, std::int32_t value)
{
    Set(Q3917::kGroupSynth, row, value);
}

std::int32_t CRandomizerPass::BelowMaximum(std::uint32_t row)
{
    const ParameterAddress address = Address(Q3917::kGroupSynth, row);
    const std::int32_t minimum = m_accessor.GetMinimum(&m_program, address);
    const std::int32_t maximum = m_accessor.GetMaximum(&m_program, address);
    if (maximum <= minimum)
        return minimum;
    return minimum + m_source.NextInt(maximum - minimum);
}

void CRandomizerPass::ApplyUniformRule(std::uint32_t row)
{
    const ParameterAddress address = Address(Q3917::kGroupSynth, row);
    if (!m_accessor.IsEnabled(&m_program, address))
        return;
    const std::int32_t minimum = m_accessor.GetMinimum(&m_program, address);
    const std::int32_t maximum = m_accessor.GetMaximum(&m_program, address);
    if (maximum > minimum)
        m_accessor.SetValue(&m_program, address, minimum + m_source.NextInt(maximum - minimum));
}
