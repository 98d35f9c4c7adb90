// The progress dialog: percent = position x 100 / total with a total of at
// least 1, Cancel that only asks the transfer to stop, and a close box or
// Escape that act as Cancel instead of killing the window under a running
// transfer.
#include "app/DialogRefCount.h"
#include "app/TransferProgress.h"
#include "dialog_fixture.h"
#include "model/MidiManager.h"
#include "model/midi_host_fake.h"
#include "support/DeviceSimulator.h"

namespace {

using Dialog = CProgressDialog;

// The bar has no query of its own: setting a position answers the old one.
int BarPosition(HWND dialog)
{
    const LRESULT position = SendDlgItemMessageA(dialog, CModalDialog::kIdProgressBar, PBM_SETPOS, 0, 0);
    SendDlgItemMessageA(dialog, CModalDialog::kIdProgressBar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    return static_cast<int>(position);
}

class CodedProgressDialog : public CProgressDialog
{
public:
    using CProgressDialog::CProgressDialog;
    void Code(int code) { OnCommand(code, 0, 0); }
};

class ProgressTest : public DialogTest
{
protected:
    int cancels = 0;
    CodedProgressDialog dialog{[this] { ++cancels; }};
};

TEST_F(ProgressTest, TheBarShowsPositionTimes100OverTotal)
{
    ASSERT_TRUE(dialog.CreateModeless(owner, 0));
    HWND window = dialog.GetHandle();
    EXPECT_EQ(ItemText(window, CModalDialog::kIdProgressText), "Processing...");
    struct Case
    {
        std::int32_t total, position;
        int percent;
    };
    const Case cases[] = {
        {7, 3, 42}, {7, 7, 100}, {200, 1, 0},  {200, 199, 99},
        {0, 0, 0},  {0, 1, 100}, {-5, 1, 100}, {2000000000, 1999999999, 99},  // no overflow on the way
    };
    for (const Case& c : cases) {
        dialog.SetTotal(c.total);
        dialog.SetPosition(c.position);
        EXPECT_EQ(BarPosition(window), c.percent) << c.position << "/" << c.total;
    }
    dialog.SetPosition(0);
    dialog.SetTotal(4);
    dialog.SetPosition(1);
    EXPECT_EQ(BarPosition(window), 25) << "a new total takes effect for the next position";
    dialog.SetText("Receiving all data...");
    EXPECT_EQ(ItemText(window, CModalDialog::kIdProgressText), "Receiving all data...");
}

TEST_F(ProgressTest, ANewDialogStartsAt0Of100)
{
    ASSERT_TRUE(dialog.CreateModeless(owner, 0));
    dialog.SetPosition(30);
    EXPECT_EQ(BarPosition(dialog.GetHandle()), 30);
}

TEST_F(ProgressTest, EveryWayOfCancellingOnlyAsksTheTransferToStop)
{
    ASSERT_TRUE(dialog.CreateModeless(owner, 0));
    HWND window = dialog.GetHandle();
    EXPECT_EQ(GetDialogRefCount(), 0) << "modeless dialogs are not counted";
    EXPECT_FALSE(IsWindowEnabled(owner));
    Command(window, Dialog::kIdCancelButton);
    dialog.Code(Dialog::kCommandCancel);
    Command(window, IDCANCEL);             // Escape
    SendMessageA(window, WM_CLOSE, 0, 0);  // the close box
    platform::testing::PumpMessages();
    EXPECT_EQ(cancels, 4);
    EXPECT_TRUE(dialog.IsOpen()) << "the transfer closes the dialog, not the user";
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowEnabled(owner));
    dialog.EndDialog(0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST(TransferProgress, UpdatesReachOnlyAnOpenDialog)
{
    CTransferProgress progress;
    progress.SetText("nobody");
    progress.SetProgress(1, 2);
    EXPECT_FALSE(progress.IsOpen());
    int cancels = 0;
    progress.Open(nullptr, "Receive All", [&] { ++cancels; });
    ASSERT_TRUE(progress.IsOpen());
    progress.Open(nullptr, "Write All", [&] { cancels += 10; });
    ASSERT_TRUE(progress.IsOpen()) << "one dialog at a time";
    progress.Close();
    EXPECT_FALSE(progress.IsOpen());
    progress.SetProgress(2, 2);
    progress.Close();
    EXPECT_EQ(cancels, 0);
}

// The shell's side of a transfer: the real dialog, driven by the manager.
class DialogHost : public FakeMidiHost
{
public:
    explicit DialogHost(HWND owner) : m_owner(owner) {}
    void OpenProgressDialog(const std::string& title, std::function<void()> onCancel) override
    {
        FakeMidiHost::OpenProgressDialog(title, onCancel);
        progress.Open(m_owner, title, std::move(onCancel));
    }
    void SetProgressText(const std::string& text) override
    {
        FakeMidiHost::SetProgressText(text);
        progress.SetText(text);
    }
    void SetProgress(std::int32_t position, std::int32_t total) override
    {
        progress.SetProgress(position, total);
        FakeMidiHost::SetProgress(position, total);
    }
    void CloseProgressDialog() override
    {
        FakeMidiHost::CloseProgressDialog();
        progress.Close();
    }

    CTransferProgress progress;

private:
    HWND m_owner;
};

TEST_F(ProgressTest, ClosingTheDialogStopsTheTransferWhichThenClosesIt)
{
    platform::testing::UseVirtualMidi();
    DeviceSimulator device;
    DialogHost host(owner);
    CHfcMidi midi;
    ASSERT_TRUE(midi.Create("test"));
    CMidiManager manager(&midi, &host);
    ASSERT_TRUE(manager.Create());
    ASSERT_TRUE(manager.OpenInPort(static_cast<int>(device.InPort())));
    ASSERT_TRUE(manager.OpenOutPort(static_cast<int>(device.OutPort())));
    LibraryData library;
    library.AddItem(LibraryDataItem::kProgramBank);

    HWND window = nullptr;
    std::string title;
    bool openAfterClose = false;
    host.onProgress = [&](std::int32_t position) {
        if (position != 10)
            return;
        window = host.progress.IsOpen() ? GetActiveWindow() : nullptr;
        title = Title(window);
        SendMessageA(window, WM_CLOSE, 0, 0);
        openAfterClose = IsWindow(window) && host.progress.IsOpen();
    };
    manager.ReceiveAllPrograms(library);
    EXPECT_FALSE(title.empty());
    EXPECT_EQ(title, host.progressTitle);
    EXPECT_TRUE(openAfterClose) << "the window stays while the transfer runs";
    EXPECT_EQ(manager.GetReceivedPrograms().count(), 10u) << "the transfer stopped at the next program";
    EXPECT_FALSE(host.progress.IsOpen());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_TRUE(midi.Destroy());
    platform::testing::UseVirtualMidi();
}

}  // namespace
