// An N6 library file.
#include "FuzzInput.h"

#include "model/N6Import.h"
#include "model/VpException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHfcFile file;
    if (!file.Open(fuzz::WriteScratchFile(data, size), CHfcFile::kRead | CHfcFile::kBinary))
        return 0;
    LibraryData library;
    try {
        ReadN6LibraryFile(library, file);
    } catch (const CVpException&) {
    }
    return 0;
}
