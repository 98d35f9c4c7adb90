#pragma once
// The editor's settings as its registry file keeps them, read back by tests
// that started it with settings of their own.
#include <filesystem>
#include <map>
#include <string>

inline constexpr const char* kEditorSettingsFolder = "Software/Vesk/VQ-700Z Sound Editor";

// The 32-bit words under the editor's settings folder of a registry root,
// by name; read as the signed numbers they hold.
std::map<std::string, long> ReadSettingsDwords(const std::filesystem::path& registryRoot);
