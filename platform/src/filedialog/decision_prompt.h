#pragma once
// The message boxes a file dialog shows for a typed name: the refusal of a
// must-exist check, the overwrite question.
#include "file_choice.h"

#include <filesystem>
#include <optional>

namespace platform::filedialog {

// The path the decision settles on, after asking when it asks; nothing
// when the dialog stays (a refusal, a No, a folder, nothing typed).
std::optional<std::filesystem::path> Settle(const Decision& decision, HWND owner, const std::string& caption);

}  // namespace platform::filedialog
