#pragma once
// Faders: a thumb bitmap moved along a track, vertical (the minimum at the
// bottom) or horizontal. A press on the thumb's column (or band) starts a
// drag, jumping to the pointer when it is off the thumb; the drag reports
// values by the pixel and the owner sets the one it accepts, which moves
// the thumb.
#include "framework/ui/HfcControl.h"

enum EHfcFaderWord : int
{
    kHfcFaderX,
    kHfcFaderY,
    kHfcFaderWidth,
    kHfcFaderHeight,
    kHfcFaderThumb,
    kHfcFaderBack,  // optional, drawn from (BackX, BackY)
    kHfcFaderBackX,
    kHfcFaderBackY,
    kHfcFaderUnused,
    kHfcFaderTrackX,  // the track's origin inside the control
    kHfcFaderTrackY,
    kHfcFaderThumbWidth,   // 0: the thumb bitmap's width
    kHfcFaderThumbHeight,  // 0: the thumb bitmap's height
    kHfcFaderTrackLength,
    kHfcFaderMinimum,
    kHfcFaderMaximum,
    kHfcFaderValue,
    kHfcFaderStep,       // value per pixel of drag
    kHfcFaderShiftStep,  // value per pixel with Shift
    kHfcFaderWords
};

class CHfcCtrlFader : public CHfcControl
{
public:
    // False without a descriptor, for a track no longer than the thumb, or
    // for a maximum below the minimum.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void SetValue(int value, bool redraw) override;
    // The thumb moves to the value's place in the new range.
    void SetMinimum(int value, bool redraw) override;
    void SetMaximum(int value, bool redraw) override;

    // Another thumb of the same size.
    void SetThumbBitmap(CHfcBmp* bitmap, bool redraw);
    // The value a pixel of drag moves, without and with Shift.
    void SetDragSteps(int step, int shiftStep);

    // Pixels from the track's origin to the thumb.
    int GetThumbOffset() const { return m_iThumbOffset; }
    bool IsDragging() const { return m_bDragging; }
    HfcWord GetWord(int index) const { return m_words[index]; }

protected:
    // The defaults: the words Destroy restores, kHfcFaderWords of them.
    CHfcCtrlFader(bool vertical, const HfcWord* defaults);

private:
    int ThumbWidth() const { return static_cast<int>(m_words[kHfcFaderThumbWidth]); }
    int ThumbHeight() const { return static_cast<int>(m_words[kHfcFaderThumbHeight]); }
    // How far the thumb can move: the track less the thumb's length.
    int Travel() const;
    void UpdateThumbOffset();
    // After a range change; dirty when the thumb moved and redraw is asked.
    void FollowRange(bool redraw);
    // The value that puts the thumb's middle under the pointer.
    int JumpValue(int along) const;

    const bool m_bVertical;
    const HfcWord* const m_pDefaults;
    HfcWord m_words[kHfcFaderWords]{};
    int m_iThumbOffset = 0;
    int m_iRunning = 0;
    int m_iLastAlong = 0;
    bool m_bDragging = false;
};

class CHfcCtrlVerticalFader : public CHfcCtrlFader
{
public:
    CHfcCtrlVerticalFader();
};

// With Ctrl a press asks the owner for the default value instead.
class CHfcCtrlHorizontalFader : public CHfcCtrlFader
{
public:
    CHfcCtrlHorizontalFader();
};
