#pragma once
// The filter list of a file dialog: pairs of a description and patterns
// such as "*.txt;*.text", in the order given.
#include <string>
#include <vector>

namespace platform::filedialog {

struct FileFilter
{
    std::string description;  // UTF-8
    std::vector<std::string> patterns;
};

// From pairs of NUL-terminated texts ending with a second NUL; a pair
// without its pattern is dropped. Empty for null.
std::vector<FileFilter> ParseFilters(const char16_t* list);

// Letter case is ignored and "*.*" takes names without a dot too.
bool Matches(const FileFilter& filter, const std::string& name);

}  // namespace platform::filedialog
