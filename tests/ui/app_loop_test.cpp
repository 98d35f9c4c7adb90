// The application object and its message loop: the singleton, the order of
// translation and dispatch, the commands that reach the application, and
// the message box.
#include "window_fixture.h"

#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMessageBox.h"
#include "framework/ui/HfcMouse.h"

#include <platform/dialogs.h>
#include <platform/input.h>

#include <cstdlib>
#include <functional>

namespace ui_test {
namespace {

constexpr WPARAM kAcceleratorCommand = 40001;

class CScriptedApp : public CHfcApp
{
public:
    bool Init() override
    {
        events.push_back("init");
        return init ? init() : false;
    }
    bool Exit() override
    {
        events.push_back("exit");
        return true;
    }
    int OnCommand(UINT message, WPARAM wParam, LPARAM) override
    {
        events.push_back("app command " + std::to_string(message) + " " + std::to_string(wParam));
        return 0;
    }
    LPCSTR GetAcceleratorName() override { return "LoopKeys"; }
    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            events.push_back("app translate " + std::to_string(msg->wParam));
        return CHfcApp::PreTranslateMessage(msg);
    }

    std::function<bool()> init;
    std::vector<std::string> events;
};

// The first application object of the process stays the application.
CScriptedApp& TheApp()
{
    static CScriptedApp app;
    return app;
}

// A main window that takes F6 before translation, as the MDI frame takes
// its system keys, and hands its commands to the application.
class CMainWindow : public CTestWindow
{
public:
    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            Log("window translate " + std::to_string(msg->wParam));
            return msg->wParam != VK_F6;
        }
        return true;
    }
    LRESULT Win32Command(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        Log("window command " + std::to_string(wParam));
        TheApp().OnCommand(message, wParam, lParam);
        return 2;
    }
    LRESULT Win32KeyDown(UINT, WPARAM wParam, LPARAM) override
    {
        Log("window key " + std::to_string(wParam));
        return 0;
    }
    LRESULT Win32Char(UINT, WPARAM wParam, LPARAM) override
    {
        Log("window char " + std::to_string(wParam));
        if (wParam == VK_ESCAPE)
            PostQuitMessage(3);
        return 0;
    }

private:
    static void Log(std::string text) { TheApp().events.push_back(std::move(text)); }
};

// Any other window: command 2 answers non-zero, the others 0.
class CCommandWindow : public CTestWindow
{
public:
    LRESULT Win32Command(UINT, WPARAM wParam, LPARAM) override
    {
        TheApp().events.push_back("other command " + std::to_string(wParam));
        return wParam == 2 ? 5 : 0;
    }
};

class AppLoop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheApp().events.clear();
        TheApp().init = nullptr;
        TheApp().SetMainWindow(nullptr);
    }
    void TearDown() override
    {
        TheApp().SetMainWindow(nullptr);
        platform::testing::PumpMessages();
    }
    static int Run() { return CHfcAppBase::Run(reinterpret_cast<HINSTANCE>(1), nullptr, nullptr, 1); }
};

TEST_F(AppLoop, TheFirstApplicationObjectStaysTheApplication)
{
    CScriptedApp& first = TheApp();
    CHfcApp second;
    EXPECT_EQ(CHfcAppBase::GetApp(), &first);
}

// Not in the fixture, whose set-up makes the application.
TEST(AppEntry, WithoutAnApplicationTheEntrySaysSoAndAnswersZero)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    // A fresh process, in which no application object was ever made.
    EXPECT_EXIT(
        {
            platform::testing::QueueMessageBoxAnswers({IDOK});
            const int code = CHfcAppBase::Run(nullptr, nullptr, nullptr, 1);
            const auto shown = platform::testing::TakeShownMessageBoxes();
            const bool said = shown.size() == 1 && shown[0].text == "Failed to create application instance" &&
                              shown[0].caption == "Error" && shown[0].type == MB_OK && shown[0].owner == nullptr;
            std::_Exit(code == 0 && said ? 3 : 1);
        },
        ::testing::ExitedWithCode(3), "");
}

TEST_F(AppLoop, AFailedInitEndsTheRunWithoutExit)
{
    TheApp().init = [] { return false; };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(TheApp().events, std::vector<std::string>{"init"});
    EXPECT_EQ(GetInstanceHandle(), reinterpret_cast<HINSTANCE>(1));
}

TEST_F(AppLoop, AQuitBeforeAnythingElseStillRunsExitAndGivesItsCode)
{
    TheApp().init = [] {
        PostQuitMessage(7);
        return true;
    };
    EXPECT_EQ(Run(), 7);
    EXPECT_EQ(TheApp().events, (std::vector<std::string>{"init", "exit"}));
    EXPECT_NE(TheApp().GetAccelerators(), nullptr) << "the table the application names was loaded";
}

TEST_F(AppLoop, AcceleratorsComeFirstThenTheMainWindowThenTranslationAndDispatch)
{
    CMainWindow main;
    ASSERT_TRUE(main.Create("main", 10, 10, 100, 100, 0, nullptr, nullptr));
    main.Show();
    platform::testing::PumpMessages();
    TheApp().init = [&] {
        TheApp().SetMainWindow(&main);
        SetFocus(main.GetHandle());
        return true;
    };
    namespace input = platform::testing;
    input::TypeKey('K', {VK_CONTROL});
    input::TypeKey(VK_F6);
    input::TypeKey('A');
    input::TypeKey(VK_ESCAPE);
    EXPECT_EQ(Run(), 3);
    const std::string k = std::to_string('K'), f6 = std::to_string(VK_F6), a = std::to_string('A'),
                      escape = std::to_string(VK_ESCAPE), control = std::to_string(VK_CONTROL),
                      command = std::to_string(MAKEWPARAM(kAcceleratorCommand, 1));
    EXPECT_EQ(TheApp().events,
              (std::vector<std::string>{"init", "app translate " + control, "window translate " + control,
                                        "window key " + control, "app translate " + k, "window command " + command,
                                        "app command 273 " + command, "app translate " + f6, "window translate " + f6,
                                        "app translate " + a, "window translate " + a, "window key " + a,
                                        "window char 97", "app translate " + escape, "window translate " + escape,
                                        "window key " + escape, "window char 27", "exit"}))
        << "an accelerator key goes no further; a key the main window takes is neither translated nor "
           "dispatched; a command sent by the accelerator reaches the application once";
    main.Destroy();
}

TEST_F(AppLoop, APostedCommandReachesTheApplicationOnlyWhenItsProcedureAnsweredNonZero)
{
    CMainWindow main;
    CCommandWindow other;
    ASSERT_TRUE(main.Create("main", 10, 10, 50, 50, 0, nullptr, nullptr));
    ASSERT_TRUE(other.Create("other", 70, 10, 50, 50, 0, nullptr, nullptr));
    TheApp().init = [&] {
        TheApp().SetMainWindow(&main);
        PostMessageA(other.GetHandle(), WM_COMMAND, 1, 0);
        PostMessageA(other.GetHandle(), WM_COMMAND, 2, 0);
        PostMessageA(main.GetHandle(), WM_COMMAND, 3, 0);
        PostQuitMessage(0);
        return true;
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(TheApp().events,
              (std::vector<std::string>{"init", "other command 1", "other command 2", "app command 273 2",
                                        "window command 3", "app command 273 3", "exit"}))
        << "a command the main window already gave to the application is not run a second time";
    main.Destroy();
    other.Destroy();
}

TEST_F(AppLoop, MessageBoxButtonsIconsAndAnswers)
{
    struct Case
    {
        int buttons;
        int icon;
        int answer;
        UINT type;
        int result;
    };
    for (const Case& c :
         {Case{2, 3, IDNO, MB_YESNO | MB_ICONWARNING, 2}, Case{2, 3, IDYES, MB_YESNO | MB_ICONWARNING, 1},
          Case{0, 0, IDOK, MB_OK, 1}, Case{1, 2, IDCANCEL, MB_OKCANCEL | MB_ICONINFORMATION, 2},
          Case{7, 4, IDOK, MB_OK | MB_ICONERROR, 1}, Case{0, 9, IDABORT, MB_OK, -1}, Case{0, 1, IDRETRY, MB_OK, -1},
          Case{0, 0, IDIGNORE, MB_OK, -1}, Case{0, 0, 10, MB_OK, -1}, Case{0, 0, 11, MB_OK, -1},
          Case{0, 0, 0, MB_OK, 2}}) {
        platform::testing::QueueMessageBoxAnswers({c.answer});
        EXPECT_EQ(ShowMessageBox("text", "caption", c.buttons, c.icon), c.result) << c.answer;
        const auto shown = platform::testing::TakeShownMessageBoxes();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].type, c.type) << c.buttons << " " << c.icon;
        EXPECT_EQ(shown[0].owner, nullptr);
        EXPECT_EQ(shown[0].text, "text");
    }
}

TEST_F(AppLoop, TheBaseInitAcquiresBothManagersAndExitReleasesThem)
{
    CHfcApp plain;
    ASSERT_EQ(CHfcMouse::GetInstance(), nullptr);
    EXPECT_TRUE(plain.Init());
    EXPECT_NE(CHfcMouse::GetInstance(), nullptr);
    EXPECT_NE(CHfcKey::GetInstance(), nullptr);
    EXPECT_TRUE(plain.Exit());
    EXPECT_EQ(CHfcMouse::GetInstance(), nullptr);
    EXPECT_EQ(CHfcKey::GetInstance(), nullptr);
    EXPECT_FALSE(plain.Exit()) << "a release below zero answers false";
    EXPECT_TRUE(CHfcMouse::Acquire());
    EXPECT_TRUE(CHfcKey::Acquire());
    EXPECT_TRUE(plain.Exit()) << "the count came back to zero";
}

}  // namespace
}  // namespace ui_test
