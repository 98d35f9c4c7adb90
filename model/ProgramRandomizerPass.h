#pragma once
// One run of the program randomizer over one timbre: the draws and the
// accessor calls every step is made of.
#include "model/VpParameterTable.h"

#include <cstdint>

class CVpProgramAccessor;
class CVpProgramData;
class IProgramRandomSource;

// Both ends included.
struct RandomRange
{
    std::int32_t low;
    std::int32_t high;

    bool operator==(const RandomRange&) const = default;
};

class CRandomizerPass
{
public:
    CRandomizerPass(const CVpProgramAccessor& accessor, CVpProgramData& program, std::uint32_t timbre,
                    IProgramRandomSource& source)
        : m_accessor(accessor), m_program(program), m_uTimbre(timbre), m_source(source)
    {}

    // low + NextInt(high - low + 1); low, without a draw, for an empty range.
    std::int32_t Uniform(std::int32_t low, std::int32_t high);
    std::int32_t Uniform(const RandomRange& range) { return Uniform(range.low, range.high); }
    // A fresh draw below p.
    bool Chance(float p);
    // chance p: first, else second.
    std::int32_t EitherValue(float p, std::int32_t first, std::int32_t second);
    // chance p: Uniform(first), else Uniform(second).
    std::int32_t EitherRange(const RandomRange& first, float p, const RandomRange& second);
    // chance pZero: 0, else EitherRange(first, p, second).
    std::int32_t ZeroOrEitherRange(float pZero, const RandomRange& first, float p, const RandomRange& second);
    // chance p: first, else second; a one-value range gives its value without a draw.
    std::int32_t PickFromTwoRanges(const RandomRange& first, float p, const RandomRange& second);

    std::int32_t Get(std::uint32_t group, std::uint32_t row) const;
    void Set(std::uint32_t group, std::uint32_t row, std::int32_t value);
    std::int32_t GetSynth(std::uint32_t row) const;
    void SetSynth(std::uint32_t row, std::int32_t value);

    // From the row's current minimum up to, not including, its maximum; the
    // minimum, without a draw, when the range holds one value.
    std::int32_t BelowMaximum(std::uint32_t row);
    // The flat draw of one synth row: only an enabled row with more than one
    // value, and never its maximum.
    void ApplyUniformRule(std::uint32_t row);

private:
    ParameterAddress Address(std::uint32_t group, std::uint32_t row) const { return {group, row, m_uTimbre}; }

    const CVpProgramAccessor& m_accessor;
    CVpProgramData& m_program;
    std::uint32_t m_uTimbre;
    IProgramRandomSource& m_source;
};
