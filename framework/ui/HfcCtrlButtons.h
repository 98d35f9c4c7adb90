#pragma once
// Controls that show one frame of a vertical bitmap strip chosen by their
// value: a push button and a switch (two frames per state, the second
// while pressed), an LED (one frame per value, reports presses but never
// changes its value by the mouse) and a bitmap list (display only).
#include "framework/ui/HfcControl.h"

#include <initializer_list>

// The words of their descriptor.
enum EHfcStripWord : int
{
    kHfcStripX,
    kHfcStripY,
    kHfcStripWidth,   // 0: the strip's width
    kHfcStripHeight,  // 0: derived from the strip's height
    kHfcStripBitmap,
    kHfcStripBack,  // optional; its part at (BackX, BackY) is drawn first
    kHfcStripBackX,
    kHfcStripBackY,
    kHfcStripStates,  // button and switch
    kHfcStripFrames,  // LED and bitmap list
    kHfcStripWords
};

// The descriptor copy the four controls keep, and how they draw from it.
class CHfcStripWords
{
public:
    HfcWord& operator[](int index) { return m_words[index]; }
    HfcWord operator[](int index) const { return m_words[index]; }
    // Takes the descriptor's words and works out the rectangle with the
    // height divided by framesPerCount x the count word. False, with the
    // words untouched, without a descriptor, or when the size needs a strip
    // that is missing or a count below 1, or a strip is needed and missing.
    bool Load(const HfcWord* descriptor, int countWord, int framesPerCount, bool needsStrip, RECT& rect);
    // All 0 but the words listed, which become 1.
    void Reset(std::initializer_list<int> ones);
    CHfcBmp* Strip() const { return HfcWordBitmap(m_words[kHfcStripBitmap]); }
    // Another strip of the same frames.
    void SetStrip(CHfcBmp* strip) { m_words[kHfcStripBitmap] = HfcBitmapWord(strip); }
    CHfcBmp* Back() const { return HfcWordBitmap(m_words[kHfcStripBack]); }
    void DrawBack(CHfcDrawContext* context, const RECT& rect) const;
    // Frame f of the strip at the control's size.
    void DrawFrame(CHfcDrawContext* context, const RECT& rect, int frame) const;

private:
    // The width word or the strip's width, the height word or the strip's
    // height / divisor.
    bool WorkOutSize(int divisor, RECT& rect) const;

    HfcWord m_words[kHfcStripWords]{};
};

class CHfcCtrlButton : public CHfcControl
{
public:
    CHfcCtrlButton();
    // False without a descriptor, or one whose size needs a missing strip
    // or a state count below 1.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // A press shows the pressed frame while the pointer stays over the
    // button; only a release over it reports the value.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    void Destroy() override;
    // Half transparent while disabled; with the focus frame while focused.
    void Draw(CHfcDrawContext* context) override;
    // Clamped to the states.
    void SetValue(int value, bool redraw) override;

    bool IsPressed() const { return m_pressed != 0; }
    const CHfcStripWords& GetWords() const { return m_words; }

protected:
    // For a look of a derived control's own.
    CHfcStripWords& Words() { return m_words; }

private:
    CHfcStripWords m_words;
    int m_pressed = 0;
};

class CHfcCtrlOldSwitch : public CHfcControl
{
public:
    CHfcCtrlOldSwitch();
    // False without a descriptor or strip, or when the height would divide
    // by a state count below 1.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // The press reports the value with the pressed bit, the capture loss
    // (which the release causes) the plain value, between edit begin and end.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    void ResetParameters() override;
    void Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    // Bit 31 of the value is the pressed state; the whole value, unmasked,
    // is clamped to the range.
    void SetValue(int value, bool redraw) override;

    bool IsPressed() const { return m_pressed != 0; }
    const CHfcStripWords& GetWords() const { return m_words; }

protected:
    // For a look of a derived control's own.
    CHfcStripWords& Words() { return m_words; }

private:
    CHfcStripWords m_words;
    int m_pressed = 0;
};

class CHfcCtrlLed : public CHfcControl
{
public:
    CHfcCtrlLed() = default;
    // False without a descriptor or strip, or when the height would divide
    // by a frame count below 1.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // Reports a press with the pressed bit; the release reports the plain
    // value and the end, and the capture loss it causes both once more.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    void Destroy() override;
    // The fill colour, when set, under the frame.
    void Draw(CHfcDrawContext* context) override;
    void SetValue(int value, bool redraw) override;
    // The descriptor words 0 to 9; the bitmaps (4, 5) are set from the word.
    HfcWord GetAttribute(int index) override;
    void SetAttribute(int index, int value, HfcWord word) override;

private:
    CHfcStripWords m_words;
};

class CHfcCtrlBitmapList : public CHfcControl
{
public:
    CHfcCtrlBitmapList();
    // False without a descriptor, or one whose size needs a missing strip
    // or a frame count below 1.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    void Destroy() override;
    // Drawn over the background part without clearing.
    void Draw(CHfcDrawContext* context) override;
    void SetValue(int value, bool redraw) override;

    const CHfcStripWords& GetWords() const { return m_words; }

protected:
    // For a look of a derived control's own.
    CHfcStripWords& Words() { return m_words; }

private:
    CHfcStripWords m_words;
};
