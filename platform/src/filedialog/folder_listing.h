#pragma once
// What a file dialog lists for a folder.
#include "file_filters.h"

#include <filesystem>
#include <string>
#include <vector>

namespace platform::filedialog {

struct FolderEntry
{
    std::string name;  // its text (platform/file_names.h), without the folder
    bool folder = false;
    bool operator==(const FolderEntry&) const = default;
};

// The sub-folders, then the files that match the filter (every file
// without one), each group by name ignoring letter case. Hidden names
// (a leading dot) and entries that cannot be read are left out; an
// unreadable folder lists nothing.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder, const FileFilter* filter);

}  // namespace platform::filedialog
