#pragma once
// Dialog templates parsed from our dialog text format (described in
// resources/dialogs/README.md). Sizes are in dialog units.
#include <platform/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace platform::dialogs {

struct ControlTemplate
{
    std::string className;
    int id = 0;
    RECT rect{};  // dialog units
    std::string text;
    DWORD style = 0;
};

struct DialogTemplate
{
    std::string title;
    int width = 0;  // dialog units
    int height = 0;
    bool visible = false;
    std::vector<ControlTemplate> controls;
};

struct ParsedDialog
{
    DialogTemplate dialog;
    std::string error;  // "line 3: ..." when the text is not a dialog
};

ParsedDialog ParseDialogText(std::string_view text);

// Pixels per dialog unit: 3/2 across and 13/8 down.
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
// The fewest dialog units that hold the pixels.
int PixelsToDialogUnitsX(int pixels);
int PixelsToDialogUnitsY(int pixels);

}  // namespace platform::dialogs
