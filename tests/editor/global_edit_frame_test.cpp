// The frame of the global page: where its buttons sit, that they act on
// release, the device transfers of the global data byte for byte, the
// global data files, Revert to Saved, and the refusals while a dialog is
// open.
#include "app/DialogRefCount.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomList.h"
#include "app/controls/CustomPageButton.h"
#include "app/controls/CustomSwitches.h"
#include "framework/ui/HfcCtrlListItem.h"
#include "global_page_fixture.h"
#include "model/Q3917GlobalAccessor.h"

#include <platform/testing.h>

#include <algorithm>

namespace library_test {
namespace {

namespace input = platform::testing;
using Bytes = DeviceSimulator::Bytes;

constexpr int kChannel = 5;
// The message-box answers OK and Cancel.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr ParameterAddress kMasterTune{0, 0, 0};

std::int32_t Read(CGlobal& global, const ParameterAddress& address)
{
    return CQ3917GlobalAccessor::PeekInstance()->GetValue(&global, address);
}

void Write(CGlobal& global, const ParameterAddress& address, std::int32_t value)
{
    CQ3917GlobalAccessor::PeekInstance()->SetValue(&global, address, value);
}

Bytes Image(const CGlobal& global)
{
    return Bytes(global.GetData(), global.GetData() + global.GetDataSize());
}

// The header every message of the device's own starts with, on the channel.
Bytes DeviceHeader()
{
    return {0xF0, 0x7D, 0x30 | kChannel, 0x00, 0x01, 0x6E};
}

const Bytes kInquiry{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};

Bytes GlobalRequest()
{
    Bytes message = DeviceHeader();
    message.insert(message.end(), {0x0E, 0xF7});
    return message;
}

// Each group of seven bytes after a byte of their top bits, lowest first.
Bytes GlobalDump(const Bytes& image)
{
    Bytes message = DeviceHeader();
    message.push_back(0x51);
    for (std::size_t start = 0; start < image.size(); start += 7) {
        const std::size_t end = std::min(image.size(), start + 7);
        std::uint8_t tops = 0;
        for (std::size_t i = start; i < end; ++i)
            tops = static_cast<std::uint8_t>(tops | ((image[i] >> 7) << (i - start)));
        message.push_back(tops);
        for (std::size_t i = start; i < end; ++i)
            message.push_back(image[i] & 0x7F);
    }
    message.push_back(0xF7);
    return message;
}

class GlobalEditFrameTest : public GlobalPageTest
{
protected:
    void Connect()
    {
        shell->device->SetChannel(kChannel);
        shell->Connect();
    }
    CHfcControl& Button(CLibraryWindow& window, int id) { return *Frame(window).GetButton(id); }
    std::string MasterTuneText(CLibraryWindow& window)
    {
        char text[32] = {};
        dynamic_cast<CCustomEditText&>(*Settings(window).GetControl(2)).GetText(text, sizeof text);
        return text;
    }
};

TEST_F(GlobalEditFrameTest, FrameHoldsAnEmptyTabStripAndFourButtonsInARow)
{
    CLibraryWindow& window = OpenGlobalPage();
    CGlobalEditLayer& frame = Frame(window);
    EXPECT_EQ(frame.GetRect(), (RECT{0, 37, 982, 667}));
    EXPECT_EQ(frame.GetTabs()->GetRect(), (RECT{27, 114, 427, 134}));
    EXPECT_EQ(frame.GetTabs()->GetTabCount(), 0);
    const std::pair<int, int> buttons[] = {{CGlobalEditLayer::kReceiveId, 291},
                                           {CGlobalEditLayer::kWriteId, 343},
                                           {CGlobalEditLayer::kLoadId, 395},
                                           {CGlobalEditLayer::kSaveId, 447}};
    for (auto [id, x] : buttons) {
        ASSERT_NE(frame.GetButton(id), nullptr) << id;
        EXPECT_EQ(frame.GetButton(id)->GetRect().left, x) << id;
        EXPECT_EQ(frame.GetButton(id)->GetRect().top, 69) << id;
        EXPECT_EQ(static_cast<int>(frame.GetButton(id)->GetId()), id);
    }
    EXPECT_TRUE(window.IsContentReady());
}

TEST_F(GlobalEditFrameTest, ReceiveAsksOnReleaseAndCancelLeavesEverything)
{
    CLibraryWindow& window = OpenGlobalPage();
    Connect();
    input::QueueMessageBoxAnswers({kIdCancel});
    Press(Button(window, CGlobalEditLayer::kReceiveId), 2, 2);
    EXPECT_TRUE(input::TakeShownMessageBoxes().empty()) << "nothing while the button is held";
    input::QueueMessageBoxAnswers({kIdCancel});
    Release(Button(window, CGlobalEditLayer::kReceiveId), 2, 2);
    const auto boxes = input::TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Receive Global Data");
    EXPECT_EQ(boxes[0].text, "Are you sure to receive global data?");
    EXPECT_TRUE(shell->device->Received().empty());
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(TakePosts(CGlobalEditLayer::kEventGlobalChanged).empty());
}

TEST_F(GlobalEditFrameTest, ReceiveTakesTheDevicesGlobalDataAndRefreshesThisWindowsPages)
{
    CLibraryWindow& window = OpenGlobalPage();
    Connect();
    CGlobal device;
    Write(device, kMasterTune, -37);
    Write(device, ParameterAddress{5, 2, 0}, 111);
    DeviceSimulator::GlobalImage image{};
    std::copy_n(device.GetData(), image.size(), image.begin());
    shell->device->SetGlobal(image);

    input::QueueMessageBoxAnswers({kIdOk});
    Click(Button(window, CGlobalEditLayer::kReceiveId));
    EXPECT_EQ(shell->device->Received(), (std::vector<Bytes>{kInquiry, GlobalRequest()}));
    EXPECT_EQ(Image(Global(window)), Image(device));
    EXPECT_TRUE(window.IsModified());
    ExpectGlobalChangedOnce(window);
    EXPECT_EQ(MasterTuneText(window), "436.3 Hz");
    EXPECT_EQ(CcMap(window).GetList()->GetItem(2)->GetText(), "OSC 1 Wave               : CC# 111");
}

TEST_F(GlobalEditFrameTest, WriteSendsTheImageAndNeverMarksTheWindow)
{
    CLibraryWindow& window = OpenGlobalPage();
    Connect();
    Write(Global(window), kMasterTune, 55);
    input::QueueMessageBoxAnswers({kIdOk});
    Click(Button(window, CGlobalEditLayer::kWriteId));
    ASSERT_TRUE(shell->device->WaitForReceived(2));
    EXPECT_EQ(shell->device->Received(), (std::vector<Bytes>{kInquiry, GlobalDump(Image(Global(window)))}));
    const auto boxes = input::TakeShownMessageBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].caption, "Write Global Data");
    EXPECT_EQ(boxes[0].text, "Are you sure to write global data to the VQ-700Z?");
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(TakePosts(CGlobalEditLayer::kEventGlobalChanged).empty());

    // The menu's Transmit All on this page writes the global data too.
    input::QueueMessageBoxAnswers({kIdOk});
    window.OnTransmitAll();
    ASSERT_TRUE(shell->device->WaitForReceived(4));
    EXPECT_EQ(shell->device->Received().back(), GlobalDump(Image(Global(window))));
    EXPECT_FALSE(window.IsModified());
}

TEST_F(GlobalEditFrameTest, EveryDataOperationButRevertRefusesWhileADialogIsOpen)
{
    CLibraryWindow& window = OpenGlobalPage();
    Connect();
    RaiseDialogRefCount();
    for (int id : {CGlobalEditLayer::kReceiveId, CGlobalEditLayer::kWriteId, CGlobalEditLayer::kLoadId,
                   CGlobalEditLayer::kSaveId})
        Click(Button(window, id));
    window.OnReceiveAll();
    window.OnTransmitAll();
    EXPECT_TRUE(input::TakeShownMessageBoxes().empty());
    EXPECT_TRUE(input::TakeShownFileDialogs().empty());
    EXPECT_TRUE(shell->device->Received().empty());

    input::QueueMessageBoxAnswers({kIdCancel});
    window.OnRevertToSaved();
    const auto boxes = input::TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << "Revert still asks";
    EXPECT_EQ(boxes[0].caption, "Revert to Saved Global Data");
    EXPECT_EQ(boxes[0].text, "Global data will revert to saved data. Are you sure?");
    LowerDialogRefCount();
}

TEST_F(GlobalEditFrameTest, SaveAndLoadGlobalDataFiles)
{
    CLibraryWindow& window = OpenGlobalPage();
    const std::string path = folder.File("settings.vq700z_global");
    Write(Global(window), kMasterTune, 21);
    const Bytes saved = Image(Global(window));
    input::QueueFileDialogSteps({input::TypeFileName(path)});
    Click(Button(window, CGlobalEditLayer::kSaveId));
    auto dialogs = input::TakeShownFileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].save);
    EXPECT_EQ(dialogs[0].title, "Save Global Data File");
    EXPECT_FALSE(window.IsModified()) << "saving a global file leaves the library's mark alone";
    EXPECT_TRUE(TakePosts(CGlobalEditLayer::kEventGlobalChanged).empty());

    Write(Global(window), kMasterTune, -80);
    input::QueueFileDialogSteps({input::CancelFileDialog()});
    Click(Button(window, CGlobalEditLayer::kLoadId));
    EXPECT_EQ(Read(Global(window), kMasterTune), -80) << "cancelled";
    EXPECT_FALSE(window.IsModified());

    input::QueueFileDialogSteps({input::TypeFileName(path)});
    Click(Button(window, CGlobalEditLayer::kLoadId));
    dialogs = input::TakeShownFileDialogs();
    ASSERT_FALSE(dialogs.empty());
    EXPECT_FALSE(dialogs.back().save);
    EXPECT_EQ(dialogs.back().title, "Open Global Data File");
    EXPECT_EQ(Image(Global(window)), saved);
    EXPECT_TRUE(window.IsModified());
    ExpectGlobalChangedOnce(window);
    EXPECT_EQ(MasterTuneText(window), "442.1 Hz");
}

// Revert goes back to the data as the last load, save or receive left it,
// not merely redraws it.
TEST_F(GlobalEditFrameTest, RevertRestoresTheGlobalDataOfTheLastLoadSaveOrReceive)
{
    CLibraryWindow& window = OpenGlobalPage();
    const Bytes created = Image(Global(window));
    Write(Global(window), kMasterTune, 30);
    input::QueueMessageBoxAnswers({kIdCancel});
    window.OnRevertToSaved();
    EXPECT_EQ(Read(Global(window), kMasterTune), 30) << "cancelled";

    input::QueueMessageBoxAnswers({kIdOk});
    window.OnRevertToSaved();
    EXPECT_EQ(Image(Global(window)), created);
    EXPECT_TRUE(window.IsModified());
    ExpectGlobalChangedOnce(window);
    EXPECT_EQ(MasterTuneText(window), "440.0 Hz");

    // A save keeps what it saved.
    Write(Global(window), kMasterTune, 12);
    input::QueueFileDialogSteps({input::TypeFileName(folder.File("kept.vq700z_global"))});
    Click(Button(window, CGlobalEditLayer::kSaveId));
    Write(Global(window), kMasterTune, -5);
    input::QueueMessageBoxAnswers({kIdOk});
    window.OnRevertToSaved();
    EXPECT_EQ(Read(Global(window), kMasterTune), 12);

    // So does a receive.
    Connect();
    CGlobal device;
    Write(device, kMasterTune, 77);
    DeviceSimulator::GlobalImage image{};
    std::copy_n(device.GetData(), image.size(), image.begin());
    shell->device->SetGlobal(image);
    input::QueueMessageBoxAnswers({kIdOk});
    window.OnReceiveAll();
    Write(Global(window), kMasterTune, 0);
    input::QueueMessageBoxAnswers({kIdOk});
    window.OnRevertToSaved();
    EXPECT_EQ(Read(Global(window), kMasterTune), 77);
}

}  // namespace
}  // namespace library_test
