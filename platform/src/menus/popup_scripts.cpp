#include "popup_scripts.h"

#include <platform/testing/modal_scripts.h>

#include <deque>
#include <mutex>
#include <utility>

namespace platform::menus {
namespace {

struct Script {
    std::mutex lock;
    std::deque<UINT> answers;
    std::vector<testing::ShownPopupMenu> shown;
};
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
    Script& script = TheScript();
    std::lock_guard lock(script.lock);
    if (script.answers.empty()) return std::nullopt;
    const UINT answer = script.answers.front();
    script.answers.pop_front();
    testing::ShownPopupMenu shown{owner, flags, {x, y}, {}};
    for (const MenuItem& item : menu.items) shown.items.push_back(Shown(item));
    script.shown.push_back(std::move(shown));
    return answer;
}

}  // namespace platform::menus

namespace platform::testing {

void QueuePopupMenuAnswers(const std::vector<UINT>& answers)
{
    auto& script = menus::TheScript();
    std::lock_guard lock(script.lock);
    script.answers.insert(script.answers.end(), answers.begin(), answers.end());
}

std::vector<ShownPopupMenu> TakeShownPopupMenus()
{
    auto& script = menus::TheScript();
    std::lock_guard lock(script.lock);
    script.answers.clear();
    return std::exchange(script.shown, {});
}

}  // namespace platform::testing
