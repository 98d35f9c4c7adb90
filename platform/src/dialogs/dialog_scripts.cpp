#include "dialog_scripts.h"

#include "platform/src/scripted_queue.h"

namespace platform::dialogs {
namespace {

using Scripts = detail::ScriptedQueue<testing::DialogScript>;
Scripts& TheScripts()
{
    static Scripts scripts;
    return scripts;
}

}  // namespace

testing::DialogScript TakeDialogScript()
{
    return TheScripts().Next().value_or(testing::DialogScript{});
}

}  // namespace platform::dialogs

namespace platform::testing {

void QueueDialogScript(DialogScript script)
{
    dialogs::TheScripts().Add(std::move(script));
}

std::size_t DiscardDialogScripts()
{
    return dialogs::TheScripts().Discard();
}

}  // namespace platform::testing
