#include "drag_scripts.h"

#include "platform/src/scripted_queue.h"

#include <platform/testing/dragdrop.h>

namespace platform::dragdrop {
namespace {

using Scripts = detail::ScriptedQueue<platform::testing::DragScript>;

Scripts& Queued()
{
    static Scripts* scripts = new Scripts;
    return *scripts;
}

}  // namespace

void RunDragScript()
{
    std::optional<platform::testing::DragScript> script = Queued().Next();
    if (script && *script)
        (*script)();
}

}  // namespace platform::dragdrop

namespace platform::testing {

void QueueDragScript(DragScript script)
{
    platform::dragdrop::Queued().Add(std::move(script));
}

std::size_t DiscardDragScripts()
{
    return platform::dragdrop::Queued().Discard();
}

}  // namespace platform::testing
