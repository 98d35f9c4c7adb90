#include "menu_font.h"

namespace platform::menus {

namespace {
constexpr int kKeysGap = 7;
}

int MenuTextWidth(const std::string& utf8)
{
    const std::size_t tab = utf8.find('\t');
    if (tab == std::string::npos)
        return gdi::TextWidth(kMenuFont, utf8);
    return gdi::TextWidth(kMenuFont, std::string_view(utf8).substr(0, tab)) + kKeysGap +
           gdi::TextWidth(kMenuFont, std::string_view(utf8).substr(tab + 1));
}

}  // namespace platform::menus
