#pragma once
// A bar whose length shows a parameter's value, from one edge or, centred,
// from the middle toward the value; a press sets the value from the point
// and a drag moves it. It counts in tenths of a value, so that a drag
// across a short bar still moves smoothly.
#include "app/CustomControl.h"
#include "framework/ui/HfcControl.h"

class CHfcBmp;

struct CustomValueBarDescriptor
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    CHfcBmp* bar = nullptr;  // none: a rectangle in the bar colour
    CHfcBmp* background = nullptr;
    int backgroundX = 0;
    int backgroundY = 0;
    int minimum = 0;
    int maximum = 127;
    bool vertical = false;  // filled upward from the bottom
    bool centred = false;   // from the middle toward the value
    int centre = 0;
    ARGB barColor = 0;
    ARGB frameColor = 0;
};

class CCustomValueBar : public CHfcControl, public CCustomControl
{
public:
    static constexpr int kUnitsPerValue = 10;

    bool Create(const CustomValueBarDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);
    void Draw(CHfcDrawContext* context) override;

    // Clamped to the range, then kept in tenths.
    using CHfcControl::SetValue;
    void SetValue(int value) override;
    int GetValue() override { return CHfcControl::GetValue() / kUnitsPerValue; }
    int ValueToPosition(int value) override { return value; }
    int PositionToValue(int position) override { return position; }
    int GetMin() override { return m_descriptor.minimum; }
    int GetMax() override { return m_descriptor.maximum; }
    void SetSubValue(int value) override;
    int GetSubValue() override { return m_subValue / kUnitsPerValue; }
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override { return CCustomControl::IsEnabled(); }
    int GetControlType() const override { return kValueBar; }

    // Unless the owner takes it, a press on an editable bar sets the value
    // under the point and captures the mouse; moves add to it, a tenth as
    // much with Shift.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;

    const CustomValueBarDescriptor& GetDescriptor() const { return m_descriptor; }
    // The part of the control the bar covers now, in layer coordinates.
    RECT GetBarRect() const;

private:
    // Pixels along the bar's length: the width, or the height when vertical.
    int Length() const;
    // Stores the value in tenths, clamped, and reports it as a value.
    void Change(int units);

    CustomValueBarDescriptor m_descriptor;
    POINT m_lastPoint{};
};
