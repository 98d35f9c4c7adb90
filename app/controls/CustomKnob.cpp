#include "app/controls/CustomKnob.h"

#include "app/controls/EnabledLook.h"
#include "app/controls/WheelReport.h"
#include "framework/ui/HfcModifiers.h"

bool CCustomKnob::Create(const CustomKnobDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    m_iMinimum = descriptor->minimum;
    m_iMaximum = descriptor->maximum;
    m_ratio = StoredRatio(descriptor->ratio);
    m_pImage = descriptor->bitmap;
    HfcWord words[kHfcKnobWords]{};
    words[kHfcKnobX] = descriptor->x;
    words[kHfcKnobY] = descriptor->y;
    words[kHfcKnobBitmap] = HfcBitmapWord(descriptor->bitmap);
    words[kHfcKnobBack] = HfcBitmapWord(descriptor->background);
    words[kHfcKnobBackX] = descriptor->x;
    words[kHfcKnobBackY] = descriptor->y;
    words[kHfcKnobFrames] = descriptor->frames;
    words[kHfcKnobMinimum] = 0;
    words[kHfcKnobMaximum] = ValueToPosition(m_iMaximum);
    words[kHfcKnobStep] = value_steps::kPixelsPerStep;
    if (!CHfcCtrlKnob::Create(words, id, eventCode))
        return false;
    UpdateImage();
    return true;
}

void CCustomKnob::SetEnabled(bool enabled)
{
    const bool swap = ChangeEnabledState(*this, *this, enabled, m_descriptor.dimBitmap != nullptr);
    if (!IsEnabled() && HoldsCapture())
        ReleaseCapture();
    if (swap)
        UpdateImage();
}

void CCustomKnob::SetDragBitmaps(CHfcBmp* bitmap, CHfcBmp* markedBitmap)
{
    m_dragBitmap = bitmap;
    m_dragMarkedBitmap = markedBitmap;
    UpdateImage();
}

void CCustomKnob::UpdateImage()
{
    const bool marked = m_descriptor.markedValue != -1 && GetValue() == m_descriptor.markedValue;
    CHfcBmp* image = nullptr;
    if (!IsEnabled())
        image =
            marked && m_descriptor.markedDimBitmap != nullptr ? m_descriptor.markedDimBitmap : m_descriptor.dimBitmap;
    else if (m_bDragging && (marked ? m_dragMarkedBitmap : m_dragBitmap) != nullptr)
        image = marked ? m_dragMarkedBitmap : m_dragBitmap;
    else
        image = marked && m_descriptor.markedBitmap != nullptr ? m_descriptor.markedBitmap : m_descriptor.bitmap;
    if (image == nullptr || image == m_pImage)
        return;
    m_pImage = image;
    SetBitmap(image, true);
}

bool CCustomKnob::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!IsEnabled())
        return true;
    CHfcCtrlKnob::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    if (HoldsCapture() && !m_bDragging) {
        m_bDragging = true;
        UpdateImage();
    }
    return true;
}

bool CCustomKnob::OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers)
{
    if (!IsEnabled())
        return true;
    return CHfcCtrlKnob::OnHfcMouseLButtonDblClk(mouse, x, y, modifiers);
}

bool CCustomKnob::OnHfcMouseCaptureReleased(CHfcMouse* mouse)
{
    if (m_bDragging) {
        m_bDragging = false;
        UpdateImage();
        ReportValue(CHfcCtrlKnob::GetValue());
    }
    return CHfcCtrlKnob::OnHfcMouseCaptureReleased(mouse);
}

bool CCustomKnob::OnHfcMouseWheel(CHfcMouse*, int, int, int, int delta, int modifiers)
{
    if (delta == 0 || !IsEnabled())
        return true;
    constexpr int kUnit = value_steps::kPixelsPerStep;
    const int units = (modifiers & kHfcModifierShift) != 0 ? m_ratio : 10;
    const int position = CHfcCtrlKnob::GetValue() / kUnit * kUnit;
    ReportWheelPosition(*this, position + (delta > 0 ? units : -units) * kUnit);
    return true;
}
