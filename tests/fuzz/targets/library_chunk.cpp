// The library-properties chunk of an all-data file, read from memory.
#include "FuzzInput.h"

#include "framework/services/HfcMemoryStreams.h"
#include "model/LibraryPropertiesChunk.h"
#include "model/VpException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHfcMemoryInputStream stream(data, static_cast<std::int64_t>(size));
    LibraryData library;
    try {
        ReadLibraryPropertiesChunk(stream, library);
    } catch (const CVpException&) {
    }
    return 0;
}
