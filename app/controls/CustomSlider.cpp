#include "app/controls/CustomSlider.h"

#include "app/controls/EnabledLook.h"
#include "app/controls/WheelReport.h"
#include "framework/ui/HfcModifiers.h"

#include <algorithm>

bool CCustomSlider::Create(const CustomSliderDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    HfcWord words[kHfcFaderWords]{};
    words[kHfcFaderX] = descriptor->x;
    words[kHfcFaderY] = descriptor->y;
    words[kHfcFaderWidth] = descriptor->width;
    words[kHfcFaderHeight] = descriptor->height;
    words[kHfcFaderThumb] = HfcBitmapWord(descriptor->bitmap);
    words[kHfcFaderBack] = HfcBitmapWord(descriptor->background);
    words[kHfcFaderBackX] = descriptor->x;
    words[kHfcFaderBackY] = descriptor->y;
    words[kHfcFaderTrackLength] = descriptor->height;
    words[kHfcFaderMinimum] = ValueToPosition(descriptor->minimum);
    words[kHfcFaderMaximum] = ValueToPosition(descriptor->maximum);
    words[kHfcFaderValue] = words[kHfcFaderMinimum];
    if (!CHfcCtrlVerticalFader::Create(words, id, eventCode))
        return false;
    UpdateSteps();
    return true;
}

void CCustomSlider::UpdateSteps()
{
    // A layout without lines counts as one line.
    const int lines = std::max(m_descriptor.steps, 1);
    m_lineStep = std::max((GetMaximum() - GetMinimum()) / lines, 1);
    m_snapStep = std::max(m_lineStep * 2 / 10, 1);
    SetDragSteps(m_lineStep, m_snapStep);
}

void CCustomSlider::SetValue(int value)
{
    if (GetValue() == value)
        return;
    CHfcCtrlVerticalFader::SetValue(ValueToPosition(value), true);
}

void CCustomSlider::SetMin(int minimum)
{
    SetMinimum(ValueToPosition(minimum), true);
    UpdateSteps();
}

void CCustomSlider::SetMax(int maximum)
{
    SetMaximum(ValueToPosition(maximum), true);
    UpdateSteps();
}

void CCustomSlider::SetEnabled(bool enabled)
{
    if (ChangeEnabledState(*this, *this, enabled, m_descriptor.dimBitmap != nullptr))
        SetThumbBitmap(enabled ? m_descriptor.bitmap : m_descriptor.dimBitmap, true);
}

bool CCustomSlider::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!IsEnabled())
        return true;
    return CHfcCtrlVerticalFader::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool CCustomSlider::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!IsEnabled())
        return true;
    return CHfcCtrlVerticalFader::OnHfcMouseLButtonDblClk(mouse, x, y, modifiers);
}

bool CCustomSlider::OnHfcMouseWheel(CHfcMouse*, int, int, int, int delta, int modifiers)
{
    if (delta == 0 || !IsEnabled())
        return true;
    const int step = (modifiers & kHfcModifierShift) != 0 ? kUnitsPerValue : 5 * kUnitsPerValue;
    const int position = CHfcCtrlVerticalFader::GetValue() / m_snapStep * m_snapStep;
    ReportWheelPosition(*this, position + (delta > 0 ? step : -step));
    return true;
}
