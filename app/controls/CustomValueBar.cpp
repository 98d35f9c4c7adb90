#include "app/controls/CustomValueBar.h"

#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcModifiers.h"

#include <algorithm>

bool CCustomValueBar::Create(const CustomValueBarDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    const int x = descriptor->x;
    const int y = descriptor->y;
    FinishCreate({x, y, x + descriptor->width, y + descriptor->height}, id, eventCode);
    m_iMinimum = descriptor->minimum * kUnitsPerValue;
    m_iMaximum = descriptor->maximum * kUnitsPerValue;
    m_iValue = m_iMinimum;
    return true;
}

int CCustomValueBar::Length() const
{
    return m_descriptor.vertical ? m_rcControl.bottom - m_rcControl.top : m_rcControl.right - m_rcControl.left;
}

void CCustomValueBar::SetValue(int value)
{
    value = std::clamp(value, m_descriptor.minimum, std::max(m_descriptor.minimum, m_descriptor.maximum));
    if (value * kUnitsPerValue == m_iValue)
        return;
    m_iValue = value * kUnitsPerValue;
    SetDirty(true);
}

void CCustomValueBar::SetSubValue(int value)
{
    m_subValue = value * kUnitsPerValue;
    SetDirty(true);
}

void CCustomValueBar::SetEnabled(bool enabled)
{
    CCustomControl::SetEnabled(enabled);
    SetDirty(true);
}

RECT CCustomValueBar::GetBarRect() const
{
    const int size = Length();
    int start = 0;  // along the bar, from the left, or from the bottom when vertical
    int length = 0;
    if (!m_descriptor.centred) {
        if (m_iMaximum != 0)
            length = (size - 2) * m_iValue / m_iMaximum;
        start = 1;
    } else {
        const int half = size / 2;
        const int centre = m_descriptor.centre * kUnitsPerValue;
        length = 1;
        start = half;
        if (m_iValue < centre) {
            length = std::max((centre - m_iValue) * (half - 1) / (centre - m_iMinimum), 1) + 1;
            start = half + 1 - length;
        } else if (m_iValue > centre) {
            length = std::max((size - half - 2) * (m_iValue - centre) / (m_iMaximum - centre), 1) + 1;
        }
    }
    const RECT& r = m_rcControl;
    if (m_descriptor.vertical)
        return {r.left + 1, r.bottom - start - length, r.right - 1, r.bottom - start};
    return {r.left + start, r.top + 1, r.left + start + length, r.bottom - 1};
}

void CCustomValueBar::Draw(CHfcDrawContext* context)
{
    if (context == nullptr || !m_bVisible)
        return;
    if (m_descriptor.background != nullptr)
        context->DrawBitmap(m_rcControl, m_descriptor.background, m_descriptor.backgroundX, m_descriptor.backgroundY);
    else
        context->ClearRectangle(m_rcControl);
    const RECT bar = GetBarRect();
    if (bar.right > bar.left && bar.bottom > bar.top) {
        if (m_descriptor.bar != nullptr) {
            const float opacity = IsEnabled() ? 1.0f : GetDisabledOpacity();
            context->DrawBitmapAlpha(bar, m_descriptor.bar, opacity, bar.left - m_rcControl.left,
                                     bar.top - m_rcControl.top);
        } else {
            ARGB color = m_descriptor.barColor;
            if (!IsEnabled())
                color = (color & 0x00FFFFFF) | ((color >> 25) << 24);
            context->SetFillColor(color);
            context->FillRectangle(bar);
        }
    }
    context->SetPenColor(m_descriptor.frameColor);
    context->DrawRectangle(m_rcControl);
}

void CCustomValueBar::Change(int units)
{
    units = std::clamp(units, m_iMinimum, std::max(m_iMinimum, m_iMaximum));
    if (units != m_iValue) {
        m_iValue = units;
        SetDirty(true);
    }
    ReportValue(m_iValue / kUnitsPerValue);
}

bool CCustomValueBar::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    if (OwnerTakesMouseDown(x, y, modifiers) || IsReadOnly() || !IsEnabled())
        return true;
    const int span = Length() - 2;
    if (span < 1)
        return true;
    const int along = m_descriptor.vertical ? span - y : x;
    ReportEditBegin();
    Change(along * m_iMaximum / span);
    m_lastPoint = {x, y};
    TakeCapture();
    ClearKeyManagerFocus();
    return true;
}

bool CCustomValueBar::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    if (!HoldsCapture())
        return true;
    const int span = Length() - 2;
    const int moved = m_descriptor.vertical ? m_lastPoint.y - y : x - m_lastPoint.x;
    m_lastPoint = {x, y};
    int step = moved * m_iMaximum / std::max(span, 1);
    if ((modifiers & kHfcModifierShift) != 0 && step != 0)
        step = step / 10 != 0 ? step / 10 : (step > 0 ? 1 : -1);
    if (step != 0)
        Change(m_iValue + step);
    return true;
}

bool CCustomValueBar::OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesMouseUp(x, y, modifiers);
    if (HoldsCapture())
        ReleaseCapture();
    return true;
}

bool CCustomValueBar::OnHfcMouseCaptureReleased(CHfcMouse*)
{
    ReportEditEnd();
    return true;
}
