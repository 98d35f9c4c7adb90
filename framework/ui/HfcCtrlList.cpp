// The list's items, lines and cells, and the requests it makes of its owner.
#include "framework/ui/HfcCtrlList.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcUiLock.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kFontCells = 128;

}  // namespace

CHfcCtrlList::CHfcCtrlList() = default;

CHfcCtrlList::~CHfcCtrlList() = default;

bool CHfcCtrlList::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    CHfcUiLock lock;
    if (descriptor == nullptr || descriptor[kHfcListFont] == 0)
        return false;
    const auto width = static_cast<int>(descriptor[kHfcListWidth]);
    const auto height = static_cast<int>(descriptor[kHfcListHeight]);
    const auto columns = static_cast<int>(descriptor[kHfcListColumns]);
    const auto rows = static_cast<int>(descriptor[kHfcListRows]);
    if (width < 1 || height < 1)
        return false;
    // Cells, lines and pages are all worked out by dividing by these.
    if (columns < 1 || rows < 1 || width < columns || height < rows)
        return false;
    std::copy(descriptor, descriptor + kHfcListWords, m_words);
    const int x = Word(kHfcListX);
    const int y = Word(kHfcListY);
    SetMinimum(0, false);
    SetMaximum(Word(kHfcListItemLimit), false);
    m_iTopLine = 0;
    m_fCellWidth = static_cast<float>(width) / static_cast<float>(columns);
    m_fCellHeight = static_cast<float>(height) / static_cast<float>(rows);
    const CHfcBmp* font = Bitmap(kHfcListFont);
    if (m_words[kHfcListGlyphWidth] == 0)
        m_words[kHfcListGlyphWidth] = font->GetWidth();
    if (m_words[kHfcListGlyphHeight] == 0)
        m_words[kHfcListGlyphHeight] = font->GetHeight() / kFontCells;
    if (m_words[kHfcListLabelY] == 0)
        m_words[kHfcListLabelY] =
            static_cast<int>(m_fCellHeight / 2) - Word(kHfcListGlyphHeight) / 2 - Word(kHfcListLabelRaise);
    m_painted.assign(static_cast<std::size_t>(columns) * rows, true);
    m_cellContext =
        std::make_unique<CHfcOffscreenContext>(static_cast<int>(m_fCellWidth), static_cast<int>(m_fCellHeight));
    m_bPartialRedraw = false;
    ClearPress();
    FinishCreate({x, y, x + width, y + height}, id, eventCode);
    SetDirty(true);
    return true;
}

void CHfcCtrlList::Destroy()
{
    CHfcUiLock lock;
    CHfcControl::Destroy();
    m_items.clear();
    m_painted.clear();
    m_cellContext.reset();
    std::fill(std::begin(m_words), std::end(m_words), 0);
}

CHfcCtrlListItem* CHfcCtrlList::AddItem()
{
    CHfcUiLock lock;
    const int limit = Word(kHfcListItemLimit);
    if (limit > 0 && GetItemCount() >= limit)
        return nullptr;
    m_items.push_back(std::make_unique<CHfcCtrlListItem>(GetItemCount()));
    SetDirty(true);
    return m_items.back().get();
}

void CHfcCtrlList::RemoveAllItems()
{
    CHfcUiLock lock;
    m_items.clear();
    SetDirty(true);
}

CHfcCtrlListItem* CHfcCtrlList::GetItem(int index) const
{
    return index >= 0 && index < GetItemCount() ? m_items[index].get() : nullptr;
}

bool CHfcCtrlList::IsItemSelected(int index) const
{
    const CHfcCtrlListItem* item = GetItem(index);
    return item != nullptr && item->IsSelected();
}

void CHfcCtrlList::SetItemSelected(int index, bool selected)
{
    CHfcUiLock lock;
    if (CHfcCtrlListItem* item = GetItem(index); item != nullptr)
        item->SetSelected(selected);
    SetDirty(true);
}

int CHfcCtrlList::GetFirstSelectedItem() const
{
    for (int i = 0; i < GetItemCount(); ++i) {
        if (m_items[i]->IsSelected())
            return i;
    }
    return -1;
}

int CHfcCtrlList::GetItemsPerLine() const
{
    return HasFlag(kHfcListColumnOrder) ? Word(kHfcListRows) : Word(kHfcListColumns);
}

int CHfcCtrlList::GetVisibleLineCount() const
{
    return HasFlag(kHfcListColumnOrder) ? Word(kHfcListColumns) : Word(kHfcListRows);
}

int CHfcCtrlList::GetVisibleItemCount() const
{
    return Word(kHfcListColumns) * Word(kHfcListRows);
}

int CHfcCtrlList::GetLineCount() const
{
    const int perLine = GetItemsPerLine();
    if (perLine <= 0)
        return 0;
    // Rounded half up, so a short last line may count as none.
    return (2 * GetItemCount() + perLine) / (2 * perLine);
}

void CHfcCtrlList::MarkAllItemsDirty()
{
    for (auto& item : m_items)
        item->SetDirty(true);
}

void CHfcCtrlList::ChangeTopLine(int line)
{
    if (line == m_iTopLine)
        return;
    m_iTopLine = line;
    MarkAllItemsDirty();
    SetDirty(true);
}

void CHfcCtrlList::SetTopLine(int line)
{
    CHfcUiLock lock;
    ChangeTopLine(std::max(0, std::min(line, GetLineCount() - 1)));
}

void CHfcCtrlList::EnsureVisible(int item, int mode)
{
    CHfcUiLock lock;
    const int perLine = GetItemsPerLine();
    const int visible = GetVisibleLineCount();
    if (perLine <= 0 || visible <= 0)
        return;
    const int line = item / perLine;
    if (mode == 0) {
        if (line < m_iTopLine)
            ChangeTopLine(line);
        else if (line >= m_iTopLine + visible)
            ChangeTopLine(line - visible + 1);
    } else if (mode == 1) {
        ChangeTopLine(visible * (line / visible));
    }
    SetDirty(true);
}

bool CHfcCtrlList::Report(int code, std::intptr_t a, std::intptr_t b)
{
    return m_pOwner != nullptr && m_pOwner->OnControlListItem(this, code, a, b);
}

void CHfcCtrlList::RequestSelection(int item, bool selected)
{
    Report(kHfcListRequestSelection, selected ? 1 : 0, item);
}

bool CHfcCtrlList::IsUsable(int item) const
{
    const CHfcCtrlListItem* entry = GetItem(item);
    return entry != nullptr && entry->IsEnabled();
}

void CHfcCtrlList::SelectItem(int index, int mode)
{
    CHfcUiLock lock;
    if (!IsUsable(index))
        return;
    const bool selected = m_items[index]->IsSelected();
    switch (mode) {
    case 0:
        for (int i = 0; i < GetItemCount(); ++i) {
            if (m_items[i]->IsSelected())
                RequestSelection(i, false);
        }
        RequestSelection(index, true);
        break;
    case 1:
        if (!selected)
            RequestSelection(index, true);
        break;
    case 2:
    case 3:
        if (selected != (mode == 3))
            RequestSelection(index, mode == 3);
        break;
    default: break;
    }
}

void CHfcCtrlList::NotifySelectedItems()
{
    CHfcUiLock lock;
    for (int i = 0; i < GetItemCount(); ++i) {
        if (m_items[i]->IsSelected())
            RequestSelection(i, false);
    }
    SetDirty(true);
}

void CHfcCtrlList::EndSelection()
{
    CHfcUiLock lock;
    SetDirty(true);
    Report(kHfcListSelectionDone, 0, 0);
}

int CHfcCtrlList::GetLineOfItem(int item) const
{
    const int perLine = GetItemsPerLine();
    return perLine > 0 ? item / perLine : 0;
}

void CHfcCtrlList::IndexToCell(int cell, int& column, int& row) const
{
    const int perLine = GetItemsPerLine();
    if (HasFlag(kHfcListColumnOrder)) {
        column = cell / perLine;
        row = cell % perLine;
    } else {
        column = cell % perLine;
        row = cell / perLine;
    }
}

POINT CHfcCtrlList::GetCellOrigin(int column, int row) const
{
    return {m_rcControl.left + static_cast<int>(static_cast<float>(column) * m_fCellWidth),
            m_rcControl.top + static_cast<int>(static_cast<float>(row) * m_fCellHeight)};
}

POINT CHfcCtrlList::GetItemOrigin(int item) const
{
    int column = 0;
    int row = 0;
    IndexToCell(ItemToCell(item), column, row);
    return GetCellOrigin(column, row);
}

RECT CHfcCtrlList::GetCellRect(int cell) const
{
    int column = 0;
    int row = 0;
    IndexToCell(cell, column, row);
    const POINT origin = GetCellOrigin(column, row);
    return {origin.x, origin.y, origin.x + static_cast<int>(m_fCellWidth), origin.y + static_cast<int>(m_fCellHeight)};
}

int CHfcCtrlList::PointToCell(int x, int y, POINT* offset) const
{
    if (x < 0 || y < 0 || m_fCellWidth <= 0.0f || m_fCellHeight <= 0.0f)
        return -1;
    const auto column = static_cast<int>(static_cast<float>(x) / m_fCellWidth);
    const auto row = static_cast<int>(static_cast<float>(y) / m_fCellHeight);
    if (column >= Word(kHfcListColumns) || row >= Word(kHfcListRows))
        return -1;
    if (offset != nullptr) {
        const POINT origin = GetCellOrigin(column, row);
        *offset = {x + m_rcControl.left - origin.x, y + m_rcControl.top - origin.y};
    }
    return HasFlag(kHfcListColumnOrder) ? column * GetItemsPerLine() + row : row * GetItemsPerLine() + column;
}

int CHfcCtrlList::CellToItem(int cell) const
{
    const int item = m_iTopLine * GetItemsPerLine() + cell;
    return item < GetItemCount() ? item : -1;
}

int CHfcCtrlList::ItemToCell(int item) const
{
    const int cell = item - m_iTopLine * GetItemsPerLine();
    return cell >= 0 && cell < GetVisibleItemCount() ? cell : -1;
}

int CHfcCtrlList::ItemAt(int x, int y) const
{
    const int cell = PointToCell(x, y, nullptr);
    return cell >= 0 ? CellToItem(cell) : -1;
}
