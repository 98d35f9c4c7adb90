#include "popup_scripts.h"

#include "platform/src/scripted_queue.h"

#include <platform/testing/modal_scripts.h>

namespace platform::menus {
namespace {

using Script = detail::ScriptedQueue<UINT, testing::ShownPopupMenu>;
Script& TheScript()
{
    static Script script;
    return script;
}

testing::ShownMenuItem Shown(const MenuItem& item)
{
    return {item.id,
            item.text,
            (item.type & MFT_SEPARATOR) != 0,
            (item.state & (MF_GRAYED | MF_DISABLED)) != 0,
            (item.state & MF_CHECKED) != 0,
            item.submenu != nullptr};
}

}  // namespace

std::optional<UINT> TakePopupAnswer(const Menu& menu, UINT flags, int x, int y, HWND owner)
{
    return TheScript().NextRecording([&] {
        testing::ShownPopupMenu shown{owner, flags, {x, y}, {}};
        for (const MenuItem& item : menu.items)
            shown.items.push_back(Shown(item));
        return shown;
    });
}

}  // namespace platform::menus

namespace platform::testing {

void QueuePopupMenuAnswers(const std::vector<UINT>& answers)
{
    menus::TheScript().Add(answers);
}

std::vector<ShownPopupMenu> TakeShownPopupMenus()
{
    return menus::TheScript().TakeShown();
}

}  // namespace platform::testing
