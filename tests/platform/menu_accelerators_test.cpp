// Accelerators from the resource take their keys before text translation,
// and the frame's menu bar gates their commands.
#include "display_fixture.h"
#include "platform/src/menus/accelerator_format.h"

#include <platform/accelerators.h>
#include <platform/menus.h>

namespace display_test {
namespace {

using platform::menus::ParseAcceleratorText;

class MenuAccelerators : public DisplayTest
{
protected:
    // The message loop of the application: accelerators first.
    void RunLoop(HWND frame, HACCEL table)
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (TranslateAcceleratorA(frame, table, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    std::vector<WPARAM> Commands()
    {
        std::vector<WPARAM> commands;
        for (const Received& r : LoggedOf(WM_COMMAND))
            commands.push_back(r.wParam);
        return commands;
    }
};

TEST_F(MenuAccelerators, TakeTheirKeysAndSendCommandsMarkedAsAccelerators)
{
    HWND frame = MakeTop({0, 0, 300, 200});
    HACCEL table = LoadAcceleratorsA(nullptr, "ACCELERATORS");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(LoadAcceleratorsA(nullptr, "Accelerators"), table) << "one table per resource";
    RunLoop(frame, table);
    Log().clear();

    platform::testing::TypeKey('S', {VK_CONTROL});
    platform::testing::TypeKey('S', {VK_CONTROL, VK_SHIFT});
    platform::testing::TypeKey('1', {VK_CONTROL});
    platform::testing::TypeKey('S');
    RunLoop(frame, table);

    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(51002, 1), MAKEWPARAM(51003, 1), MAKEWPARAM(55002, 1)}));
    std::vector<WPARAM> chars;
    for (const Received& r : LoggedOf(WM_CHAR))
        chars.push_back(r.wParam);
    EXPECT_EQ(chars, std::vector<WPARAM>{'s'}) << "only the plain key reaches TranslateMessage";
}

TEST_F(MenuAccelerators, AGreyMenuItemKeepsItsCommandButTheKeyIsStillTaken)
{
    HWND frame = MakeTop({0, 0, 300, 200});
    HMENU bar = LoadMenuA(nullptr, "MainMenuBar");
    ASSERT_TRUE(SetMenu(frame, bar));
    EXPECT_EQ(GetMenu(frame), bar);
    EnableMenuItem(bar, 51002, MF_BYCOMMAND | MF_GRAYED);
    HACCEL table = LoadAcceleratorsA(nullptr, "Accelerators");
    RunLoop(frame, table);
    Log().clear();

    platform::testing::TypeKey('S', {VK_CONTROL});
    platform::testing::TypeKey('O', {VK_CONTROL});
    RunLoop(frame, table);
    EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(51001, 1)});
    EXPECT_TRUE(LoggedOf(WM_CHAR).empty());

    SetMenu(frame, nullptr);
    DestroyMenu(bar);
}

TEST_F(MenuAccelerators, SettingAMenuResizesTheClientArea)
{
    HWND frame = MakeTop({0, 0, 300, 200});
    RECT before{}, after{};
    GetClientRect(frame, &before);
    HMENU bar = LoadMenuA(nullptr, "EmptyMenuBar");
    Log().clear();
    ASSERT_TRUE(SetMenu(frame, bar));
    GetClientRect(frame, &after);
    EXPECT_LT(after.bottom, before.bottom) << "the bar takes a strip of the frame";
    EXPECT_FALSE(LoggedOf(WM_SIZE).empty());
    EXPECT_TRUE(DrawMenuBar(frame));

    HWND child = MakeChild(frame, {0, 0, 10, 10});
    EXPECT_FALSE(SetMenu(child, bar));
    EXPECT_EQ(GetMenu(child), nullptr);
    SetMenu(frame, nullptr);
    DestroyMenu(bar);
}

TEST(AcceleratorFormat, ReadsChordsAndNamesTheLineOfAFault)
{
    auto parsed = ParseAcceleratorText("# keys\nCtrl+Shift+S 51003\n\nAlt+F4 7  # close\nDelete 9\n");
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.entries.size(), 3u);
    EXPECT_EQ(parsed.entries[0].fVirt, FVIRTKEY | FCONTROL | FSHIFT);
    EXPECT_EQ(parsed.entries[0].key, 'S');
    EXPECT_EQ(parsed.entries[0].cmd, 51003);
    EXPECT_EQ(parsed.entries[1].fVirt, FVIRTKEY | FALT);
    EXPECT_EQ(parsed.entries[1].key, VK_F4);
    EXPECT_EQ(parsed.entries[2].key, VK_DELETE);

    struct Case
    {
        const char* text;
        const char* error;
    };
    for (const Case& c :
         {Case{"Ctrl+s 1", "line 1: unknown key \"s\""}, Case{"\nMeta+S 1", "line 2: unknown modifier \"Meta\""},
          Case{"F13 1", "line 1: unknown key \"F13\""},
          Case{"Ctrl+S", "line 1: a key needs a command id from 0 to 65535"},
          Case{"Ctrl+S 70000", "line 1: a key needs a command id from 0 to 65535"},
          Case{"Ctrl+S 1 2", "line 1: text after the command id"}}) {
        SCOPED_TRACE(c.text);
        auto bad = ParseAcceleratorText(c.text);
        EXPECT_EQ(bad.error, c.error);
        EXPECT_TRUE(bad.entries.empty());
    }
}

}  // namespace
}  // namespace display_test
