#include "editor/ProgramListDrag.h"

#include "app/SkinTable.h"
#include "editor/LibraryWindow.h"
#include "editor/ProgramDragItems.h"
#include "editor/ProgramDropEffect.h"
#include "editor/ProgramListLayer.h"
#include "editor/layout/Layouts.h"
#include "framework/services/EfTrace.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <cstdint>
#include <string>

using namespace program_list;

namespace {

constexpr ARGB kDragFrameColour = 0xFF000000;

// The picture of a dragged cell: the page's background under it, the cell
// as paint draws it at (0, 0), and a black frame.
template <class Paint>
void DrawPicture(CHfcOffscreenContext* image, const POINT& cell, int width, Paint paint)
{
    if (image == nullptr)
        return;
    const std::string background = ThemedBitmapName(layout::ProgramListLayout().background, GetColourTheme());
    if (CHfcBmp* bitmap = GetBitmap(background.c_str()))
        image->DrawBitmap(0, 0, width, kRowHeight + 1, bitmap, cell.x, cell.y);
    paint(*image);
    image->SetPenWidth(1.0f);
    image->SetPenColor(kDragFrameColour);
    image->DrawRectangle(0, 0, width - 1, kRowHeight);
}

// Takes the drop marker off each of count cells, marking it for redraw;
// whether any had one.
template <class Get, class Set>
bool ClearMarkers(int count, Get flagsOf, Set setFlags)
{
    bool cleared = false;
    for (int n = 0; n < count; ++n) {
        const std::uint32_t flags = flagsOf(n);
        if ((flags & CProgramListLayer::kDropTarget) == 0)
            continue;
        setFlags(n, (flags & ~CProgramListLayer::kDropTarget) | CProgramListLayer::kNeedsRedraw);
        cleared = true;
    }
    return cleared;
}

}  // namespace

CProgramListDrag::CProgramListDrag(CProgramListLayer& layer) : m_layer(layer)
{}

void CProgramListDrag::StartDrag(int /*x*/, int /*y*/, int /*modifiers*/)
{
    const int index = m_layer.GetPressIndex();
    if (index < 0 || m_dragIndex >= 0)
        return;
    m_dragIndex = index;
    m_favoriteDrag = m_layer.IsPressOnFavourite();
    if (m_favoriteDrag)
        DragFavorites(m_layer.GetPressPoint());
    else
        DragPrograms(m_layer.GetPressPoint());
    m_dragIndex = -1;
    m_favoriteDrag = false;
    ClearDropMarkers();
}

void CProgramListDrag::DragPrograms(const POINT& press)
{
    const ProgramBank* bank = m_layer.GetBank();
    if (bank == nullptr)
        return;
    std::vector<ProgramClipboardRecord> records;
    for (int n = 0; n < kProgramBankSize; ++n) {
        if ((m_layer.GetProgramFlags(n) & CProgramListLayer::kSelected) != 0)
            records.push_back(MakeProgramClipboardRecord(*bank, n));
    }
    const UINT format = GetProgramDragFormat();
    CHfcDragData drag;
    const int width = m_layer.GetGeometry().columnWidth + 1;
    drag.Begin(width, kRowHeight + 1);
    for (const ProgramClipboardRecord& record : records)
        drag.AddItem(format, reinterpret_cast<const BYTE*>(&record), sizeof record, -1);
    const POINT cell = RowCorner(m_layer.GetGeometry(), m_dragIndex);
    DrawPicture(drag.GetImage(), cell, width,
                [this](CHfcOffscreenContext& image) { m_layer.PaintRow(image, 0, 0, m_dragIndex, 0); });
    RunDrag(drag, cell, press);
}

void CProgramListDrag::DragFavorites(const POINT& press)
{
    std::vector<std::uint32_t> slots;
    for (int slot = 0; slot < kFavouriteCount; ++slot) {
        if ((m_layer.GetFavouriteFlags(slot) & CProgramListLayer::kSelected) != 0)
            slots.push_back(static_cast<std::uint32_t>(slot));
    }
    const UINT format = GetFavoriteDragFormat();
    CHfcDragData drag;
    const int width = kFavouritePitch + 1;
    drag.Begin(width, kRowHeight + 1);
    for (const std::uint32_t& slot : slots)
        drag.AddItem(format, reinterpret_cast<const BYTE*>(&slot), sizeof slot, -1);
    const POINT cell = FavouriteCorner(m_dragIndex);
    DrawPicture(drag.GetImage(), cell, width,
                [this](CHfcOffscreenContext& image) { m_layer.PaintFavourite(image, 0, 0, m_dragIndex, 0); });
    RunDrag(drag, cell, press);
}

void CProgramListDrag::RunDrag(CHfcDragData& drag, const POINT& cell, const POINT& press)
{
    try {
        drag.DoDragDrop(cell.x - press.x, cell.y - press.y);
    } catch (const char* failure) {
        EfTrace("CProgramListDrag - %s", failure);
    }
    drag.End();
}

bool CProgramListDrag::DragEnter(CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    m_hovering = true;
    m_hoverPoint = {x, y};
    m_windowMs = 0;
    m_tabMs = 0;
    return DragOver(data, x, y, modifiers, effect);
}

bool CProgramListDrag::DragOver(CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    if (x != m_hoverPoint.x || y != m_hoverPoint.y) {
        m_hoverPoint = {x, y};
        if (m_windowMs <= kHoverMs)
            m_windowMs = 0;
    }
    if (CProgramListLayer::IsBusy())
        return true;
    *effect = OfferDrop(data, x, y, modifiers);
    return true;
}

int CProgramListDrag::OfferDrop(CHfcDragData* data, int x, int y, int modifiers)
{
    ClearDropMarkers();
    const ListGeometry& geometry = m_layer.GetGeometry();
    const ProgramDragKind kind = KindOfProgramDrag(data);
    if (kind == ProgramDragKind::kNothing || PageTabAt(geometry, x, y) >= 0)
        return kProgramDropNone;
    const int row = kind == ProgramDragKind::kPrograms ? ProgramAt(geometry, m_layer.GetPage(), x, y) : -1;
    if (row >= 0) {
        m_layer.SetProgramFlags(row, m_layer.GetProgramFlags(row) | CProgramListLayer::kDropTarget |
                                         CProgramListLayer::kNeedsRedraw);
        m_layer.DrawRows();
        return ProgramDragEffect(IsFromThisPage(), modifiers);
    }
    const int slot = FavouriteAt(x, y);
    if (slot < 0 || !IsFromThisPage())
        return kProgramDropNone;
    m_layer.SetFavouriteFlags(slot, m_layer.GetFavouriteFlags(slot) | CProgramListLayer::kDropTarget |
                                        CProgramListLayer::kNeedsRedraw);
    m_layer.DrawFavourites();
    return ProgramDragEffect(true, modifiers);
}

bool CProgramListDrag::DragLeave()
{
    m_hovering = false;
    ClearDropMarkers();
    return true;
}

void CProgramListDrag::ClearDropMarkers()
{
    const bool rows = ClearMarkers(
        kProgramBankSize, [this](int n) { return m_layer.GetProgramFlags(n); },
        [this](int n, std::uint32_t flags) { m_layer.SetProgramFlags(n, flags); });
    const bool favourites = ClearMarkers(
        kFavouriteCount, [this](int slot) { return m_layer.GetFavouriteFlags(slot); },
        [this](int slot, std::uint32_t flags) { m_layer.SetFavouriteFlags(slot, flags); });
    if (rows)
        m_layer.DrawRows();
    if (favourites)
        m_layer.DrawFavourites();
}

void CProgramListDrag::OnTick(int milliseconds)
{
    if (!m_hovering)
        return;
    const int tab = PageTabAt(m_layer.GetGeometry(), m_hoverPoint.x, m_hoverPoint.y);
    m_tabMs = tab >= 0 ? m_tabMs + milliseconds : 0;
    if (m_tabMs > kHoverMs) {
        m_tabMs = 0;
        m_layer.SetPage(tab);
    }
    if (m_windowMs > kHoverMs)
        return;
    m_windowMs += milliseconds;
    CLibraryWindow* window = m_layer.GetLibraryWindow();
    if (m_windowMs > kHoverMs && window != nullptr) {
        window->Show();
        window->Activate();
    }
}
