#pragma once
// A control that stands for one value of its parameter (an LED of a row of
// lamps): a press writes that value, and it lights while the parameter
// has it.
#include <cstdint>

class CFixedValueControl
{
public:
    virtual ~CFixedValueControl() = default;
    virtual std::int32_t GetFixedValue() const = 0;
};
