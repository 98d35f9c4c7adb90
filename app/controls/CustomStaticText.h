#pragma once
// A one-line label in a bitmap font of 6 x 9 cells, bound to a parameter
// whose name or value text the layer gives it.
#include "app/CustomControl.h"
#include "framework/ui/HfcCtrlCharStaticText.h"

class CHfcBmp;

struct CustomStaticTextDescriptor
{
    int x = 0;
    int y = 0;
    int columns = 1;
    CHfcBmp* font = nullptr;
    CHfcBmp* background = nullptr;
    CHfcBmp* dimFont = nullptr;
};

class CCustomStaticText : public CHfcCtrlCharStaticText, public CCustomControl
{
public:
    static constexpr int kCellWidth = 6;
    static constexpr int kCellHeight = 9;

    // The background piece at the binding's background origin when one was
    // set before.
    bool Create(const CustomStaticTextDescriptor* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // Only kept: the label shows its text.
    using CHfcCtrlCharStaticText::SetValue;
    void SetValue(int value) override { CHfcCtrlCharStaticText::SetValue(value, false); }
    int GetValue() override { return CHfcCtrlCharStaticText::GetValue(); }
    void SetEnabled(bool enabled) override;
    bool IsEnabled() const override { return CCustomControl::IsEnabled(); }
    int GetControlType() const override { return kStaticText; }
    // The first line, cut to the buffer with its terminator.
    void GetText(char* buffer, int size) override;
    // The background piece moves with the label.
    bool Move(int x, int y, bool redraw) override;

    const CustomStaticTextDescriptor& GetDescriptor() const { return m_descriptor; }

private:
    CustomStaticTextDescriptor m_descriptor;
};
