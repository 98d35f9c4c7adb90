#pragma once
// A vertical fader bound to a parameter. The fader counts in tenths of a
// value, so that a drag of one pixel can move less than a value; the
// groove is on the layer's background, the fader draws only its thumb.
#include "app/CustomControl.h"
#include "framework/ui/HfcCtrlFaders.h"

class CHfcBmp;

struct CustomSliderDescriptor
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    CHfcBmp* bitmap = nullptr;  // the thumb
    CHfcBmp* background = nullptr;
    int steps = 1;  // lines the range is divided into
    int minimum = 0;
    int maximum = 127;
    CHfcBmp* dimBitmap = nullptr;
};

class CCustomSlider : public CHfcCtrlVerticalFader, public CCustomControl
{
public:
    static constexpr int kUnitsPerValue = 10;

    // The thumb runs the whole height from the control's top-left; the
    // range is minimum x 10 .. maximum x 10, the background piece at the
    // slider's own position.
    bool Create(const CustomSliderDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);

    using CHfcCtrlVerticalFader::SetValue;
    void SetValue(int value) override;
    int GetValue() override { return CHfcCtrlVerticalFader::GetValue() / kUnitsPerValue; }
    int ValueToPosition(int value) override { return value * kUnitsPerValue; }
    int PositionToValue(int position) override { return position / kUnitsPerValue; }
    int GetMin() override { return GetMinimum() / kUnitsPerValue; }
    int GetMax() override { return GetMaximum() / kUnitsPerValue; }
    void SetMin(int minimum) override;
    void SetMax(int maximum) override;
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override { return CCustomControl::IsEnabled(); }
    int GetControlType() const override { return kSlider; }

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // From the position cut down to a snap step: 5 values per event, or 1
    // with Shift.
    bool OnHfcMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers) override;

    const CustomSliderDescriptor& GetDescriptor() const { return m_descriptor; }
    // Units per line of the range, and the finer step a drag with Shift
    // and the wheel snap to; both at least 1.
    int GetLineStep() const { return m_lineStep; }
    int GetSnapStep() const { return m_snapStep; }

private:
    void UpdateSteps();

    CustomSliderDescriptor m_descriptor;
    int m_lineStep = 1;
    int m_snapStep = 1;
};
