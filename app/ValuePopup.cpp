#include "app/ValuePopup.h"

#include "app/PopupMenu.h"
#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcWindow.h"
#include "framework/ui/HfcWindowLayer.h"
#include "model/VpProgramAccessor.h"

namespace {

constexpr int kValueTextSize = 256;

}  // namespace

int TrackPopupAtControl(CPopupMenu& menu, CHfcWindowLayer& layer, CHfcControl& control)
{
    if (layer.GetOwner() == nullptr)
        return -1;
    if (CHfcMouse* mouse = CHfcMouse::GetInstance())
        mouse->ReleaseCapture();
    return menu.TrackPopup(layer.GetOwner()->GetHandle(), layer.GetRect().left + control.GetRect().left,
                           layer.GetRect().top + control.GetRect().top);
}

std::optional<std::int32_t> ChooseParameterValue(CHfcWindowLayer& layer, CHfcControl& control,
                                                 const CVpProgramAccessor& accessor, const CVpProgramData* program,
                                                 const ParameterAddress& address)
{
    CPopupMenu menu;
    if (program == nullptr || !menu.Create())
        return std::nullopt;
    // Only the values the parameter can take, from its minimum up.
    const std::int32_t minimum = accessor.GetMinimum(program, address);
    const std::int32_t maximum = accessor.GetMaximum(program, address);
    for (std::int32_t value = minimum; value <= maximum; ++value) {
        char text[kValueTextSize] = {};
        accessor.ValueToText(program, address, value, text, sizeof text);
        menu.AppendIndexedItem(text, value - minimum);
    }
    if (const std::int32_t current = accessor.GetValue(program, address); current >= minimum && current <= maximum)
        menu.CheckItem(current - minimum, true);
    const int chosen = TrackPopupAtControl(menu, layer, control);
    if (chosen < 0)
        return std::nullopt;
    return minimum + chosen;
}
