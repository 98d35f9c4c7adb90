// A global data file.
#include "FuzzInput.h"

#include "model/DataFileTransfer.h"
#include "model/Global.h"
#include "model/VpException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHfcFile file;
    if (!file.Open(fuzz::WriteScratchFile(data, size), CHfcFile::kRead | CHfcFile::kBinary))
        return 0;
    CGlobal global;
    try {
        ReadDataFromFile(global, file);
    } catch (const CVpException&) {
    }
    return 0;
}
