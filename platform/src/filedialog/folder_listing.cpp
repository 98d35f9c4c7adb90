#include "folder_listing.h"

#include <platform/file_names.h>

#include <algorithm>
#include <cctype>

namespace platform::filedialog {
namespace {

bool LessIgnoringCase(const FolderEntry& a, const FolderEntry& b)
{
    if (a.folder != b.folder)
        return a.folder;
    const auto less = [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); };
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(), less);
}

}  // namespace

std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder, const FileFilter* filter)
{
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = FileNameText(it->path().filename().native());
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code statError;
        if (it->is_directory(statError))
            entries.push_back({name, true});
        else if (it->is_regular_file(statError) && (!filter || Matches(*filter, name)))
            entries.push_back({name, false});
    }
    std::sort(entries.begin(), entries.end(), LessIgnoringCase);
    return entries;
}

}  // namespace platform::filedialog
