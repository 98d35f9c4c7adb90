#pragma once
// The image every new program starts from: a plain sound named "INITPROG".
// The table is written by tools/initprog from named parameter values.
#include "model/Q3917ProgramData.h"

#include <cstdint>

extern const std::uint8_t kQ3917InitialProgramImage[CQ3917ProgramData::kImageSize];
