#include "framework/ui/HfcDragData.h"

#include "framework/ui/HfcOffscreenContext.h"

#include <platform/shellapi.h>

#include <cstring>

namespace {

constexpr UINT kFileCount = 0xFFFFFFFF;

}  // namespace

CHfcDragData::~CHfcDragData()
{
    End();
    ReleaseReadMedia();
}

void CHfcDragData::Begin(int width, int height)
{
    if (m_bActive)
        return;
    m_items.clear();
    m_pImage = new CHfcOffscreenContext(width, height);
    m_bActive = true;
}

void CHfcDragData::End()
{
    if (!m_bActive)
        return;
    m_items.clear();
    ReleaseReadMedia();
    delete m_pImage;
    m_pImage = nullptr;
    m_bActive = false;
}

void CHfcDragData::AddItem(std::uint32_t format, const BYTE* data, std::uint32_t size, std::int32_t index)
{
    AddNamedItem(format, data, size, index, "");
}

void CHfcDragData::AddNamedItem(std::uint32_t format, const BYTE* data, std::uint32_t size, std::int32_t index,
                                const char* name)
{
    SHfcDragItem item{format, data, size, index == -1 ? static_cast<std::int32_t>(m_items.size()) : index, {}};
    std::strncpy(item.name, name, sizeof(item.name) - 1);
    m_items.push_back(item);
}

void CHfcDragData::ReadDataObject(IDataObject* data, IEnumFORMATETC* formats)
{
    FORMATETC files{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (SUCCEEDED(data->GetData(&files, &medium))) {
        if (medium.tymed == TYMED_HGLOBAL)
            ReadDroppedFiles(medium.hGlobal);
        ReleaseStgMedium(&medium);
        return;
    }
    formats->Reset();
    FORMATETC format{};
    while (formats->Next(1, &format, nullptr) == S_OK) {
        CoTaskMemFree(format.ptd);
        format.ptd = nullptr;
        medium = STGMEDIUM{};
        if (FAILED(data->GetData(&format, &medium)))
            continue;
        // Only a global block can be read in place.
        const BYTE* bytes =
            medium.tymed == TYMED_HGLOBAL ? static_cast<const BYTE*>(GlobalLock(medium.hGlobal)) : nullptr;
        if (bytes == nullptr) {
            ReleaseStgMedium(&medium);
            continue;
        }
        m_readMedia.push_back(medium);
        AddItem(format.cfFormat, bytes, static_cast<std::uint32_t>(GlobalSize(medium.hGlobal)), format.lindex);
    }
}

void CHfcDragData::ReadDroppedFiles(HGLOBAL drop)
{
    if (GlobalLock(drop) == nullptr)
        return;
    const UINT count = DragQueryFileA(drop, kFileCount, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char path[sizeof(SHfcDragItem::name)] = {};
        DragQueryFileA(drop, i, path, sizeof(path));
        AddNamedItem(CF_HDROP, nullptr, 0, static_cast<std::int32_t>(i), path);
    }
    GlobalUnlock(drop);
}

void CHfcDragData::ReleaseReadMedia()
{
    for (STGMEDIUM& medium : m_readMedia) {
        GlobalUnlock(medium.hGlobal);
        ReleaseStgMedium(&medium);
    }
    m_readMedia.clear();
}
