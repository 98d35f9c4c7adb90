#include "dialog_scripts.h"

#include <deque>
#include <mutex>

namespace platform::dialogs {
namespace {

struct Scripts {
    std::mutex lock;
    std::deque<testing::DialogScript> queued;
};
Scripts& TheScripts()
{
    static Scripts scripts;
    return scripts;
}

}  // namespace

testing::DialogScript TakeDialogScript()
{
    Scripts& scripts = TheScripts();
    std::lock_guard lock(scripts.lock);
    if (scripts.queued.empty()) return {};
    testing::DialogScript next = std::move(scripts.queued.front());
    scripts.queued.pop_front();
    return next;
}

}  // namespace platform::dialogs

namespace platform::testing {

void QueueDialogScript(DialogScript script)
{
    auto& scripts = dialogs::TheScripts();
    std::lock_guard lock(scripts.lock);
    scripts.queued.push_back(std::move(script));
}

std::size_t DiscardDialogScripts()
{
    auto& scripts = dialogs::TheScripts();
    std::lock_guard lock(scripts.lock);
    const std::size_t left = scripts.queued.size();
    scripts.queued.clear();
    return left;
}

}  // namespace platform::testing
