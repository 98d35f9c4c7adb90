// Dragging a payload: its items go into a data object as global blocks,
// its picture to the drag image helper, and the drop's answer comes back.
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcDragWin32DataObject.h"
#include "framework/ui/HfcDragWin32DropSource.h"
#include "framework/ui/HfcDropEffect.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcUiLock.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

// Set while a drag runs: the drag loop goes on dispatching messages, and a
// drag started from one of them must not run inside the first.
bool gDragRunning = false;

class CDragRunning
{
public:
    CDragRunning() { gDragRunning = true; }
    ~CDragRunning() { gDragRunning = false; }
    CDragRunning(const CDragRunning&) = delete;
    CDragRunning& operator=(const CDragRunning&) = delete;
};

struct SRelease
{
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using ReleasedPtr = std::unique_ptr<Interface, SRelease>;

// One global block with the item's bytes, given to the data object.
void OfferItem(IDataObject& data, const SHfcDragItem& item)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, item.size);
    if (block == nullptr)
        throw "Failed to GlobalAlloc()";
    if (item.size > 0 && item.data != nullptr) {
        std::memcpy(GlobalLock(block), item.data, item.size);
        GlobalUnlock(block);
    }
    const LONG index = item.format == CF_TEXT ? -1 : item.index;
    FORMATETC format{static_cast<CLIPFORMAT>(item.format), nullptr, DVASPECT_CONTENT, index, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = block;
    if (FAILED(data.SetData(&format, &medium, TRUE))) {
        GlobalFree(block);
        throw "Failed to SetData()";
    }
}

// Hands the picture to the drag image helper; the drag goes on without one.
ReleasedPtr<IDragSourceHelper> ShowPicture(CHfcOffscreenContext* image, IDataObject* data, int x, int y)
{
    void* object = nullptr;
    if (FAILED(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDragSourceHelper, &object)))
        return nullptr;
    ReleasedPtr<IDragSourceHelper> helper(static_cast<IDragSourceHelper*>(object));
    CHfcBmp* picture = image != nullptr ? image->GetBitmap() : nullptr;
    if (picture == nullptr)
        return helper;
    const int width = picture->GetWidth();
    const int height = picture->GetHeight();
    CHfcOffscreenContext copy(width, height);
    copy.DrawBitmap(0, 0, width, height, picture, 0, 0);
    if (copy.GetBitmap() == nullptr)
        return helper;
    SHDRAGIMAGE drag{{width, height}, {-x, -y}, copy.GetBitmap()->CreateWin32Bitmap(), kTransparentKey};
    if (drag.hbmpDragImage != nullptr)
        helper->InitializeFromBitmap(&drag, data);
    return helper;
}

}  // namespace

int CHfcDragData::DoDragDrop(int x, int y)
{
    CHfcUiLock lock;
    if (gDragRunning || !m_bActive || m_items.empty())
        return 0;
    const CDragRunning running;
    ReleasedPtr<IDataObject> data(new (std::nothrow) CHfcDragWin32DataObject);
    if (data == nullptr)
        throw "Can't allocate memory for CHfcDragWin32DataObject.";
    for (const SHfcDragItem& item : m_items)
        OfferItem(*data, item);
    ReleasedPtr<IDropSource> source(new (std::nothrow) CHfcDragWin32DropSource);
    if (source == nullptr)
        throw "Can't alloc memory for CHfcDragWin32DropSource.";
    const ReleasedPtr<IDragSourceHelper> helper = ShowPicture(m_pImage, data.get(), x, y);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result =
        ::DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    // What the drop answered, not what the pointer showed before it: a
    // target that refuses the drop leaves a moved source's data in place.
    return result == DRAGDROP_S_DROP ? HfcCodeFromDropEffect(effect) : 0;
}
