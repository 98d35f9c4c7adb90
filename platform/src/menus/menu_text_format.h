#pragma once
// Our menu resource format, one statement a line, '#' starting a comment:
//
//   popup "&File"                  a submenu, closed by "end"
//       item 51000 "&New\tCtrl+N"  a command: id 0..65535, text, then flags
//       separator
//       popup "New From &Preset Data"
//           item 51101 "VQ-700Z" grayed
//       end
//   end
//
// The top level is the menu bar. Texts are UTF-8 in double quotes with the
// escapes \t, \" and \\. Flags of items and popups: grayed, disabled,
// checked, break (new column) and barbreak (new column after a line).
#include <platform/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace platform::menus {

struct MenuEntry
{
    enum class Kind
    {
        Item,
        Popup,
        Separator
    };
    Kind kind = Kind::Item;
    UINT id = 0;
    std::string text;
    UINT type = 0;   // MFT_ flags
    UINT state = 0;  // MFS_ flags
    std::vector<MenuEntry> children;
};

struct ParsedMenu
{
    std::vector<MenuEntry> bar;
    std::string error;  // "line 3: ..." when the text is not a menu
};

ParsedMenu ParseMenuText(std::string_view text);

}  // namespace platform::menus
