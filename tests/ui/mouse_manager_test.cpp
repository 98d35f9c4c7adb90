// The mouse manager's capture holder and cursors.
#include "window_fixture.h"

#include "framework/ui/HfcMouse.h"

#include <platform/input.h>

namespace ui_test {
namespace {

class CHolder : public CHfcMouseListener
{
public:
    explicit CHolder(std::string name) : name(std::move(name)) {}
    bool OnHfcMouseCaptureReleased(CHfcMouse* mouse) override
    {
        Events().push_back(name + ":released, holder " + (mouse->GetCapture() == this ? "still me" : "moved on"));
        return false;
    }
    std::string name;
};

using MouseManager = WindowTest;

TEST_F(MouseManager, ANewHolderReplacesTheOldOneWhichIsToldAfterwards)
{
    CHfcMouse& mouse = *CHfcMouse::GetInstance();
    CTestWindow& window = MakeWindow(0, 0, 50, 50);
    CHolder a("a"), b("b");
    mouse.SetCapture(&a, &window);
    EXPECT_EQ(GetCapture(), window.GetHandle());
    EXPECT_TRUE(Events().empty());
    mouse.SetCapture(&b, &window);
    mouse.SetCapture(&b, nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"a:released, holder moved on", "b:released, holder still me"}))
        << "capturing again for the holder tells it once";
    Events().clear();
    mouse.CancelCapture();
    EXPECT_EQ(Events(), std::vector<std::string>{"b:released, holder still me"});
    EXPECT_EQ(mouse.GetCapture(), nullptr);
    EXPECT_EQ(GetCapture(), window.GetHandle()) << "cancelling leaves the window's capture alone";
    mouse.SetCapture(&a, &window);
    Events().clear();
    mouse.ReleaseCapture();
    EXPECT_EQ(Events(), std::vector<std::string>{"a:released, holder still me"});
    EXPECT_EQ(mouse.GetCapture(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    Events().clear();
    mouse.ReleaseCapture();
    mouse.CancelCapture();
    EXPECT_TRUE(Events().empty());
}

TEST_F(MouseManager, CursorsComeFromTheTableByIndexOnly)
{
    CHfcMouse& mouse = *CHfcMouse::GetInstance();
    struct Case
    {
        int index;
        LPCSTR id;
    };
    for (const Case& c : {Case{0, IDC_ARROW}, Case{4, IDC_IBEAM}, Case{5, IDC_CROSS}, Case{7, IDC_WAIT},
                          Case{10, IDC_HAND}, Case{14, IDC_WAIT}, Case{17, IDC_SIZEWE}}) {
        mouse.SetCursor(c.index);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.id)) << c.index;
    }
    for (int index : {18, -1, 127, 200}) {
        mouse.SetCursor(index);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE)) << index << " changes nothing";
    }
    POINT point{-1, -1};
    EXPECT_TRUE(mouse.GetCursorPosition(point));
}

TEST_F(MouseManager, TheManagerLivesWhileItIsAcquired)
{
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    ASSERT_TRUE(CHfcMouse::Acquire());
    EXPECT_EQ(CHfcMouse::GetInstance(), mouse);
    EXPECT_TRUE(CHfcMouse::Release());
    EXPECT_EQ(CHfcMouse::GetInstance(), mouse);
}

}  // namespace
}  // namespace ui_test
