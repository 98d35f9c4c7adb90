#pragma once
// An envelope drawn as points joined by straight or curved segments, with a
// square handle on every point that the user can drag. The control never
// moves a point itself: it proposes the dragged point's level and time to
// its owner through OnControlEvent (the word points to an
// SHfcEnvelopePoint), and the owner writes what it accepts back with
// SetData.
#include "framework/ui/HfcControl.h"

#include <vector>

// The words of its descriptor.
enum EHfcEnvelopeWord : int
{
    kHfcEnvelopeX,
    kHfcEnvelopeY,
    kHfcEnvelopeWidth,
    kHfcEnvelopeHeight,
    kHfcEnvelopeBack,  // optional bitmap, its part at (BackX, BackY) under the curve
    kHfcEnvelopeBackX,
    kHfcEnvelopeBackY,
    kHfcEnvelopePoints,      // at least 2
    kHfcEnvelopeHandleSize,  // also the margin kept free around the curve
    kHfcEnvelopeMinimum,     // of level and time
    kHfcEnvelopeMaximum,
    kHfcEnvelopeCurveColor,
    kHfcEnvelopeDraggedFill,
    kHfcEnvelopeDraggedFrame,
    kHfcEnvelopeHandleFill,
    kHfcEnvelopeHandleFrame,
    kHfcEnvelopeWords
};

// One point as the control and its owner exchange it.
struct SHfcEnvelopePoint
{
    int index = 0;  // which point; SetData reads it, the control's own copies ignore it
    int level = 0;
    int time = 0;  // distance from the previous point; unused for the first
    int type = 0;  // the shape of the segment that ends at this point
};

class CHfcCtrlEnvelopeCurve : public CHfcControl
{
public:
    // Points are created straight (type 3).
    static constexpr int kStraightType = 3;
    // The dragged index while no drag is under way.
    static constexpr int kNoPoint = -2;
    static constexpr std::uint32_t kEventCode = 4;

    CHfcCtrlEnvelopeCurve();

    // False without a descriptor, with a size below 1, fewer than 2 points,
    // or a scale that would divide by zero: a maximum of 0, no height left
    // beside the handle, or less than a pixel per segment. Every point
    // starts at level 0, time 0, straight; the event code is 4.
    bool Create(const HfcWord* descriptor, std::uint32_t id);

    // A press on a handle proposes that point unchanged and starts the drag;
    // Ctrl asks the owner for a default value first.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // While dragging: the level and time under the pointer, clamped.
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    // Ends the drag with the point as it is stored.
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override;
    void Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawBackground(CHfcDrawContext* context) override;
    // The data is an SHfcEnvelopePoint; its index chooses the point.
    void SetData(const void* data, bool redraw) override;

    // False outside [0, points).
    bool GetPoint(int index, SHfcEnvelopePoint& point) const;
    // Stores level, time and type of point index (the record's index is
    // not read); the screen points follow only when asked.
    void SetPointValues(int index, const SHfcEnvelopePoint& point, bool recompute);
    // Screen points from the levels and times: level 0 at the bottom, each
    // time a distance to the right, the maximum one equal share of the
    // width.
    void CalcPoints();
    // The point's place in control coordinates.
    POINT GetScreenPoint(int index) const;
    // The last point, counting back, whose handle holds the control point
    // strictly inside; kNoPoint for none.
    int HitTestPoint(int x, int y) const;

    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    int GetDraggedIndex() const { return m_iDragged; }
    HfcWord GetWord(int index) const { return m_words[index]; }

private:
    void ResetWords();
    void Report(int index, int level, int time);
    void DrawCurve(CHfcDrawContext* context);
    void DrawHandles(CHfcDrawContext* context);

    HfcWord m_words[kHfcEnvelopeWords]{};
    std::vector<SHfcEnvelopePoint> m_points;
    std::vector<POINT> m_screen;
    int m_iDragged = kNoPoint;
};
