#include "editor/layout/Layouts.h"

namespace layout {

Window CcMapLayout()
{
    return {"CcMap", "BG_GlobalEditFav", 982, 630, 530, 133, {}};
}

}  // namespace layout
