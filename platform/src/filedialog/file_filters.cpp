#include "file_filters.h"

#include "platform/src/utf16.h"

#include <fnmatch.h>

namespace platform::filedialog {
namespace {

std::vector<std::string> SplitPatterns(const std::string& text)
{
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos)
            end = text.size();
        std::string pattern = text.substr(start, end - start);
        const auto first = pattern.find_first_not_of(' ');
        const auto last = pattern.find_last_not_of(' ');
        if (first != std::string::npos)
            patterns.push_back(pattern.substr(first, last - first + 1));
        start = end + 1;
    }
    return patterns;
}

}  // namespace

std::vector<FileFilter> ParseFilters(const char16_t* list)
{
    std::vector<FileFilter> filters;
    if (!list)
        return filters;
    while (*list) {
        const char16_t* description = list;
        list += std::char_traits<char16_t>::length(list) + 1;
        if (!*list)
            break;
        const char16_t* patterns = list;
        list += std::char_traits<char16_t>::length(list) + 1;
        filters.push_back({Utf16ToUtf8(description), SplitPatterns(Utf16ToUtf8(patterns))});
    }
    return filters;
}

bool Matches(const FileFilter& filter, const std::string& name)
{
    for (const std::string& pattern : filter.patterns) {
        const char* shell = pattern == "*.*" ? "*" : pattern.c_str();
        if (fnmatch(shell, name.c_str(), FNM_CASEFOLD) == 0)
            return true;
    }
    return false;
}

}  // namespace platform::filedialog
