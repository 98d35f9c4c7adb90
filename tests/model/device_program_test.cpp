// The model's transfers against the device simulator program, reached as
// the editor reaches it: over the MIDI bridge to another process. Bytes are
// checked at the device, and each fault ends as a failure the user is told
// of within the reply time-out.
#include "framework/services/QRVResource.h"
#include "midi_host_fake.h"
#include "model/LocalizedText.h"
#include "model/MidiManager.h"
#include "support/DeviceMemory.h"
#include "support/SimulatorProcess.h"
#include "transfer_documents.h"

#include <gtest/gtest.h>
#include <platform/testing/midi.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>

namespace {

using Bytes = SimulatorProcess::Bytes;
using Box = FakeMidiHost::MessageBox;
using Clock = std::chrono::steady_clock;

constexpr std::int32_t kChannel = 3;
constexpr DWORD kReplyTimeoutMs = 500;
// The MIDI cable's 31,250 baud; sleeps never end early, the margin only
// absorbs clock rounding.
constexpr double kCableBytesPerSecond = 3125;
constexpr double kMargin = 0.9;

const Bytes kSearchRequest{0xF0, 0x7D, 0x50, 0x00, 0x01, 0xF7};

// The device's memory alone, with nowhere to send to.
class DeviceMemoryImage : public DeviceSimulatorCore
{
public:
    DeviceMemoryImage() : DeviceSimulatorCore([](const Bytes&) {}) {}
};

class DeviceProgramTest : public testing::Test, public TransferDocuments
{
public:
    void SetUp() override
    {
        FillFreshDeviceMemory(memory);
        DeviceSimulatorCore::GlobalImage global{};
        for (std::size_t i = 0; i < global.size(); ++i)
            global[i] = static_cast<std::uint8_t>(i * 5 % 128);
        memory.SetGlobal(global);
    }

    void TearDown() override
    {
        if (manager) {
            EXPECT_TRUE(midi.Destroy());
        }
        manager.reset();
        platform::testing::UseVirtualMidi();
        EXPECT_TRUE(device.Stop()) << "the program ends cleanly";
    }

    // Starts the program on the test's memory and opens its ports through a
    // port scan over the bridge.
    void Connect(std::vector<std::string> arguments)
    {
        ASSERT_TRUE(SaveDeviceMemory(device.MemoryPath(), memory));
        arguments.insert(arguments.end(), {"--channel", std::to_string(kChannel)});
        ASSERT_TRUE(device.Start(arguments));
        platform::testing::UseMidiBridge(device.SocketPath());
        ASSERT_TRUE(midi.Create("test"));
        manager = std::make_unique<CMidiManager>(&midi, &host);
        ASSERT_TRUE(manager->Create());
        manager->SetReplyTimeout(kReplyTimeoutMs);
        manager->OpenPorts();
        ASSERT_TRUE(manager->IsReady());
        host.boxes.clear();  // the bridge's ports are not the maker's driver
    }

    // What the program holds now, as it saved it.
    std::unique_ptr<DeviceMemoryImage> DeviceMemoryNow()
    {
        auto now = std::make_unique<DeviceMemoryImage>();
        EXPECT_TRUE(LoadDeviceMemory(device.MemoryPath(), *now));
        return now;
    }

    void ExpectBankFromDevice(int count)
    {
        for (int n = 0; n < kProgramBankSize; ++n) {
            if (n < count)
                EXPECT_EQ(ProgramImageOf(Bank()[n]), memory.Program(n)) << n;
            else
                EXPECT_STREQ(Bank()[n].GetRegion().name, ("Lib" + std::to_string(n)).c_str()) << n;
        }
    }

    CQRVResource strings;
    FakeMidiHost host;
    CHfcMidi midi;
    std::unique_ptr<CMidiManager> manager;
    SimulatorProcess device{VQ_DEVICE_SIMULATOR};
    DeviceMemoryImage memory;
};

Box SuccessBox(const std::string& key)
{
    return {0x12, LocalizedText("Title" + key), LocalizedText("Success" + key)};
}

Box ErrorBox(const std::string& key, const std::string& message)
{
    return {0x82, LocalizedText("Title" + key), LocalizedText(message)};
}

TEST_F(DeviceProgramTest, ReceiveAllWriteAProgramAndTheGlobalAndSendAChange)
{
    Connect({});
    ASSERT_FALSE(device.Heard().empty());
    EXPECT_EQ(device.Heard().front(), kSearchRequest) << "the ports were found by the search";

    ASSERT_TRUE(manager->ReceiveAll(library));
    EXPECT_EQ(host.boxes, std::vector<Box>{SuccessBox("ReceiveAll")});
    ExpectBankFromDevice(kProgramBankSize);
    EXPECT_EQ(GlobalImage(), memory.Global());
    EXPECT_EQ(manager->GetGlobalChannel(), kChannel);

    ASSERT_TRUE(manager->WriteProgram(program, 7));
    EXPECT_EQ(device.Heard().back(), BuildSysExMessage(ProgramDump, kChannel, 7, ProgramImageOf(program)));
    EXPECT_EQ(DeviceMemoryNow()->Program(7), ProgramImageOf(program));

    DeviceSimulatorCore::GlobalImage global{};
    global.fill(0x11);
    std::memcpy(Global().GetData(), global.data(), global.size());
    ASSERT_TRUE(manager->WriteGlobal(library));
    EXPECT_EQ(DeviceMemoryNow()->Global(), global);

    const std::size_t heard = device.Heard().size();
    manager->SendParameterChange(-1, 0x10, 0x05);
    ASSERT_TRUE(device.WaitForHeard(heard + 1));
    EXPECT_EQ(device.Heard().back(),
              (Bytes{0xF0, 0x7D, 0x30 | kChannel, 0x00, 0x01, 0x6E, 0x41, 0x10, 0x00, 0x05, 0x00, 0x7F, 0x7F, 0xF7}));
}

TEST_F(DeviceProgramTest, WriteAllLeavesTheLibraryInTheDevice)
{
    Connect({});
    ASSERT_TRUE(manager->WriteAll(library));
    EXPECT_EQ(host.boxes, std::vector<Box>{SuccessBox("WriteAll")});
    const auto written = DeviceMemoryNow();
    for (int n = 0; n < kProgramBankSize; ++n)
        EXPECT_EQ(written->Program(n), ProgramImageOf(Bank()[n])) << n;
    EXPECT_EQ(written->Global(), GlobalImage());
}

TEST_F(DeviceProgramTest, PacedOutputTakesItsTimeOnTheCable)
{
    Connect({"--pace"});
    const auto start = Clock::now();
    ASSERT_TRUE(manager->ReceiveGlobal(library));
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    EXPECT_EQ(GlobalImage(), memory.Global());
    const double wireBytes = kDeviceInquiryReplySize + 196;
    EXPECT_GE(elapsed.count(), kMargin * wireBytes / kCableBytesPerSecond);
}

TEST_F(DeviceProgramTest, AfterHangingUpItServesTheNextEditor)
{
    Connect({"--fault", "hang-up", "--after", "2"});
    EXPECT_FALSE(manager->ReceiveProgram(program, 5));
    EXPECT_EQ(host.boxes, std::vector<Box>{ErrorBox("ReceiveProgram", "MidiErrorTimeout")});

    // The editor started again finds the device and is answered in full.
    platform::testing::UseMidiBridge(device.SocketPath());
    manager->OpenPorts();
    ASSERT_TRUE(manager->IsReady());
    EXPECT_TRUE(manager->ReceiveProgram(program, 5));
    EXPECT_EQ(ProgramImageOf(program), memory.Program(5));
}

TEST_F(DeviceProgramTest, OnceTheFaultIsOverTheSameSessionCarriesOn)
{
    Connect({"--control"});
    EXPECT_EQ(device.Command("fault silent"), "ok");
    EXPECT_FALSE(manager->ReceiveProgram(program, 5));
    EXPECT_EQ(host.boxes, std::vector<Box>{ErrorBox("ReceiveProgram", "MidiErrorTimeout")});

    EXPECT_EQ(device.Command("fault none"), "ok");
    EXPECT_TRUE(manager->ReceiveProgram(program, 5));
    EXPECT_EQ(ProgramImageOf(program), memory.Program(5));

    // A fault that starts later: the inquiry is answered, the write refused.
    EXPECT_EQ(device.Command("fault write-error after 1"), "ok");
    EXPECT_FALSE(manager->WriteProgram(program, 9));
    EXPECT_EQ(host.boxes.back(), ErrorBox("WriteProgram", "MidiErrorReceiveError"));
    EXPECT_EQ(DeviceMemoryNow()->Program(9), memory.Program(9));

    for (const char* wrong : {"fault sometimes", "fault silent after", "fault silent after 2 3", "pause"})
        EXPECT_EQ(device.Command(wrong).rfind("error: ", 0), 0u) << wrong;
}

struct FaultCase
{
    const char* name;
    std::vector<std::string> arguments;  // the scan's search is message 1, the inquiry message 2
    std::function<bool(DeviceProgramTest&)> run;
    Box (*box)();
    std::function<void(DeviceProgramTest&)> check;
};

const FaultCase kFaults[] = {
    {"SilentMidTransfer",
     {"--fault", "silent", "--after", "5"},
     [](DeviceProgramTest& t) { return t.manager->ReceiveAllPrograms(t.library); },
     [] { return ErrorBox("ReceiveAllPrograms", "MidiErrorTimeout"); },
     [](DeviceProgramTest& t) { t.ExpectBankFromDevice(3); }},
    {"ShortDump",
     {"--fault", "short-dump"},
     [](DeviceProgramTest& t) { return t.manager->ReceiveProgram(t.program, 5); },
     [] { return ErrorBox("ReceiveProgram", "MidiErrorReceiveError"); },
     [](DeviceProgramTest& t) { EXPECT_STREQ(t.program.GetRegion().name, "Mine"); }},
    {"WriteError",
     {"--fault", "write-error", "--after", "2"},
     [](DeviceProgramTest& t) { return t.manager->WriteProgram(t.program, 7); },
     [] { return ErrorBox("WriteProgram", "MidiErrorReceiveError"); },
     [](DeviceProgramTest& t) { EXPECT_EQ(t.DeviceMemoryNow()->Program(7), t.memory.Program(7)); }},
    {"LateReply",
     {"--fault", "late-reply", "--after", "2", "--reply-delay", "1500"},
     [](DeviceProgramTest& t) { return t.manager->ReceiveGlobal(t.library); },
     [] { return ErrorBox("ReceiveGlobal", "MidiErrorTimeout"); },
     [](DeviceProgramTest& t) { EXPECT_NE(t.GlobalImage(), t.memory.Global()); }},
    {"HangUpMidTransfer",
     {"--fault", "hang-up", "--after", "4"},
     [](DeviceProgramTest& t) { return t.manager->ReceiveAllPrograms(t.library); },
     [] { return ErrorBox("ReceiveAllPrograms", "MidiErrorTimeout"); },
     [](DeviceProgramTest& t) { t.ExpectBankFromDevice(2); }},
};

void PrintTo(const FaultCase& row, std::ostream* out)
{
    *out << row.name;
}

class DeviceProgramFaultTest : public DeviceProgramTest, public testing::WithParamInterface<FaultCase>
{};

TEST_P(DeviceProgramFaultTest, EndsInAReportedFailure)
{
    const FaultCase& row = GetParam();
    Connect(row.arguments);
    EXPECT_FALSE(row.run(*this));
    EXPECT_EQ(host.boxes, std::vector<Box>{row.box()});
    EXPECT_FALSE(manager->IsTransferRunning());
    row.check(*this);
}

INSTANTIATE_TEST_SUITE_P(Faults, DeviceProgramFaultTest, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

}  // namespace
