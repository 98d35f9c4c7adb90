// Dragging a payload from one framework window to another: what the
// target reads, the effect the drag answers, how the source ends a drag,
// and the picture under the pointer.
#include "drag_fixture.h"

#include "framework/ui/HfcDragWin32DropSource.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <platform/input.h>

namespace ui_test {
namespace {

namespace input = platform::testing;
using input::MouseButton;

TEST(DropSource, EndsOnReleaseAndCancelsOnEscapeOrBothButtons)
{
    struct Case
    {
        BOOL escape;
        DWORD keys;
        HRESULT expected;
    } cases[] = {
        {FALSE, MK_LBUTTON, S_OK},
        {FALSE, MK_RBUTTON, S_OK},
        {FALSE, MK_LBUTTON | MK_SHIFT, S_OK},
        {FALSE, 0, DRAGDROP_S_DROP},
        {FALSE, MK_CONTROL, DRAGDROP_S_DROP},
        {FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
        {TRUE, MK_RBUTTON, DRAGDROP_S_CANCEL},
        {TRUE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
        {TRUE, 0, DRAGDROP_S_DROP},
    };
    auto* source = new CHfcDragWin32DropSource;
    for (const Case& c : cases)
        EXPECT_EQ(source->QueryContinueDrag(c.escape, c.keys), c.expected) << c.escape << " " << c.keys;
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_EQ(source->Release(), 0u);
}

// A source window at (100, 100) and a target window at (400, 100), both
// 200 x 150; the payload holds one program.
class DragSource : public DragDropTest
{
protected:
    void SetUp() override
    {
        DragDropTest::SetUp();
        MakeDropWindow(100, 100, 200, 150);
        to = &MakeDropWindow(400, 100, 200, 150);
        payload.Begin(40, 20);
        payload.AddItem(format_, reinterpret_cast<const BYTE*>(kProgram), sizeof(kProgram) - 1, -1);
    }
    // Presses in the source, moves into the target twice and lets go there.
    int DragAndRelease()
    {
        PressAt(150, 150);
        input::MoveMouse(200, 150);
        input::MoveMouse(450, 150);
        input::MoveMouse(460, 160);
        input::ReleaseMouse(MouseButton::Left, 460, 160);
        const int effect = payload.DoDragDrop(0, 0);
        Pump();
        return effect;
    }

    static constexpr char kProgram[] = "program 12";
    CDropWindow* to = nullptr;
    CHfcDragData payload;
};

TEST_F(DragSource, TheDragAnswersWhatTheDropAnswered)
{
    struct Case
    {
        int over, drop, expected;
    } cases[] = {
        {1, 1, 1},
        {2, 2, 2},
        {3, 3, 3},
        {1, 2, 2},
        // The target took the move while the pointer was over it but refuses
        // the drop itself: the source must not let its data go.
        {1, 0, 0},
        {0, 1, 0},
    };
    for (const Case& c : cases) {
        to->events.clear();
        to->answer = c.over;
        to->dropAnswer = c.drop;
        EXPECT_EQ(DragAndRelease(), c.expected) << c.over << "/" << c.drop;
        const auto expectedCalls = c.over != 0 ? std::vector<std::string>{"enter", "over", "drop"}
                                               : std::vector<std::string>{"enter", "over", "leave"};
        EXPECT_EQ(to->Names(), expectedCalls) << c.over << "/" << c.drop;
    }
    ASSERT_FALSE(to->events.empty());
    EXPECT_EQ(to->events[0].items, (std::vector<SSeenItem>{{format_, kProgram, 0, ""}}));
    EXPECT_EQ(to->events[0].x, 450 - OnScreen(*to, 0, 0).x) << "the target's own coordinates";
    EXPECT_TRUE(payload.IsActive()) << "the owner ends its payload";
}

TEST_F(DragSource, EscapeCancelsAndNothingIsDropped)
{
    PressAt(150, 150);
    input::MoveMouse(450, 150);
    input::PressKey(VK_ESCAPE);
    input::ReleaseKey(VK_ESCAPE);
    EXPECT_EQ(payload.DoDragDrop(0, 0), 0);
    input::ReleaseMouse(MouseButton::Left, 450, 150);
    Pump();
    EXPECT_EQ(to->Names(), (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(DragSource, AnEmptyOrEndedPayloadDragsNothing)
{
    CHfcDragData empty;
    EXPECT_EQ(empty.DoDragDrop(0, 0), 0) << "never begun";
    empty.Begin(10, 10);
    EXPECT_EQ(empty.DoDragDrop(0, 0), 0) << "no items";
    payload.End();
    EXPECT_FALSE(payload.IsActive());
    EXPECT_TRUE(payload.GetItems().empty());
    EXPECT_EQ(payload.GetImage(), nullptr);
    EXPECT_EQ(payload.DoDragDrop(0, 0), 0) << "ended";
    EXPECT_TRUE(to->events.empty());
}

TEST_F(DragSource, ADragStartedWhileAnotherRunsDragsNothing)
{
    CHfcDragData second;
    second.Begin(10, 10);
    second.AddItem(format_, reinterpret_cast<const BYTE*>(kProgram), 3, -1);
    int nested = -1;
    to->onOver = [&] { nested = second.DoDragDrop(0, 0); };
    EXPECT_EQ(DragAndRelease(), 1) << "the first drag goes on";
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(to->Names(), (std::vector<std::string>{"enter", "over", "drop"}));
}

// Plain text travels under index -1; every other format keeps the item's
// index, which the target reads back, and the bytes arrive as they were.
TEST_F(DragSource, ItemsArriveInOrderWithTheirIndexesAndOnlyTextLosesIt)
{
    static const char text[] = "Init Program";
    payload.AddItem(CF_TEXT, reinterpret_cast<const BYTE*>(text), sizeof(text) - 1, 5);
    payload.AddItem(format_ + 1, reinterpret_cast<const BYTE*>(text), 4, 7);
    payload.AddItem(format_ + 2, nullptr, 0, -1);
    EXPECT_EQ(payload.GetItems()[3].index, 3) << "-1 is the item count";
    to->dropAnswer = 2;
    EXPECT_EQ(DragAndRelease(), 2);
    ASSERT_EQ(to->Names().back(), "drop");
    EXPECT_EQ(to->events.back().items, (std::vector<SSeenItem>{{format_, kProgram, 0, ""},
                                                               {CF_TEXT, text, 1, ""},
                                                               {format_ + 1, "Init", 7, ""},
                                                               {format_ + 2, "", 3, ""}}))
        << "text counted by its position, the others by their own index";
}

// The picture's magenta pixels are left out and its point (-x, -y) sits
// under the pointer.
TEST_F(DragSource, ThePictureFollowsThePointerWithItsColourKeyLeftOut)
{
    payload.End();
    payload.Begin(8, 6);
    payload.GetImage()->SetFillColor(0xFFFF00FF);
    payload.GetImage()->FillRectangle(0, 0, 4, 6);
    payload.GetImage()->SetFillColor(0xFF0000FF);
    payload.GetImage()->FillRectangle(4, 0, 4, 6);
    payload.AddItem(format_, reinterpret_cast<const BYTE*>(kProgram), sizeof(kProgram) - 1, -1);

    constexpr POINT kPress{2, 3};  // the press point within the dragged thing
    HWND target = to->GetHandle();
    const COLORREF background = input::PixelAt(target, 55, 55);
    std::vector<COLORREF> seen;
    to->onOver = [&] {
        const POINT corner{60 - kPress.x, 60 - kPress.y};
        seen = {input::PixelAt(target, corner.x + 1, corner.y + 1), input::PixelAt(target, corner.x + 6, corner.y + 4),
                input::PixelAt(target, corner.x + 9, corner.y + 4)};
    };
    PressAt(150, 150);
    const POINT over = OnScreen(*to, 60, 60);
    input::MoveMouse(over.x - 5, over.y);
    input::MoveMouse(over.x, over.y);
    input::ReleaseMouse(MouseButton::Left, over.x, over.y);
    EXPECT_EQ(payload.DoDragDrop(-kPress.x, -kPress.y), 1);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], background) << "magenta is transparent";
    EXPECT_EQ(seen[1], RGB(0, 0, 255));
    EXPECT_EQ(seen[2], background) << "the picture ends after 8 pixels";
    Pump();
    EXPECT_EQ(input::PixelAt(target, 60 - kPress.x + 6, 60 - kPress.y + 4), background) << "gone after the drag";
}

}  // namespace
}  // namespace ui_test
