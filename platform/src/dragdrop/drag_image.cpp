#include "drag_image.h"

#include "com_object.h"

#include "platform/src/gdi/gdi_objects.h"

#include <map>
#include <mutex>

namespace platform::dragdrop {
namespace {

// Each image holds a reference to its data object, so the key stays unique.
struct Images
{
    std::mutex mutex;
    std::map<IDataObject*, DragImage> byData;
};

Images& Pending()
{
    static Images* images = new Images;
    return *images;
}

std::optional<DragImage> CopyBitmap(const SHDRAGIMAGE& given)
{
    auto bitmap = platform::gdi::FindObjectOf<platform::gdi::Bitmap>(given.hbmpDragImage);
    if (!bitmap)
        return std::nullopt;
    platform::gdi::PixelBuffer pixels = bitmap->Pixels();
    DragImage image;
    image.width = std::min<int>(given.sizeDragImage.cx, pixels.width);
    image.height = std::min<int>(given.sizeDragImage.cy, pixels.height);
    if (image.width <= 0 || image.height <= 0)
        return std::nullopt;
    image.hotSpot = given.ptOffset;
    const COLORREF key = given.crColorKey;
    image.colorKey = ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
    for (int y = 0; y < image.height; ++y)
        image.pixels.insert(image.pixels.end(), pixels.Row(y), pixels.Row(y) + image.width);
    return image;
}

// Both faces of the shell's drag image object: the source side keeps the
// image; the target side has nothing to do since the drag loop draws it.
class DragImageHelper final
    : public ComObject<Face<IDragSourceHelper, IID_IDragSourceHelper>, Face<IDropTargetHelper, IID_IDropTargetHelper>>
{
public:
    HRESULT InitializeFromBitmap(SHDRAGIMAGE* given, IDataObject* data) override
    {
        if (!given || !data)
            return E_INVALIDARG;
        auto image = CopyBitmap(*given);
        if (!image)
            return E_INVALIDARG;
        auto& images = Pending();
        {
            std::lock_guard lock(images.mutex);
            auto [at, added] = images.byData.insert_or_assign(data, std::move(*image));
            if (!added)
                return S_OK;
        }
        data->AddRef();
        return S_OK;
    }
    HRESULT InitializeFromWindow(HWND, POINT*, IDataObject*) override { return E_NOTIMPL; }

    HRESULT DragEnter(HWND, IDataObject*, POINT*, DWORD) override { return S_OK; }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT DragOver(POINT*, DWORD) override { return S_OK; }
    HRESULT Drop(IDataObject*, POINT*, DWORD) override { return S_OK; }
    HRESULT Show(BOOL) override { return S_OK; }
};

}  // namespace

std::optional<DragImage> TakeDragImage(IDataObject* data)
{
    std::optional<DragImage> image;
    {
        auto& images = Pending();
        std::lock_guard lock(images.mutex);
        auto found = images.byData.find(data);
        if (found == images.byData.end())
            return std::nullopt;
        image = std::move(found->second);
        images.byData.erase(found);
    }
    data->Release();
    return image;
}

}  // namespace platform::dragdrop

HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD, REFIID iid, LPVOID* object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    if (classId != CLSID_DragDropHelper)
        return REGDB_E_CLASSNOTREG;
    auto* helper = new platform::dragdrop::DragImageHelper;
    HRESULT result = helper->QueryInterface(iid, object);
    helper->Release();
    return result;
}
