#include "model/ProgramParameterConverter.h"

#include "model/Program.h"

namespace {

constexpr int kCurrentKind = 3;

struct ByteMove
{
    int from;
    int to;
};

// The old places of the ribbon settings and their places now; the sources stay.
constexpr ByteMove kMoves[] = {{9, 348}, {10, 349}, {11, 350}, {15, 347}};
constexpr int kShortRibbonByte = 346;
constexpr std::uint8_t kShortRibbonDefault = 1;  // unlocked, assigned to 1
constexpr int kCategoryByte = 351;

}  // namespace

bool CProgramParameterConverter::Convert()
{
    if (m_program.GetKind() >= kCurrentKind)
        return false;
    std::uint8_t* image = m_program.GetData();
    for (const ByteMove& move : kMoves)
        image[move.to] = image[move.from];
    image[kShortRibbonByte] = kShortRibbonDefault;
    image[kCategoryByte] = 0;
    m_program.SetKind(kCurrentKind);
    return true;
}
