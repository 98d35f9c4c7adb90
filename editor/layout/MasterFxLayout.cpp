#include "editor/layout/Layouts.h"

namespace layout {

Window MasterFxLayout()
{
    return {"MasterFXEdit", "BG_MasterFXEdit", 630, 518, 0, 0, {}};
}

}  // namespace layout
