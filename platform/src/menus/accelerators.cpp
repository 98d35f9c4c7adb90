#include "accelerator_format.h"
#include "menu_table.h"

#include <platform/input.h>
#include <platform/kernel.h>
#include <platform/menus.h>
#include <platform/resources.h>

#include <algorithm>
#include <mutex>
#include <unordered_map>

using namespace platform::menus;

namespace {

constexpr DWORD kErrorResourceDataNotFound = 1812;
constexpr DWORD kErrorResourceNameNotFound = 1814;
constexpr DWORD kErrorInvalidAcceleratorHandle = 1403;

// Tables loaded from resources live as long as the process, as the
// resources themselves do; loading one resource twice gives the same table.
struct AcceleratorTables
{
    std::mutex mutex;
    std::unordered_map<HRSRC, std::vector<ACCEL>> byResource;
    std::unordered_map<HACCEL, const std::vector<ACCEL>*> byHandle;
};

AcceleratorTables& Tables()
{
    static AcceleratorTables* tables = new AcceleratorTables;
    return *tables;
}

HACCEL Load(HINSTANCE instance, HRSRC resource)
{
    if (!resource) {
        SetLastError(kErrorResourceNameNotFound);
        return nullptr;
    }
    auto& tables = Tables();
    std::lock_guard lock(tables.mutex);
    auto found = tables.byResource.find(resource);
    if (found == tables.byResource.end()) {
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(instance, resource)));
        ParsedAccelerators parsed = ParseAcceleratorText({bytes, SizeofResource(instance, resource)});
        if (!parsed.error.empty()) {
            SetLastError(kErrorResourceDataNotFound);
            return nullptr;
        }
        found = tables.byResource.emplace(resource, std::move(parsed.entries)).first;
    }
    auto handle = reinterpret_cast<HACCEL>(&found->second);
    tables.byHandle[handle] = &found->second;
    return handle;
}

bool IsDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

// A command the window's menu bar shows grey or disabled stays off.
bool IsCommandEnabled(HWND window, WORD command)
{
    HMENU bar = GetMenu(window);
    ItemPlace place;
    if (!bar || !FindItem(bar, command, false, &place))
        return true;
    return (place.Item().state & (MF_GRAYED | MF_DISABLED)) == 0;
}

int Translate(HWND window, HACCEL handle, LPMSG msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return 0;
    const std::vector<ACCEL>* entries = nullptr;
    {
        auto& tables = Tables();
        std::lock_guard lock(tables.mutex);
        auto found = tables.byHandle.find(handle);
        if (found != tables.byHandle.end())
            entries = found->second;
    }
    if (!entries) {
        SetLastError(kErrorInvalidAcceleratorHandle);
        return 0;
    }
    BYTE held = FVIRTKEY;
    if (IsDown(VK_CONTROL))
        held |= FCONTROL;
    if (IsDown(VK_SHIFT))
        held |= FSHIFT;
    if (IsDown(VK_MENU))
        held |= FALT;
    auto match = std::find_if(entries->begin(), entries->end(), [&](const ACCEL& entry) {
        return entry.key == msg->wParam && (entry.fVirt & ~FNOINVERT) == held;
    });
    if (match == entries->end())
        return 0;
    if (IsCommandEnabled(window, match->cmd))
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(match->cmd, 1), 0);
    return 1;
}

}  // namespace

HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR name)
{
    HRSRC resource = FindResourceA(instance, name, "ACCELERATORS");
    return Load(instance, resource);
}

HACCEL LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name)
{
    HRSRC resource = FindResourceW(instance, name, u"ACCELERATORS");
    return Load(instance, resource);
}

int TranslateAcceleratorA(HWND window, HACCEL table, LPMSG msg)
{
    return Translate(window, table, msg);
}
int TranslateAcceleratorW(HWND window, HACCEL table, LPMSG msg)
{
    return Translate(window, table, msg);
}
