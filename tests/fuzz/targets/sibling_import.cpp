// The all-data files of both older sibling models, each through its importer.
#include "FuzzInput.h"

#include "model/SiblingImport.h"
#include "model/VpException.h"

namespace {

template <class Importer>
void Import(const char* path)
{
    CHfcFile file;
    if (!file.Open(path, CHfcFile::kRead | CHfcFile::kBinary))
        return;
    LibraryData library;
    try {
        Importer(library, file).Import();
    } catch (const CVpException&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* path = fuzz::WriteScratchFile(data, size);
    Import<Q3917FileImporter>(path);
    Import<Q3918FileImporter>(path);
    return 0;
}
