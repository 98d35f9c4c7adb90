#pragma once
// Brings a program of an older data kind to the current layout: kinds 1 and
// 2 kept the ribbon settings in the common block.
class CProgram;

class CParameterConverter
{
public:
    virtual ~CParameterConverter() = default;
    // True when something was converted.
    virtual bool Convert() = 0;
};

class CProgramParameterConverter : public CParameterConverter
{
public:
    // The program is not owned and must outlive the converter.
    explicit CProgramParameterConverter(CProgram& program) : m_program(program) {}

    // Moves the ribbon bytes and raises the kind to 3; false, with nothing
    // changed, for a program already of kind 3 or above. Neither the digest
    // nor the saved copy is touched.
    bool Convert() override;

private:
    CProgram& m_program;
};
