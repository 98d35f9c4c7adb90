#pragma once
// What the skinned controls drawn from a bitmap strip share (switch, LED,
// button, bitmap list): the value is the frame state itself, and the dim
// strip, when the layout names one, replaces the strip while disabled.
#include "app/CustomControl.h"
#include "app/controls/EnabledLook.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcCtrlButtons.h"

template <class Framework>
class CStripControl : public Framework, public CCustomControl
{
public:
    using Framework::SetValue;
    int GetValue() override { return Framework::GetValue(); }
    int ValueToPosition(int value) override { return value; }
    int PositionToValue(int position) override { return position; }
    bool IsEnabled() const override { return CCustomControl::IsEnabled(); }
    // Without a dim strip the control hides while disabled.
    void SetEnabled(bool enabled) override
    {
        if (ChangeEnabledState(*this, *this, enabled, m_dimStrip != nullptr))
            ShowStrip(enabled ? m_strip : m_dimStrip);
    }

    // While disabled the left button is taken and does nothing.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override
    {
        return !IsEnabled() || Framework::OnHfcMouseLButtonDown(mouse, x, y, modifiers);
    }
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override
    {
        return !IsEnabled() || Framework::OnHfcMouseLButtonDblClk(mouse, x, y, modifiers);
    }

protected:
    // The framework words of a strip control at (x, y): its size from the
    // strip unless given, the background piece at (backX, backY).
    bool CreateStrip(int x, int y, int width, int height, CHfcBmp* strip, CHfcBmp* dimStrip, CHfcBmp* background,
                     POINT backOrigin, int countWord, int count, std::uint32_t id, std::uint32_t eventCode)
    {
        HfcWord words[kHfcStripWords]{};
        words[kHfcStripX] = x;
        words[kHfcStripY] = y;
        words[kHfcStripWidth] = width;
        words[kHfcStripHeight] = height;
        words[kHfcStripBitmap] = HfcBitmapWord(strip);
        words[kHfcStripBack] = HfcBitmapWord(background);
        words[kHfcStripBackX] = backOrigin.x;
        words[kHfcStripBackY] = backOrigin.y;
        words[countWord] = count;
        m_strip = strip;
        m_dimStrip = dimStrip;
        return Framework::Create(words, id, eventCode);
    }

    // Another strip of the same frames; the control repaints.
    void ShowStrip(CHfcBmp* strip)
    {
        Framework::Words().SetStrip(strip);
        Framework::SetDirty(true);
    }

    CHfcBmp* m_strip = nullptr;
    CHfcBmp* m_dimStrip = nullptr;
};
