#pragma once
// A scroll bar: two arrow buttons, a track and a thumb as long as the
// visible page is of the whole. Pressing an arrow or the track beside the
// thumb scrolls by a line or a page at once and, held, again after 500 ms
// and then on the timer; dragging the thumb reports the value under it.
// Values are reported, never stored: the owner sets the one it accepts.
#include "framework/ui/HfcControl.h"

enum EHfcScrollWord : int
{
    kHfcScrollX,
    kHfcScrollY,
    kHfcScrollWidth,
    kHfcScrollHeight,
    kHfcScrollArrows,  // eight frames: first button normal, pressed, disabled, unused, then the second's
    kHfcScrollBack,    // optional, drawn from (BackX, BackY)
    kHfcScrollBackX,
    kHfcScrollBackY,
    kHfcScrollVertical,  // 0 horizontal
    kHfcScrollUnused9,
    kHfcScrollUnused10,
    kHfcScrollPage,  // how much of the range is visible
    kHfcScrollLineStep,
    kHfcScrollPageStep,
    kHfcScrollColour,  // of the track's sides and the thumb
    kHfcScrollUnused15,
    kHfcScrollUnused16,
    kHfcScrollArrowWidth,
    kHfcScrollArrowHeight,
    kHfcScrollWords
};

// What a point of the scroll bar is.
enum class EHfcScrollPart : int
{
    None,
    FirstArrow,
    SecondArrow,
    TrackBefore,
    TrackAfter,
    Thumb,
};

class CHfcCtrlScrollBar : public CHfcControl
{
public:
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatIntervalMs = 16;

    CHfcCtrlScrollBar() = default;
    // False without a descriptor, for an empty size or arrow, or for a
    // negative page.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDblClk(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    // Counts down the held part's repeat, then redraws when dirty.
    void OnTimer(int milliseconds) override;
    void Draw(CHfcDrawContext* context) override;
    void SetValue(int value, bool redraw) override;
    void SetMinimum(int value, bool redraw) override;
    void SetMaximum(int value, bool redraw) override;

    EHfcScrollPart HitTestPart(int x, int y) const;
    // Reports the value one line or page toward an end, unless it is there.
    void Scroll(EHfcScrollPart part);

    EHfcScrollPart GetActivePart() const { return m_activePart; }
    int GetTrackLength() const { return m_iTrackLength; }
    int GetThumbLength() const { return m_iThumbLength; }
    int GetThumbTravel() const { return m_iThumbTravel; }
    int GetThumbPosition() const { return m_iThumbPosition; }

private:
    bool IsVertical() const { return m_words[kHfcScrollVertical] != 0; }
    int ArrowWidth() const { return static_cast<int>(m_words[kHfcScrollArrowWidth]); }
    int ArrowHeight() const { return static_cast<int>(m_words[kHfcScrollArrowHeight]); }
    // The track, thumb and its place for the range and the value.
    void UpdateGeometry(int value);

    HfcWord m_words[kHfcScrollWords]{};
    EHfcScrollPart m_activePart = EHfcScrollPart::None;
    int m_iTrackLength = 0;
    int m_iThumbTravel = 1;
    int m_iThumbLength = 1;
    int m_iThumbPosition = 0;
    int m_iRepeatCountdown = 0;
    POINT m_pressPoint{};
    int m_iPressValue = 0;
    int m_iPressThumbPosition = 0;
};
