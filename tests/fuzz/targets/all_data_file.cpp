// An all-data file opened by path, as the editor loads one.
#include "FuzzInput.h"

#include "model/FileSave.h"
#include "model/VpException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LibraryData library;
    try {
        LoadAllDataFile(library, fuzz::WriteScratchFile(data, size));
    } catch (const CVpException&) {
    }
    return 0;
}
