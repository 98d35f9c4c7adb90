#pragma once
// A framework control that a layer binds to a parameter and otherwise
// leaves as it is: it is created from the framework's own descriptor and
// adds only the binding and its type code.
#include "app/CustomControl.h"

template <class Framework, int TypeCode>
class CBoundControl : public Framework, public CCustomControl
{
public:
    int GetControlType() const override { return TypeCode; }
    bool IsEnabled() const override { return CCustomControl::IsEnabled(); }
};
