// The envelope curve: where its points land, which segments curve and how,
// which handle a press takes, what a drag proposes, and the descriptors it
// refuses.
#include "control_fixture.h"

#include "framework/ui/HfcCtrlEnvelopeCurve.h"
#include "framework/ui/HfcEnvelopeShape.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <cmath>
#include <vector>

// Points compared and printed in the expectations.
static inline bool operator==(const POINT& a, const POINT& b)
{
    return a.x == b.x && a.y == b.y;
}

static inline std::ostream& operator<<(std::ostream& out, const POINT& p)
{
    return out << "(" << p.x << ", " << p.y << ")";
}

namespace ui_test {
namespace {

// {x, y, width, height, background, bx, by, points, handle, min, max,
//  curve, dragged fill and frame, handle fill and frame}
std::vector<HfcWord> Envelope(int x, int y, int width, int height, int points, int handle = 5, int maximum = 127)
{
    return {x,      y, width,   height,     0,          0,          0,          points,
            handle, 0, maximum, 0xFF202020, 0xFFE61A1A, 0xFF000000, 0xFF2060C0, 0xFF000000};
}

// An owner that keeps the proposed points and, when asked, accepts them.
class CPointOwner : public CRecordingOwner
{
public:
    void OnControlEvent(CHfcControl* control, std::intptr_t word) override
    {
        const auto& point = *reinterpret_cast<const SHfcEnvelopePoint*>(word);
        Events().push_back("owner:point " + std::to_string(point.index) + " level " + std::to_string(point.level) +
                           " time " + std::to_string(point.time) + " type " + std::to_string(point.type));
        if (accept)
            control->SetData(&point, true);
    }
    bool accept = false;
};

// Lines as the curve asks for them, in control coordinates of a context
// that stands where the layer would.
class CLineRecorder : public CHfcOffscreenContext
{
public:
    CLineRecorder() : CHfcOffscreenContext(320, 200) {}
    using CHfcOffscreenContext::LineTo;
    using CHfcOffscreenContext::MoveTo;
    GpStatus MoveTo(int x, int y) override
    {
        points.push_back({x, y});
        return CHfcOffscreenContext::MoveTo(x, y);
    }
    GpStatus LineTo(int x, int y) override
    {
        points.push_back({x, y});
        return CHfcOffscreenContext::LineTo(x, y);
    }
    // The MoveTo first, then every line's end.
    std::vector<POINT> points;
};

class EnvelopeCurve : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        curve.SetOwner(&points);
    }
    void SetPoint(int index, int level, int time, int type = CHfcCtrlEnvelopeCurve::kStraightType)
    {
        const SHfcEnvelopePoint point{index, level, time, type};
        curve.SetData(&point, true);
    }
    void PlaceWithOwner()
    {
        Place(curve);
        curve.SetOwner(&points);
    }

    CHfcCtrlEnvelopeCurve curve;
    CPointOwner points;
};

TEST_F(EnvelopeCurve, PointsFollowTheIntegerScaleWithTimesAddingUp)
{
    // 250 x 100, handle 5, four points, maximum 127: step 245 / 3 = 81.
    ASSERT_TRUE(curve.Create(Envelope(10, 10, 250, 100, 4).data(), 1));
    EXPECT_EQ(curve.GetEventCode(), 4u);
    EXPECT_EQ(curve.GetRect(), (RECT{10, 10, 260, 110}));
    EXPECT_EQ(curve.GetMaximum(), 127);
    SetPoint(0, 0, 99);
    SetPoint(1, 127, 127);
    SetPoint(2, 64, 64);
    SetPoint(3, 0, 0);
    const POINT expected[] = {
        {2, 97},    // level 0 at the bottom; the first point's time is not used
        {83, 2},    // a full-scale time is one step; level 127 at the top
        {123, 50},  // 83 + 64 x 81 / 127 = 83 + 40; 95 - 64 x 95 / 127 + 2 = 95 - 47 + 2
        {123, 97},  // time 0 sits on the previous point
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(curve.GetScreenPoint(i).x, expected[i].x) << i;
        EXPECT_EQ(curve.GetScreenPoint(i).y, expected[i].y) << i;
    }
    SHfcEnvelopePoint stored;
    ASSERT_TRUE(curve.GetPoint(2, stored));
    EXPECT_EQ(stored.index, 2) << "the copy carries its index";
    EXPECT_EQ(stored.level, 64);
    EXPECT_EQ(stored.time, 64);
}

TEST_F(EnvelopeCurve, SetDataTakesItsIndexFromTheRecordAndIgnoresOthers)
{
    ASSERT_TRUE(curve.Create(Envelope(0, 0, 250, 100, 4).data(), 1));
    SetPoint(1, 127, 127, 0);
    curve.SetDirty(false);
    for (int index : {4, 40, -1}) {
        SetPoint(index, 50, 50, 1);
        EXPECT_FALSE(curve.IsDirty()) << index;
    }
    for (int i = 0; i < 4; ++i) {
        SHfcEnvelopePoint stored;
        ASSERT_TRUE(curve.GetPoint(i, stored));
        EXPECT_EQ(stored.level, i == 1 ? 127 : 0) << i;
        EXPECT_EQ(stored.type, i == 1 ? 0 : CHfcCtrlEnvelopeCurve::kStraightType) << i;
    }
    SHfcEnvelopePoint none;
    EXPECT_FALSE(curve.GetPoint(4, none));
    EXPECT_FALSE(curve.GetPoint(-1, none));

    // Without redraw the point moves but the control is not marked.
    const SHfcEnvelopePoint quiet{2, 127, 127, 3};
    curve.SetData(&quiet, false);
    EXPECT_EQ(curve.GetScreenPoint(2).y, 2);
    EXPECT_FALSE(curve.IsDirty());
    // The separate store moves the screen point only when asked.
    curve.SetPointValues(3, {0, 127, 127, 3}, false);
    EXPECT_EQ(curve.GetScreenPoint(3).y, 97);
    curve.CalcPoints();
    EXPECT_EQ(curve.GetScreenPoint(3).y, 2);
}

TEST_F(EnvelopeCurve, ShapeRowsRiseFromZeroToOneByTheirRules)
{
    const HfcEnvelopeShapeTable& shape = HfcEnvelopeShape();
    // Values the rows are known to pass.
    EXPECT_NEAR(shape[0][32], 0.623, 0.0005);
    EXPECT_NEAR(shape[0][64], 0.858, 0.0005);
    EXPECT_NEAR(shape[0][128], 0.980, 0.0005);
    EXPECT_NEAR(shape[4][128], 0.0749, 0.0003);
    EXPECT_NEAR(shape[4][224], 0.5383, 0.0003);
    for (int row : {0, 1, 2, 4}) {
        EXPECT_DOUBLE_EQ(shape[row][0], 0.0) << row;
        EXPECT_NEAR(shape[row][255], 1.0, 1e-12) << row;
        for (int j = 1; j < 256; ++j)
            ASSERT_GT(shape[row][j], shape[row][j - 1]) << row << " at " << j;
        // Concave rows lie above the straight rise, the convex one below.
        const double straight = 100.0 / 255.0;
        if (row == 4)
            EXPECT_LT(shape[row][100], straight);
        else
            EXPECT_GT(shape[row][100], straight) << row;
    }
    EXPECT_GT(shape[0][64], shape[1][64]) << "row 0 bends hardest";
    EXPECT_GT(shape[1][64], shape[2][64]);
    for (double value : shape[3])
        EXPECT_EQ(value, 0.0);
}

TEST_F(EnvelopeCurve, OnlyAllowedSegmentsAreDrawnAlongTheirShape)
{
    // Two points, handle 5, maximum 127: a full-scale time spans width - 5.
    struct Case
    {
        const char* what;
        int width;
        int type;
        int time;
        int level;
        bool curved;
    };
    const Case cases[] = {
        {"sharp rise", 86, 0, 127, 127, true},    {"soft rise", 86, 2, 127, 127, true},
        {"late rise", 86, 4, 127, 127, true},     {"straight type", 86, 3, 127, 127, false},
        {"unknown type", 86, 5, 127, 127, false}, {"negative type", 86, -1, 127, 127, false},
        {"flat", 86, 1, 127, 0, false},           {"no width", 86, 1, 0, 127, false},
        {"widest curve", 260, 1, 127, 127, true},  // dx 255
        {"too wide", 261, 1, 127, 127, false},     // dx 256
    };
    for (const Case& c : cases) {
        CHfcCtrlEnvelopeCurve segment;
        ASSERT_TRUE(segment.Create(Envelope(0, 0, c.width, 100, 2).data(), 1)) << c.what;
        segment.Show(false);
        const SHfcEnvelopePoint end{1, c.level, c.time, c.type};
        segment.SetData(&end, false);
        CLineRecorder recorder;
        segment.Draw(&recorder);
        const POINT from = segment.GetScreenPoint(0);
        const POINT to = segment.GetScreenPoint(1);
        const int dx = to.x - from.x;
        const int dy = to.y - from.y;
        ASSERT_GE(recorder.points.size(), 2u) << c.what;
        EXPECT_EQ(recorder.points[0], from) << c.what;
        // The handle squares draw no lines: every end belongs to the curve.
        std::vector<POINT> ends(recorder.points.begin() + 1, recorder.points.end());
        EXPECT_EQ(ends.back(), to) << c.what;
        if (!c.curved) {
            EXPECT_EQ(ends.size(), 1u) << c.what;
            continue;
        }
        ASSERT_EQ(static_cast<int>(ends.size()), dx + 1) << c.what;
        const auto& row = HfcEnvelopeShape()[c.type];
        for (int s = 0; s < dx; ++s) {
            const POINT expected{from.x + s, from.y + static_cast<int>(row[s * 255 / dx] * dy)};
            ASSERT_EQ(ends[s], expected) << c.what << " step " << s;
        }
    }
}

TEST_F(EnvelopeCurve, PressesTakeTheLastHandleWhoseBoxHoldsThePointStrictly)
{
    ASSERT_TRUE(curve.Create(Envelope(0, 0, 250, 100, 4).data(), 1));
    // Points 1 and 2 share the same place; point 0 at (2, 97).
    SetPoint(1, 127, 0);
    SetPoint(2, 127, 0);
    SetPoint(3, 0, 127);
    struct Case
    {
        int x, y, hit;
    };
    // The box reaches 5 beyond the point on each side, edges excluded.
    const Case cases[] = {{2, 97, 0},   {7, 93, 0}, {7, 92, -2}, {8, 97, -2}, {-2, 102, 0}, {-3, 97, -2},
                          {2, 103, -2}, {2, 2, 2},  {6, 6, 2},   {2, 8, -2},  {83, 97, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(curve.HitTestPoint(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST_F(EnvelopeCurve, ADragProposesLevelAndTimeUnderThePointerClamped)
{
    ASSERT_TRUE(curve.Create(Envelope(20, 10, 250, 100, 4).data(), 1));
    PlaceWithOwner();
    SetPoint(1, 127, 127);
    SetPoint(2, 64, 64, 1);
    Events().clear();

    Press(curve, 123, 50);
    EXPECT_EQ(curve.GetDraggedIndex(), 2);
    EXPECT_TRUE(HoldsCapture(curve));
    struct Step
    {
        int x, y;
        const char* proposal;
    };
    const Step steps[] = {
        // (123 - 83) x 127 / 81 = 62; 127 - 127 x 48 / 95 = 127 - 64
        {123, 50, "owner:point 2 level 63 time 62 type 1"},
        {70, 50, "owner:point 2 level 63 time 0 type 1"},      // left of point 1
        {123, -30, "owner:point 2 level 127 time 62 type 1"},  // above the top
        {240, 99, "owner:point 2 level 0 time 127 type 1"},    // far right, below the bottom
    };
    for (const Step& step : steps) {
        Events().clear();
        MoveTo(curve, step.x, step.y);
        EXPECT_EQ(Events(), std::vector<std::string>{step.proposal});
    }
    EXPECT_EQ(curve.GetScreenPoint(2).x, 123) << "nothing moves until the owner writes back";

    Events().clear();
    Release(curve, 240, 99);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:point 2 level 64 time 64 type 1", "owner:edit end"}))
        << "the end reports the point as stored";
    EXPECT_EQ(curve.GetDraggedIndex(), CHfcCtrlEnvelopeCurve::kNoPoint);
    EXPECT_EQ(mouse->GetCapture(), nullptr);

    // The first point has no time to drag.
    Events().clear();
    Press(curve, 2, 97);
    MoveTo(curve, 60, 40);
    EXPECT_EQ(Events().back(), "owner:point 0 level 77 time 0 type 3");
    Release(curve, 60, 40);
}

TEST_F(EnvelopeCurve, AnAcceptingOwnerMovesThePointAsItGoes)
{
    ASSERT_TRUE(curve.Create(Envelope(0, 0, 250, 100, 4).data(), 1));
    PlaceWithOwner();
    points.accept = true;
    SetPoint(1, 127, 127);
    Press(curve, 83, 2);
    EXPECT_EQ(Events().front(), "owner:mouse down 83,2");
    EXPECT_EQ(Events()[1], "owner:edit begin");
    MoveTo(curve, 43, 50);
    // Time (43 - 2) x 127 / 81 = 64 lands at 2 + 64 x 81 / 127 = 42.
    EXPECT_EQ(curve.GetScreenPoint(1).x, 42);
    EXPECT_EQ(curve.GetScreenPoint(1).y, 50);
    Release(curve, 43, 50);
}

TEST_F(EnvelopeCurve, PressesOffTheHandlesOrSwallowedStartNoDrag)
{
    ASSERT_TRUE(curve.Create(Envelope(0, 0, 250, 100, 4).data(), 1));
    PlaceWithOwner();
    SetPoint(0, 0, 0);
    SetPoint(1, 127, 127);
    Events().clear();
    Press(curve, 150, 40);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 150,40"});
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    Release(curve, 150, 40);
    MoveTo(curve, 100, 40);

    points.swallow = {"mouse down"};
    Events().clear();
    Press(curve, 2, 97);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 2,97"});
    EXPECT_EQ(curve.GetDraggedIndex(), CHfcCtrlEnvelopeCurve::kNoPoint);
    Release(curve, 2, 97);

    // Ctrl asks for the default value, then the press goes on (away from
    // the last press, so that it is no double click).
    points.swallow.clear();
    points.hasDefault = true;
    points.defaultValue = 9;
    Events().clear();
    Press(curve, 83, 2, kHfcModifierCtrl);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 83,2", "owner:query default", "owner:edit begin",
                                                  "owner:point 1 level 127 time 127 type 3"}));
    EXPECT_EQ(curve.GetValue(), 9);
    Release(curve, 83, 2);
}

TEST_F(EnvelopeCurve, DestroyingItMidDragEndsTheDragAndRestoresTheDefaults)
{
    ASSERT_TRUE(curve.Create(Envelope(0, 0, 250, 100, 4, 7, 100).data(), 1));
    PlaceWithOwner();
    SetPoint(0, 0, 0);
    // All four points sit at (3, 96); the last one is taken.
    Press(curve, 3, 92);
    ASSERT_EQ(curve.GetDraggedIndex(), 3);
    Events().clear();
    curve.Destroy();
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:point 3 level 0 time 0 type 3", "owner:edit end"}));
    EXPECT_FALSE(curve.IsCreated());
    EXPECT_EQ(curve.GetPointCount(), 0);
    const HfcWord defaults[] = {0, 0, 250, 100,        0,          0,          0,          0,
                                5, 0, 127, 0xFF000000, 0xFFFF0000, 0xFF000000, 0xFF000000, 0xFF000000};
    for (int i = 0; i < kHfcEnvelopeWords; ++i)
        EXPECT_EQ(curve.GetWord(i), defaults[i]) << i;
    SetPoint(0, 10, 10);
    curve.CalcPoints();
    EXPECT_TRUE(layer.GetControls().empty());
}

TEST_F(EnvelopeCurve, CreateRefusesDescriptorsItCouldNotScale)
{
    struct Case
    {
        const char* what;
        std::vector<HfcWord> words;
    };
    const Case refused[] = {
        {"no width", Envelope(0, 0, 0, 100, 4)},
        {"no height", Envelope(0, 0, 250, 0, 4)},
        {"one point", Envelope(0, 0, 250, 100, 1)},
        {"maximum 0", Envelope(0, 0, 250, 100, 4, 5, 0)},
        {"handle as tall as the control", Envelope(0, 0, 250, 5, 4)},
        {"less than a pixel per segment", Envelope(0, 0, 8, 100, 5)},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(curve.Create(c.words.data(), 1)) << c.what;
        EXPECT_FALSE(curve.IsCreated()) << c.what;
    }
    EXPECT_FALSE(curve.Create(nullptr, 1));
    EXPECT_TRUE(curve.Create(Envelope(0, 0, 9, 6, 5).data(), 1)) << "one pixel of each is enough";
    EXPECT_EQ(curve.GetPointCount(), 5);
}

TEST_F(EnvelopeCurve, RenderedEnvelopeWithADraggedHandle)
{
    // The edit window's curve: 199 x 63, five points, margin 7.
    std::vector<HfcWord> words = Envelope(0, 4, 199, 63, 5, 7, 127);
    words[kHfcEnvelopeCurveColor] = 0xFFD7D7D7;
    words[kHfcEnvelopeDraggedFill] = 0xFFE61A1A;
    words[kHfcEnvelopeDraggedFrame] = 0xFFD7D7D7;
    words[kHfcEnvelopeHandleFill] = 0xFF303030;
    words[kHfcEnvelopeHandleFrame] = 0xFFD7D7D7;
    ASSERT_TRUE(curve.Create(words.data(), 1));
    PlaceWithOwner();
    SetPoint(1, 127, 40, 0);
    SetPoint(2, 80, 70, 1);
    SetPoint(3, 80, 127, 3);
    SetPoint(4, 0, 60, 4);
    Press(curve, curve.GetScreenPoint(2).x, curve.GetScreenPoint(2).y);
    Render(curve);
    SaveCrop({0, 0, 200, 71}, "envelope_dragged");
    const POINT dragged = curve.GetScreenPoint(2);
    EXPECT_EQ(Pixel(dragged.x, 4 + dragged.y), 0xFFE61A1Au) << "the dragged handle's fill";
    const POINT other = curve.GetScreenPoint(3);
    EXPECT_EQ(Pixel(other.x, 4 + other.y), 0xFF303030u);
    Release(curve, dragged.x, dragged.y);
}

}  // namespace
}  // namespace ui_test
