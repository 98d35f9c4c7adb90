#include "app/controls/CustomStaticText.h"

#include "app/controls/EnabledLook.h"

bool CCustomStaticText::Create(const CustomStaticTextDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    HfcWord words[kHfcStaticTextWords]{};
    words[kHfcStaticTextX] = descriptor->x;
    words[kHfcStaticTextY] = descriptor->y;
    words[kHfcStaticTextFont] = HfcBitmapWord(descriptor->font);
    words[kHfcStaticTextBack] = HfcBitmapWord(descriptor->background);
    words[kHfcStaticTextBackX] = BackgroundX(descriptor->x);
    words[kHfcStaticTextBackY] = BackgroundY(descriptor->y);
    words[kHfcStaticTextCellWidth] = kCellWidth;
    words[kHfcStaticTextCellHeight] = kCellHeight;
    words[kHfcStaticTextLines] = 1;
    words[kHfcStaticTextColumns] = descriptor->columns;
    return CHfcCtrlCharStaticText::Create(words, id, eventCode);
}

void CCustomStaticText::SetEnabled(bool enabled)
{
    if (ChangeEnabledState(*this, *this, enabled, m_descriptor.dimFont != nullptr))
        SetFont(enabled ? m_descriptor.font : m_descriptor.dimFont, true);
}

void CCustomStaticText::GetText(char* buffer, int size)
{
    CopyText(buffer, size, CHfcCtrlCharStaticText::GetText(), static_cast<std::size_t>(GetWord(kHfcStaticTextColumns)));
}

bool CCustomStaticText::Move(int x, int y, bool redraw)
{
    SetBackOrigin(x, y);
    return CHfcCtrlCharStaticText::Move(x, y, redraw);
}
