#include "menu_table.h"
#include "menu_text_format.h"

#include <platform/kernel.h>
#include <platform/resources.h>

using namespace platform::menus;

namespace {

constexpr DWORD kErrorResourceDataNotFound = 1812;
constexpr DWORD kErrorResourceNameNotFound = 1814;

void Fill(HMENU handle, const std::vector<MenuEntry>& entries)
{
    auto menu = FindMenu(handle);
    for (const MenuEntry& entry : entries) {
        MenuItem item{entry.type, entry.state, entry.id, nullptr, 0, entry.text};
        if (entry.kind == MenuEntry::Kind::Popup) {
            item.submenu = CreatePopupMenu();
            Fill(item.submenu, entry.children);
        }
        menu->items.push_back(std::move(item));
    }
}

template <class Name>
HMENU Load(HINSTANCE instance, Name name, Name type)
{
    HRSRC resource = nullptr;
    if constexpr (sizeof(*name) == 1)
        resource = FindResourceA(instance, name, type);
    else
        resource = FindResourceW(instance, name, type);
    if (!resource) {
        SetLastError(kErrorResourceNameNotFound);
        return nullptr;
    }
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(instance, resource)));
    ParsedMenu parsed = ParseMenuText({bytes, SizeofResource(instance, resource)});
    if (!parsed.error.empty()) {
        SetLastError(kErrorResourceDataNotFound);
        return nullptr;
    }
    HMENU bar = CreateMenu();
    Fill(bar, parsed.bar);
    return bar;
}

}  // namespace

HMENU LoadMenuA(HINSTANCE instance, LPCSTR name)
{
    return Load(instance, name, "MENU");
}
HMENU LoadMenuW(HINSTANCE instance, LPCWSTR name)
{
    return Load(instance, name, u"MENU");
}
