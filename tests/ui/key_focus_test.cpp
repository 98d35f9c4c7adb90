// The keyboard manager and a window's key focus through its hidden edit
// window: who is told what, in which order, and how keys are mapped.
#include "window_fixture.h"

#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcKeyFocus.h"
#include "framework/ui/HfcKeyListener.h"
#include "framework/ui/HfcModifiers.h"

#include <platform/input.h>

namespace ui_test {
namespace {

namespace input = platform::testing;

// Writes every key-focus event down; answers what the test says.
class CKeyFocusRecorder : public CHfcKeyFocusListener
{
public:
    explicit CKeyFocusRecorder(std::string name) : name(std::move(name)) {}
    void OnHfcKeyFocusSet(CHfcKeyFocus*) override { Events().push_back(name + ":set"); }
    void OnHfcKeyFocusKilled(CHfcKeyFocus* focus) override
    {
        Events().push_back(name + ":killed");
        focusDuringKill = GetFocus();
        (void)focus;
    }
    bool OnHfcKeyFocusKeyDown(CHfcKeyFocus*, int key, int, int modifiers) override
    {
        return Key("down", key, modifiers);
    }
    bool OnHfcKeyFocusKeyRepeat(CHfcKeyFocus*, int key, int, int modifiers) override
    {
        return Key("repeat", key, modifiers);
    }
    bool OnHfcKeyFocusKeyUp(CHfcKeyFocus*, int key, int, int modifiers) override { return Key("up", key, modifiers); }
    bool OnHfcKeyFocusChar(CHfcKeyFocus*, int character) override
    {
        Events().push_back(name + ":char " + std::to_string(character));
        return answer;
    }

    std::string name;
    bool answer = true;
    HWND focusDuringKill = nullptr;

private:
    bool Key(const char* what, int key, int modifiers)
    {
        Events().push_back(name + ":" + what + " " + std::to_string(key) + " " + std::to_string(modifiers));
        return answer;
    }
};

class KeyFocus : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = &MakeWindow(10, 10, 200, 100);
    }
    void TearDown() override
    {
        window->ReleaseKeyFocus(nullptr);
        WindowTest::TearDown();
    }
    LRESULT SendToEdit(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return SendMessageA(window->GetKeyFocus()->GetEditWindow(), message, wParam, lParam);
    }

    CTestWindow* window = nullptr;
    CKeyFocusRecorder first{"first"};
    CKeyFocusRecorder second{"second"};
};

TEST_F(KeyFocus, TheHiddenEditWindowSitsAboveTheClientAreaAndHoldsTheSystemFocus)
{
    window->SetKeyFocus(&first);
    HWND edit = window->GetKeyFocus()->GetEditWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetParent(edit), window->GetHandle());
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(window->HasKeyFocus(&first));
    EXPECT_FALSE(window->HasKeyFocus(&second));
    RECT rect{};
    GetWindowRect(edit, &rect);
    POINT corner{rect.left, rect.top};
    window->ScreenToClient(corner);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, -40);
    EXPECT_EQ(rect.right - rect.left, 20);
    char title[64] = {};
    GetWindowTextA(edit, title, sizeof(title));
    EXPECT_STREQ(title, "ControlForKeyEvents");
    EXPECT_EQ(Events(), std::vector<std::string>{"first:set"});
}

TEST_F(KeyFocus, TheOldHolderIsToldBeforeTheNewOneAndSeesTheSystemFocusGone)
{
    window->SetKeyFocus(&first);
    Events().clear();
    window->SetKeyFocus(&second);
    EXPECT_EQ(Events(), (std::vector<std::string>{"first:killed", "second:set"}));
    EXPECT_NE(first.focusDuringKill, window->GetKeyFocus()->GetEditWindow());
    Events().clear();
    window->SetKeyFocus(&second);
    EXPECT_TRUE(Events().empty()) << "the holder again: the focus is only restored";

    window->ReleaseKeyFocus(&first);
    EXPECT_TRUE(window->HasKeyFocus(&second)) << "only the holder or null releases";
    window->ReleaseKeyFocus(&second);
    EXPECT_EQ(Events(), std::vector<std::string>{"second:killed"});
    EXPECT_EQ(window->GetKeyFocus()->GetEditWindow(), nullptr);
    EXPECT_FALSE(window->GetKeyFocus()->SetFocus(nullptr, window->GetHandle()));
    EXPECT_FALSE(window->GetKeyFocus()->SetFocus(&first, nullptr));
}

TEST_F(KeyFocus, LosingTheSystemFocusKeepsTheHolderUntilTheFocusComesBack)
{
    CTestWindow& other = MakeWindow(300, 10, 50, 50);
    window->SetKeyFocus(&first);
    Events().clear();
    SetFocus(other.GetHandle());
    ASSERT_FALSE(Events().empty());
    EXPECT_EQ(Events().back(), "first:killed");
    EXPECT_FALSE(window->HasKeyFocus(&first));
    EXPECT_EQ(window->GetKeyFocus()->GetListener(), &first);
    window->GetKeyFocus()->RestoreFocus();
    EXPECT_TRUE(window->HasKeyFocus(&first));
    EXPECT_EQ(Events().back(), "first:set");
}

TEST_F(KeyFocus, KeysAreMappedAndTheRepeatBitChoosesTheRepeatEvent)
{
    window->SetKeyFocus(&first);
    Events().clear();
    struct Case
    {
        WPARAM key;
        LPARAM flags;
        const char* expected;
    };
    for (const Case& c : {Case{VK_LEFT, 1, "first:down 28 0"}, Case{VK_RIGHT, 1, "first:down 29 0"},
                          Case{VK_UP, 1, "first:down 30 0"}, Case{VK_DOWN, 1, "first:down 31 0"},
                          Case{VK_DELETE, 1, "first:down 127 0"}, Case{VK_RETURN, 1, "first:down 13 0"},
                          Case{'A', 0x4001, "first:repeat 65 0"}, Case{'A', 0x40000001, "first:down 65 0"}}) {
        Events().clear();
        EXPECT_EQ(SendToEdit(WM_KEYDOWN, c.key, c.flags), 0);
        EXPECT_EQ(Events(), std::vector<std::string>{c.expected});
    }
    Events().clear();
    first.answer = false;
    EXPECT_EQ(SendToEdit(WM_KEYUP, VK_LEFT, 0xC0000001), -1) << "not consumed";
    EXPECT_EQ(Events(), std::vector<std::string>{"first:up 28 0"});
}

TEST_F(KeyFocus, TypedKeysArriveWithTheirModifiersAndOnlyPlainCharacters)
{
    window->SetKeyFocus(&first);
    Events().clear();
    // The modifiers are read from the keyboard as it is when the key is handled.
    input::PressKey(VK_SHIFT);
    input::PressKey(VK_CONTROL);
    input::TypeKey(VK_LEFT);
    Pump();
    input::ReleaseKey(VK_CONTROL);
    input::ReleaseKey(VK_SHIFT);
    input::TypeKey('A');
    Pump();
    const std::string both = std::to_string(kHfcModifierShift | kHfcModifierCtrl);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"first:down 16 " + both, "first:down 17 " + both, "first:down 28 " + both,
                                        "first:up 28 " + both, "first:up 17 0", "first:up 16 0", "first:down 65 0",
                                        "first:char 97", "first:up 65 0"}));
    Events().clear();
    EXPECT_EQ(SendToEdit(WM_CHAR, 200, 0), -1);
    EXPECT_EQ(SendToEdit(WM_CHAR, 31, 0), -1);
    EXPECT_TRUE(Events().empty()) << "only characters from 32 to 127";
    EXPECT_EQ(SendToEdit(WM_CHAR, 127, 0), 0);
    EXPECT_EQ(SendToEdit(WM_GETDLGCODE, VK_RETURN, 0), -1) << "Enter asks for every dialog code";
    EXPECT_EQ(Events(), std::vector<std::string>{"first:char 127"});
}

TEST_F(KeyFocus, WithoutAHolderTheEditWindowAnswersMinusOne)
{
    window->SetKeyFocus(&first);
    CHfcKeyFocus& focus = *window->GetKeyFocus();
    HWND edit = focus.GetEditWindow();
    // The holder forgotten while the window stays, as during a change.
    window->GetKeyFocus()->KillFocus();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(focus.Win32KeyDown(WM_KEYDOWN, VK_LEFT, 0), -1);
    EXPECT_EQ(focus.Win32KeyUp(WM_KEYUP, VK_LEFT, 0), -1);
    EXPECT_EQ(focus.Win32Char(WM_CHAR, 'a', 0), -1);
}

TEST_F(KeyFocus, AnEditWindowDestroyedWithItsWindowLeavesNoHandleBehind)
{
    CTestWindow& doomed = MakeWindow(300, 200, 50, 50);
    doomed.SetKeyFocus(&first);
    ASSERT_NE(doomed.GetKeyFocus()->GetEditWindow(), nullptr);
    doomed.Destroy();
    EXPECT_EQ(doomed.GetKeyFocus()->GetEditWindow(), nullptr);
    EXPECT_FALSE(doomed.GetKeyFocus()->HasFocus());
}

class CKeyRecorder : public CHfcKeyListener
{
public:
    explicit CKeyRecorder(std::string name) : name(std::move(name)) {}
    bool OnHfcKeyDown(CHfcKey*, int code, int flags) override { return Key("down", code, flags); }
    bool OnHfcKeyUp(CHfcKey*, int code, int flags) override { return Key("up", code, flags); }
    bool OnHfcKeyInput(CHfcKey*, int code, int flags) override { return Key("input", code, flags); }
    void OnHfcKeyGetFocus(CHfcKey*) override { Events().push_back(name + ":get focus"); }
    void OnHfcKeyLostFocus(CHfcKey*) override { Events().push_back(name + ":lost focus"); }
    std::string name;

private:
    bool Key(const char* what, int code, int flags)
    {
        Events().push_back(name + ":" + what + " " + std::to_string(code) + " " + std::to_string(flags));
        return true;
    }
};

TEST_F(KeyFocus, TheKeyboardManagerSwitchesListenersWithoutTellingTheOldOne)
{
    CHfcKey& key = *CHfcKey::GetInstance();
    CKeyRecorder a("a"), b("b");
    EXPECT_EQ(key.KeyInput(65, 0), 0) << "nobody listens";
    key.SetFocus(&a, window->GetHandle());
    EXPECT_EQ(GetFocus(), window->GetHandle());
    key.SetFocus(&b, window->GetHandle());
    key.SetFocus(&b, window->GetHandle());
    EXPECT_EQ(Events(), (std::vector<std::string>{"a:get focus", "b:get focus"}));
    Events().clear();
    EXPECT_EQ(key.KeyDown(1, 2), 1);
    EXPECT_EQ(key.KeyUp(3, 4), 1);
    EXPECT_EQ(key.KeyInput(5, 6), 1);
    key.KillFocus();
    EXPECT_EQ(key.GetFocus(), nullptr);
    key.KillFocus();
    EXPECT_EQ(Events(), (std::vector<std::string>{"b:down 1 2", "b:up 3 4", "b:input 5 6", "b:lost focus"}));
    key.SetFocus(&a, window->GetHandle());
    Events().clear();
    key.ClearFocus();
    EXPECT_EQ(key.GetFocus(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(Events().empty()) << "cleared without a word";
}

}  // namespace
}  // namespace ui_test
