#include "app/controls/CustomList.h"

#include "framework/ui/HfcDrawContext.h"

#include <algorithm>

bool CCustomList::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (!CHfcCtrlList::Create(descriptor, id, eventCode))
        return false;
    m_selectionColor = static_cast<ARGB>(GetWord(kHfcListSelectedColor));
    return true;
}

void CCustomList::SetSelectionColor(ARGB color)
{
    m_selectionColor = color;
    SetDirty(true);
}

void CCustomList::SetGridColor(ARGB color)
{
    m_gridColor = color;
    SetDirty(true);
}

void CCustomList::SetCellMargins(int x, int y)
{
    m_marginX = x;
    m_marginY = y;
    SetDirty(true);
}

void CCustomList::DrawItemContent(CHfcDrawContext* context, CHfcCtrlListItem* item, int width, int height)
{
    if (m_gridColor != 0) {
        int column = 0;
        int row = 0;
        IndexToCell(ItemToCell(item->GetIndex()), column, row);
        context->SetFillColor(m_gridColor);
        context->FillRectangle(0, 0, 1, height);
        context->FillRectangle(0, 0, width, 1);
        if (column == Word(kHfcListColumns) - 1)
            context->FillRectangle(width - 1, 0, 1, height);
        if (row == Word(kHfcListRows) - 1)
            context->FillRectangle(0, height - 1, width, 1);
    }
    const int left = m_marginX;
    const int top = m_marginY;
    const int innerWidth = width - 2 * m_marginX;
    const int innerHeight = height - 2 * m_marginY;
    if (innerWidth < 1 || innerHeight < 1)
        return;

    CHfcBmp* font = Bitmap(kHfcListFont);
    if (item->IsSelected()) {
        context->SetFillColor(m_selectionColor);
        context->FillRectangle(left, top, innerWidth, innerHeight);
        if (Bitmap(kHfcListSelectedFont) != nullptr)
            font = Bitmap(kHfcListSelectedFont);
    } else if (item->IsMarked()) {
        context->SetFillColor(static_cast<ARGB>(GetWord(kHfcListMarkedColor)));
        context->FillRectangle(left, top, innerWidth, innerHeight);
    }
    if (item->IsFramed()) {
        context->SetPenColor(static_cast<ARGB>(GetWord(kHfcListFrameColor)));
        context->DrawRectangle(left, top, innerWidth, innerHeight);
    }
    if (!item->IsEnabled() && Bitmap(kHfcListDisabledFont) != nullptr)
        font = Bitmap(kHfcListDisabledFont);

    const int glyphWidth = Word(kHfcListGlyphWidth);
    const int fits = glyphWidth >= 1 ? innerWidth / glyphWidth : 0;
    const int length = std::min({static_cast<int>(item->GetText().size()), kLabelLimit, fits});
    const int offset = Word(kHfcListLabelX);
    const int x = offset != 0 ? left + offset : left + (innerWidth - length * glyphWidth) / 2;
    context->DrawBitmapText(x, top + Word(kHfcListLabelY), item->GetText().c_str(), length, font, glyphWidth,
                            Word(kHfcListGlyphHeight));
}
