#include "editor/layout/Layouts.h"

namespace layout {

Window GlobalPageLayout()
{
    return {"GlobalPage", "BG_GlobalEditFav", 982, 630, 28, 133, {}};
}

}  // namespace layout
