#pragma once
// A picture of a parameter's value: frame n of a strip for value n. A left
// press goes to the owner, which may open the popup of all value texts.
#include "app/controls/StripControl.h"

class CHfcBmp;

struct CustomBitmapListDescriptor
{
    int x = 0;
    int y = 0;
    CHfcBmp* bitmap = nullptr;  // frames stacked downwards
    CHfcBmp* background = nullptr;
    int frames = 1;
    CHfcBmp* dimBitmap = nullptr;
};

class CCustomBitmapList : public CStripControl<CHfcCtrlBitmapList>
{
public:
    // Opacity of the frame while disabled without a dim strip.
    static constexpr float kDisabledOpacity = 0.5f;

    // The background piece at the binding's background origin when one was
    // set before.
    bool Create(const CustomBitmapListDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);

    using CStripControl::SetValue;
    void SetValue(int value) override;
    // Keeps showing while disabled: dim strip, or the frame half
    // transparent.
    void SetEnabled(bool enabled) override;
    int GetControlType() const override { return kBitmapList; }
    void Draw(CHfcDrawContext* context) override;

    // The owner's answer, whatever the state; a second press in quick
    // succession is a press like the first.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // The owner hears the pointer pass, so that the strip's parameter shows
    // in the message line as every control's does.
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
};
