#pragma once
// On/off controls bound to a parameter: the switch, the LED (which writes
// a fixed value when pressed) and the push button, drawn from strips of
// two frames per state; and the analog LED, a lamp of many frames.
#include "app/controls/BoundControl.h"
#include "app/controls/StripControl.h"

class CHfcBmp;

struct CustomSwitchDescriptor
{
    int x = 0;
    int y = 0;
    CHfcBmp* bitmap = nullptr;
    CHfcBmp* background = nullptr;
    CHfcBmp* dimBitmap = nullptr;
};

struct CustomLedDescriptor
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    CHfcBmp* bitmap = nullptr;
    CHfcBmp* background = nullptr;
    // Not used by the LED; a layer may tell lamp groups apart by it.
    int group = 0;
    // What pressing the LED writes into the parameter.
    int pressedValue = 0;
    int minimum = 0;
    int maximum = 0;
    CHfcBmp* dimBitmap = nullptr;
};

// The framework switch takes bit 31 of a value as its pressed state; the
// state and the value together are what SetValue compares.
template <class Framework>
class CPressableStrip : public CStripControl<Framework>
{
public:
    using CStripControl<Framework>::SetValue;
    void SetValue(int value) override
    {
        const int shown = Framework::GetValue() | (Framework::IsPressed() ? kHfcValuePressed : 0);
        if (value != shown)
            Framework::SetValue(value, true);
    }
};

class CCustomSwitch : public CPressableStrip<CHfcCtrlOldSwitch>
{
public:
    // Two states from the strip; the background piece at its own position.
    bool Create(const CustomSwitchDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);
    int GetControlType() const override { return kSwitch; }
    const CustomSwitchDescriptor& GetDescriptor() const { return m_descriptor; }

private:
    CustomSwitchDescriptor m_descriptor;
};

class CCustomLed : public CPressableStrip<CHfcCtrlOldSwitch>
{
public:
    // Two states from the strip at the descriptor's size; the event code is
    // always the fixed-value one, so that a press writes the pressed value.
    bool Create(const CustomLedDescriptor* descriptor, std::uint32_t id);
    int GetControlType() const override { return kLed; }
    const CustomLedDescriptor& GetDescriptor() const { return m_descriptor; }

private:
    CustomLedDescriptor m_descriptor;
};

class CCustomButton : public CStripControl<CHfcCtrlButton>
{
public:
    // One state (released and pressed frames); the background piece at the
    // binding's background origin when one was set before.
    bool Create(const CustomSwitchDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);
    using CStripControl::SetValue;
    void SetValue(int value) override;
    int GetControlType() const override { return kButton; }
};

// The framework lamp with the binding, made from the framework's
// descriptor.
class CCustomAnalogLed : public CBoundControl<CHfcCtrlLed, CCustomControl::kAnalogLed>
{};
