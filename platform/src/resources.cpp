#include <platform/locale.h>
#include <platform/resource_table.h>
#include <platform/resources.h>

#include "utf16.h"

#include <mutex>
#include <string>
#include <vector>

namespace {

struct Table
{
    const platform::EmbeddedResource* entries;
    std::size_t count;
};

std::mutex& TablesLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<Table>& Tables()
{
    static std::vector<Table> tables;
    return tables;
}

char FoldCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(const char* a, const std::string& b)
{
    std::size_t i = 0;
    for (; a[i] != '\0' && i < b.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return a[i] == '\0' && i == b.size();
}

// A name given as a number is matched against "#<number>".
std::string NumberedName(const void* name)
{
    std::string text(1, '#');
    text += std::to_string(reinterpret_cast<ULONG_PTR>(name));
    return text;
}

std::string NameFromA(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? NumberedName(name) : std::string(name);
}

std::string NameFromW(LPCWSTR name)
{
    return IS_INTRESOURCE(name) ? NumberedName(name) : platform::Utf16ToUtf8(name);
}

// Lower is better: the user's own language, then the same language of
// another region, then neutral, then US English, then any English, then
// whatever variant there is.
int LanguageRank(LANGID candidate, LANGID wanted)
{
    if (candidate == wanted)
        return 0;
    if (PRIMARYLANGID(candidate) == PRIMARYLANGID(wanted))
        return 1;
    if (candidate == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL))
        return 2;
    if (candidate == MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US))
        return 3;
    if (PRIMARYLANGID(candidate) == LANG_ENGLISH)
        return 4;
    return 5;
}

HRSRC Find(const std::string& name, const std::string& type)
{
    const LANGID wanted = GetUserDefaultUILanguage();
    const platform::EmbeddedResource* best = nullptr;
    int bestRank = 0;
    std::lock_guard<std::mutex> guard(TablesLock());
    for (const Table& table : Tables()) {
        for (std::size_t i = 0; i < table.count; ++i) {
            const platform::EmbeddedResource& entry = table.entries[i];
            if (!SameName(entry.type, type) || !SameName(entry.name, name))
                continue;
            const int rank = LanguageRank(entry.language, wanted);
            if (best == nullptr || rank < bestRank) {
                best = &entry;
                bestRank = rank;
            }
        }
    }
    return reinterpret_cast<HRSRC>(const_cast<platform::EmbeddedResource*>(best));
}

const platform::EmbeddedResource* Entry(HRSRC resource)
{
    return reinterpret_cast<const platform::EmbeddedResource*>(resource);
}

}  // namespace

namespace platform {

void RegisterResourceTable(const EmbeddedResource* entries, std::size_t count)
{
    std::lock_guard<std::mutex> guard(TablesLock());
    Tables().push_back({entries, count});
}

}  // namespace platform

HRSRC FindResourceA(HMODULE, LPCSTR name, LPCSTR type)
{
    if (name == nullptr || type == nullptr)
        return nullptr;
    return Find(NameFromA(name), NameFromA(type));
}

HRSRC FindResourceW(HMODULE, LPCWSTR name, LPCWSTR type)
{
    if (name == nullptr || type == nullptr)
        return nullptr;
    return Find(NameFromW(name), NameFromW(type));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource)
{
    return resource;
}

LPVOID LockResource(HGLOBAL loaded)
{
    if (loaded == nullptr)
        return nullptr;
    // Read-only memory, as the interface has always handed out.
    return const_cast<BYTE*>(Entry(static_cast<HRSRC>(loaded))->data);
}

DWORD SizeofResource(HMODULE, HRSRC resource)
{
    return resource != nullptr ? Entry(resource)->size : 0;
}
