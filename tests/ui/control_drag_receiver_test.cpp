// The drag receiver: every drag and mouse event goes to its owner, the
// effect offered first is a move, and it never takes the capture.
#include "control_fixture.h"

#include "framework/ui/HfcCtrlDragReceiver.h"

namespace ui_test {
namespace {

class DragReceiver : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const HfcWord words[kHfcDragReceiverWords] = {30, 40, 50, 20, 4, 5, 6};
        ASSERT_TRUE(receiver.Create(words, 1, 0));
        Place(receiver);
        Events().clear();
    }
    // A drag event from the window at a point of the receiver.
    bool Drag(const char* what, int x, int y, int& effect)
    {
        POINT at{x, y};
        receiver.ControlToScreen(at);
        const std::string event = what;
        if (event == "enter")
            return layer.OnHfcRawDragEnter(nullptr, nullptr, at.x, at.y, 0, &effect);
        if (event == "over")
            return layer.OnHfcRawDragOver(nullptr, nullptr, at.x, at.y, 0, &effect);
        return layer.OnHfcRawDrop(nullptr, nullptr, at.x, at.y, 0, &effect);
    }

    CHfcCtrlDragReceiver receiver;
};

TEST_F(DragReceiver, TheOwnerSeesAMoveOfferedAndDecidesTheEffect)
{
    owner.swallow = {"drag enter", "drag over", "drop"};
    owner.dragEffect = 2;
    for (const char* what : {"enter", "over", "drop"}) {
        int effect = 0;
        EXPECT_TRUE(Drag(what, 5, 6, effect)) << what;
        EXPECT_EQ(effect, 2) << what;
    }
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:drag enter 5,6 effect 1", "owner:drag over 5,6 effect 1",
                                                  "owner:drop 5,6 effect 1"}));
    owner.swallow.clear();
    EXPECT_FALSE(receiver.OnHfcDragLeave(nullptr));
    EXPECT_EQ(Events().back(), "owner:drag leave");
}

TEST_F(DragReceiver, WithoutAnOwnerADropIsRefusedWithTheEffectAtMove)
{
    receiver.SetOwner(nullptr);
    int effect = 3;
    EXPECT_FALSE(receiver.OnHfcDrop(nullptr, nullptr, 1, 1, 0, &effect));
    EXPECT_EQ(effect, 1);
    EXPECT_FALSE(receiver.OnHfcDragLeave(nullptr));
    EXPECT_FALSE(receiver.OnHfcMouseLButtonDown(mouse, 1, 1, 0));
    EXPECT_TRUE(receiver.OnHfcMouseMove(mouse, 1, 1, 0));
}

TEST_F(DragReceiver, MouseEventsGoToTheOwnerAndNoCaptureIsTaken)
{
    owner.logMoves = true;
    owner.swallow = {"mouse down"};
    Press(receiver, 3, 4);
    MoveTo(receiver, 7, 8);
    Release(receiver, 7, 8);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"owner:mouse down 3,4", "owner:mouse move 7,8", "owner:mouse up 7,8"}));
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    EXPECT_TRUE(receiver.OnHfcMouseMove(mouse, 0, 0, 0)) << "a move is always taken";
    EXPECT_FALSE(receiver.OnHfcMouseLButtonUp(mouse, 0, 0, 0));
}

TEST_F(DragReceiver, KeepsItsWordsAndRefusesAnEmptyArea)
{
    EXPECT_EQ(receiver.GetRect(), (RECT{30, 40, 80, 60}));
    EXPECT_EQ(receiver.GetWord4(), 4);
    EXPECT_EQ(receiver.GetWord5(), 5);
    EXPECT_EQ(receiver.GetWord6(), 6);
    receiver.Destroy();
    EXPECT_EQ(receiver.GetWord4(), 0);
    const HfcWord flat[kHfcDragReceiverWords] = {0, 0, 10, 0, 0, 0, 0};
    EXPECT_FALSE(receiver.Create(flat, 1, 0));
    EXPECT_FALSE(receiver.IsCreated());
    EXPECT_FALSE(receiver.Create(nullptr, 1, 0));
}

}  // namespace
}  // namespace ui_test
