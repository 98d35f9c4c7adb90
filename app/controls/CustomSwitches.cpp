#include "app/controls/CustomSwitches.h"

bool CCustomSwitch::Create(const CustomSwitchDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    return CreateStrip(descriptor->x, descriptor->y, 0, 0, descriptor->bitmap, descriptor->dimBitmap,
                       descriptor->background, {descriptor->x, descriptor->y}, kHfcStripStates, 2, id, eventCode);
}

bool CCustomLed::Create(const CustomLedDescriptor* descriptor, std::uint32_t id)
{
    if (descriptor == nullptr)
        return false;
    m_descriptor = *descriptor;
    return CreateStrip(descriptor->x, descriptor->y, descriptor->width, descriptor->height, descriptor->bitmap,
                       descriptor->dimBitmap, descriptor->background, {descriptor->x, descriptor->y}, kHfcStripStates,
                       2, id, kEventFixedValue);
}

bool CCustomButton::Create(const CustomSwitchDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr)
        return false;
    return CreateStrip(descriptor->x, descriptor->y, 0, 0, descriptor->bitmap, descriptor->dimBitmap,
                       descriptor->background, {BackgroundX(descriptor->x), BackgroundY(descriptor->y)},
                       kHfcStripStates, 1, id, eventCode);
}

void CCustomButton::SetValue(int value)
{
    if (value != GetValue())
        CHfcCtrlButton::SetValue(value, true);
}
