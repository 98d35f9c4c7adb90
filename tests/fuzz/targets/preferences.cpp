// The preferences file of the editor's registry key, read as the editor
// reads its settings at start-up.
#include "FuzzInput.h"

#include "app/AppSettings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool inScratchFolder = setenv("VQ_REGISTRY_DIR", fuzz::ScratchFolderPath(), 1) == 0;
    if (!inScratchFolder)
        std::abort();
    fuzz::WriteScratchFile(data, size, "Software/Vesk/VQ-700Z Sound Editor/values");
    AppSettings settings;
    LoadSettings(settings);
    return 0;
}
