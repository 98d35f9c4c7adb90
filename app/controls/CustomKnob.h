#pragma once
// A knob bound to a parameter: the framework knob counts in pixels, 7 per
// value step times twice the layer's ratio, so that a parameter of few
// values turns as far as one of many. Its picture follows the value (a
// marked value has its own strip), the enabled state and a drag.
#include "app/controls/SteppedControl.h"
#include "framework/ui/HfcCtrlKnob.h"

class CHfcBmp;

struct CustomKnobDescriptor
{
    int x = 0;
    int y = 0;
    CHfcBmp* bitmap = nullptr;  // the frame strip
    CHfcBmp* background = nullptr;
    int frames = 0;
    int minimum = 0;
    int maximum = 127;
    int ratio = 1;
    CHfcBmp* dimBitmap = nullptr;
    CHfcBmp* markedBitmap = nullptr;
    CHfcBmp* markedDimBitmap = nullptr;
    int markedValue = -1;  // -1: none
};

class CCustomKnob : public CSteppedControl<CHfcCtrlKnob>
{
public:
    CCustomKnob() : CSteppedControl(true) {}

    // The range 0 .. (maximum - minimum) x 7 x the stored ratio; the
    // background piece at the knob's own position.
    bool Create(const CustomKnobDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);

    void SetEnabled(bool enabled) override;
    int GetControlType() const override { return kKnob; }
    // Images shown in place of the enabled ones while the knob is dragged;
    // none unless set.
    void SetDragBitmaps(CHfcBmp* bitmap, CHfcBmp* markedBitmap);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    // 70 pixels (10 units of 7) per event from the position cut down to a
    // unit, or one value step with Shift.
    bool OnHfcMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers) override;

    const CustomKnobDescriptor& GetDescriptor() const { return m_descriptor; }
    // The strip the knob shows now.
    CHfcBmp* GetImage() const { return m_pImage; }
    bool IsDragging() const { return m_bDragging; }

private:
    void OnValueChanged() override { UpdateImage(); }
    // Chooses the strip for the value, the state and a drag; repaints when
    // it changes.
    void UpdateImage();

    CustomKnobDescriptor m_descriptor;
    CHfcBmp* m_pImage = nullptr;
    CHfcBmp* m_dragBitmap = nullptr;
    CHfcBmp* m_dragMarkedBitmap = nullptr;
    bool m_bDragging = false;
};
