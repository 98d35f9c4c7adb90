#include "scripted_dialog.h"

#include "decision_prompt.h"

#include <platform/testing/file_dialogs.h>

#include <deque>
#include <mutex>

namespace platform::filedialog {
namespace {

using testing::FileDialogStep;

struct Script {
    std::mutex lock;
    std::deque<FileDialogStep> steps;
    std::vector<testing::ShownFileDialog> shown;
};
Script& TheScript()
{
    static Script script;
    return script;
}

std::optional<FileDialogStep> NextStep()
{
    Script& script = TheScript();
    std::lock_guard lock(script.lock);
    if (script.steps.empty()) return std::nullopt;
    FileDialogStep step = std::move(script.steps.front());
    script.steps.pop_front();
    return step;
}

void Record(const DialogRequest& request)
{
    testing::ShownFileDialog shown{request.owner, request.save, request.title, {}, request.filterIndex + 1,
                                   request.folder.string(), request.defaultExtension, request.flags};
    for (const FileFilter& filter : request.filters) {
        std::string patterns;
        for (const std::string& pattern : filter.patterns) patterns += (patterns.empty() ? "" : ";") + pattern;
        shown.filters.emplace_back(filter.description, patterns);
    }
    Script& script = TheScript();
    std::lock_guard lock(script.lock);
    script.shown.push_back(std::move(shown));
}

}  // namespace

bool HasScriptedSteps()
{
    Script& script = TheScript();
    std::lock_guard lock(script.lock);
    return !script.steps.empty();
}

std::optional<std::filesystem::path> RunScripted(FileChoice& choice)
{
    Record(choice.Request());
    while (std::optional<FileDialogStep> step = NextStep()) {
        switch (step->kind) {
        case FileDialogStep::Kind::Cancel: return std::nullopt;
        case FileDialogStep::Kind::ChooseFilter: choice.SelectFilter(step->filterIndex - 1); break;
        case FileDialogStep::Kind::TypeName: {
            const Decision decision = choice.Decide(step->name);
            if (decision.kind == Decision::Kind::Navigate) choice.Enter(decision.path);
            if (auto chosen = Settle(decision, choice.Request().owner, choice.Request().title)) return chosen;
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
    auto& script = filedialog::TheScript();
    std::lock_guard lock(script.lock);
    script.steps.insert(script.steps.end(), steps.begin(), steps.end());
}

std::vector<ShownFileDialog> TakeShownFileDialogs()
{
    auto& script = filedialog::TheScript();
    std::lock_guard lock(script.lock);
    script.steps.clear();
    return std::exchange(script.shown, {});
}

}  // namespace platform::testing
