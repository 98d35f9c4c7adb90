// The test device on virtual ports, heard through the port object: what it
// answers, what it stores, and each of its fault modes.
#include "framework/services/HfcMidi.h"
#include "model/SysExReply.h"
#include "support/DeviceSimulator.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

using Bytes = DeviceSimulator::Bytes;

class SysExCollector : public CHfcMidiListener
{
public:
    void OnHfcMidiSysExData(CHfcMidi*, int length, const BYTE* bytes) override
    {
        std::lock_guard lock(m_mutex);
        m_messages.emplace_back(bytes, bytes + length);
        m_changed.notify_all();
    }

    // The count-th message (1-based) once it has arrived; empty after 5 s.
    Bytes WaitFor(std::size_t count)
    {
        std::unique_lock lock(m_mutex);
        if (!m_changed.wait_for(lock, std::chrono::seconds(5), [&] { return m_messages.size() >= count; }))
            return {};
        return m_messages[count - 1];
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Bytes> m_messages;
};

class DeviceSimulatorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        platform::testing::UseVirtualMidi();
        device = std::make_unique<DeviceSimulator>();
        device->SetChannel(kChannel);
        ASSERT_TRUE(midi.Create("test"));
        midi.AddListener(&heard);
        ASSERT_TRUE(midi.MidiInOpen(static_cast<int>(device->InPort())));
        ASSERT_TRUE(midi.MidiOutOpen(static_cast<int>(device->OutPort())));
    }

    void TearDown() override
    {
        EXPECT_TRUE(midi.Destroy());
        device.reset();
        platform::testing::UseVirtualMidi();
    }

    void Send(const Bytes& message) { ASSERT_TRUE(midi.Out(static_cast<int>(message.size()), message.data())); }

    static DeviceSimulator::ProgramImage Pattern(std::uint8_t seed)
    {
        DeviceSimulator::ProgramImage image{};
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(seed + i * 13);
        return image;
    }

    static constexpr std::int32_t kChannel = 5;
    std::unique_ptr<DeviceSimulator> device;
    SysExCollector heard;
    CHfcMidi midi;
};

TEST_F(DeviceSimulatorTest, AnswersTheInquiryWithItsChannelAndFamily)
{
    Send(BuildSysExMessage(DeviceInquiryRequest, 0));
    const Bytes reply = heard.WaitFor(1);
    DeviceIdentity identity{};
    ASSERT_TRUE(ReadDeviceInquiryReply(reply.data(), static_cast<std::int32_t>(reply.size()), identity));
    EXPECT_EQ(identity.channel, kChannel);
    EXPECT_EQ(identity.family, kDeviceFamilyCode);
}

TEST_F(DeviceSimulatorTest, LateReplyStillArrivesInOrder)
{
    device->SetReplyDelay(std::chrono::milliseconds(50));
    Send(BuildSysExMessage(DeviceInquiryRequest, 0));
    Send(BuildSysExMessage(GlobalDumpRequest, kChannel));
    EXPECT_EQ(heard.WaitFor(1).size(), static_cast<std::size_t>(kDeviceInquiryReplySize));
    EXPECT_EQ(heard.WaitFor(2).size(), 196u);
}

TEST_F(DeviceSimulatorTest, InquiryFaults)
{
    device->SetFault(DeviceSimulator::Fault::WrongFamily);
    Send(BuildSysExMessage(DeviceInquiryRequest, 0));
    Bytes reply = heard.WaitFor(1);
    DeviceIdentity identity{};
    ASSERT_TRUE(ReadDeviceInquiryReply(reply.data(), static_cast<std::int32_t>(reply.size()), identity));
    EXPECT_NE(identity.family, kDeviceFamilyCode);

    device->SetFault(DeviceSimulator::Fault::TwoInquiryReplies);
    Send(BuildSysExMessage(DeviceInquiryRequest, 0));
    reply = heard.WaitFor(2);
    ASSERT_TRUE(ReadDeviceInquiryReply(reply.data(), static_cast<std::int32_t>(reply.size()), identity));
    EXPECT_EQ(identity.family, kDeviceFamilyCode);
    reply = heard.WaitFor(3);
    ASSERT_TRUE(ReadDeviceInquiryReply(reply.data(), static_cast<std::int32_t>(reply.size()), identity));
    EXPECT_NE(identity.family, kDeviceFamilyCode);
}

TEST_F(DeviceSimulatorTest, ProgramRequestsAnsweredWholeAndFragmented)
{
    device->SetProgram(199, Pattern(3));
    device->SetCurrentProgram(Pattern(9));
    for (std::size_t fragment : {std::size_t{0}, std::size_t{64}}) {
        SCOPED_TRACE(fragment);
        device->SetFragmentation(fragment);
        const std::size_t before = fragment == 0 ? 0 : 2;
        Send(BuildSysExMessage(ProgramDumpRequest, kChannel, 199));
        Send(BuildSysExMessage(CurrentProgramDumpRequest, kChannel));

        Bytes image(CQ3917ProgramData::kImageSize);
        const Bytes program = heard.WaitFor(before + 1);
        ASSERT_EQ(program.size(), 413u);
        EXPECT_EQ(program[7], 0x47);
        EXPECT_EQ(program[8], 0x01);
        ASSERT_EQ(AcceptDump(ProgramDump, program.data(), 413, image), DumpAcceptance::Accepted);
        EXPECT_TRUE(std::equal(image.begin(), image.end(), Pattern(3).begin()));
        const Bytes current = heard.WaitFor(before + 2);
        ASSERT_EQ(AcceptDump(CurrentProgramDump, current.data(), static_cast<std::int32_t>(current.size()), image),
                  DumpAcceptance::Accepted);
        EXPECT_TRUE(std::equal(image.begin(), image.end(), Pattern(9).begin()));
    }
}

TEST_F(DeviceSimulatorTest, RefusalsAndShortDumpsReadAsFailures)
{
    struct Case
    {
        DeviceSimulator::Fault fault;
        ReplyVerdict verdict;
    };
    const Case cases[] = {
        {DeviceSimulator::Fault::ShortDump, ReplyVerdict::Failure},
        {DeviceSimulator::Fault::WriteErrorReply, ReplyVerdict::Failure},
        {DeviceSimulator::Fault::DataErrorReply, ReplyVerdict::Failure},
        {DeviceSimulator::Fault::None, ReplyVerdict::Success},
    };
    std::size_t count = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault));
        device->SetFault(c.fault);
        Send(BuildSysExMessage(GlobalDumpRequest, kChannel));
        const Bytes reply = heard.WaitFor(++count);
        ASSERT_FALSE(reply.empty());
        Bytes image(CQ3917GlobalData::kImageSize);
        EXPECT_EQ(
            ClassifyReply(ReplyKind::GlobalDumpReply, reply.data(), static_cast<std::int32_t>(reply.size()), image),
            c.verdict);
    }
}

TEST_F(DeviceSimulatorTest, StoresWrittenDumpsAndConfirms)
{
    const auto image = Pattern(21);
    Send(BuildSysExMessage(ProgramDump, kChannel, 42, image));
    const Bytes reply = heard.WaitFor(1);
    Bytes unused;
    EXPECT_EQ(
        ClassifyReply(ReplyKind::ProgramWriteReply, reply.data(), static_cast<std::int32_t>(reply.size()), unused),
        ReplyVerdict::Success);
    EXPECT_EQ(device->Program(42), image);

    Bytes broken = BuildSysExMessage(ProgramDump, kChannel, 43, image);
    broken.erase(broken.end() - 2);
    Send(broken);
    const Bytes refusal = heard.WaitFor(2);
    EXPECT_EQ(
        ClassifyReply(ReplyKind::ProgramWriteReply, refusal.data(), static_cast<std::int32_t>(refusal.size()), unused),
        ReplyVerdict::Failure);
    EXPECT_EQ(device->Program(43), DeviceSimulator::ProgramImage{});
}

TEST_F(DeviceSimulatorTest, RecordsParameterChangesOnItsOwnChannelOnly)
{
    const auto mine = BuildParameterChangeMessage(kChannel, {0x10, 0x05, -1});
    const auto other = BuildParameterChangeMessage(kChannel + 1, {0x10, 0x05, 7});
    Send(Bytes(other.begin(), other.end()));
    Send(Bytes(mine.begin(), mine.end()));
    ASSERT_TRUE(device->WaitForReceived(2));
    const auto changes = device->ParameterChanges();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].idHigh, 0x10);
    EXPECT_EQ(changes[0].idLow, 0x05);
    EXPECT_EQ(changes[0].value, -1);
}

TEST_F(DeviceSimulatorTest, UnsolicitedMessagesAndSilence)
{
    device->SetFault(DeviceSimulator::Fault::Silent);
    Send(BuildSysExMessage(DeviceInquiryRequest, 0));
    ASSERT_TRUE(device->WaitForReceived(1));
    device->SendParameterChange({0, 3, 8191});
    const Bytes change = heard.WaitFor(1);
    ParameterChangeMessage read{};
    ASSERT_TRUE(ReadParameterChangeMessage(change.data(), static_cast<std::int32_t>(change.size()), read));
    EXPECT_EQ(read.value, 8191);
    EXPECT_EQ(change[2], 0x30 | kChannel);
}

}  // namespace
