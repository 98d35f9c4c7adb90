#include "drag_scripts.h"

#include <platform/testing/dragdrop.h>

#include <deque>
#include <mutex>

namespace platform::dragdrop {
namespace {

struct Scripts {
    std::mutex mutex;
    std::deque<platform::testing::DragScript> queued;
};

Scripts& Queued()
{
    static Scripts* scripts = new Scripts;
    return *scripts;
}

}  // namespace

void RunDragScript()
{
    platform::testing::DragScript script;
    {
        auto& scripts = Queued();
        std::lock_guard lock(scripts.mutex);
        if (scripts.queued.empty()) return;
        script = std::move(scripts.queued.front());
        scripts.queued.pop_front();
    }
    if (script) script();
}

}  // namespace platform::dragdrop

namespace platform::testing {

void QueueDragScript(DragScript script)
{
    auto& scripts = platform::dragdrop::Queued();
    std::lock_guard lock(scripts.mutex);
    scripts.queued.push_back(std::move(script));
}

std::size_t DiscardDragScripts()
{
    auto& scripts = platform::dragdrop::Queued();
    std::lock_guard lock(scripts.mutex);
    std::size_t left = scripts.queued.size();
    scripts.queued.clear();
    return left;
}

}  // namespace platform::testing
