// How the list paints its cells: whole, or only the items that changed.
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlList.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "framework/ui/HfcWindowLayer.h"

#include <algorithm>

void CHfcCtrlList::Redraw(bool force, bool now)
{
    if (m_pLayer == nullptr)
        return;
    if (!m_bVisible) {
        if (!m_bNeedsErase)
            return;
        m_bNeedsErase = false;
        DrawBackground(m_pLayer->GetContext());
        m_pLayer->UpdateRect(m_rcControl, now);
        // The cells are gone: the next picture is a whole one.
        m_bPartialRedraw = false;
        return;
    }
    if (!m_bDirty && !force)
        return;
    m_bDirty = false;
    m_bNow = now;
    if (force)
        m_bPartialRedraw = false;
    Draw(m_pLayer->GetContext());
}

int CHfcCtrlList::CountDirtyVisibleItems() const
{
    int dirty = 0;
    for (int cell = 0; cell < GetVisibleItemCount(); ++cell) {
        const int item = CellToItem(cell);
        if (item >= 0 && m_items[item]->IsVisible() && m_items[item]->IsDirty())
            ++dirty;
    }
    return dirty;
}

void CHfcCtrlList::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible || !m_bCreated)
        return;
    if (m_bPartialRedraw && CountDirtyVisibleItems() < kPartialRedrawLimit) {
        DrawCells(context, true);
        return;
    }
    if (Bitmap(kHfcListBack) != nullptr)
        DrawBackground(context);
    else
        context->ClearRectangle(m_rcControl);
    DrawCells(context, false);
    m_bPartialRedraw = true;
    if (m_pLayer != nullptr)
        m_pLayer->UpdateRect(m_rcControl, m_bNow);
}

void CHfcCtrlList::DrawBackground(CHfcDrawContext* context)
{
    if (context != nullptr)
        DrawBackPart(context, m_rcControl);
}

void CHfcCtrlList::DrawBackPart(CHfcDrawContext* context, const RECT& area) const
{
    CHfcBmp* back = Bitmap(kHfcListBack);
    if (back == nullptr)
        return;
    context->DrawBitmap(area, back, Word(kHfcListBackX) + area.left - m_rcControl.left,
                        Word(kHfcListBackY) + area.top - m_rcControl.top);
}

void CHfcCtrlList::DrawCells(CHfcDrawContext* context, bool partial)
{
    for (int cell = 0; cell < GetVisibleItemCount(); ++cell) {
        const int item = CellToItem(cell);
        if (item >= 0) {
            DrawItem(context, m_items[item].get(), cell, partial);
            m_painted[cell] = true;
        } else if (m_painted[cell]) {
            m_painted[cell] = false;
            DrawEmptyCell(context, cell, partial);
        }
    }
}

void CHfcCtrlList::DrawEmptyCell(CHfcDrawContext* context, int cell, bool partial)
{
    const RECT area = GetCellRect(cell);
    context->ClearRectangle(area);
    DrawBackPart(context, area);
    if (partial && m_pLayer != nullptr)
        m_pLayer->UpdateRect(area, m_bNow);
}

void CHfcCtrlList::DrawItem(CHfcDrawContext* context, CHfcCtrlListItem* item, int cell, bool partial)
{
    if (!item->IsVisible() || (partial && !item->IsDirty()) || m_cellContext == nullptr)
        return;
    const RECT area = GetCellRect(cell);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    CHfcOffscreenContext& cellContext = *m_cellContext;
    cellContext.ClearRectangle(0, 0, width, height);
    if (CHfcBmp* back = Bitmap(kHfcListBack); back != nullptr)
        cellContext.DrawBitmap(0, 0, width, height, back, Word(kHfcListBackX) + area.left - m_rcControl.left,
                               Word(kHfcListBackY) + area.top - m_rcControl.top);
    DrawItemContent(&cellContext, item, width, height);
    // The cell replaces what was there, transparent parts included.
    context->ClearRectangle(area);
    cellContext.CopyTo(context, area.left, area.top, width, height, 0, 0);
    item->SetDirty(false);
    if (partial && m_pLayer != nullptr)
        m_pLayer->UpdateRect(area, m_bNow);
}

void CHfcCtrlList::DrawItemContent(CHfcDrawContext* context, CHfcCtrlListItem* item, int width, int height)
{
    CHfcBmp* font = Bitmap(kHfcListFont);
    if (item->IsSelected()) {
        context->SetFillColor(static_cast<ARGB>(m_words[kHfcListSelectedColor]));
        context->FillRectangle(0, 0, width, height);
        if (Bitmap(kHfcListSelectedFont) != nullptr)
            font = Bitmap(kHfcListSelectedFont);
    } else if (item->IsMarked()) {
        context->SetFillColor(static_cast<ARGB>(m_words[kHfcListMarkedColor]));
        context->FillRectangle(0, 0, width, height);
    }
    if (item->IsFramed()) {
        context->SetPenColor(static_cast<ARGB>(m_words[kHfcListFrameColor]));
        context->DrawRectangle(0, 0, width, height);
    }
    if (!item->IsEnabled() && Bitmap(kHfcListDisabledFont) != nullptr)
        font = Bitmap(kHfcListDisabledFont);

    const int margin = Word(kHfcListLabelX);
    int areaLeft = 0;
    if (CHfcBmp* icon = item->GetIcon(); icon != nullptr && m_words[kHfcListIcons] != 0) {
        // Centred in the cell's height and cut to the cell.
        const int top = (height - icon->GetHeight()) / 2;
        const int shownWidth = std::min(icon->GetWidth(), width - margin);
        const int shownHeight = std::min(icon->GetHeight(), height);
        if (shownWidth > 0)
            context->DrawBitmap(margin, std::max(top, 0), shownWidth, shownHeight, icon, 0, std::max(-top, 0));
        areaLeft = margin + icon->GetWidth();
    }
    const int glyphWidth = Word(kHfcListGlyphWidth);
    const int areaWidth = width - areaLeft;
    const int fits = glyphWidth >= 1 ? std::max(areaWidth / glyphWidth, 0) : 0;
    const int length = std::min(static_cast<int>(item->GetText().size()), fits);
    int x = margin;
    if (margin == 0)
        x = areaLeft + (areaWidth - length * glyphWidth) / 2;
    else if (areaLeft > 0)
        x = areaLeft;
    context->DrawBitmapText(x, Word(kHfcListLabelY), item->GetText().c_str(), length, font, glyphWidth,
                            Word(kHfcListGlyphHeight));
}
