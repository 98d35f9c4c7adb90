#include "support/RegistryDwords.h"

#include <fstream>
#include <sstream>

std::map<std::string, long> ReadSettingsDwords(const std::filesystem::path& registryRoot)
{
    std::map<std::string, long> dwords;
    std::ifstream values(registryRoot / kEditorSettingsFolder / "values");
    std::string line;
    while (std::getline(values, line)) {
        std::istringstream in(line);
        std::string type, quoted, equals;
        long value = 0;
        if (in >> type >> quoted >> equals >> value && type == "dword" && quoted.size() > 2)
            dwords[quoted.substr(1, quoted.size() - 2)] = static_cast<long>(static_cast<int>(value));
    }
    return dwords;
}
