#include "editor/layout/Layouts.h"

namespace layout {

Window VocoderEditLayout()
{
    return {"VocoderEdit", "BG_VocoderEdit", 690, 408, 0, 0, {}};
}

}  // namespace layout
