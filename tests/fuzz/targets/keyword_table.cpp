// The keyword string table, read from a text resource.
#include "FuzzInput.h"

#include "framework/services/EfStringTable.h"
#include "framework/services/HfcResourceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::SetResource("STR", "FuzzTable", data, size);
    CHfcResourceFile file;
    if (!file.OpenResource("STR", "FuzzTable", 0))
        return 0;
    CEfStringTable table;
    table.LoadFromFile(file);
    table.GetString("OnOff", 1);
    return 0;
}
