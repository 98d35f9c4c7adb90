// The MIDI manager against the test device: port opening, creation, sent
// parameter changes and All Notes Off, the monitor lines and the channel
// learned from what the device sends.
#include "midi_manager_fixture.h"
#include "model/LocalizedText.h"
#include "model/MidiManager.h"
#include "model/Program.h"
#include "model/Q3917IdConverter.h"
#include "model/Q3917ProgramAccessor.h"
#include "support/DeviceSimulator.h"

#include <platform/kernel.h>
#include <platform/window.h>

#include <gtest/gtest.h>

#include <atomic>

#include <mutex>
#include <thread>

namespace {

using MidiManagerTest = MidiManagerFixture;

TEST_F(MidiManagerTest, PortOpening)
{
    const int in = static_cast<int>(device->InPort());
    const int out = static_cast<int>(device->OutPort());
    EXPECT_TRUE(manager->OpenOutPort(out));
    EXPECT_FALSE(manager->IsReady()) << "connected needs both ports";
    EXPECT_TRUE(manager->OpenOutPort(out)) << "an open port is closed and opened again";
    EXPECT_TRUE(manager->OpenInPort(in));
    EXPECT_TRUE(manager->IsReady());

    platform::testing::SetVirtualMidiInOpenResult(device->InPort(), MMSYSERR_ALLOCATED);
    EXPECT_FALSE(manager->OpenInPort(in));
    EXPECT_FALSE(manager->IsReady());
    EXPECT_FALSE(midi.IsMidiInOpen()) << "the failed port stays closed";
    EXPECT_EQ(manager->GetErrorText(), "Can not open midi in device.");

    platform::testing::SetVirtualMidiOutOpenResult(device->OutPort(), MMSYSERR_ALLOCATED);
    EXPECT_FALSE(manager->OpenOutPort(out));
    EXPECT_EQ(manager->GetErrorText(), "Can not open midi out device.");
    const std::string title = LocalizedText("TitlePortOpen");
    EXPECT_EQ(host.boxes,
              (std::vector<FakeMidiHost::MessageBox>{{0x82, title, LocalizedText("MidiErrorOpenMidiInFailed")},
                                                     {0x82, title, LocalizedText("MidiErrorOpenMidiOutFailed")}}));
    EXPECT_TRUE(host.log.empty()) << "a failed open logs nothing";
    EXPECT_FALSE(title.empty());

    platform::testing::SetVirtualMidiInOpenResult(device->InPort(), MMSYSERR_NOERROR);
    platform::testing::SetVirtualMidiOutOpenResult(device->OutPort(), MMSYSERR_NOERROR);
    EXPECT_TRUE(manager->OpenInPort(in));
    EXPECT_TRUE(manager->OpenOutPort(out));
    EXPECT_TRUE(manager->IsReady());
    manager->ClosePorts();
    EXPECT_FALSE(manager->IsReady());
}

TEST_F(MidiManagerTest, OpeningBySavedName)
{
    platform::testing::AddVirtualMidiIn({"Other In"});
    ASSERT_TRUE(manager->OpenOutPort(static_cast<int>(device->OutPort())));
    EXPECT_FALSE(manager->OpenOutPortBySavedName("vq-700z out")) << "names compare case-sensitively";
    EXPECT_FALSE(midi.IsMidiOutOpen()) << "the direction is closed first";
    EXPECT_TRUE(manager->OpenOutPortBySavedName("VQ-700Z Out"));
    EXPECT_TRUE(manager->OpenInPortBySavedName("VQ-700Z In"));
    EXPECT_TRUE(manager->IsReady());
    EXPECT_TRUE(manager->OpenInPortBySavedName(""));
    EXPECT_FALSE(midi.IsMidiInOpen());
    EXPECT_FALSE(manager->IsReady());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MidiManagerTest, CreateOnceAndClose)
{
    EXPECT_FALSE(manager->Create());
    EXPECT_EQ(manager->GetErrorText(), "CMidiManager::Create : CMidiManager is already created.");
    manager->Close();
    manager->Close();
    EXPECT_TRUE(manager->Create());

    CMidiManager neverCreated(&midi, &host);
    neverCreated.Close();
    EXPECT_FALSE(neverCreated.IsReady());
    midi.SetListener(manager.get());
}

TEST_F(MidiManagerTest, ParameterChangesReachTheDeviceAsFourteenBytes)
{
    Connect();
    manager->SendParameterChange(5, kNoDeviceIdByte, kNoDeviceIdByte);  // has no device id
    manager->SendParameterChange(-1, 0x10, 0x05);
    ASSERT_TRUE(device->WaitForReceived(1));
    const auto received = device->Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], (DeviceSimulator::Bytes{0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x41, 0x10, 0x00, 0x05, 0x00,
                                                   0x7F, 0x7F, 0xF7}));
    EXPECT_EQ(host.sent, "F0 7D 30 00 01 6E 41 10 00 05 00 7F 7F F7 ");
}

TEST_F(MidiManagerTest, NothingIsSentUntilReady)
{
    ASSERT_TRUE(manager->OpenOutPort(static_cast<int>(device->OutPort())));
    manager->SendParameterChange(1, 0, 1);
    manager->AllNotesOff();
    EXPECT_EQ(host.sent, "");
    ASSERT_TRUE(manager->OpenInPort(static_cast<int>(device->InPort())));
    manager->SendParameterChange(2, 0, 1);
    ASSERT_TRUE(device->WaitForReceived(1));
    const auto changes = device->ParameterChanges();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].value, 2);
}

TEST_F(MidiManagerTest, AllNotesOffShowsTheLastChannelInTheMonitor)
{
    Connect();
    manager->AllNotesOff();
    EXPECT_EQ(host.sent, "BF 7B 00 ");
}

TEST_F(MidiManagerTest, LearnsTheChannelFromTheDeviceAndSendsOnIt)
{
    Connect();
    device->SetChannel(9);
    device->SendParameterChange({0, 1, 3});
    for (int i = 0; i < 500 && manager->GetGlobalChannel() != 9; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(manager->GetGlobalChannel(), 9);
    EXPECT_EQ(host.Received(), "F0 7D 39 00 01 6E 41 00 00 01 00 03 00 F7 ");

    manager->SendParameterChange(4, 0, 2);
    ASSERT_TRUE(device->WaitForReceived(1));
    ASSERT_EQ(device->ParameterChanges().size(), 1u) << "the device hears its own channel only";
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The test thread plays the message thread that owns the dispatch engine.
class ParameterChangeReceiveTest : public MidiManagerTest
{
protected:
    void SetUp() override
    {
        MidiManagerTest::SetUp();
        manager->SetParameterChangeReceiver(&receiver);
        host.target = {&program, 17, 99};
        SetProgramRecordName(program, "Abcdefgh");
        ASSERT_TRUE(converter.FromDeviceId(nameCharacter3, address));
    }

    // Pumps until the host has seen count broadcasts, for at most 5 s.
    bool PumpUntilBroadcasts(std::size_t count)
    {
        for (int i = 0; i < 500 && host.broadcasts.size() < count; ++i) {
            PumpMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return host.broadcasts.size() >= count;
    }

    CPslMessageDispatchEngine engine;
    CQ3917ProgramAccessor accessor;
    CQ3917IdConverter converter;
    CParameterChangeReceiver receiver{&engine, &host, &accessor, &converter};
    CProgram program;
    DeviceParameterId nameCharacter3{0, 3};
    ParameterAddress address{};
};

TEST_F(ParameterChangeReceiveTest, ChangeFromTheDeviceReachesTheTargetOnTheMessageThread)
{
    Connect();
    device->SendParameterChange({0, 3, 'Q'});
    ASSERT_TRUE(PumpUntilBroadcasts(2));
    EXPECT_EQ(accessor.GetValue(&program, address), 'Q');
    EXPECT_STREQ(program.GetProgramName(), "AbcQefgh") << "the name text follows the image";
    EXPECT_EQ(host.broadcasts, (std::vector<std::vector<LONG_PTR>>{{7, 17, 99}, {3, 17, 0}}));
    EXPECT_EQ(host.broadcastThreads, (std::vector<DWORD>{GetCurrentThreadId(), GetCurrentThreadId()}));
}

TEST_F(ParameterChangeReceiveTest, ValueWrittenThroughTheAccessorIsSentAsFourteenBytes)
{
    Connect();
    accessor.SetValue(&program, address, 'x');
    DeviceParameterId id{};
    ASSERT_TRUE(converter.ToDeviceId(address, id));
    manager->SendParameterChange(accessor.GetValue(&program, address), id.high, id.low);
    ASSERT_TRUE(device->WaitForReceived(1));
    EXPECT_EQ(device->Received()[0], (DeviceSimulator::Bytes{0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x41, 0x00, 0x00, 0x03,
                                                             0x00, 0x78, 0x00, 0xF7}));
}

TEST_F(ParameterChangeReceiveTest, ReceiverSwitchedOffAndOn)
{
    Connect();
    host.receiving = false;
    device->SetChannel(4);
    device->SendParameterChange({0, 3, 'A'});
    for (int i = 0; i < 500 && manager->GetGlobalChannel() != 4; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(manager->GetGlobalChannel(), 4) << "the channel is learned all the same";
    host.receiving = true;
    device->SendParameterChange({0, 3, 'B'});
    ASSERT_TRUE(PumpUntilBroadcasts(2));
    PumpMessages();
    EXPECT_EQ(host.broadcasts.size(), 2u) << "only the change heard while on applies";
    EXPECT_EQ(accessor.GetValue(&program, address), 'B');
}

TEST_F(ParameterChangeReceiveTest, NothingWithoutATargetOrAKnownId)
{
    const std::int32_t before = accessor.GetValue(&program, address);
    host.target = {};
    receiver.OnPslMessage(0x41, 0, 3, 'Z', 0);
    host.target = {&program, 17, 99};
    receiver.OnPslMessage(0x41, 0x7F, 0x7F, 'Z', 0);
    receiver.OnPslMessage(0x41, -1, 3, 'Z', 0);
    EXPECT_TRUE(host.broadcasts.empty());
    EXPECT_EQ(accessor.GetValue(&program, address), before);

    const std::uint8_t foreign[] = {0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6F, 0x41, 0, 0, 3, 0, 0x5A, 0, 0xF7};
    EXPECT_FALSE(receiver.Offer(foreign, sizeof foreign));
}

TEST(MidiMonitorLine, ShowsAtMostTwentySixBytes)
{
    std::vector<BYTE> bytes(30, 0xAB);
    std::string expected;
    for (int i = 0; i < 26; ++i)
        expected += "AB ";
    EXPECT_EQ(FormatMidiMonitorLine(bytes.data(), 30), expected);
    EXPECT_EQ(FormatMidiMonitorLine(bytes.data(), 2), "AB AB ");
}

}  // namespace
