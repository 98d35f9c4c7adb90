// A single-program file.
#include "FuzzInput.h"

#include "model/ProgramFile.h"
#include "model/VpException.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHfcFile file;
    if (!file.Open(fuzz::WriteScratchFile(data, size), CHfcFile::kRead | CHfcFile::kBinary))
        return 0;
    CProgram program;
    try {
        ReadProgramFile(program, file);
    } catch (const CVpException&) {
    }
    return 0;
}
