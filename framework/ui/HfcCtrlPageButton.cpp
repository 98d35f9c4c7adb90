#include "framework/ui/HfcCtrlPageButton.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcWindowLayer.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr int kFontCells = 128;
constexpr int kCentred = -1;
constexpr int kDragMove = 1;

}  // namespace

bool CHfcCtrlPageButton::Create(const HfcWord* descriptor, std::uint32_t id)
{
    if (descriptor == nullptr)
        return false;
    const auto width = static_cast<int>(descriptor[kHfcPageWidth]);
    const auto height = static_cast<int>(descriptor[kHfcPageHeight]);
    if (width < 1 || height < 1)
        return false;
    std::copy(descriptor, descriptor + kHfcPageWords, m_words);
    const int x = Word(kHfcPageX);
    const int y = Word(kHfcPageY);
    SetMinimum(0, false);
    if (CHfcBmp* font = Bitmap(kHfcPageFont); font != nullptr) {
        if (m_words[kHfcPageCellWidth] == 0)
            m_words[kHfcPageCellWidth] = font->GetWidth();
        if (m_words[kHfcPageCellHeight] == 0)
            m_words[kHfcPageCellHeight] = font->GetHeight() / kFontCells;
    }
    m_bDragOver = false;
    m_iElapsed = 0;
    ClearHover();
    FinishCreate({x, y, x + width, y + height}, id, 0);
    SetDirty(true);
    return true;
}

int CHfcCtrlPageButton::AddTab(const char* label)
{
    SHfcPageTab tab;
    if (label != nullptr)
        std::strncpy(tab.label, label, sizeof tab.label - 1);
    tab.index = GetTabCount();
    tab.rect.left = m_rcControl.left + (Word(kHfcPageTabWidth) + Word(kHfcPageGap)) * tab.index;
    tab.rect.top = m_rcControl.top;
    tab.rect.right = tab.rect.left + Word(kHfcPageTabWidth);
    tab.rect.bottom = tab.rect.top + Word(kHfcPageTabHeight);
    m_tabs.push_back(tab);
    SetDirty(true);
    return tab.index;
}

void CHfcCtrlPageButton::RemoveAllTabs()
{
    m_tabs.clear();
    SetDirty(true);
}

int CHfcCtrlPageButton::HitTestTab(int x, int y) const
{
    for (const SHfcPageTab& tab : m_tabs) {
        if (tab.enabled && tab.visible && tab.rect.left < x && x < tab.rect.right && tab.rect.top < y &&
            y < tab.rect.bottom)
            return tab.index;
    }
    return -1;
}

int CHfcCtrlPageButton::TabFromPoint(int x, int y)
{
    POINT point{x, y};
    ControlToScreen(point);
    if (m_pLayer != nullptr)
        m_pLayer->ScreenToLayer(point);
    return HitTestTab(point.x, point.y);
}

SHfcPageTab* CHfcCtrlPageButton::GetTab(int index)
{
    return index >= 0 && index < GetTabCount() ? &m_tabs[index] : nullptr;
}

void CHfcCtrlPageButton::SetValue(int value, bool redraw)
{
    CHfcControl::SetValue(std::max(0, std::min(value, GetTabCount() - 1)), redraw);
    SetDirty(true);
}

bool CHfcCtrlPageButton::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers))
        return true;
    const int tab = TabFromPoint(x, y);
    if (tab < 0 || m_pOwner == nullptr)
        return false;
    m_pOwner->OnControlValueChanged(this, tab);
    return true;
}

bool CHfcCtrlPageButton::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    return false;
}

void CHfcCtrlPageButton::Destroy()
{
    m_tabs.clear();
    SetDirty(true);
    std::fill(std::begin(m_words), std::end(m_words), 0);
    CHfcControl::Destroy();
}

void CHfcCtrlPageButton::ClearHover()
{
    m_iHoverTab = -1;
    m_bHoverPending = false;
    m_iHoverStart = 0;
}

void CHfcCtrlPageButton::OnTimer(int milliseconds)
{
    m_iElapsed += milliseconds;
    if (!m_bDragOver || !SwitchesOnDrag()) {
        ClearHover();
        return;
    }
    POINT cursor{};
    if (CHfcMouse* mouse = CHfcMouse::GetInstance(); mouse != nullptr)
        mouse->GetCursorPosition(cursor);
    ScreenToControl(cursor);
    const int tab = TabFromPoint(cursor.x, cursor.y);
    if (tab >= 0 && tab == m_iHoverTab) {
        if (m_bHoverPending && m_iElapsed - m_iHoverStart > kHoverMs) {
            m_bHoverPending = false;
            ReportValue(tab);
        }
        return;
    }
    m_iHoverTab = tab;
    m_bHoverPending = true;
    m_iHoverStart = m_iElapsed;
}

bool CHfcCtrlPageButton::OnHfcDragEnter(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    m_bDragOver = true;
    *effect = SwitchesOnDrag() ? kDragMove : 0;
    return m_pOwner != nullptr && m_pOwner->OnControlDragEnter(this, data, x, y, modifiers, effect);
}

bool CHfcCtrlPageButton::OnHfcDragOver(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    *effect = SwitchesOnDrag() ? kDragMove : 0;
    return m_pOwner != nullptr && m_pOwner->OnControlDragOver(this, data, x, y, modifiers, effect);
}

bool CHfcCtrlPageButton::OnHfcDragLeave(CHfcOleToken*)
{
    m_bDragOver = false;
    return m_pOwner != nullptr && m_pOwner->OnControlDragLeave(this);
}

bool CHfcCtrlPageButton::OnHfcDrop(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    m_bDragOver = false;
    return m_pOwner != nullptr && m_pOwner->OnControlDrop(this, data, x, y, modifiers, effect);
}

void CHfcCtrlPageButton::DrawBackground(CHfcDrawContext* context)
{
    if (context != nullptr && Bitmap(kHfcPageBack) != nullptr)
        context->DrawBitmap(m_rcControl, Bitmap(kHfcPageBack), Word(kHfcPageBackX), Word(kHfcPageBackY));
}

void CHfcCtrlPageButton::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible || !m_bCreated)
        return;
    // Without a background the old selection would show through.
    if (Bitmap(kHfcPageBack) != nullptr)
        DrawBackground(context);
    else
        context->ClearRectangle(m_rcControl);
    const int cellWidth = Word(kHfcPageCellWidth);
    // A strip without a usable cell width draws no labels.
    const int characters = cellWidth >= 1 ? Word(kHfcPageTabWidth) / cellWidth : 0;
    const int labelY = Word(kHfcPageLabelY) == kCentred
                           ? m_rcControl.top + Word(kHfcPageTabHeight) / 2 - Word(kHfcPageCellHeight) / 2
                           : m_rcControl.top + Word(kHfcPageLabelY);
    context->SetPenColor(static_cast<ARGB>(m_words[kHfcPageFrameColor]));
    context->SetFillColor(static_cast<ARGB>(m_words[kHfcPageFillColor]));
    for (const SHfcPageTab& tab : m_tabs) {
        if (tab.visible)
            DrawTab(context, tab, labelY, characters);
    }
}

void CHfcCtrlPageButton::DrawTab(CHfcDrawContext* context, const SHfcPageTab& tab, int labelY, int characters)
{
    const int tabWidth = Word(kHfcPageTabWidth);
    const int tabHeight = Word(kHfcPageTabHeight);
    const int cellWidth = Word(kHfcPageCellWidth);
    CHfcBmp* font = Bitmap(kHfcPageFont);
    if (tab.index == GetValue()) {
        if (Bitmap(kHfcPageSelectedFont) != nullptr)
            font = Bitmap(kHfcPageSelectedFont);
        context->FillRectangle(tab.rect.left, m_rcControl.top, tabWidth, tabHeight);
    }
    if (!tab.enabled && Bitmap(kHfcPageDisabledFont) != nullptr)
        font = Bitmap(kHfcPageDisabledFont);
    const int length = std::min(static_cast<int>(std::strlen(tab.label)), characters);
    const int labelX = Word(kHfcPageLabelX) == kCentred ? tab.rect.left + tabWidth / 2 - cellWidth * length / 2
                                                        : tab.rect.left + Word(kHfcPageLabelX);
    context->DrawRectangle(tab.rect.left, m_rcControl.top, tabWidth, tabHeight);
    if (font != nullptr)
        context->DrawBitmapText(labelX, labelY, tab.label, length, font, cellWidth, Word(kHfcPageCellHeight));
}
