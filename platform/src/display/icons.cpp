#include "icons.h"

#include "../gdi/premultiply.h"
#include "../handle_table.h"

#include <platform/resources.h>

#include <cairo.h>

#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>

namespace platform::detail {
namespace {

struct Icon
{
    IconImage image;
    bool shared;
};

HandleTable<HICON, Icon>& Icons()
{
    static auto* table = new HandleTable<HICON, Icon>(0x30000);
    return *table;
}

struct SharedIcons
{
    std::mutex mutex;
    std::map<std::tuple<std::string, int, int>, HICON> byNameAndSize;
};

SharedIcons& Shared()
{
    static auto* shared = new SharedIcons;
    return *shared;
}

std::string KeyOf(LPCSTR name)
{
    if (!IS_INTRESOURCE(name))
        return name;
    // Appended rather than "#" + text: GCC 12 warns falsely (-Wrestrict) on that form.
    std::string key = "#";
    key += std::to_string(reinterpret_cast<ULONG_PTR>(name));
    return key;
}

struct Bytes
{
    const unsigned char* data;
    std::size_t left;
};

cairo_status_t ReadBytes(void* closure, unsigned char* out, unsigned int length)
{
    auto* bytes = static_cast<Bytes*>(closure);
    if (length > bytes->left)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, bytes->data, length);
    bytes->data += length;
    bytes->left -= length;
    return CAIRO_STATUS_SUCCESS;
}

// The PNG drawn at the size asked for, smoothed when it shrinks.
std::optional<IconImage> Decode(const void* data, std::size_t size, int width, int height)
{
    Bytes bytes{static_cast<const unsigned char*>(data), size};
    cairo_surface_t* png = cairo_image_surface_create_from_png_stream(ReadBytes, &bytes);
    std::optional<IconImage> image;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        const int ownWidth = cairo_image_surface_get_width(png), ownHeight = cairo_image_surface_get_height(png);
        if (width <= 0 || height <= 0)
            width = ownWidth, height = ownHeight;
        cairo_surface_t* sized = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(sized);
        cairo_scale(cr, double(width) / ownWidth, double(height) / ownHeight);
        cairo_set_source_surface(cr, png, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(sized);
        image.emplace();
        image->width = width;
        image->height = height;
        const auto* rows = cairo_image_surface_get_data(sized);
        const int stride = cairo_image_surface_get_stride(sized);
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(rows + std::size_t(y) * stride);
            for (int x = 0; x < width; ++x)
                image->pixels.push_back(platform::gdi::Unpremultiply(row[x]));
        }
        cairo_surface_destroy(sized);
    }
    cairo_surface_destroy(png);
    return image;
}

}  // namespace

std::shared_ptr<const IconImage> FindIcon(HICON icon)
{
    auto found = Icons().Find(icon);
    if (!found)
        return nullptr;
    return std::shared_ptr<const IconImage>(found, &found->image);
}

HICON LoadResourceIcon(LPCSTR name, int width, int height, bool shared)
{
    const auto key = std::make_tuple(KeyOf(name), std::max(width, 0), std::max(height, 0));
    auto& cache = Shared();
    std::lock_guard lock(cache.mutex);
    if (shared)
        if (auto found = cache.byNameAndSize.find(key); found != cache.byNameAndSize.end())
            return found->second;
    HRSRC resource = FindResourceA(nullptr, name, "ICON");
    if (!resource)
        return nullptr;
    auto image =
        Decode(LockResource(LoadResource(nullptr, resource)), SizeofResource(nullptr, resource), width, height);
    if (!image)
        return nullptr;
    HICON icon = Icons().Add(std::make_shared<Icon>(Icon{std::move(*image), shared}));
    if (shared)
        cache.byNameAndSize[key] = icon;
    return icon;
}

bool DestroyResourceIcon(HICON icon)
{
    auto found = Icons().Find(icon);
    if (!found || found->shared)
        return false;
    Icons().Take(icon);
    return true;
}

}  // namespace platform::detail
