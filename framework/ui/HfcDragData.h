#pragma once
// What a drag carries: items of bytes in clipboard formats and a picture
// shown under the pointer. A source begins a payload, draws the picture,
// adds items and drags it; a drop target fills one from the data it is
// given and hands it to its listener.
// Its members are defined by concern in:
//   HfcDragData.cpp      building a payload and reading a dropped one
//   HfcDragDataDrag.cpp  dragging a payload and the drop's answer
#include <platform/ole.h>

#include <cstdint>
#include <vector>

class CHfcOffscreenContext;

struct SHfcDragItem
{
    std::uint32_t format;
    // Not owned: the source's bytes, or the dropped block while it is read.
    const BYTE* data;
    std::uint32_t size;
    std::int32_t index;
    // A dropped file's path, empty otherwise.
    char name[1024];
};

class CHfcDragData
{
public:
    CHfcDragData() = default;
    // Ends an active payload.
    ~CHfcDragData();
    CHfcDragData(const CHfcDragData&) = delete;
    CHfcDragData& operator=(const CHfcDragData&) = delete;

    // Nothing while active; otherwise clears the items and makes an empty
    // picture of the size.
    void Begin(int width, int height);
    // Nothing while inactive; otherwise clears the items, deletes the
    // picture and lets go of the dropped data read.
    void End();
    // Index -1 is the item count.
    void AddItem(std::uint32_t format, const BYTE* data, std::uint32_t size, std::int32_t index);
    // Drags the items from the pointer with the picture's point (-x, -y)
    // under it; the effect of the drop: 0 nothing dropped, 1 move, 2 copy,
    // 3 link; 0 at once while another drag runs. Throws a text when the
    // drag cannot be set up.
    int DoDragDrop(int x, int y);
    // Files dropped give one item each and nothing else; otherwise one item
    // per format the data object delivers, read in place until End.
    void ReadDataObject(IDataObject* data, IEnumFORMATETC* formats);

    bool IsActive() const { return m_bActive; }
    CHfcOffscreenContext* GetImage() const { return m_pImage; }
    const std::vector<SHfcDragItem>& GetItems() const { return m_items; }

private:
    void AddNamedItem(std::uint32_t format, const BYTE* data, std::uint32_t size, std::int32_t index, const char* name);
    void ReadDroppedFiles(HGLOBAL drop);
    void ReleaseReadMedia();

    CHfcOffscreenContext* m_pImage = nullptr;
    std::vector<SHfcDragItem> m_items;
    bool m_bActive = false;
    // The dropped blocks the items point into, locked while they are read.
    std::vector<STGMEDIUM> m_readMedia;
};
