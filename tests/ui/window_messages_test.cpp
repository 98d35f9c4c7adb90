// The window's message table: which messages reach which handler, and what
// the base handlers answer.
#include "window_fixture.h"

#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcKeyListener.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <platform/display.h>
#include <platform/input.h>

namespace ui_test {
namespace {

class CKeyRecorder : public CHfcKeyListener
{
public:
    bool OnHfcKeyInput(CHfcKey*, int code, int flags) override
    {
        inputs.push_back({code, flags});
        return true;
    }
    std::vector<std::pair<int, int>> inputs;
};

class WindowMessages : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = &MakeWindow(100, 100, 200, 150);
        CHfcKey::GetInstance()->SetFocus(&keys, window->GetHandle());
    }
    void TearDown() override
    {
        CHfcKey::GetInstance()->ClearFocus();
        WindowTest::TearDown();
    }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return SendMessageA(window->GetHandle(), message, wParam, lParam);
    }

    CTestWindow* window = nullptr;
    CKeyRecorder keys;
};

TEST_F(WindowMessages, KeyDownPassesTheEightNavigationKeysAndCharPassesEverythingElse)
{
    for (WPARAM key : std::initializer_list<WPARAM>{0x08, 0x0D, 0x1B, 0x25, 0x26, 0x27, 0x28, 0x2E, 0x41, 0x70, 0x2D})
        EXPECT_EQ(Send(WM_KEYDOWN, key, 0x1), 0);
    EXPECT_EQ(keys.inputs, (std::vector<std::pair<int, int>>{
                               {8, 0}, {13, 0}, {27, 0}, {37, 0}, {38, 0}, {39, 0}, {40, 0}, {46, 0}}));
    keys.inputs.clear();
    for (WPARAM character : std::initializer_list<WPARAM>{'a', '.', '%', '&', '\'', '(', '\r', '\b', 0x1B, '~', 0xE9})
        Send(WM_CHAR, character, 0x20001);
    EXPECT_EQ(keys.inputs, (std::vector<std::pair<int, int>>{{'a', 0x20001}, {'~', 0x20001}, {0xE9, 0x20001}}))
        << "a character with the code of a navigation key is never taken for one";
}

TEST_F(WindowMessages, TypedKeysReachTheKeyListenerThroughTranslation)
{
    platform::testing::TypeKey(VK_LEFT);
    platform::testing::TypeKey('B');
    Pump();
    ASSERT_EQ(keys.inputs.size(), 2u);
    EXPECT_EQ(keys.inputs[0], (std::pair<int, int>{37, 0}));
    EXPECT_EQ(keys.inputs[1].first, 'b') << "the letter key itself is dropped, its character passes";
}

TEST_F(WindowMessages, SizeResizesTheRootLayerOnlyForShownSizes)
{
    struct Case
    {
        WPARAM kind;
        int width;
        int expected;
    };
    for (const Case& c : {Case{SIZE_MINIMIZED, 10, 200}, Case{SIZE_MAXHIDE, 20, 200}, Case{SIZE_RESTORED, 90, 90},
                          Case{SIZE_MAXIMIZED, 70, 70}, Case{SIZE_MAXSHOW, 60, 60}}) {
        Send(WM_SIZE, c.kind, MAKELPARAM(c.width, 40));
        EXPECT_EQ(window->GetRootLayer()->GetWidth(), c.expected) << c.kind;
    }
}

TEST_F(WindowMessages, ActivationMovesTimersAndCloseReachTheirHooks)
{
    Send(WM_ACTIVATE, WA_ACTIVE, 0);
    Send(WM_ACTIVATE, WA_INACTIVE, 0);
    Send(WM_MOVE, 0, MAKELPARAM(-5, 7));
    EXPECT_EQ(Send(WM_TIMER, 42, 0), 0);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"window:activate", "window:deactivate", "window:moved -5,7", "window:timer"}));
    window->canClose = false;
    EXPECT_EQ(Send(WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window->GetHandle())) << "a refused close keeps the window";
    window->canClose = true;
    HWND handle = window->GetHandle();
    Send(WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(WindowMessages, ScrollMessagesGoOnToTheScrollBarWindowInLParam)
{
    struct CScrollBar : CTestWindow
    {
        std::vector<std::pair<UINT, WPARAM>> seen;
        LRESULT Win32Scroll(UINT message, WPARAM wParam, LPARAM) override
        {
            seen.push_back({message, wParam});
            return 0;
        }
    } scrollBar;
    ASSERT_TRUE(scrollBar.Create("scroll", 0, 20, 10, 10, 0, nullptr, window));
    const LPARAM target = reinterpret_cast<LPARAM>(scrollBar.GetHandle());
    EXPECT_EQ(Send(WM_HSCROLL, 3, target), 0);
    EXPECT_EQ(Send(WM_VSCROLL, 5, target), 0);
    EXPECT_EQ(scrollBar.seen, (std::vector<std::pair<UINT, WPARAM>>{{WM_HSCROLL, 3}, {WM_VSCROLL, 5}}));
    scrollBar.Destroy();
}

TEST_F(WindowMessages, PreDispatchZeroSendsEverythingToTheDefaultProcedure)
{
    struct CBypass : CTestWindow
    {
        LRESULT PreDispatch(UINT message, WPARAM, LPARAM) override { return message == WM_TIMER ? 0 : 1; }
    } bypass;
    ASSERT_TRUE(bypass.Create("bypass", 0, 0, 20, 20, 0, nullptr, nullptr));
    Events().clear();
    SendMessageA(bypass.GetHandle(), WM_TIMER, 1, 0);
    EXPECT_TRUE(Events().empty());
    bypass.Destroy();
}

TEST_F(WindowMessages, SizingKeepsTheOppositeEdgesAndMovesTheDraggedOnesToTheClientSizeAsked)
{
    RECT margin{};
    AdjustWindowRectEx(&margin, static_cast<DWORD>(GetWindowLongPtrA(window->GetHandle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window->GetHandle(), GWL_EXSTYLE)));
    const int frameX = margin.right - margin.left;
    const int frameY = margin.bottom - margin.top;
    window->sizingWidth = 150;
    window->sizingHeight = 120;
    struct Case
    {
        WPARAM edge;
        RECT expected;
    };
    const RECT start{100, 100, 400 + frameX, 300 + frameY};
    for (const Case& c : {Case{WMSZ_LEFT, {250, 100, 400 + frameX, 300 + frameY}},
                          Case{WMSZ_RIGHT, {100, 100, 250 + frameX, 300 + frameY}},
                          Case{WMSZ_TOP, {100, 180, 400 + frameX, 300 + frameY}},
                          Case{WMSZ_BOTTOM, {100, 100, 400 + frameX, 220 + frameY}},
                          Case{WMSZ_TOPLEFT, {250, 180, 400 + frameX, 300 + frameY}},
                          Case{WMSZ_BOTTOMRIGHT, {100, 100, 250 + frameX, 220 + frameY}}}) {
        RECT rect = start;
        Events().clear();
        EXPECT_EQ(Send(WM_SIZING, c.edge, reinterpret_cast<LPARAM>(&rect)), 1);
        EXPECT_EQ(Events(), std::vector<std::string>{"window:sizing 300,200"}) << c.edge;
        EXPECT_EQ(rect.left, c.expected.left) << c.edge;
        EXPECT_EQ(rect.top, c.expected.top) << c.edge;
        EXPECT_EQ(rect.right, c.expected.right) << c.edge;
        EXPECT_EQ(rect.bottom, c.expected.bottom) << c.edge;
    }
}

TEST_F(WindowMessages, MovingHandsTheChildItsPositionInTheParentsClientArea)
{
    CTestWindow child;
    ASSERT_TRUE(child.Create("child", 10, 10, 40, 40, 0, nullptr, window));
    child.movingX = 30;
    RECT rect{}, origin{};
    const POINT parentOrigin = OnScreen(*window, 0, 0);
    rect = {parentOrigin.x + 12, parentOrigin.y + 14, parentOrigin.x + 62, parentOrigin.y + 74};
    origin = rect;
    EXPECT_EQ(SendMessageA(child.GetHandle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&rect)), 1);
    EXPECT_EQ(Events().back(), "window:moving 12,14");
    EXPECT_EQ(rect.left, parentOrigin.x + 30);
    EXPECT_EQ(rect.right, origin.right + 18);
    EXPECT_EQ(rect.top, origin.top);
    EXPECT_EQ(rect.bottom, origin.bottom);
    child.Destroy();
}

TEST_F(WindowMessages, SetClientSizeGivesTheClientAreaAskedFor)
{
    ASSERT_TRUE(window->SetClientSize(173, 91));
    RECT client{};
    window->GetClientRect(client);
    EXPECT_EQ(client.right, 173);
    EXPECT_EQ(client.bottom, 91);
    EXPECT_EQ(window->GetRootLayer()->GetWidth(), 173) << "the resize reached the root layer";
}

}  // namespace
}  // namespace ui_test
