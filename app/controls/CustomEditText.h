#pragma once
// A value field in a bitmap font bound to a parameter: it shows the value
// text the layer gives it, and a drag or the wheel changes the value. The
// framework field counts in pixels, 7 per value step times twice the
// layer's ratio, counted from zero.
#include "app/controls/SteppedControl.h"
#include "framework/ui/HfcCtrlOldCharEditText.h"

class CHfcBmp;

struct CustomEditTextDescriptor
{
    int x = 0;
    int y = 0;
    CHfcBmp* font = nullptr;
    CHfcBmp* background = nullptr;
    int characters = 1;
    int minimum = 0;
    int maximum = 127;
    CHfcBmp* selectedFont = nullptr;  // the selected characters while editing
    int ratio = 1;
    CHfcBmp* dimFont = nullptr;
};

class CCustomEditText : public CSteppedControl<CHfcCtrlOldCharEditText>
{
public:
    CCustomEditText() : CSteppedControl(false) {}

    // One line of the descriptor's characters; the range minimum x 7 x r ..
    // maximum x 7 x r with r twice the ratio; the background piece at the
    // binding's background origin when one was set before.
    bool Create(const CustomEditTextDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);

    void SetEnabled(bool enabled) override;
    int GetControlType() const override { return kEditText; }
    // The shown text, cut to the buffer with its terminator.
    void GetText(char* buffer, int size) override;
    // The background piece moves with the field.
    bool Move(int x, int y, bool redraw) override;

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // One value step per event.
    bool OnHfcMouseWheel(CHfcMouse* mouse, int x, int y, int reserved, int delta, int modifiers) override;

    const CustomEditTextDescriptor& GetCustomDescriptor() const { return m_descriptor; }

private:
    CustomEditTextDescriptor m_descriptor;
};
