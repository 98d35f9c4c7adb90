#include "app/controls/CustomEditText.h"

#include "app/controls/EnabledLook.h"
#include "app/controls/WheelReport.h"

bool CCustomEditText::Create(const CustomEditTextDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    m_iMinimum = descriptor->minimum;
    m_iMaximum = descriptor->maximum;
    m_ratio = descriptor->ratio * 2;
    HfcEditTextDescriptor field;
    field.x = descriptor->x;
    field.y = descriptor->y;
    field.font = descriptor->font;
    field.background = descriptor->background;
    field.backgroundX = BackgroundX(descriptor->x);
    field.backgroundY = BackgroundY(descriptor->y);
    field.cellWidth = 0;
    field.cellHeight = 0;
    field.rows = 1;
    field.columns = descriptor->characters;
    field.minimum = ValueToPosition(m_iMinimum);
    field.maximum = ValueToPosition(m_iMaximum);
    // The positions are the drag's pixels.
    field.pixelsPerStep = 1;
    field.highlightFont = descriptor->selectedFont;
    return CHfcCtrlOldCharEditText::Create(&field, id, eventCode);
}

void CCustomEditText::SetEnabled(bool enabled)
{
    if (ChangeEnabledState(*this, *this, enabled, m_descriptor.dimFont != nullptr))
        SetFont(enabled ? m_descriptor.font : m_descriptor.dimFont, true);
}

void CCustomEditText::GetText(char* buffer, int size)
{
    const std::vector<char>& text = GetDisplayText();
    CopyText(buffer, size, text.data(), text.size());
}

bool CCustomEditText::Move(int x, int y, bool redraw)
{
    SetBackOrigin(x, y);
    return CHfcCtrlOldCharEditText::Move(x, y, redraw);
}

bool CCustomEditText::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!IsEnabled())
        return true;
    return CHfcCtrlOldCharEditText::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CCustomEditText::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!IsEnabled())
        return true;
    return CHfcCtrlOldCharEditText::OnHfcMouseLButtonDblClk(mouse, x, y, modifiers);
}

bool CCustomEditText::OnHfcMouseWheel(CHfcMouse*, int, int, int, int delta, int)
{
    if (delta == 0 || !IsEnabled())
        return true;
    const int step = value_steps::StepsToPixels(1, m_ratio);
    ReportWheelPosition(*this, CHfcCtrlOldCharEditText::GetValue() + (delta > 0 ? step : -step));
    return true;
}
