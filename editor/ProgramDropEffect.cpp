#include "editor/ProgramDropEffect.h"

namespace {

constexpr int kCtrl = 2;
constexpr int kAlt = 4;

}  // namespace

int ProgramDragEffect(bool fromThisPage, int modifiers)
{
    if (!fromThisPage || (modifiers & kCtrl) != 0)
        return kProgramDropCopy;
    return (modifiers & kAlt) != 0 ? kProgramDropLink : kProgramDropMove;
}
