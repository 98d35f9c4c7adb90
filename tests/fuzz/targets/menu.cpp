// A menu resource, loaded into a menu and destroyed again.
#include "FuzzInput.h"

#include <platform/menus.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::SetResource("MENU", "FuzzMenu", data, size);
    if (HMENU menu = LoadMenuA(nullptr, "FuzzMenu"))
        DestroyMenu(menu);
    return 0;
}
