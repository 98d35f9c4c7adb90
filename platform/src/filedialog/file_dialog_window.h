#pragma once
// The file dialog's window: a modal dialog over the owner with the folder
// list, the name field, the filters and OK/Cancel.
#include "file_choice.h"

#include <filesystem>

namespace platform::filedialog {

enum class Ending
{
    Chosen,
    Cancelled,
    Failed
};

// Runs until the user settles on a path (written to `chosen`) or cancels;
// Failed when the window cannot be made. The structure's hook, if it asks
// for one, hears of the window's changes.
Ending RunFileDialogWindow(FileChoice& choice, std::filesystem::path& chosen, OPENFILENAMEW& structure);

}  // namespace platform::filedialog
