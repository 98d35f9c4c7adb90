// What a drop on the program page does.
#include "editor/FavoriteSlotMoves.h"
#include "editor/LibraryWindow.h"
#include "editor/ProgramBankMoves.h"
#include "editor/ProgramDragItems.h"
#include "editor/ProgramDropEffect.h"
#include "editor/ProgramListDrag.h"
#include "editor/ProgramListLayer.h"
#include "framework/services/EfTrace.h"

using namespace program_list;

bool CProgramListDrag::Drop(CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    *effect = kProgramDropNone;
    m_hovering = false;
    if (CProgramListLayer::IsBusy())
        return true;
    const int row = ProgramAt(m_layer.GetGeometry(), m_layer.GetPage(), x, y);
    const int slot = FavouriteAt(x, y);
    if (row >= 0 && !m_favoriteDrag) {
        m_layer.ClearSelection();
        const int wanted = ProgramDragEffect(IsFromThisPage(), modifiers);
        if (DropOnRow(data, row, wanted))
            *effect = wanted;
        ClearDropMarkers();
    } else if (slot >= 0) {
        m_layer.ClearFavouriteSelection();
        if (IsFromThisPage()) {
            if (!m_favoriteDrag && DropProgramOnFavorite(data, slot))
                *effect = kProgramDropCopy;
            else if (m_favoriteDrag && SwapFavorites(slot))
                *effect = kProgramDropMove;
        }
        ClearDropMarkers();
        m_layer.DrawFavourites();
    }
    if (CLibraryWindow* window = m_layer.GetLibraryWindow()) {
        window->Show();
        window->Activate();
    }
    return true;
}

bool CProgramListDrag::DropOnRow(CHfcDragData* data, int row, int effect)
{
    const std::vector<ProgramClipboardRecord> records = ReadProgramItems(data);
    if (!IsFromThisPage())
        return DropOutsidePrograms(records, row);
    switch (effect) {
    case kProgramDropCopy: return CopyPrograms(records, row);
    case kProgramDropLink: return ExchangePrograms(records, row);
    default: return InsertPrograms(records, row);
    }
}

bool CProgramListDrag::CopyPrograms(const std::vector<ProgramClipboardRecord>& records, int row)
{
    ProgramBank* bank = m_layer.GetBank();
    return bank != nullptr && ShowBankMove(::CopyPrograms(*bank, records, row));
}

bool CProgramListDrag::DropOutsidePrograms(const std::vector<ProgramClipboardRecord>& records, int row)
{
    return CopyPrograms(records, row);
}

bool CProgramListDrag::ExchangePrograms(const std::vector<ProgramClipboardRecord>& records, int row)
{
    ProgramBank* bank = m_layer.GetBank();
    return bank != nullptr && ShowBankMove(::ExchangePrograms(*bank, records, row));
}

bool CProgramListDrag::InsertPrograms(const std::vector<ProgramClipboardRecord>& records, int row)
{
    ProgramBank* bank = m_layer.GetBank();
    return bank != nullptr && ShowBankMove(::InsertPrograms(*bank, records, row));
}

bool CProgramListDrag::ShowBankMove(const ProgramBankMove& move)
{
    if (!move.Done()) {
        EfTrace("CProgramListDrag - %s", move.failure);
        return false;
    }
    for (int n : move.changed)
        m_layer.CloseEditWindow(n);
    for (int n : move.received)
        m_layer.SetProgramFlags(n, m_layer.GetProgramFlags(n) | CProgramListLayer::kSelected |
                                       CProgramListLayer::kNeedsRedraw);
    m_layer.MarkModified();
    m_layer.UpdateHighlight();
    m_layer.RedrawAll();
    return true;
}

CGlobal* CProgramListDrag::GetGlobal() const
{
    const CLibraryWindow* window = m_layer.GetLibraryWindow();
    return window != nullptr && window->GetLibraryData() != nullptr ? window->GetLibraryData()->GetGlobal() : nullptr;
}

bool CProgramListDrag::DropProgramOnFavorite(CHfcDragData* data, int slot)
{
    const std::vector<ProgramClipboardRecord> records = ReadProgramItems(data);
    CGlobal* global = GetGlobal();
    if (records.empty() || global == nullptr || !SetFavoriteProgram(*global, slot, records.front().number))
        return false;
    SelectFavorite(slot);
    return true;
}

bool CProgramListDrag::SwapFavorites(int slot)
{
    CGlobal* global = GetGlobal();
    if (global == nullptr || !SwapFavoritePrograms(*global, m_dragIndex, slot))
        return false;
    SelectFavorite(slot);
    return true;
}

void CProgramListDrag::SelectFavorite(int slot)
{
    m_layer.SetFavouriteFlags(slot, m_layer.GetFavouriteFlags(slot) | CProgramListLayer::kSelected |
                                        CProgramListLayer::kNeedsRedraw);
    m_layer.MarkModified();
}
