#include "mdi_window_menu.h"

#include "item_info.h"

#include "platform/src/display/window_menu.h"

#include <map>
#include <mutex>

namespace platform::menus {
namespace {

// What was added to each window menu last time, to be taken out again.
struct Added
{
    std::size_t count = 0;  // the separator and the entries, at the end
};

void Write(HMENU windowMenu, const std::vector<detail::WindowMenuEntry>& entries)
{
    static std::mutex mutex;
    static std::map<HMENU, Added> added;
    std::lock_guard lock(mutex);
    auto menu = FindMenu(windowMenu);
    if (!menu)
        return;
    Added& previous = added[windowMenu];
    menu->items.resize(menu->items.size() - std::min(previous.count, menu->items.size()));
    previous.count = 0;
    if (entries.empty())
        return;
    MenuItem separator;
    separator.type = MFT_SEPARATOR;
    menu->items.push_back(separator);
    for (const detail::WindowMenuEntry& entry : entries) {
        MenuItem item;
        item.id = entry.id;
        item.state = entry.checked ? MFS_CHECKED : 0;
        item.text = TextFrom(entry.text.c_str());
        menu->items.push_back(std::move(item));
    }
    previous.count = entries.size() + 1;
}

}  // namespace

void InstallWindowMenuWriter()
{
    detail::SetWindowMenuWriter(Write);
}

}  // namespace platform::menus
