#pragma once
// What the fuzz targets share. Each target is one source that defines the
// libFuzzer entry below; the fuzz build links it with libFuzzer, the test
// build with replay_main.cpp, which runs the kept inputs through it.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Writes the bytes as the whole of one file in a private folder that goes
// when the process ends, and returns its path, the same for the same name.
// The name may hold folders, which are made as needed.
const char* WriteScratchFile(const std::uint8_t* data, std::size_t size, const char* name = "input");

// The private folder itself.
const char* ScratchFolderPath();

// Makes the bytes the program's language-neutral resource of that type and
// name, until the next call for the same pair.
void SetResource(const char* type, const char* name, const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
