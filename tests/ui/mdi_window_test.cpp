// The MDI frame and its children: the client made on creation, commands
// through the application, the menu swap on activation, closing, showing
// and hiding, and the end of the message loop with the frame.
#include "window_fixture.h"

#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcMdiChildWindow.h"
#include "framework/ui/HfcMdiFrameWindow.h"
#include "framework/ui/HfcMenu.h"

#include <platform/display.h>
#include <platform/input.h>
#include <platform/mdi.h>

namespace ui_test {
namespace {

namespace input = platform::testing;

constexpr WPARAM kAppCommand = 40100;

// Takes one command; answers 1 (not handled) to every other.
class CCommandApp : public CHfcApp
{
public:
    int OnCommand(UINT message, WPARAM wParam, LPARAM) override
    {
        Events().push_back("app:command " + std::to_string(message) + " " + std::to_string(LOWORD(wParam)));
        return LOWORD(wParam) == kAppCommand ? 7 : 1;
    }
};

// Records what reaches it; its window list sits where the editor's sits.
class CRecordingChild : public CHfcMdiChildWindow
{
public:
    explicit CRecordingChild(std::string name) : name(std::move(name)) {}

    int GetWindowMenuIndex() override { return 4; }
    void OnActivate() override { Events().push_back(name + ":activate"); }
    void OnDeactivate() override { Events().push_back(name + ":deactivate"); }
    bool CanClose() override
    {
        Events().push_back(name + ":can close");
        return canClose;
    }
    LRESULT Win32NcCreate(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        createdClass = create->lpszClass;
        boundAtCreation = FromHandle(GetHandle()) == this;
        return CHfcMdiChildWindow::Win32NcCreate(message, wParam, lParam);
    }

    std::string name;
    bool canClose = true;
    std::string createdClass;
    bool boundAtCreation = false;
};

class MdiWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(frameBar.LoadFromName(nullptr, "MdiFrameBar"));
        ASSERT_TRUE(childBar.LoadFromName(nullptr, "MdiChildBar"));
        frame.SetCommandTarget(&app);
        ASSERT_TRUE(frame.Create("Frame", 20, 20, 800, 600, 0, &frameBar));
        Pump();
        Events().clear();
    }
    void TearDown() override
    {
        frame.Destroy();
        Pump();
        MSG quit{};
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        WindowTest::TearDown();
    }
    // A child placed by the frame's client and shown, as the editor opens its windows.
    bool Open(CRecordingChild& child)
    {
        const bool made =
            child.Create(child.name.c_str(), 0, 0, 0, 0, CHfcWindow::kCaption, &childBar, &frame) && child.Show();
        Pump();
        return made;
    }
    HMENU FrameMenu() { return GetMenu(frame.GetHandle()); }
    std::vector<std::u16string> WindowList(HMENU bar, int index)
    {
        std::vector<std::u16string> texts;
        for (const auto& item : input::WindowMenuItems(GetSubMenu(bar, index)))
            texts.push_back(item.text);
        return texts;
    }

    CCommandApp app;
    CHfcMenuBar frameBar;
    CHfcMenuBar childBar;
    CHfcMdiFrameWindow frame;
};

TEST_F(MdiWindowTest, TheFrameHoldsAClientAndNoLayerAndQuitsTheLoopWhenDestroyed)
{
    HWND handle = frame.GetHandle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(CHfcWindow::FromHandle(handle), &frame);
    EXPECT_EQ(frame.GetRootLayer(), nullptr) << "the frame draws nothing itself";
    EXPECT_TRUE(frame.GetLayers().empty());
    HWND client = frame.GetMdiClient();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(GetParent(client), handle);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(client, GWL_STYLE)), 0x52300001u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE)) & 0x10CF0000u, 0x10CF0000u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_EXSTYLE)) & 0x300u, 0x300u);
    EXPECT_FALSE(frame.Create("again", 0, 0, 0, 0, 0, &frameBar));
    RECT outer{};
    ASSERT_TRUE(frame.GetWindowRect(outer));
    EXPECT_EQ(outer, (RECT{20, 20, 820, 620})) << "a given placement is the outer one";
    RECT inner{}, clientArea{};
    frame.GetClientRect(inner);
    ::GetClientRect(client, &clientArea);
    EXPECT_EQ(clientArea.right, inner.right) << "the client fills the frame";
    EXPECT_EQ(clientArea.bottom, inner.bottom);

    frame.Destroy();
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(frame.GetHandle(), nullptr);
}

TEST_F(MdiWindowTest, AFrameWithoutPlacementLetsTheSystemChoose)
{
    CHfcMdiFrameWindow other;
    ASSERT_TRUE(other.Create("Default", 0, 0, 0, 0, 0, nullptr));
    RECT outer{};
    other.GetWindowRect(outer);
    EXPECT_GT(outer.right - outer.left, 0);
    EXPECT_GT(outer.bottom - outer.top, 0);
    EXPECT_NE(other.GetMdiClient(), nullptr) << "no menu, no window list, still a client";
    other.Destroy();
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The application sees every command; what it does not handle (1) goes on
// to the default frame procedure, which activates children from the list.
TEST_F(MdiWindowTest, CommandsGoToTheApplicationAndUnhandledOnesToTheFrameDefault)
{
    CRecordingChild a("a"), b("b");
    ASSERT_TRUE(Open(a));
    ASSERT_TRUE(Open(b));
    ASSERT_EQ(frame.GetActiveChild(), &b);
    Events().clear();

    EXPECT_EQ(SendMessageA(frame.GetHandle(), WM_COMMAND, kAppCommand, 0), 7) << "the application's answer";
    EXPECT_EQ(frame.GetActiveChild(), &b);
    const UINT firstChild = static_cast<UINT>(frame.GetFirstChildId());
    EXPECT_EQ(firstChild, 50000u);
    EXPECT_EQ(SendMessageA(frame.GetHandle(), WM_COMMAND, firstChild, 0), 0);
    EXPECT_EQ(frame.GetActiveChild(), &a) << "the window-list command reached the default frame procedure";
    EXPECT_EQ(Events(), (std::vector<std::string>{"app:command 273 40100", "app:command 273 50000", "b:deactivate",
                                                  "a:activate"}));

    // Without a command target the default frame procedure has every command.
    frame.SetCommandTarget(nullptr);
    Events().clear();
    SendMessageA(frame.GetHandle(), WM_COMMAND, firstChild + 1, 0);
    EXPECT_EQ(frame.GetActiveChild(), &b);
    EXPECT_EQ(Events(), (std::vector<std::string>{"a:deactivate", "b:activate"}));
}

TEST_F(MdiWindowTest, AChildBindsItselfThroughTheCreationParameterAndTakesTheFramesTarget)
{
    CRecordingChild child("child");
    ASSERT_TRUE(child.Create("child", 10, 20, 300, 200, CHfcWindow::kCaption, &childBar, &frame));
    HWND handle = child.GetHandle();
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(child.boundAtCreation) << "bound before its first handled message";
    EXPECT_EQ(child.createdClass, "CHycMdiChildWindow");
    EXPECT_EQ(CHfcWindow::FromHandle(handle), &child);
    EXPECT_EQ(GetParent(handle), frame.GetMdiClient());
    EXPECT_EQ(child.GetFrame(), &frame);
    EXPECT_EQ(child.GetParent(), &frame);
    EXPECT_EQ(child.GetCommandTarget(), &app);
    EXPECT_EQ(child.GetMenuBar(), &childBar);
    EXPECT_FALSE(IsWindowVisible(handle)) << "the client keeps the child's own style";
    EXPECT_EQ(frame.GetActiveChild(), nullptr);
    EXPECT_TRUE(child.Show());
    EXPECT_EQ(frame.GetActiveChild(), &child);

    const auto style = static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE));
    EXPECT_EQ(style & 0x44C00000u, 0x44C00000u);
    EXPECT_EQ(style & WS_SYSMENU, WS_SYSMENU) << "the flags add to the child's own style";
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_EXSTYLE)) & WS_EX_MDICHILD, WS_EX_MDICHILD);
    RECT client{};
    child.GetClientRect(client);
    EXPECT_EQ(client, (RECT{0, 0, 300, 200})) << "the size given is the client's";
    ASSERT_NE(child.GetRootLayer(), nullptr);
    EXPECT_EQ(child.GetRootLayer()->GetWidth(), 300);
    EXPECT_EQ(child.GetRootLayer()->GetHeight(), 200);
    POINT origin{0, 0};
    ::ClientToScreen(handle, &origin);
    POINT clientOrigin{0, 0};
    ::ClientToScreen(frame.GetMdiClient(), &clientOrigin);
    RECT outer{};
    child.GetWindowRect(outer);
    EXPECT_EQ(outer.left - clientOrigin.x, 10) << "the position is the outer one in the client";
    EXPECT_EQ(outer.top - clientOrigin.y, 20);
    EXPECT_FALSE(child.Create("again", 0, 0, 0, 0, 0, &childBar, &frame));

    EXPECT_TRUE(child.Destroy());
    Pump();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(child.GetHandle(), nullptr);
    EXPECT_EQ(child.GetRootLayer(), nullptr) << "WM_DESTROY destroyed the layers";
    EXPECT_FALSE(child.Destroy());
    EXPECT_FALSE(child.Show());
    EXPECT_FALSE(child.Hide());

    CRecordingChild orphan("orphan");
    EXPECT_FALSE(orphan.Create("orphan", 0, 0, 0, 0, 0, &childBar, nullptr));
    EXPECT_EQ(orphan.GetParent(), nullptr);
}

TEST_F(MdiWindowTest, TheActiveChildShowsItsMenuBarAndTheLastOneGivesTheFrameItsOwnBack)
{
    CRecordingChild a("a"), b("b");
    ASSERT_TRUE(Open(a));
    EXPECT_EQ(FrameMenu(), childBar.GetMenu());
    EXPECT_EQ(WindowList(childBar.GetMenu(), 4), (std::vector<std::u16string>{u"&1 a"}))
        << "the window list in the child's fifth submenu";
    ASSERT_TRUE(Open(b));
    EXPECT_EQ(WindowList(childBar.GetMenu(), 4), (std::vector<std::u16string>{u"&1 a", u"&2 b"}));
    Events().clear();

    EXPECT_FALSE(frame.ActivateChild(&a)) << "answers false whatever happens";
    EXPECT_EQ(frame.GetActiveChild(), &a);
    EXPECT_EQ(Events(), (std::vector<std::string>{"b:deactivate", "a:activate"}));
    EXPECT_FALSE(frame.ActivateChild(nullptr));
    CRecordingChild unmade("unmade");
    EXPECT_FALSE(frame.ActivateChild(&unmade));
    EXPECT_EQ(frame.GetActiveChild(), &a);

    // Closing both: the first passes activation on, the last gives the frame its menu back.
    Events().clear();
    EXPECT_EQ(SendMessageA(a.GetHandle(), WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(FrameMenu(), childBar.GetMenu());
    EXPECT_EQ(frame.GetActiveChild(), &b);
    SendMessageA(b.GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(FrameMenu(), frameBar.GetMenu());
    EXPECT_EQ(frame.GetActiveChild(), nullptr);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"a:can close", "a:deactivate", "b:activate", "b:can close", "b:deactivate"}));

    // The next child brings the window list to the frame's first submenu on the way out.
    CRecordingChild c("c");
    ASSERT_TRUE(Open(c));
    c.Destroy();
    Pump();
    EXPECT_EQ(FrameMenu(), frameBar.GetMenu());
    EXPECT_TRUE(WindowList(frameBar.GetMenu(), 0).empty()) << "no child left to list";
}

TEST_F(MdiWindowTest, AChildThatCannotCloseAnswersOneAndStays)
{
    CRecordingChild child("child");
    ASSERT_TRUE(Open(child));
    Events().clear();
    child.canClose = false;
    EXPECT_EQ(SendMessageA(child.GetHandle(), WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindow(child.GetHandle()));
    EXPECT_EQ(frame.GetActiveChild(), &child);

    // Ctrl+F4 asks the same question.
    input::TypeKey(VK_F4, {VK_CONTROL});
    MSG msg{};
    int translated = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!frame.PreTranslateMessage(&msg)) {
            ++translated;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(translated, 1) << "the MDI system key goes no further";
    EXPECT_TRUE(IsWindow(child.GetHandle()));
    EXPECT_EQ(Events(), (std::vector<std::string>{"child:can close", "child:can close"}));

    child.canClose = true;
    HWND handle = child.GetHandle();
    EXPECT_EQ(SendMessageA(handle, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(handle));
}

// Show and Hide activate the child itself through the client: a hidden
// child passes activation on and is told once more that it is not active.
TEST_F(MdiWindowTest, ShowAndHideAskTheClientToActivateTheChild)
{
    CRecordingChild a("a"), b("b");
    ASSERT_TRUE(Open(a));
    ASSERT_TRUE(Open(b));
    Events().clear();

    EXPECT_TRUE(b.Hide());
    EXPECT_FALSE(IsWindowVisible(b.GetHandle()));
    EXPECT_EQ(frame.GetActiveChild(), &a);
    EXPECT_EQ(Events(), (std::vector<std::string>{"b:deactivate", "a:activate", "b:deactivate"}));
    EXPECT_EQ(FrameMenu(), childBar.GetMenu());

    Events().clear();
    EXPECT_TRUE(b.Show());
    EXPECT_TRUE(IsWindowVisible(b.GetHandle()));
    EXPECT_EQ(frame.GetActiveChild(), &b);
    EXPECT_EQ(Events(), (std::vector<std::string>{"a:deactivate", "b:activate"}));

    Events().clear();
    EXPECT_TRUE(b.Show());
    EXPECT_TRUE(Events().empty()) << "activating the active child again changes nothing";

    // The last visible child hiding gives the frame its menu back.
    a.Hide();
    Events().clear();
    b.Hide();
    EXPECT_EQ(frame.GetActiveChild(), nullptr);
    EXPECT_EQ(FrameMenu(), frameBar.GetMenu());
    EXPECT_EQ(Events(), (std::vector<std::string>{"b:deactivate", "b:deactivate"}));
}

TEST_F(MdiWindowTest, TheClassesAreRegisteredUnderTheirOwnNames)
{
    CRecordingChild child("child");
    ASSERT_TRUE(Open(child));
    EXPECT_STREQ(frame.GetWindowClassName(), "CHfcMdiFrameWindow");
    EXPECT_STREQ(child.GetWindowClassName(), "CHycMdiChildWindow");
    for (const char* name : {"CHfcMdiFrameWindow", "CHycMdiChildWindow"}) {
        WNDCLASSEXA again{};
        again.cbSize = sizeof(again);
        again.lpfnWndProc = &DefWindowProcA;
        again.lpszClassName = name;
        EXPECT_EQ(RegisterClassExA(&again), 0) << name << " is taken";
    }
}

}  // namespace
}  // namespace ui_test
