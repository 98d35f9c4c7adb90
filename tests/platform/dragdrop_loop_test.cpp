// The modal drag: targets under the pointer, the source's say over the
// end, the effect of the drop, key states, and messages going on meanwhile.
#include "dragdrop_fixture.h"

#include "platform/src/display/cursors.h"
#include "platform/src/display/drag_cursor_art.h"

#include <platform/input.h>
#include <platform/messaging.h>

namespace dragdrop_test {
namespace {

using display_test::LoggedOf;
using display_test::Reply;
using platform::testing::MouseButton;
namespace input = platform::testing;

constexpr DWORD kAll = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

class DragLoopTest : public TwoWindowDragTest
{
protected:
    void SetUp() override
    {
        TwoWindowDragTest::SetUp();
        target_.readFormat = format_;
        data_ = MakeData("program 12");
    }
    void TearDown() override
    {
        EXPECT_EQ(source_.references, 1u);
        data_->Release();
        TwoWindowDragTest::TearDown();
    }
    HRESULT Drag(DWORD* effect) { return DoDragDrop(data_, &source_, kAll, effect); }

    RecordingSource source_;
    IDataObject* data_ = nullptr;
};

TEST_F(DragLoopTest, AMoveBetweenTwoWindowsReturnsMoveWithTheDataDelivered)
{
    PressAt(150, 150);
    input::MoveMouse(200, 150);
    input::MoveMouse(450, 150);
    input::MoveMouse(460, 170);
    input::ReleaseMouse(MouseButton::Left, 460, 170);
    DWORD effect = 99;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(target_.Names(), (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(target_.calls[0].point.x, 450);
    EXPECT_EQ(target_.calls[2].point.y, 170);
    EXPECT_EQ(target_.dropped, "program 12");
    // Over the unregistered window nothing can be dropped; over the target, what it answered.
    EXPECT_EQ(source_.feedback, (std::vector<DWORD>{DROPEFFECT_NONE, DROPEFFECT_MOVE, DROPEFFECT_MOVE}));
    EXPECT_EQ(GetCapture(), nullptr) << "the drag lets the pointer go";
}

// The effect is the drop's own answer, never the last feedback: a target
// that refuses leaves the source's data where it is.
TEST_F(DragLoopTest, TheEffectIsWhatTheTargetAnsweredOnTheDrop)
{
    struct Case
    {
        DWORD overAnswer, dropAnswer, expected;
        bool dropCalled;
    } cases[] = {
        {DROPEFFECT_MOVE, DROPEFFECT_NONE, DROPEFFECT_NONE, true},
        {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_COPY, true},
        {DROPEFFECT_NONE, DROPEFFECT_MOVE, DROPEFFECT_NONE, false},
        {DROPEFFECT_LINK, DROPEFFECT_LINK, DROPEFFECT_LINK, true},
        {7, 7, kAll, true},
    };
    for (const Case& c : cases) {
        target_.calls.clear();
        target_.answer = c.overAnswer;
        target_.dropAnswer = c.dropAnswer;
        PressAt(150, 150);
        input::MoveMouse(450, 150);
        input::ReleaseMouse(MouseButton::Left, 450, 150);
        DWORD effect = 99;
        EXPECT_EQ(Drag(&effect), DRAGDROP_S_DROP);
        EXPECT_EQ(effect, c.expected) << c.overAnswer << "/" << c.dropAnswer;
        auto expectedCalls =
            c.dropCalled ? std::vector<std::string>{"enter", "drop"} : std::vector<std::string>{"enter", "leave"};
        EXPECT_EQ(target_.Names(), expectedCalls) << c.overAnswer << "/" << c.dropAnswer;
    }
}

// The cursor over a target shows what a drop there would do.
TEST_F(DragLoopTest, TheCursorShowsTheTargetsEffect)
{
    using namespace platform::detail;
    struct Case
    {
        DWORD answer;
        HCURSOR expected;
    } cases[] = {
        {DROPEFFECT_COPY, StandardCursor(kDragCopyCursor)},
        {DROPEFFECT_MOVE, StandardCursor(kDragMoveCursor)},
        {DROPEFFECT_LINK, StandardCursor(kDragLinkCursor)},
        {DROPEFFECT_COPY | DROPEFFECT_MOVE, StandardCursor(kDragMoveCursor)},
        {DROPEFFECT_NONE, LoadCursorA(nullptr, IDC_NO)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        target_.answer = c.answer;
        HCURSOR seen = nullptr;
        target_.onOver = [&] { seen = GetCursor(); };
        PressAt(150, 150);
        input::MoveMouse(450, 150);
        input::MoveMouse(460, 150);  // the cursor of the enter is up when the target is asked again
        input::ReleaseMouse(MouseButton::Left, 460, 150);
        DWORD effect = 0;
        Drag(&effect);
        EXPECT_EQ(seen, c.expected);
    }
}

TEST(DragCursors, EachEffectHasItsOwnPicture)
{
    using namespace platform::detail;
    std::vector<std::vector<std::uint32_t>> pictures;
    for (WORD id : {kDragMoveCursor, kDragCopyCursor, kDragLinkCursor}) {
        auto art = DragCursorArt(id);
        ASSERT_TRUE(art);
        EXPECT_EQ(art->pixels.size(), std::size_t(art->width * art->height));
        EXPECT_GT(art->pixels[std::size_t(art->hotSpot.y * art->width + art->hotSpot.x)] >> 24, 0x80u)
            << "the hot spot is on the arrow";
        pictures.push_back(art->pixels);
    }
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[1], pictures[2]);
    EXPECT_NE(pictures[0], pictures[2]);
    EXPECT_FALSE(DragCursorArt(32512)) << "the arrow is the desktop's own";
}

TEST_F(DragLoopTest, EscapeCancelsAndTheTargetIsLeft)
{
    PressAt(150, 150);
    input::MoveMouse(450, 150);
    input::PressKey(VK_ESCAPE);
    input::ReleaseKey(VK_ESCAPE);
    DWORD effect = 99;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target_.Names(), (std::vector<std::string>{"enter", "leave"}));

    // The Escape release left over is not part of any drag.
    input::ReleaseMouse(MouseButton::Left, 450, 150);
    Pump();
}

TEST_F(DragLoopTest, BothButtonsCancelAndReleasingThemAfterwardsDropsNothing)
{
    PressAt(150, 150);
    input::MoveMouse(450, 150);
    input::PressMouse(MouseButton::Right, 450, 150);
    DWORD effect = 99;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    input::ReleaseMouse(MouseButton::Right, 450, 150);
    input::ReleaseMouse(MouseButton::Left, 450, 150);
    Pump();
    EXPECT_EQ(target_.Names(), (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(DragLoopTest, TheKeyStateReachesTheTarget)
{
    PressAt(150, 150);
    input::PressKey(VK_CONTROL);
    input::MoveMouse(450, 150);
    input::PressKey(VK_SHIFT);
    input::PressKey(VK_MENU);
    input::ReleaseKey(VK_CONTROL);
    input::ReleaseMouse(MouseButton::Left, 450, 150);
    DWORD effect = 0;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_DROP);
    input::ReleaseKey(VK_SHIFT);
    input::ReleaseKey(VK_MENU);
    Pump();
    ASSERT_EQ(target_.Names(), (std::vector<std::string>{"enter", "over", "over", "over", "drop"}));
    EXPECT_EQ(target_.calls[0].keys, DWORD(MK_LBUTTON | MK_CONTROL));
    EXPECT_EQ(target_.calls[1].keys, DWORD(MK_LBUTTON | MK_CONTROL | MK_SHIFT));
    EXPECT_EQ(target_.calls[2].keys, DWORD(MK_LBUTTON | MK_CONTROL | MK_SHIFT | MK_ALT));
    EXPECT_EQ(target_.calls[3].keys, DWORD(MK_LBUTTON | MK_SHIFT | MK_ALT));
    EXPECT_EQ(target_.calls[4].keys, DWORD(MK_SHIFT | MK_ALT));
}

TEST_F(DragLoopTest, ADropOnAChildReachesItsNearestRegisteredAncestor)
{
    HWND child = MakeChild(to_, {20, 20, 120, 120});
    HWND grandChild = MakeChild(child, {10, 10, 50, 50});
    PressAt(150, 150);
    const POINT inside = OnScreen(grandChild, 5, 5);
    input::MoveMouse(inside.x, inside.y);
    input::ReleaseMouse(MouseButton::Left, inside.x, inside.y);
    DWORD effect = 0;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(target_.Names(), (std::vector<std::string>{"enter", "drop"}));
}

TEST_F(DragLoopTest, LeavingForAnotherTargetTellsTheFirst)
{
    HWND third = MakeTop({700, 100, 800, 200});
    RecordingTarget other;
    other.answer = DROPEFFECT_COPY;
    other.dropAnswer = DROPEFFECT_COPY;
    ASSERT_EQ(RegisterDragDrop(third, &other), S_OK);
    EXPECT_EQ(RegisterDragDrop(third, &other), DRAGDROP_E_ALREADYREGISTERED);
    PressAt(150, 150);
    input::MoveMouse(450, 150);
    input::MoveMouse(750, 150);
    input::ReleaseMouse(MouseButton::Left, 750, 150);
    DWORD effect = 0;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(target_.Names(), (std::vector<std::string>{"enter", "leave"}));
    EXPECT_EQ(other.Names(), (std::vector<std::string>{"enter", "drop"}));
    EXPECT_EQ(RevokeDragDrop(third), S_OK);
    EXPECT_EQ(RevokeDragDrop(third), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(other.references, 1u);
}

TEST_F(DragLoopTest, PostedMessagesAndTimersGoOnWhileTheDragRuns)
{
    constexpr UINT kWork = WM_APP + 5;
    int timerTicks = 0;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == kWork)
            input::MoveMouse(450, 150);
        if (message == WM_TIMER && window == from_) {
            // Only the timer ends this drag.
            if (++timerTicks == 1)
                input::ReleaseMouse(MouseButton::Left, 450, 150);
            KillTimer(window, wParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    };
    PressAt(150, 150);
    PostMessageA(from_, kWork, 0, 0);
    SetTimer(from_, 1, 1, nullptr);
    DWORD effect = 0;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(timerTicks, 1);
    EXPECT_EQ(LoggedOf(kWork).size(), 1u);
    EXPECT_EQ(target_.Names(), (std::vector<std::string>{"enter", "drop"}));
}

TEST_F(DragLoopTest, AQuitMessageCancelsTheDragAndIsLeftForTheOuterLoop)
{
    PressAt(150, 150);
    input::MoveMouse(450, 150);
    input::MoveMouse(460, 150);
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_APP)
            PostQuitMessage(3);
        return DefWindowProcA(window, message, wParam, lParam);
    };
    target_.onOver = [&] { PostMessageA(from_, WM_APP, 0, 0); };
    DWORD effect = 99;
    EXPECT_EQ(Drag(&effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target_.Names(), (std::vector<std::string>{"enter", "over", "leave"}));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    input::ReleaseMouse(MouseButton::Left, 460, 150);
    Pump();
}

TEST_F(DragLoopTest, ADragStartedByAPressIsPlayedByAScript)
{
    HRESULT result = E_FAIL;
    DWORD effect = 99;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_LBUTTONDOWN && window == from_)
            result = Drag(&effect);
        return DefWindowProcA(window, message, wParam, lParam);
    };
    input::QueueDragScript([] {
        input::MoveMouse(450, 150);
        input::ReleaseMouse(MouseButton::Left, 450, 150);
    });
    PressAt(150, 150);
    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(target_.dropped, "program 12");
    EXPECT_EQ(input::DiscardDragScripts(), 0u);
}

TEST(DragDropRegistration, NeedsDragAndDropUpAndALiveWindow)
{
    RecordingTarget target;
    EXPECT_EQ(RegisterDragDrop(nullptr, &target), DRAGDROP_E_INVALIDHWND);
    EXPECT_EQ(target.references, 1u);
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    OleUninitialize();
    OleUninitialize();
}

}  // namespace
}  // namespace dragdrop_test
