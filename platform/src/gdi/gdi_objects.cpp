#include "gdi_objects.h"

#include "../handle_table.h"

namespace platform::gdi {
namespace {

platform::detail::HandleTable<HGDIOBJ, GdiObject>& Objects()
{
    static auto* table = new platform::detail::HandleTable<HGDIOBJ, GdiObject>(0x20000);
    return *table;
}

}  // namespace

Bitmap::Bitmap(int width, int height, bool stock)
    : stock(stock), width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), 0u)
{}

HGDIOBJ AddObject(std::shared_ptr<GdiObject> object)
{
    return Objects().Add(std::move(object));
}

void RemoveObject(HGDIOBJ handle)
{
    Objects().Take(handle);
}

std::shared_ptr<GdiObject> FindObject(HGDIOBJ handle)
{
    return Objects().Find(handle);
}

DrawTarget TargetOf(HDC context)
{
    auto dc = FindObjectOf<DeviceContext>(context);
    return dc ? dc->Target() : WindowTargetOf(context);
}

}  // namespace platform::gdi
