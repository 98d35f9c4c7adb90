#include "Theme.h"

namespace skin {

const Theme& ThemeAt(int index)
{
    static const Theme kThemes[kThemeCount] = {
        {"", 0xFF8E1B1B, 0xFFB84A44, 0xFF4E0C0C, 0xFFF2F2F2, 0xFFFFD6C8},
        {"Black", 0xFF202020, 0xFF454545, 0xFF0A0A0A, 0xFFE6E6E6, 0xFFFFB43C},
        {"White", 0xFFE6E6E6, 0xFFFFFFFF, 0xFF9A9A9A, 0xFF1A1A1A, 0xFF8E1B1B},
    };
    return kThemes[index];
}

}  // namespace skin
