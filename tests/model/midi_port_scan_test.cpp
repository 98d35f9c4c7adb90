// Choosing the ports to the device: the search messages, the scan of every
// port against the test device and answering strangers, the ports opened by
// saved names, and the driver warning.
#include "framework/services/QRVResource.h"
#include "framework/services/ServiceSlots.h"
#include "midi_host_fake.h"
#include "model/DeviceLister.h"
#include "model/LocalizedText.h"
#include "model/MidiManager.h"
#include "model/SearchDeviceMessage.h"
#include "support/DeviceSimulator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

using namespace platform::testing;
using Bytes = std::vector<std::uint8_t>;
using Box = FakeMidiHost::MessageBox;

TEST(SearchDeviceMessage, RequestNumbersTheOutPortFromOneAndWraps)
{
    for (const auto& [index, number] : {std::pair{0, 0x01}, {1, 0x02}, {126, 0x7F}, {127, 0x00}, {128, 0x01}}) {
        const auto request = BuildSearchRequest(index);
        EXPECT_EQ(Bytes(request.begin(), request.end()), (Bytes{0xF0, 0x7D, 0x50, 0x00, std::uint8_t(number), 0xF7}))
            << "OUT port " << index;
    }
}

TEST(SearchDeviceMessage, ReplyFieldsJoinLowBytesFirstTimes256)
{
    const Bytes reply{0xF0, 0x7D, 0x50, 0x01, 0x1A, 0x03, 0x6E, 0x01, 0x7F, 0x7F, 0x02, 0x03, 0x04, 0x05, 0xF7};
    DeviceRecord record;
    record.inPortIndex = 9;
    record.inPortName = "kept";
    ASSERT_TRUE(ReadSearchReply(reply.data(), static_cast<std::int32_t>(reply.size()), record));
    EXPECT_EQ(record.channel, 0x0A);
    EXPECT_EQ(record.flag, 1);
    EXPECT_EQ(record.outPortIndex, 2);
    EXPECT_EQ(record.family, 0x16Eu);
    EXPECT_EQ(record.member, 0x7F7Fu);
    EXPECT_EQ(record.version1, 0x0504u) << "bytes 12-13";
    EXPECT_EQ(record.version2, 0x0302u) << "bytes 10-11";
    EXPECT_EQ(record.inPortIndex, 9);
    EXPECT_EQ(record.inPortName, "kept");

    Bytes longer = reply;
    longer.insert(longer.end() - 1, 0x00);
    Bytes request = reply;
    request[3] = 0x00;
    Bytes inquiry = reply;
    inquiry[1] = 0x7E;
    for (const Bytes& other : {Bytes(reply.begin(), reply.end() - 1), longer, request, inquiry})
        EXPECT_FALSE(ReadSearchReply(other.data(), static_cast<std::int32_t>(other.size()), record));
}

// Everything the program sent on a virtual OUT port.
class SentLog
{
public:
    VirtualMidiReceiver Receiver()
    {
        return [this](const BYTE* data, std::size_t size) {
            std::lock_guard lock(m_mutex);
            m_sent.emplace_back(data, data + size);
        };
    }
    std::vector<Bytes> Sent()
    {
        std::lock_guard lock(m_mutex);
        return m_sent;
    }

private:
    std::mutex m_mutex;
    std::vector<Bytes> m_sent;
};

// Another device on a port pair of its own that answers the search with its
// own identity; heardOffset bends the number it says it heard. With a
// manufacturer id its ports tell their driver.
class Stranger
{
public:
    Stranger(const std::string& name, std::uint32_t family, std::uint32_t member, int heardOffset = 0,
             WORD manufacturerId = 0)
    {
        const bool idsKnown = manufacturerId != 0;
        const UINT in = AddVirtualMidiIn({name + " In", manufacturerId, 17, idsKnown});
        AddVirtualMidiOut({name + " Out", manufacturerId, 18, idsKnown}, [=](const BYTE* data, std::size_t size) {
            if (size != kSearchRequestSize || data[0] != 0xF0 || data[2] != 0x50)
                return;
            SendVirtualMidiIn(in, {0xF0, 0x7D, 0x50, 0x01, 0x00, static_cast<BYTE>(data[4] + heardOffset),
                                   static_cast<BYTE>(family & 0x7F), static_cast<BYTE>(family >> 8),
                                   static_cast<BYTE>(member & 0x7F), static_cast<BYTE>(member >> 8), 0x00, 0x00, 0x00,
                                   0x00, 0xF7});
        });
    }
};

class PortScanTest : public testing::Test
{
protected:
    void SetUp() override
    {
        UseVirtualMidi();
        SetMessagePump([this] { ++pumps; });
        ASSERT_TRUE(midi.Create("test"));
        Restart();
    }

    // A fresh manager and shell for the next case, the ports closed.
    void Restart()
    {
        if (manager)
            manager->ClosePorts();
        manager.reset();
        host = std::make_unique<FakeMidiHost>();
        manager = std::make_unique<CMidiManager>(&midi, host.get());
        ASSERT_TRUE(manager->Create());
    }

    void TearDown() override
    {
        EXPECT_TRUE(midi.Destroy());
        manager.reset();
        SetMessagePump(nullptr);
        UseVirtualMidi();
    }

    // With a time-out long enough for late answers; the scan still ends as
    // soon as every OUT port has been answered.
    std::vector<DeviceRecord> Scan(DWORD timeoutMs = 3000)
    {
        CDeviceList list;
        CDeviceLister(*host, timeoutMs).RunDeviceScan(list);
        std::vector<DeviceRecord> records(static_cast<std::size_t>(list.GetCount()));
        for (std::size_t i = 0; i < records.size(); ++i)
            EXPECT_TRUE(list.GetRecord(static_cast<std::int32_t>(i), records[i]));
        DeviceRecord beyond;
        EXPECT_FALSE(list.GetRecord(list.GetCount(), beyond));
        EXPECT_FALSE(list.GetRecord(-1, beyond));
        return records;
    }

    void OpenPortsBy(const std::string& inName, const std::string& outName)
    {
        host->portSettings = {false, inName, outName};
        manager->OpenPorts();
    }

    // The manager's OUT port reaches the device and its IN port hears it.
    void ExpectTalkingTo(DeviceSimulator& device)
    {
        ASSERT_TRUE(manager->IsReady());
        const std::size_t heard = device.Received().size();
        manager->SendParameterChange(1, 0, 2);
        EXPECT_TRUE(device.WaitForReceived(heard + 1));
        device.SetChannel(9);
        device.SendParameterChange({0, 0, 1});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (manager->GetGlobalChannel() != 9 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        EXPECT_EQ(manager->GetGlobalChannel(), 9);
    }

    static std::string InLine(const std::string& name) { return "MIDI input port:  " + name; }
    static std::string OutLine(const std::string& name) { return "MIDI output port:  " + name; }

    CQRVResource strings;
    std::unique_ptr<FakeMidiHost> host;
    CHfcMidi midi;
    std::unique_ptr<CMidiManager> manager;
    std::atomic<int> pumps{0};
};

TEST_F(PortScanTest, DeviceHeardOnTheSecondOutPortIsFoundAndOpened)
{
    SentLog other;
    AddVirtualMidiOut({"Other Out"}, other.Receiver());
    DeviceSimulator device;
    device.SetChannel(5);
    ASSERT_EQ(device.OutPort(), 1u);

    const auto start = std::chrono::steady_clock::now();
    const std::vector<DeviceRecord> records = Scan(CDeviceLister::kReplyTimeoutMs);
    // One of two OUT ports answered, so the scan waited its whole time-out.
    EXPECT_GE(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(CDeviceLister::kReplyTimeoutMs * 9 / 10));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].family, kSearchDeviceFamily);
    EXPECT_EQ(records[0].member, kSearchDeviceMember);
    EXPECT_EQ(records[0].channel, 5);
    EXPECT_EQ(records[0].inPortIndex, 0);
    EXPECT_EQ(records[0].outPortIndex, 1);
    EXPECT_EQ(records[0].inPortName, "VQ-700Z In");
    EXPECT_EQ(records[0].outPortName, "VQ-700Z Out");
    EXPECT_EQ(other.Sent(), (std::vector<Bytes>{{0xF0, 0x7D, 0x50, 0x00, 0x01, 0xF7}}));
    EXPECT_EQ(device.Received(), (std::vector<Bytes>{{0xF0, 0x7D, 0x50, 0x00, 0x02, 0xF7}}));
    EXPECT_EQ(host->progressTitle, LocalizedText("TitleDeviceScan"));
    EXPECT_EQ(host->progress, (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}, {1, 1}}));
    EXPECT_FALSE(host->progressOpen);
    EXPECT_GE(pumps, 2) << "windows are served before and during the wait";

    host->progress.clear();
    manager->OpenPorts();
    EXPECT_EQ(host->log, (std::vector<std::string>{InLine("VQ-700Z In"), OutLine("VQ-700Z Out")}));
    EXPECT_TRUE(host->boxes.empty()) << "virtual ports cannot tell their driver";
    EXPECT_EQ(host->progress.size(), 2u);
    ExpectTalkingTo(device);
}

TEST_F(PortScanTest, TheFirstAnswerToArriveWins)
{
    DeviceSimulator late("Late");
    DeviceSimulator early("Early");
    late.SetReplyDelay(std::chrono::milliseconds(100));

    const std::vector<DeviceRecord> records = Scan();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].inPortName, "Early In");
    EXPECT_EQ(records[0].outPortIndex, 1);
    EXPECT_EQ(records[1].inPortName, "Late In");
    EXPECT_EQ(records[1].outPortIndex, 0);

    manager->OpenPorts();
    EXPECT_EQ(host->log, (std::vector<std::string>{InLine("Early In"), OutLine("Early Out")}));
    ExpectTalkingTo(early);
}

TEST_F(PortScanTest, StrangersAreListedButNeverOpened)
{
    Stranger otherFamily("Family", 0x16F, 1);
    Stranger otherMember("Member", 0x16E, 2);
    DeviceSimulator device;
    device.SetReplyDelay(std::chrono::milliseconds(100));

    const std::vector<DeviceRecord> records = Scan();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].inPortName, "VQ-700Z In");
    std::vector<std::pair<std::uint32_t, std::uint32_t>> strangers{{records[0].family, records[0].member},
                                                                   {records[1].family, records[1].member}};
    std::sort(strangers.begin(), strangers.end());
    EXPECT_EQ(strangers, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{0x16E, 2}, {0x16F, 1}}));

    device.SetReplyDelay(std::chrono::milliseconds(0));
    manager->OpenPorts();
    EXPECT_EQ(host->log, (std::vector<std::string>{InLine("VQ-700Z In"), OutLine("VQ-700Z Out")}));
    ExpectTalkingTo(device);
}

TEST_F(PortScanTest, OnlyStrangersMeansTheDeviceIsNotFound)
{
    Stranger otherFamily("Family", 0x16F, 1);
    Stranger otherMember("Member", 0x16E, 2);

    manager->OpenPorts();
    EXPECT_EQ(host->log, (std::vector<std::string>{LocalizedText("MidiErrorDeviceNotFoundLog")}));
    EXPECT_FALSE(manager->IsReady());
    EXPECT_FALSE(midi.IsMidiInOpen());
    EXPECT_FALSE(midi.IsMidiOutOpen());
}

TEST_F(PortScanTest, AnAnswerNamingNoOutPortIsDropped)
{
    // The number heard must be one that a request carried: 1 to the OUT count.
    Stranger zero("Zero", kSearchDeviceFamily, kSearchDeviceMember, -1);
    Stranger beyond("Beyond", kSearchDeviceFamily, kSearchDeviceMember, 1);

    EXPECT_TRUE(Scan(CDeviceLister::kReplyTimeoutMs).empty());
    manager->OpenPorts();
    EXPECT_EQ(host->log, (std::vector<std::string>{LocalizedText("MidiErrorDeviceNotFoundLog")}));
    EXPECT_FALSE(manager->IsReady());
}

TEST_F(PortScanTest, WithoutPortsInEitherDirectionNothingIsSent)
{
    const std::string notFound = LocalizedText("MidiErrorDeviceNotFoundLog");
    EXPECT_FALSE(notFound.empty());
    struct Case
    {
        const char* name;
        bool in;
        bool out;
    };
    for (const Case& c :
         {Case{"no ports", false, false}, Case{"IN only", true, false}, Case{"OUT only", false, true}}) {
        SCOPED_TRACE(c.name);
        Restart();
        UseVirtualMidi();
        SentLog sent;
        if (c.in)
            AddVirtualMidiIn({"In"});
        if (c.out)
            AddVirtualMidiOut({"Out"}, sent.Receiver());

        manager->OpenPorts();
        EXPECT_EQ(host->log, (std::vector<std::string>{notFound}));
        EXPECT_TRUE(sent.Sent().empty());
        EXPECT_EQ(host->progressOpenCount, 1);
        EXPECT_FALSE(host->progressOpen);
        EXPECT_FALSE(manager->IsReady());
    }
}

TEST_F(PortScanTest, OneHundredTwentyEightOutPortsWrapTheNumber)
{
    AddVirtualMidiIn({"In"});
    std::vector<std::unique_ptr<SentLog>> outs;
    for (int i = 0; i < 128; ++i) {
        outs.push_back(std::make_unique<SentLog>());
        AddVirtualMidiOut({"Out " + std::to_string(i)}, outs.back()->Receiver());
    }

    EXPECT_TRUE(Scan(CDeviceLister::kReplyTimeoutMs).empty());
    for (const auto& [index, number] : {std::pair{0, 0x01}, {126, 0x7F}, {127, 0x00}})
        EXPECT_EQ(outs[index]->Sent(), (std::vector<Bytes>{{0xF0, 0x7D, 0x50, 0x00, std::uint8_t(number), 0xF7}}));
}

TEST_F(PortScanTest, SavedNamesOpenTheirPortsWithoutAScan)
{
    DeviceSimulator device;
    OpenPortsBy("VQ-700Z In", "VQ-700Z Out");
    EXPECT_EQ(host->log, (std::vector<std::string>{InLine("VQ-700Z In"), OutLine("VQ-700Z Out")}));
    EXPECT_EQ(host->progressOpenCount, 0);
    EXPECT_TRUE(device.Received().empty()) << "no search request";
    EXPECT_TRUE(host->boxes.empty());
    ExpectTalkingTo(device);
}

TEST_F(PortScanTest, SavedNamesThatOpenNothing)
{
    DeviceSimulator device;
    struct Case
    {
        const char* name;
        std::string in;
        std::string out;
        std::vector<std::string> log;
        bool inOpen;
        bool outOpen;
    };
    const std::vector<Case> cases{
        {"unknown IN name",
         "Nowhere",
         "VQ-700Z Out",
         {"Failed to open MIDI input port. (Nowhere)", OutLine("VQ-700Z Out")},
         false,
         true},
        {"unknown OUT name",
         "VQ-700Z In",
         "vq-700z out",
         {InLine("VQ-700Z In"), "Failed to open MIDI output port. (vq-700z out)"},
         true,
         false},
        {"empty IN name logs nothing for IN", "", "VQ-700Z Out", {OutLine("VQ-700Z Out")}, false, true},
        {"both empty", "", "", {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host->log.clear();
        // Ports left open from the case before are closed first.
        OpenPortsBy(c.in, c.out);
        EXPECT_EQ(host->log, c.log);
        EXPECT_EQ(midi.IsMidiInOpen(), c.inOpen);
        EXPECT_EQ(midi.IsMidiOutOpen(), c.outOpen);
        EXPECT_FALSE(manager->IsReady());
        EXPECT_TRUE(host->boxes.empty());
    }
}

TEST_F(PortScanTest, ASavedPortThatRefusesToOpenIsReportedAndLogged)
{
    DeviceSimulator device;
    SetVirtualMidiOutOpenResult(device.OutPort(), MMSYSERR_ALLOCATED);
    OpenPortsBy("VQ-700Z In", "VQ-700Z Out");
    EXPECT_EQ(host->log,
              (std::vector<std::string>{InLine("VQ-700Z In"), "Failed to open MIDI output port. (VQ-700Z Out)"}));
    EXPECT_EQ(host->boxes,
              (std::vector<Box>{{0x82, LocalizedText("TitlePortOpen"), LocalizedText("MidiErrorOpenMidiOutFailed")}}));
    EXPECT_FALSE(manager->IsReady());
}

TEST_F(PortScanTest, DriverWarningOnlyWhereThePortsNameAnotherDriver)
{
    struct Case
    {
        const char* name;
        VirtualMidiPort in;
        VirtualMidiPort out;
        bool warned;
    };
    const std::vector<Case> cases{
        {"the maker's driver", {"In", 901, 17, true}, {"Out", 901, 18, true}, false},
        {"no ids on this system", {"In"}, {"Out"}, false},
        {"another maker on IN", {"In", 902, 17, true}, {"Out", 901, 18, true}, true},
        {"another product on OUT", {"In", 901, 17, true}, {"Out", 901, 17, true}, true},
        {"IN unknown, OUT another's", {"In"}, {"Out", 1, 1, true}, true},
    };
    const Box warning{0x82, LocalizedText("TitlePortOpen"), LocalizedText("MidiErrorNotVeskUsbMidiDriver")};
    EXPECT_FALSE(warning.text.empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        UseVirtualMidi();
        AddVirtualMidiIn(c.in);
        AddVirtualMidiOut(c.out, nullptr);
        OpenPortsBy("In", "Out");
        EXPECT_TRUE(manager->IsReady()) << "the warning keeps the ports open";
        EXPECT_EQ(host->boxes, c.warned ? std::vector<Box>{warning} : std::vector<Box>{});
    }
}

TEST_F(PortScanTest, DriverWarningAfterAScanToo)
{
    for (const WORD manufacturerId : {WORD{901}, WORD{902}}) {
        SCOPED_TRACE(manufacturerId);
        Restart();
        UseVirtualMidi();
        Stranger device("Device", kSearchDeviceFamily, kSearchDeviceMember, 0, manufacturerId);
        manager->OpenPorts();
        EXPECT_TRUE(manager->IsReady());
        EXPECT_EQ(host->boxes.size(), manufacturerId == 901 ? 0u : 1u);
    }
}

}  // namespace
