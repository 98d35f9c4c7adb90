#pragma once
// A rotary knob drawn as one frame of a bitmap strip. A press fixes one of
// three drag modes for the gesture (HfcKnobMode.h; Alt swaps to the
// vertical mode, or from it to the circular one); the knob reports the
// values the drag gives and the owner sets the one it accepts.
#include "framework/ui/HfcControl.h"

enum EHfcKnobWord : int
{
    kHfcKnobX,
    kHfcKnobY,
    kHfcKnobWidth,   // 0: the strip's width
    kHfcKnobHeight,  // 0: the strip's height / frames
    kHfcKnobBitmap,
    kHfcKnobBack,  // optional, drawn under the knob from (BackX, BackY)
    kHfcKnobBackX,
    kHfcKnobBackY,
    kHfcKnobFrames,
    kHfcKnobUnused,
    kHfcKnobMinimum,
    kHfcKnobMaximum,
    kHfcKnobStep,  // value per pixel in the vertical mode
    kHfcKnobWords
};

class CHfcCtrlKnob : public CHfcControl
{
public:
    CHfcCtrlKnob() = default;
    // False without a descriptor or strip, or when a frame count below 1
    // would size the knob or a step below 1 would drive it.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // With Ctrl the owner may first give the default value.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseRButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    void Draw(CHfcDrawContext* context) override;
    void SetBackBitmap(CHfcBmp* bitmap, bool redraw) override;
    // Another strip of the same frames, for a look of the knob's own.
    void SetBitmap(CHfcBmp* bitmap, bool redraw);
    void SetValue(int value, bool redraw) override;

    // The strip frame that shows the value.
    int GetFrame() const;
    // Where the circular mode puts the point: 0 at the start of the sweep
    // (246 degrees), 1 at its end (-66 degrees) through the top; each half
    // of the dead zone at the bottom snaps to its nearer end.
    float AngleFraction(int x, int y) const;
    int GetDragMode() const { return m_iDragMode; }

private:
    void DragCircular(int x, int y);
    void DragRelative(int x, int y);
    void DragVertical(int x, int y, int modifiers);
    // The minimum plus the fraction of the range, truncated.
    int ValueAt(float fraction) const;

    HfcWord m_words[kHfcKnobWords]{};
    POINT m_dragPoint{};
    int m_iRunning = 0;
    int m_iLastReported = 0;
    float m_fLastFraction = 0.0f;
    int m_iDragMode = 0;
};
