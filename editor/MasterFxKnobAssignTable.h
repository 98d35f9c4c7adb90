#pragma once
// The parameters of one master effect that the long ribbon may drive, as
// the assignment menu lists them: position 0 is no assignment, position p
// the p-th assignable parameter in ascending order. Built where it is
// needed; it reads the effect's type once, when it is made.
#include <array>
#include <cstdint>
#include <string>

class CVpProgramData;

class CMasterFxKnobAssignTable
{
public:
    static constexpr int kMaxEntries = 20;

    // effect: 0 or 1.
    CMasterFxKnobAssignTable(const CVpProgramData* program, int effect);
    virtual ~CMasterFxKnobAssignTable() = default;

    std::int32_t GetType() const { return m_type; }
    int GetCount() const { return m_iCount; }

    // Position 0 gives no assignment (31); a position outside the list -1.
    std::int32_t ParameterAt(int position) const;
    // 0 for no assignment and for a parameter the list does not hold.
    int PositionOf(std::int32_t parameter) const;
    // The quoted "Assign Off" for no assignment and for a parameter the
    // type does not offer, "(null)" for a number outside the effect,
    // otherwise the parameter's name.
    std::string GetAssignText(std::int32_t parameter) const;
    // The same texts by menu position.
    std::string GetItemText(int position) const;

private:
    const CVpProgramData* m_pProgram;
    int m_effect;
    std::int32_t m_type = 0;
    int m_iCount = 0;
    std::array<std::int32_t, kMaxEntries> m_list{};
};
