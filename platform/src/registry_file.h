#pragma once
// The text form of one registry key's values, one value a line:
//   dword "Name" = 123
//   sz "Name" = "text"            (the stored bytes end in one zero)
//   hex(3) "Name" = 01 02 ff      (any other type or shape)
// Names and texts escape quotes, backslashes and control bytes.
#include <platform/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::detail {

struct RegistryValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    bool operator==(const RegistryValue&) const = default;
};

struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
using RegistryValues = std::map<std::string, RegistryValue, CaseInsensitiveLess>;

std::string FormatRegistryValues(const RegistryValues& values);
// Nothing when any line is damaged.
std::optional<RegistryValues> ParseRegistryValues(const std::string& text);

// A missing or damaged file reads as no values.
RegistryValues ReadRegistryFile(const std::filesystem::path& file);
// Writes a temporary file beside it, then renames it over the file.
bool WriteRegistryFile(const std::filesystem::path& file, const RegistryValues& values);

}  // namespace platform::detail
