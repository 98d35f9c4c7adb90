#include "FuzzInput.h"

#include "services/ScratchFile.h"

#include <platform/resource_table.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fuzz {
namespace {

ScratchFolder& Folder()
{
    static ScratchFolder folder;
    return folder;
}

// One resource the targets fill: registered once, its bytes swapped per input.
struct ResourceSlot
{
    std::string type;
    std::string name;
    std::vector<BYTE> bytes;
    platform::EmbeddedResource entry{};
};

}  // namespace

const char* WriteScratchFile(const std::uint8_t* data, std::size_t size, const char* name)
{
    static std::map<std::string, std::string> paths;
    auto [found, added] = paths.try_emplace(name, Folder().File(name));
    const std::string& path = found->second;
    if (added)
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    return path.c_str();
}

const char* ScratchFolderPath()
{
    static const std::string path = Folder().path().string();
    return path.c_str();
}

void SetResource(const char* type, const char* name, const std::uint8_t* data, std::size_t size)
{
    // The resource table keeps pointers to the entries: a deque never moves them.
    static std::deque<ResourceSlot> slots;
    ResourceSlot* slot = nullptr;
    for (ResourceSlot& candidate : slots) {
        if (candidate.type == type && candidate.name == name)
            slot = &candidate;
    }
    if (slot == nullptr) {
        slot = &slots.emplace_back();
        slot->type = type;
        slot->name = name;
        slot->entry.type = slot->type.c_str();
        slot->entry.name = slot->name.c_str();
        platform::RegisterResourceTable(&slot->entry, 1);
    }
    // An exact-size copy, so a read past the resource's end is caught.
    slot->bytes = std::vector<BYTE>(data, data + size);
    slot->entry.data = slot->bytes.data();
    slot->entry.size = static_cast<DWORD>(size);
}

}  // namespace fuzz
