// The dialog base: modal runs counted as open and modeless ones not, the
// commands handed on, Escape and the close box through CanCancel, a count
// that never goes below 0, and work that goes on inside the dialog's loop.
#include "app/DialogRefCount.h"
#include "app/ModalDialog.h"
#include "app/WindowManager.h"
#include "dialog_fixture.h"
#include "services/TraceRecorder.h"

#include <optional>

namespace {

using platform::testing::QueueDialogScript;

// Any template of the program serves the base; this one has OK and Cancel.
class RecordingDialog : public CModalDialog
{
public:
    const char* name = "DialogMapValue";
    bool cancellable = true;
    std::optional<LPARAM> initParameter;
    std::vector<std::vector<LPARAM>> commands;  // id, notification, parameter
    int cancelAsked = 0;

    using CModalDialog::EnableItem;
    using CModalDialog::SetTitle;

protected:
    const char* GetTemplateName() const override { return name; }
    void OnInitDialog(LPARAM parameter) override { initParameter = parameter; }
    void OnCommand(int id, int notification, LPARAM parameter) override
    {
        commands.push_back({id, notification, parameter});
        if (id == kIdOk)
            EndDialog(7);
    }
    bool CanCancel() override
    {
        ++cancelAsked;
        return cancellable;
    }
};

class ModalDialogTest : public DialogTest
{};

TEST_F(ModalDialogTest, AModalRunIsCountedOpenAndHandsOnItsParameterAndCommands)
{
    RecordingDialog dialog;
    int countInside = -1;
    bool ownerEnabledInside = true;
    QueueDialogScript([&](HWND window) {
        countInside = GetDialogRefCount();
        ownerEnabledInside = IsWindowEnabled(owner);
        EXPECT_EQ(dialog.GetHandle(), window);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(1023, 1), 0);  // a list's notification
        Command(window, CModalDialog::kIdOk);
    });
    EXPECT_EQ(dialog.DoModal(owner, 0x5eed), 7);
    EXPECT_EQ(countInside, 1);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_EQ(GetDialogRefCount(), 0);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(dialog.initParameter, 0x5eed);
    const std::vector<std::vector<LPARAM>> expected = {{1023, 0, 0x5eed}, {500, 0, 0x5eed}};
    EXPECT_EQ(dialog.commands, expected) << "the notification is dropped, the parameter handed on";
}

TEST_F(ModalDialogTest, WithoutATemplateNameNothingIsShownAndTheResultIs0)
{
    RecordingDialog dialog;
    dialog.name = nullptr;
    EXPECT_EQ(dialog.DoModal(owner, 0), 0);
    EXPECT_FALSE(dialog.initParameter.has_value());
    EXPECT_EQ(GetDialogRefCount(), 0);
    TraceRecorder trace;
    EXPECT_FALSE(dialog.CreateModeless(owner, 0));
    EXPECT_EQ(trace.lines(),
              std::vector<std::string>{"CModalDialog::CreateModeless() - Dialog name is not specified."});
    EXPECT_TRUE(IsWindowEnabled(owner));
}

HWND g_keptDialog = nullptr;

// Runs after the input and posts queued before it: a dialog still up then
// was kept open, and OK ends it.
void CALLBACK PressOkIfStillUp(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (IsWindow(g_keptDialog))
        SendMessageA(g_keptDialog, WM_COMMAND, MAKEWPARAM(CModalDialog::kIdOk, BN_CLICKED), 0);
}

// Escape, the Cancel id and the close box all ask CanCancel; a dialog that
// says no stays open, and id 2 never reaches OnCommand.
TEST_F(ModalDialogTest, EscapeAndTheCloseBoxEndWithMinus1OnlyWhenCanCancelAgrees)
{
    enum class Gesture
    {
        Escape,
        CancelId,
        CloseBox
    };
    for (Gesture gesture : {Gesture::Escape, Gesture::CancelId, Gesture::CloseBox}) {
        for (bool cancellable : {true, false}) {
            SCOPED_TRACE(testing::Message() << int(gesture) << (cancellable ? " cancellable" : " kept"));
            RecordingDialog dialog;
            dialog.cancellable = cancellable;
            UINT_PTR timer = 0;
            QueueDialogScript([&](HWND window) {
                g_keptDialog = window;
                switch (gesture) {
                case Gesture::Escape:
                    SetFocus(GetDlgItem(window, 1023));
                    platform::testing::TypeKey(VK_ESCAPE);
                    break;
                case Gesture::CancelId: PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); break;
                case Gesture::CloseBox: PostMessageA(window, WM_CLOSE, 0, 0); break;
                }
                timer = SetTimer(nullptr, 0, 20, PressOkIfStillUp);
            });
            const int result = dialog.DoModal(owner, 0);
            KillTimer(nullptr, timer);
            EXPECT_EQ(dialog.cancelAsked, 1);
            EXPECT_EQ(result, cancellable ? -1 : 7);
            for (const auto& command : dialog.commands)
                EXPECT_NE(command[0], IDCANCEL);
        }
    }
}

TEST_F(ModalDialogTest, AModelessDialogIsNotCountedAndGivesItsOwnerBackWhenItEnds)
{
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(owner, 42));
    HWND window = dialog.GetHandle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(dialog.initParameter, 42);
    EXPECT_EQ(GetDialogRefCount(), 0);
    EXPECT_FALSE(IsWindowEnabled(owner));
    dialog.EndDialog(3);
    EXPECT_EQ(dialog.GetResult(), 3);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(ModalDialogTest, AModelessDialogDestroyedWithItsOwnerIsNoLongerTouched)
{
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(owner, 0));
    DestroyWindow(owner);
    EXPECT_FALSE(dialog.IsOpen());
    dialog.SetTitle("late");
    dialog.EnableItem(500, false);
    dialog.EndDialog(-1);
    EXPECT_EQ(dialog.GetResult(), -1);
}

TEST_F(ModalDialogTest, TheOpenCountNeverFallsBelow0)
{
    TraceRecorder trace;
    LowerDialogRefCount();
    EXPECT_EQ(GetDialogRefCount(), 0);
    EXPECT_EQ(trace.lines(), std::vector<std::string>{"*** Illegal DialogRefCount ***"});
    {
        CDialogFlag outer;
        CDialogFlag inner;
        EXPECT_EQ(GetDialogRefCount(), 2);
    }
    EXPECT_EQ(GetDialogRefCount(), 0);
    RaiseDialogRefCount();
    EXPECT_EQ(GetDialogRefCount(), 1) << "the count works again after a stray lowering";
    LowerDialogRefCount();
}

class Recipient final : public CWindowManagerListener
{
public:
    std::function<void()> onMessage;
    void OnWindowManagerMessage(CWindowManager*, int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                CWindowManagerListener*) override
    {
        onMessage();
    }
};

RecordingDialog* g_timedDialog = nullptr;
bool g_openAtTick = false;

void CALLBACK EndOnTick(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_openAtTick = g_timedDialog->IsOpen();
    g_timedDialog->EndDialog(5);
}

// A broadcast posted while the dialog is up is delivered inside its loop,
// and a timer set then ticks there too.
TEST_F(ModalDialogTest, BroadcastsAndTimersGoOnInsideTheDialogsLoop)
{
    CPslMessageDispatchEngine engine;
    CWindowManager manager(engine);
    Recipient recipient;
    ASSERT_TRUE(manager.AddListener(&recipient));
    RecordingDialog dialog;
    g_timedDialog = &dialog;
    g_openAtTick = false;
    bool deliveredWhileOpen = false;
    recipient.onMessage = [&] {
        deliveredWhileOpen = dialog.IsOpen();
        SetTimer(nullptr, 0, 10, EndOnTick);
    };
    QueueDialogScript([&](HWND) { manager.PostMessageToAll(1, 0, 0, 0, 0, nullptr); });
    EXPECT_EQ(dialog.DoModal(owner, 0), 5);
    EXPECT_TRUE(deliveredWhileOpen);
    EXPECT_TRUE(g_openAtTick);
    manager.RemoveListener(&recipient);
}

}  // namespace
