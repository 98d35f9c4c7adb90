// The stock objects: made once, never deleted.
#include "gdi_objects.h"

namespace platform::gdi {

std::optional<COLORREF> BrushColor(HBRUSH brush)
{
    auto found = FindObjectOf<Brush>(brush);
    if (!found)
        return std::nullopt;
    return found->color;
}

}  // namespace platform::gdi

HGDIOBJ GetStockObject(int index)
{
    using namespace platform::gdi;
    static const HGDIOBJ white = AddObject(std::make_shared<Brush>(RGB(255, 255, 255)));
    return index == WHITE_BRUSH ? white : nullptr;
}
