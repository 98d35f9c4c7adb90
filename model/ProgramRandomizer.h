#pragma once
// Rewrites the sound of one timbre of a program with random values, either
// flat over the synth rows or shaped so that the result stays playable.
// Every value goes through the accessor; nothing is sent or marked modified.
#include <cstdint>

class CVpProgramAccessor;
class CVpProgramData;
class IProgramRandomSource;

class CProgramRandomizer
{
public:
    // The process-wide accessor and the toolkit's process-wide generator.
    CProgramRandomizer();
    // Both must outlive the randomizer.
    CProgramRandomizer(const CVpProgramAccessor& accessor, IProgramRandomSource& source);
    virtual ~CProgramRandomizer();
    CProgramRandomizer(const CProgramRandomizer&) = delete;
    CProgramRandomizer& operator=(const CProgramRandomizer&) = delete;

    // The program is not owned; the timbre is 0 or 1.
    void SetProgram(CVpProgramData* program) { m_pProgram = program; }
    void SetTimbre(std::uint32_t timbre) { m_uTimbre = timbre; }
    CVpProgramData* GetProgram() const { return m_pProgram; }
    std::uint32_t GetTimbre() const { return m_uTimbre; }

    // The shaped draw over the set program and timbre; nothing without a
    // program or an accessor.
    void Randomize();

    // The flat draw over the synth rows.
    static void SimpleRandomize(CVpProgramData* program, std::uint32_t timbre);
    static void SimpleRandomize(CVpProgramData* program, std::uint32_t timbre, const CVpProgramAccessor& accessor,
                                IProgramRandomSource& source);

private:
    const CVpProgramAccessor* m_pAccessor;
    IProgramRandomSource* m_pSource;
    CVpProgramData* m_pProgram = nullptr;
    std::uint32_t m_uTimbre = 0;
};
