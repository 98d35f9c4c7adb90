#include "gdi_objects.h"

#include <mutex>
#include <unordered_map>

namespace platform::gdi {
namespace {

struct ObjectTable {
    std::mutex mutex;
    std::unordered_map<HGDIOBJ, std::shared_ptr<GdiObject>> objects;
    ULONG_PTR nextHandle = 0x20000;
};

ObjectTable& Objects()
{
    static ObjectTable* table = new ObjectTable;
    return *table;
}

}  // namespace

Bitmap::Bitmap(int width, int height, bool stock)
    : stock(stock), width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), 0u)
{
}

HGDIOBJ AddObject(std::shared_ptr<GdiObject> object)
{
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    table.nextHandle += 4;
    auto handle = reinterpret_cast<HGDIOBJ>(table.nextHandle);
    table.objects.emplace(handle, std::move(object));
    return handle;
}

void RemoveObject(HGDIOBJ handle)
{
    std::shared_ptr<GdiObject> removed;  // released outside the table lock
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(handle);
    if (found == table.objects.end()) return;
    removed = std::move(found->second);
    table.objects.erase(found);
}

std::shared_ptr<GdiObject> FindObject(HGDIOBJ handle)
{
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(handle);
    return found == table.objects.end() ? nullptr : found->second;
}

DrawTarget TargetOf(HDC context)
{
    auto dc = FindObjectOf<DeviceContext>(context);
    return dc ? dc->Target() : WindowTargetOf(context);
}

}  // namespace platform::gdi
