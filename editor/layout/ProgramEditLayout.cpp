#include "editor/layout/Layouts.h"

namespace layout {

Window ProgramEditLayout()
{
    return {"ProgramEdit", "BG_ProgramEdit", 594, 563, 0, 0, {}};
}

}  // namespace layout
