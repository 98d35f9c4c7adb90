#include "editor/FavoriteSlotMoves.h"

#include "model/Global.h"
#include "model/LibraryData.h"
#include "model/Q3917GlobalAccessor.h"

namespace {

// The favourite program numbers are the global parameters (6, slot).
constexpr std::uint32_t kFavoriteGroup = 6;

bool IsSlot(int slot)
{
    return slot >= 0 && slot < kFavoriteSlotCount;
}

}  // namespace

std::int32_t FavoriteProgram(const CGlobal& global, int slot)
{
    const CQ3917GlobalAccessor* accessor = CQ3917GlobalAccessor::PeekInstance();
    if (accessor == nullptr || !IsSlot(slot))
        return 0;
    return accessor->GetValue(&global, kFavoriteGroup, static_cast<std::uint32_t>(slot));
}

bool SetFavoriteProgram(CGlobal& global, int slot, std::uint32_t program)
{
    const CQ3917GlobalAccessor* accessor = CQ3917GlobalAccessor::PeekInstance();
    if (accessor == nullptr || !IsSlot(slot) || program >= static_cast<std::uint32_t>(kProgramBankSize))
        return false;
    accessor->SetValue(&global, kFavoriteGroup, static_cast<std::uint32_t>(slot), static_cast<std::int32_t>(program));
    return true;
}

bool SwapFavoritePrograms(CGlobal& global, int pressed, int target)
{
    const CQ3917GlobalAccessor* accessor = CQ3917GlobalAccessor::PeekInstance();
    if (accessor == nullptr || !IsSlot(pressed) || !IsSlot(target))
        return false;
    const auto from = static_cast<std::uint32_t>(pressed);
    const auto to = static_cast<std::uint32_t>(target);
    const std::int32_t moved = accessor->GetValue(&global, kFavoriteGroup, from);
    accessor->SetValue(&global, kFavoriteGroup, from, accessor->GetValue(&global, kFavoriteGroup, to));
    accessor->SetValue(&global, kFavoriteGroup, to, moved);
    return true;
}
