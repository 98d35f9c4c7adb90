#pragma once
// The drag and drop of the program page. A drag carries the selected
// programs, or the selected favourite slots, of the page it starts from.
// Dropped on a row, programs from this page are inserted there (move),
// exchanged with the rows (link, Alt) or copied over them (copy, Ctrl);
// programs from anywhere else are copied. Dropped on a favourite slot, a
// program of this page becomes that favourite and a slot trades programs
// with it. The page's own tabs take no drop; a drag resting on one shows
// its page, and a drag resting anywhere on the page brings the window to
// the front.
// Its members are defined by concern in:
//   ProgramListDrag.cpp  starting a drag and following it over the page
//   ProgramListDrop.cpp  what a drop on a row or a favourite slot does
#include "editor/ProgramListDragHandler.h"

#include <platform/types.h>

#include <vector>

class CGlobal;
class CProgramListLayer;
struct ProgramBankMove;
struct ProgramClipboardRecord;

class CProgramListDrag : public CProgramListDragHandler
{
public:
    // How long a drag rests before its page shows or its window comes to
    // the front, in ms.
    static constexpr int kHoverMs = 300;

    explicit CProgramListDrag(CProgramListLayer& layer);

    void StartDrag(int x, int y, int modifiers) override;
    bool DragEnter(CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool DragOver(CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool DragLeave() override;
    bool Drop(CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    void OnTick(int milliseconds) override;

    // The row or favourite slot a drag of this page started from; -1 while
    // none runs, so that any drag over the page comes from elsewhere.
    int GetDragIndex() const { return m_dragIndex; }
    bool IsFavoriteDrag() const { return m_favoriteDrag; }
    // A drag is over the page.
    bool IsHovering() const { return m_hovering; }

private:
    bool IsFromThisPage() const { return m_dragIndex >= 0; }
    // The effect over the point, with the target marked.
    int OfferDrop(CHfcDragData* data, int x, int y, int modifiers);
    void ClearDropMarkers();
    void DragPrograms(const POINT& press);
    void DragFavorites(const POINT& press);
    // The platform's drag, with the cell's picture where the cell lies
    // relative to the press.
    void RunDrag(CHfcDragData& drag, const POINT& cell, const POINT& press);

    // What a drop on a row does; whether anything was dropped.
    bool DropOnRow(CHfcDragData* data, int row, int effect);
    bool CopyPrograms(const std::vector<ProgramClipboardRecord>& records, int row);
    bool DropOutsidePrograms(const std::vector<ProgramClipboardRecord>& records, int row);
    bool ExchangePrograms(const std::vector<ProgramClipboardRecord>& records, int row);
    bool InsertPrograms(const std::vector<ProgramClipboardRecord>& records, int row);
    // The bank changed as the move says: edit windows of changed programs
    // close, the programs that received one are selected, the window is
    // marked and the list drawn again.
    bool ShowBankMove(const ProgramBankMove& move);
    // The library's global data, which holds the favourites.
    CGlobal* GetGlobal() const;
    bool DropProgramOnFavorite(CHfcDragData* data, int slot);
    bool SwapFavorites(int slot);
    void SelectFavorite(int slot);

    CProgramListLayer& m_layer;
    int m_dragIndex = -1;
    bool m_favoriteDrag = false;
    bool m_hovering = false;
    POINT m_hoverPoint{};
    int m_tabMs = 0;
    // Stops past the hover time until the next drag enters.
    int m_windowMs = 0;
};
