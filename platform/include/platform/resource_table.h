#pragma once
// How the build-time generated resource tables make themselves known.
#include <cstddef>
#include <platform/types.h>

namespace platform {

struct EmbeddedResource
{
    const char* type;
    const char* name;
    LANGID language;  // 0: language neutral
    const BYTE* data;
    DWORD size;
};

// Called once per generated table, from a static initialiser. The entries
// must live for the whole process.
void RegisterResourceTable(const EmbeddedResource* entries, std::size_t count);

}  // namespace platform
