#include "drop_targets.h"

#include "desktop_drop.h"

#include <platform/window.h>

#include <map>
#include <mutex>
#include <vector>

namespace platform::dragdrop {
namespace {

struct Registry
{
    std::mutex mutex;
    int oleUsers = 0;
    std::map<HWND, IDropTarget*> targets;
};

Registry& Targets()
{
    static Registry* registry = new Registry;
    return *registry;
}

// Windows destroyed without revoking keep no reference alive.
void ReleaseTargetsOfGoneWindows()
{
    std::vector<IDropTarget*> gone;
    {
        auto& registry = Targets();
        std::lock_guard lock(registry.mutex);
        for (auto it = registry.targets.begin(); it != registry.targets.end();) {
            if (IsWindow(it->first)) {
                ++it;
                continue;
            }
            gone.push_back(it->second);
            it = registry.targets.erase(it);
        }
    }
    for (IDropTarget* target : gone)
        target->Release();
}

}  // namespace

bool OleIsUp()
{
    auto& registry = Targets();
    std::lock_guard lock(registry.mutex);
    return registry.oleUsers > 0;
}

FoundTarget TargetAround(HWND window)
{
    auto& registry = Targets();
    std::unique_lock lock(registry.mutex);
    for (HWND at = window; at && IsWindow(at); at = GetParent(at)) {
        auto found = registry.targets.find(at);
        if (found == registry.targets.end())
            continue;
        FoundTarget result{at, found->second};
        lock.unlock();
        result.target->AddRef();
        return result;
    }
    return {};
}

}  // namespace platform::dragdrop

using namespace platform::dragdrop;

HRESULT OleInitialize(LPVOID)
{
    InstallDesktopDrops();
    auto& registry = Targets();
    std::lock_guard lock(registry.mutex);
    return registry.oleUsers++ == 0 ? S_OK : S_FALSE;
}

void OleUninitialize()
{
    auto& registry = Targets();
    std::lock_guard lock(registry.mutex);
    if (registry.oleUsers > 0)
        --registry.oleUsers;
}

HRESULT RegisterDragDrop(HWND window, IDropTarget* target)
{
    if (!target)
        return E_INVALIDARG;
    if (!IsWindow(window))
        return DRAGDROP_E_INVALIDHWND;
    if (!OleIsUp())
        return CO_E_NOTINITIALIZED;
    ReleaseTargetsOfGoneWindows();
    auto& registry = Targets();
    {
        std::lock_guard lock(registry.mutex);
        if (!registry.targets.emplace(window, target).second)
            return DRAGDROP_E_ALREADYREGISTERED;
    }
    target->AddRef();
    return S_OK;
}

HRESULT RevokeDragDrop(HWND window)
{
    IDropTarget* target = nullptr;
    {
        auto& registry = Targets();
        std::lock_guard lock(registry.mutex);
        auto found = registry.targets.find(window);
        if (found == registry.targets.end())
            return DRAGDROP_E_NOTREGISTERED;
        target = found->second;
        registry.targets.erase(found);
    }
    target->Release();
    return S_OK;
}
