#include "framework/ui/HfcCtrlListItem.h"

#include <algorithm>
#include <cstring>

void CHfcCtrlListItem::SetText(const char* text)
{
    const std::string cut(text != nullptr ? text : "", text != nullptr ? strnlen(text, kMaxText) : 0);
    if (cut == m_text)
        return;
    m_text = cut;
    m_bDirty = true;
}

void CHfcCtrlListItem::GetText(char* buffer, int size) const
{
    if (buffer == nullptr || size < 1)
        return;
    const std::size_t count = std::min(m_text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, m_text.data(), count);
    buffer[count] = '\0';
}

void CHfcCtrlListItem::Change(bool& flag, bool value)
{
    if (flag == value)
        return;
    flag = value;
    m_bDirty = true;
}

void CHfcCtrlListItem::SetSelected(bool selected)
{
    Change(m_bSelected, selected);
}

void CHfcCtrlListItem::SetEnabled(bool enabled)
{
    Change(m_bEnabled, enabled);
}

void CHfcCtrlListItem::SetVisible(bool visible)
{
    Change(m_bVisible, visible);
}

void CHfcCtrlListItem::SetMarked(bool marked)
{
    Change(m_bMarked, marked);
}

void CHfcCtrlListItem::SetFramed(bool framed)
{
    Change(m_bFramed, framed);
}

void CHfcCtrlListItem::SetIcon(CHfcBmp* icon)
{
    if (icon == m_pIcon)
        return;
    m_pIcon = icon;
    m_bDirty = true;
}
