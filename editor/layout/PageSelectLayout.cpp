#include "editor/layout/Layouts.h"

namespace layout {

Window PageSelectLayout()
{
    return {"PageSelect", "BG_PageSelect", 982, 37, 0, 0, {}};
}

}  // namespace layout
