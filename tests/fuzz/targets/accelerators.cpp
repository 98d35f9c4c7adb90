// An accelerator table resource. The loader keeps each table it parsed, so
// the parser is called as the loader calls it.
#include "FuzzInput.h"

#include "platform/src/menus/accelerator_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::menus::ParseAcceleratorText({reinterpret_cast<const char*>(data), size});
    return 0;
}
