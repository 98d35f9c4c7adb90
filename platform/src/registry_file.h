#pragma once
// The text form of one registry key's values, one value a line:
//   dword "Name" = 123
//   sz "Name" = "text"            (the stored bytes end in one zero)
//   hex(3) "Name" = 01 02 ff      (any other type or shape)
// Names and texts escape quotes, backslashes and control bytes. Lines may
// end in blanks; a line that does not read is skipped, the others kept.
#include <platform/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::detail {

struct RegistryValue
{
    DWORD type = 0;
    std::vector<BYTE> bytes;
    bool operator==(const RegistryValue&) const = default;
};

struct CaseInsensitiveLess
{
    bool operator()(const std::string& a, const std::string& b) const;
};
using RegistryValues = std::map<std::string, RegistryValue, CaseInsensitiveLess>;

struct SkippedLine
{
    int number = 0;  // from 1
    std::string text;
};

std::string FormatRegistryValues(const RegistryValues& values);
// The values of every line that reads; the damaged lines go to
// skippedLines when given.
RegistryValues ParseRegistryValues(const std::string& text, std::vector<SkippedLine>* skippedLines = nullptr);

// A missing file reads as no values. Nothing, with errno telling why, when
// the file is there but cannot be read: writing over it would lose it.
std::optional<RegistryValues> ReadRegistryFile(const std::filesystem::path& file,
                                               std::vector<SkippedLine>* skippedLines = nullptr);
// Writes a temporary file beside it, then renames it over the file.
bool WriteRegistryFile(const std::filesystem::path& file, const RegistryValues& values);

}  // namespace platform::detail
