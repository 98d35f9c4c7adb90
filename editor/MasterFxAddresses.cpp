#include "editor/MasterFxAddresses.h"

namespace {

constexpr std::uint32_t kMasterFxGroup = 6;
// Each effect's block in the group starts with its "MFX SW" row.
constexpr int kGroupRowsPerEffect = master_fx::kRowsPerEffect + 1;

}  // namespace

ParameterAddress GetMasterFxAddress(int row)
{
    if (row < 0 || row >= master_fx::kRows)
        return {0, 0, 0};
    const int effect = row / master_fx::kRowsPerEffect;
    const int index = effect * kGroupRowsPerEffect + 1 + row % master_fx::kRowsPerEffect;
    return {kMasterFxGroup, static_cast<std::uint32_t>(index), 0};
}
