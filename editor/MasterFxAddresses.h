#pragma once
// The rows through which the master effect window and the program page
// reach the two master effects: per effect its type, the long ribbon's
// assignment and polarity, then its 20 parameters, effect 2 following
// effect 1. The "MFX SW" rows of the data model are not among them.
#include "model/VpParameterTable.h"

namespace master_fx {

inline constexpr int kEffects = 2;
inline constexpr int kRowsPerEffect = 23;
inline constexpr int kRows = kEffects * kRowsPerEffect;
inline constexpr int kParameters = 20;

// Rows within one effect.
inline constexpr int kTypeRow = 0;
inline constexpr int kRibbonAssignRow = 1;
inline constexpr int kRibbonPolarityRow = 2;
inline constexpr int kFirstParameterRow = 3;

// The long ribbon drives no parameter.
inline constexpr int kNoAssignment = 31;

constexpr int RowOf(int effect, int rowInEffect)
{
    return effect * kRowsPerEffect + rowInEffect;
}

constexpr int ParameterRow(int effect, int parameter)
{
    return RowOf(effect, kFirstParameterRow + parameter);
}

}  // namespace master_fx

// The row's address in group 6; the zero address for a row outside the table.
ParameterAddress GetMasterFxAddress(int row);
