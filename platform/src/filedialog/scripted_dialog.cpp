#include "scripted_dialog.h"

#include "decision_prompt.h"

#include "platform/src/scripted_queue.h"

#include <platform/testing/file_dialogs.h>

namespace platform::filedialog {
namespace {

using testing::FileDialogStep;

using Script = detail::ScriptedQueue<FileDialogStep, testing::ShownFileDialog>;
Script& TheScript()
{
    static Script script;
    return script;
}

void Record(const DialogRequest& request)
{
    testing::ShownFileDialog shown{request.owner,
                                   request.save,
                                   request.title,
                                   {},
                                   request.filterIndex + 1,
                                   request.folder.string(),
                                   request.defaultExtension,
                                   request.flags};
    for (const FileFilter& filter : request.filters) {
        std::string patterns;
        for (const std::string& pattern : filter.patterns)
            patterns += (patterns.empty() ? "" : ";") + pattern;
        shown.filters.emplace_back(filter.description, patterns);
    }
    TheScript().Record(std::move(shown));
}

}  // namespace

bool HasScriptedSteps()
{
    return !TheScript().Empty();
}

std::optional<std::filesystem::path> RunScripted(FileChoice& choice)
{
    Record(choice.Request());
    while (std::optional<FileDialogStep> step = TheScript().Next()) {
        switch (step->kind) {
        case FileDialogStep::Kind::Cancel: return std::nullopt;
        case FileDialogStep::Kind::ChooseFilter: choice.SelectFilter(step->filterIndex - 1); break;
        case FileDialogStep::Kind::TypeName: {
            const Decision decision = choice.Decide(step->name);
            if (decision.kind == Decision::Kind::Navigate)
                choice.Enter(decision.path);
            if (auto chosen = Settle(decision, choice.Request().owner, choice.Request().title))
                return chosen;
            break;
        }
        }
    }
    return std::nullopt;
}

}  // namespace platform::filedialog

namespace platform::testing {

void QueueFileDialogSteps(const std::vector<FileDialogStep>& steps)
{
    filedialog::TheScript().Add(steps);
}

std::vector<ShownFileDialog> TakeShownFileDialogs()
{
    return filedialog::TheScript().TakeShown();
}

}  // namespace platform::testing
