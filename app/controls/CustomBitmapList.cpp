#include "app/controls/CustomBitmapList.h"

#include "framework/ui/HfcDrawContext.h"

bool CCustomBitmapList::Create(const CustomBitmapListDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    return CreateStrip(descriptor->x, descriptor->y, 0, 0, descriptor->bitmap, descriptor->dimBitmap,
                       descriptor->background, {BackgroundX(descriptor->x), BackgroundY(descriptor->y)},
                       kHfcStripFrames, descriptor->frames, id, eventCode);
}

void CCustomBitmapList::SetValue(int value)
{
    if (value != GetValue())
        CHfcCtrlBitmapList::SetValue(value, true);
}

void CCustomBitmapList::SetEnabled(bool enabled)
{
    if (enabled == IsEnabled())
        return;
    CCustomControl::SetEnabled(enabled);
    if (m_dimStrip != nullptr)
        ShowStrip(enabled ? m_strip : m_dimStrip);
    SetDirty(true);
}

void CCustomBitmapList::Draw(CHfcDrawContext* context)
{
    if (IsEnabled() || m_dimStrip != nullptr) {
        CHfcCtrlBitmapList::Draw(context);
        return;
    }
    if (context == nullptr || !m_bVisible)
        return;
    GetWords().DrawBack(context, m_rcControl);
    const int height = m_rcControl.bottom - m_rcControl.top;
    context->DrawBitmapAlpha(m_rcControl, m_strip, kDisabledOpacity, 0, CHfcCtrlBitmapList::GetValue() * height);
}

bool CCustomBitmapList::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    return OwnerTakesMouseDown(x, y, modifiers);
}

bool CCustomBitmapList::OnHfcMouseLButtonDblClk(CHfcMouse*, int x, int y, int modifiers)
{
    return OwnerTakesMouseDown(x, y, modifiers);
}

bool CCustomBitmapList::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesMouseMove(x, y, modifiers);
    return true;
}
