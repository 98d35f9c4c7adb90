#include "editor/layout/Layouts.h"

namespace layout {

Window SynthEditLayout()
{
    return {"SynthEdit", "BG_SynthEdit", 794, 600, 0, 0, {}};
}

}  // namespace layout
