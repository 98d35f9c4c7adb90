#include "registry_file.h"

#include <platform/registry.h>

#include <errno.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

struct OpenKey
{
    fs::path folder;
};

constexpr REGSAM kSetValue = 0x0002;  // the access right that writing needs

struct KeyTable
{
    std::mutex mutex;  // also orders every read and rewrite of the value files
    std::unordered_map<HKEY, std::unique_ptr<OpenKey>> keys;
    std::set<std::string> reported;
};

KeyTable& Keys()
{
    static KeyTable* table = new KeyTable;
    return *table;
}

fs::path HiveFolder()
{
    if (const char* folder = std::getenv("VQ_REGISTRY_DIR"); folder && *folder)
        return folder;
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = fs::path(home) / ".config";
    else
        config = fs::temp_directory_path();
    return config / "vq700z-editor" / "registry";
}

// Called with the table lock held; nothing for a handle that is not an open key.
std::optional<fs::path> ValuesFileOf(KeyTable& table, HKEY key)
{
    auto found = table.keys.find(key);
    if (found == table.keys.end())
        return std::nullopt;
    return found->second->folder / "values";
}

// The folder of the hive or of an open key; called with the table lock held.
bool Resolve(KeyTable& table, HKEY key, fs::path& folder)
{
    if (key == HKEY_CURRENT_USER) {
        folder = HiveFolder();
        return true;
    }
    auto found = table.keys.find(key);
    if (found == table.keys.end())
        return false;
    folder = found->second->folder;
    return true;
}

// Tells the user on standard error what went wrong with the settings files,
// once a process for each thing.
void Report(KeyTable& table, const std::string& what, const std::string& text)
{
    if (table.reported.insert(what + '\n' + text).second)
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, text.c_str());
}

LONG ErrorCodeOf(int error, LONG otherwise)
{
    return error == EACCES || error == EPERM || error == EROFS ? ERROR_ACCESS_DENIED : otherwise;
}

// Whether the existing key in the folder can be used as asked: its values
// readable (lines that do not read are reported and skipped) and, for
// writing, the folder writable. Reports why not.
LONG CheckKeyFolder(KeyTable& table, const fs::path& folder, REGSAM access)
{
    const fs::path file = folder / "values";
    std::vector<platform::detail::SkippedLine> skipped;
    if (!platform::detail::ReadRegistryFile(file, &skipped)) {
        int error = errno;
        Report(table, file.string(), "cannot read the settings in " + file.string() + ": " + std::strerror(error));
        return ErrorCodeOf(error, ERROR_CANTREAD);
    }
    for (const auto& line : skipped)
        Report(table, file.string() + '\n' + line.text,
               "skipped line " + std::to_string(line.number) + " of " + file.string() + ", which cannot be read");
    if ((access & kSetValue) && ::access(folder.c_str(), W_OK | X_OK) != 0) {
        int error = errno;
        Report(table, folder.string(), "cannot write the settings in " + folder.string() + ": " + std::strerror(error));
        return ErrorCodeOf(error, ERROR_CANTWRITE);
    }
    return ERROR_SUCCESS;
}

// A sub-key path of backslash-separated names; names that would leave the
// hive's folder are refused.
bool AppendSubKey(fs::path& folder, LPCSTR subKey)
{
    if (!subKey)
        return true;
    std::string path(subKey);
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        std::string name = path.substr(start, end - start);
        if (name == "." || name == ".." || name.find('/') != std::string::npos)
            return false;
        if (!name.empty())
            folder /= name;
        start = end + 1;
    }
    return true;
}

LONG OpenOrCreate(HKEY key, LPCSTR subKey, REGSAM access, PHKEY result, bool create, LPDWORD disposition)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    auto& table = Keys();
    std::lock_guard lock(table.mutex);
    fs::path folder;
    if (!Resolve(table, key, folder))
        return ERROR_INVALID_HANDLE;
    if (!AppendSubKey(folder, subKey))
        return ERROR_INVALID_PARAMETER;
    std::error_code error, ignored;
    bool exists = fs::is_directory(folder, ignored);
    if (!exists && !create)
        return ERROR_FILE_NOT_FOUND;
    if (!exists && !fs::create_directories(folder, error) && !fs::is_directory(folder, ignored)) {
        Report(table, folder.string(), "cannot make the settings folder " + folder.string() + ": " + error.message());
        return ErrorCodeOf(error.value(), ERROR_CANTWRITE);
    }
    if (LONG refused = CheckKeyFolder(table, folder, access); refused != ERROR_SUCCESS)
        return refused;
    if (disposition)
        *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    auto opened = std::make_unique<OpenKey>(OpenKey{folder});
    *result = reinterpret_cast<HKEY>(opened.get());
    table.keys.emplace(*result, std::move(opened));
    return ERROR_SUCCESS;
}

}  // namespace

using platform::detail::ReadRegistryFile;
using platform::detail::RegistryValue;

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result)
{
    return OpenOrCreate(key, subKey, access, result, false, nullptr);
}

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access, LPSECURITY_ATTRIBUTES, PHKEY result,
                     LPDWORD disposition)
{
    return OpenOrCreate(key, subKey, access, result, true, disposition);
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize)
{
    if (data && !dataSize)
        return ERROR_INVALID_PARAMETER;
    auto& table = Keys();
    std::lock_guard lock(table.mutex);
    auto file = ValuesFileOf(table, key);
    if (!file)
        return ERROR_INVALID_HANDLE;
    auto values = ReadRegistryFile(*file);
    if (!values)
        return ErrorCodeOf(errno, ERROR_CANTREAD);
    auto found = values->find(valueName ? valueName : "");
    if (found == values->end())
        return ERROR_FILE_NOT_FOUND;
    const RegistryValue& value = found->second;
    if (type)
        *type = value.type;
    auto size = static_cast<DWORD>(value.bytes.size());
    if (data && *dataSize < size) {
        *dataSize = size;
        return ERROR_MORE_DATA;
    }
    if (data && size)
        std::memcpy(data, value.bytes.data(), size);
    if (dataSize)
        *dataSize = size;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize)
{
    if (!data && dataSize)
        return ERROR_INVALID_PARAMETER;
    auto& table = Keys();
    std::lock_guard lock(table.mutex);
    auto file = ValuesFileOf(table, key);
    if (!file)
        return ERROR_INVALID_HANDLE;
    // Values that cannot be read now would be lost by writing over them.
    auto values = ReadRegistryFile(*file);
    if (!values)
        return ErrorCodeOf(errno, ERROR_CANTREAD);
    (*values)[valueName ? valueName : ""] = RegistryValue{type, std::vector<BYTE>(data, data + dataSize)};
    return platform::detail::WriteRegistryFile(*file, *values) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LONG RegCloseKey(HKEY key)
{
    if (key == HKEY_CURRENT_USER)
        return ERROR_SUCCESS;
    auto& table = Keys();
    std::lock_guard lock(table.mutex);
    return table.keys.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
