#pragma once
// What a drop on the favourite grid does to the global data: a program
// dropped on a slot becomes its favourite, a slot dropped on another trades
// programs with it.
#include <cstdint>

class CGlobal;

inline constexpr int kFavoriteSlotCount = 40;

// The program a slot holds; 0 for a slot out of range or while the data
// model has no global accessor.
std::int32_t FavoriteProgram(const CGlobal& global, int slot);
// False, with nothing changed, for a slot or program out of range or while
// the data model has no global accessor.
bool SetFavoriteProgram(CGlobal& global, int slot, std::uint32_t program);
bool SwapFavoritePrograms(CGlobal& global, int pressed, int target);
