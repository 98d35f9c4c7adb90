// A dialog template, parsed and placed in pixels as a dialog is made.
#include "FuzzInput.h"

#include "platform/src/dialogs/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platform::dialogs;
    const ParsedDialog parsed = ParseDialogText({reinterpret_cast<const char*>(data), size});
    if (!parsed.error.empty())
        return 0;
    DialogUnitsToPixelsX(parsed.dialog.width);
    DialogUnitsToPixelsY(parsed.dialog.height);
    for (const ControlTemplate& control : parsed.dialog.controls) {
        DialogUnitsToPixelsX(control.rect.left);
        DialogUnitsToPixelsY(control.rect.top);
        DialogUnitsToPixelsX(control.rect.right);
        DialogUnitsToPixelsY(control.rect.bottom);
    }
    return 0;
}
