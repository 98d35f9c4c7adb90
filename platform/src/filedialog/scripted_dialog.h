#pragma once
// The file dialog run by the steps a test queued instead of by a window.
#include "file_choice.h"

#include <filesystem>
#include <optional>

namespace platform::filedialog {

// True while a test has steps queued.
bool HasScriptedSteps();
// Records what the dialog was asked, then takes steps until one ends it:
// the chosen path, or nothing for a cancel or when the steps run out.
std::optional<std::filesystem::path> RunScripted(FileChoice& choice);

}  // namespace platform::filedialog
