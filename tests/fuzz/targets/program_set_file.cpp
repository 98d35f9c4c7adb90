// A program-set file.
#include "FuzzInput.h"

#include "model/ProgramFile.h"
#include "model/VpException.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHfcFile file;
    if (!file.Open(fuzz::WriteScratchFile(data, size), CHfcFile::kRead | CHfcFile::kBinary))
        return 0;
    auto bank = std::make_unique<ProgramBank>();
    try {
        ReadProgramSetFile(*bank, file);
    } catch (const CVpException&) {
    }
    return 0;
}
