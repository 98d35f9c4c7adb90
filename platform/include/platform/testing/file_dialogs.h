#pragma once
// Scripted answers for the open and save dialogs: while steps are queued,
// a file dialog shows no window, takes the steps as if the user had made
// them and records what it was asked. A typed name goes through the same
// checks as in the window (default extension, must-exist, the overwrite
// question, which message box answers can script); a refused name leaves
// the dialog open for the next step. A dialog that runs out of steps is
// cancelled.
#include <platform/types.h>

#include <string>
#include <utility>
#include <vector>

namespace platform::testing {

struct FileDialogStep
{
    enum class Kind
    {
        TypeName,
        ChooseFilter,
        Cancel
    };
    Kind kind;
    std::string name;     // TypeName: a name or a path, UTF-8, as typed and confirmed with OK
    int filterIndex = 0;  // ChooseFilter: 1-based
};

inline FileDialogStep TypeFileName(std::string name)
{
    return {FileDialogStep::Kind::TypeName, std::move(name)};
}
inline FileDialogStep ChooseFileFilter(int index)
{
    return {FileDialogStep::Kind::ChooseFilter, {}, index};
}
inline FileDialogStep CancelFileDialog()
{
    return {FileDialogStep::Kind::Cancel, {}};
}

void QueueFileDialogSteps(const std::vector<FileDialogStep>& steps);

struct ShownFileDialog
{
    HWND owner;
    bool save;
    std::string title;                                         // UTF-8, as shown
    std::vector<std::pair<std::string, std::string>> filters;  // description and patterns joined by ';'
    int filterIndex;                                           // 1-based, the one shown first
    std::string folder;                                        // the starting folder
    std::string defaultExtension;
    DWORD flags;
};

// What the scripted dialogs were asked, oldest first; clears the record and
// any steps left over.
std::vector<ShownFileDialog> TakeShownFileDialogs();

}  // namespace platform::testing
