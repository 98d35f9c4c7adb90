#include "editor/layout/Layouts.h"

namespace layout {

Window GlobalFrameLayout()
{
    return {"GlobalEdit", "BG_GlobalEditFav", 982, 630, 0, 0, {}};
}

}  // namespace layout
