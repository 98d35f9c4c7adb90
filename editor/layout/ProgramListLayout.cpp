#include "editor/layout/Layouts.h"

namespace layout {

Window ProgramListLayout()
{
    return {"ProgramList", "BG_ProgramListFav", 982, 630, 0, 0, {}};
}

}  // namespace layout
