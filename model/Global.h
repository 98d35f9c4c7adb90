#pragma once
// The global document of a library.
#include "model/Q3917GlobalData.h"

class CGlobal : public CQ3917GlobalData
{
public:
    // The default image, digest recomputed.
    void Initialize() override { Clear(); }
};
