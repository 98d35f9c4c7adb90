// Creating and destroying framework windows: the system window bound to
// the object, the root layer, styles and sizes, and the order in which
// layers go.
#include "window_fixture.h"

#include "framework/ui/HfcKeyFocus.h"
#include "framework/ui/HfcMenu.h"

#include <platform/input.h>

#include <gmock/gmock.h>

namespace ui_test {
namespace {

using WindowCreate = WindowTest;

TEST_F(WindowCreate, CreationBindsTheObjectAndMakesAHiddenRootLayerOverTheClientArea)
{
    CTestWindow window;
    ASSERT_TRUE(window.Create("bound", 40, 30, 120, 80, CHfcWindow::kCaption, nullptr, nullptr))
        << "a plain creation reports success";
    HWND handle = window.GetHandle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(CHfcWindow::FromHandle(handle), &window);
    RECT client{};
    window.GetClientRect(client);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 80);

    CHfcWindowLayer* root = window.GetRootLayer();
    ASSERT_NE(root, nullptr);
    EXPECT_FALSE(root->IsVisible());
    EXPECT_EQ(root->GetWidth(), 120) << "the root layer takes the client size, not the outer one";
    EXPECT_EQ(root->GetHeight(), 80);
    EXPECT_EQ(window.GetLayers(), std::vector<CHfcWindowLayer*>{root});
    EXPECT_FALSE(window.Create("again", 0, 0, 10, 10, 0, nullptr, nullptr)) << "one system window per object";

    const auto style = static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_TRUE(window.Destroy());
    EXPECT_EQ(window.GetRootLayer(), nullptr) << "WM_DESTROY destroys the layers";
    EXPECT_TRUE(window.GetLayers().empty());
    EXPECT_EQ(window.GetHandle(), nullptr);
    EXPECT_FALSE(window.Destroy());
    EXPECT_FALSE(window.Show());
}

TEST_F(WindowCreate, StyleFlagsAddUpAsDocumented)
{
    struct Case
    {
        int flags;
        DWORD style;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 0x00C80000}, Case{2, 0x00010000}, Case{4, 0x00C10000},
                          Case{8, 0x00C20000}, Case{16, 0x00040000}, Case{1 | 16, 0x00CC0000}}) {
        DWORD style = 1, exStyle = 1;
        CHfcWindow::StyleFromFlags(c.flags, style, exStyle);
        EXPECT_EQ(style, c.style) << c.flags;
        EXPECT_EQ(exStyle, 0u);
    }
}

TEST_F(WindowCreate, AllZeroPlacesTheWindowByDefaultAndAFailedCreationLeavesNothingBehind)
{
    CTestWindow window;
    ASSERT_TRUE(window.Create("default", 0, 0, 0, 0, 0, nullptr, nullptr));
    RECT client{};
    window.GetClientRect(client);
    EXPECT_GT(client.right, 0) << "a default size, not an empty window";
    EXPECT_EQ(window.GetRootLayer()->GetWidth(), client.right);
    window.Destroy();

    class CRefusingWindow : public CTestWindow
    {
        LRESULT Win32Create(UINT, WPARAM, LPARAM) override { return -1; }
    } refusing;
    CTestWindow parent;
    ASSERT_TRUE(parent.Create("parent", 10, 10, 50, 50, 0, nullptr, nullptr));
    CHfcMenuBar bar;
    EXPECT_FALSE(refusing.Create("refused", 10, 10, 50, 50, 0, &bar, &parent));
    EXPECT_EQ(refusing.GetHandle(), nullptr);
    EXPECT_EQ(refusing.GetParent(), nullptr);
    EXPECT_EQ(refusing.GetMenuBar(), nullptr);
    parent.Destroy();
}

TEST_F(WindowCreate, AWindowWithoutItsObjectAndTheKeyEditWindowAreNoFrameworkWindows)
{
    CTestWindow parent;
    ASSERT_TRUE(parent.Create("parent", 10, 10, 200, 100, 0, nullptr, nullptr));
    auto child = std::make_unique<CTestWindow>();
    ASSERT_TRUE(child->Create("child one", 5, 5, 50, 50, 0, nullptr, &parent));
    CRecordingControl focused("focused", {0, 0, 1, 1});
    CTestWindow second;
    ASSERT_TRUE(second.Create("child two", 60, 5, 50, 50, 0, nullptr, &parent));
    second.SetKeyFocus(&focused);
    ASSERT_NE(second.GetKeyFocus()->GetEditWindow(), nullptr);

    EXPECT_EQ(parent.FindChildByTitle("child two"), &second);
    EXPECT_EQ(parent.FindChildByTitle("ControlForKeyEvents"), nullptr)
        << "the hidden edit window's user data is the key-focus object, not a window";
    EXPECT_EQ(parent.FindChildByTitle("nobody"), nullptr);
    EXPECT_TRUE(parent.EnumChildren());
    EXPECT_THAT(parent.enumerated, ::testing::UnorderedElementsAre(child.get(), &second));

    HWND orphan = child->GetHandle();
    child.reset();
    EXPECT_EQ(CHfcWindow::FromHandle(orphan), nullptr) << "the object's end unbinds the system window";
    parent.enumerated.clear();
    parent.EnumChildren();
    EXPECT_EQ(parent.enumerated, std::vector<CHfcWindow*>{&second});
    SendMessageA(orphan, WM_TIMER, 1, 0);
    DestroyWindow(orphan);
    second.ReleaseKeyFocus(nullptr);
    parent.Destroy();
}

TEST_F(WindowCreate, DestroyingTheWindowDetachesEveryLayerLastFirstAndKeepsTheirObjects)
{
    CTestWindow& window = MakeWindow(0, 0, 100, 100);
    CRecordingControl focused("focused", {0, 0, 10, 10});
    CRecordingLayer below("below"), above("above");
    ASSERT_TRUE(below.Create(0, 0, 50, 50, &window));
    ASSERT_TRUE(above.Create(10, 10, 50, 50, &window));
    above.AddControl(&focused, false);
    above.SetKeyFocus(&focused);
    Events().clear();
    window.Destroy();
    EXPECT_EQ(Events(), (std::vector<std::string>{"focused:focus killed", "window:deactivate", "above:detach",
                                                  "focused:focus killed", "below:detach"}))
        << "the system focus leaves first; then the layers go last first and the first detach ends the key focus";
    EXPECT_EQ(window.GetKeyFocus()->GetListener(), nullptr);
    EXPECT_EQ(below.GetOwner(), nullptr);
    EXPECT_EQ(above.GetOwner(), nullptr);
    EXPECT_TRUE(above.IsCreated()) << "only the root layer belongs to the window";
}

}  // namespace
}  // namespace ui_test
