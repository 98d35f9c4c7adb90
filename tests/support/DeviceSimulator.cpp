#include "support/DeviceSimulator.h"

#include "model/MatchSysExTemplate.h"
#include "model/SysExReply.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kTimingClock = 0xF8;
constexpr std::uint8_t kInquiryRequest[] = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
constexpr std::size_t kSearchRequestSize = 6;
constexpr std::uint8_t kForeignFamilyLow = 0x10;

bool IsSearchRequest(const DeviceSimulator::Bytes& message)
{
    return message.size() == kSearchRequestSize && message[0] == 0xF0 && message[1] == 0x7D &&
           message[2] == 0x50 && message[3] == 0x00 && message[5] == 0xF7;
}

std::int32_t Length(const DeviceSimulator::Bytes& message)
{
    return static_cast<std::int32_t>(message.size());
}

}  // namespace

DeviceSimulator::DeviceSimulator(const std::string& name)
{
    m_link->device = this;
    m_inPort = platform::testing::AddVirtualMidiIn({name + " In"});
    m_outPort = platform::testing::AddVirtualMidiOut({name + " Out"}, [link = m_link](const BYTE* data, std::size_t size) {
        std::lock_guard lock(link->mutex);
        if (link->device)
            link->device->OnReceived(data, size);
    });
    m_sender = std::jthread([this](std::stop_token stop) { Run(stop); });
}

DeviceSimulator::~DeviceSimulator()
{
    {
        std::lock_guard lock(m_link->mutex);
        m_link->device = nullptr;
    }
    m_sender.request_stop();
    m_changed.notify_all();
}

void DeviceSimulator::SetChannel(std::int32_t channel)
{
    std::lock_guard lock(m_mutex);
    m_channel = channel & 0x0F;
}

void DeviceSimulator::SetFault(Fault fault)
{
    std::lock_guard lock(m_mutex);
    m_fault = fault;
}

void DeviceSimulator::SetReplyDelay(std::chrono::milliseconds delay)
{
    std::lock_guard lock(m_mutex);
    m_delay = delay;
}

void DeviceSimulator::SetFragmentation(std::size_t maxBytes)
{
    platform::testing::SetVirtualMidiFragmentSize(m_inPort, maxBytes);
    std::lock_guard lock(m_mutex);
    m_fragmentSize = maxBytes;
}

DeviceSimulator::ProgramImage DeviceSimulator::Program(int number) const
{
    std::lock_guard lock(m_mutex);
    return m_programs.at(number);
}

void DeviceSimulator::SetProgram(int number, const ProgramImage& image)
{
    std::lock_guard lock(m_mutex);
    m_programs.at(number) = image;
}

DeviceSimulator::ProgramImage DeviceSimulator::CurrentProgram() const
{
    std::lock_guard lock(m_mutex);
    return m_current;
}

void DeviceSimulator::SetCurrentProgram(const ProgramImage& image)
{
    std::lock_guard lock(m_mutex);
    m_current = image;
}

DeviceSimulator::GlobalImage DeviceSimulator::Global() const
{
    std::lock_guard lock(m_mutex);
    return m_global;
}

void DeviceSimulator::SetGlobal(const GlobalImage& image)
{
    std::lock_guard lock(m_mutex);
    m_global = image;
}

std::vector<ParameterChangeMessage> DeviceSimulator::ParameterChanges() const
{
    std::lock_guard lock(m_mutex);
    return m_changes;
}

std::vector<DeviceSimulator::Bytes> DeviceSimulator::Received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

bool DeviceSimulator::WaitForReceived(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
}

void DeviceSimulator::SendProgramDump(int number)
{
    std::lock_guard lock(m_mutex);
    const ProgramImage& image = m_programs.at(number);
    Queue(BuildSysExMessage(ProgramDump, m_channel, number, image));
}

void DeviceSimulator::SendParameterChange(const ParameterChangeMessage& change)
{
    std::lock_guard lock(m_mutex);
    const auto message = BuildParameterChangeMessage(m_channel, change);
    Queue(Bytes(message.begin(), message.end()));
}

void DeviceSimulator::SendRaw(Bytes bytes)
{
    std::lock_guard lock(m_mutex);
    Queue(std::move(bytes));
}

void DeviceSimulator::OnReceived(const BYTE* data, std::size_t size)
{
    if (size == 0 || data[0] != 0xF0)
        return;
    const Bytes message(data, data + size);
    std::lock_guard lock(m_mutex);
    m_received.push_back(message);
    m_changed.notify_all();
    if (m_fault != Fault::Silent)
        Answer(message);
}

void DeviceSimulator::Answer(const Bytes& message)
{
    if (std::equal(message.begin(), message.end(), std::begin(kInquiryRequest), std::end(kInquiryRequest))) {
        AnswerInquiry();
        return;
    }
    if (IsSearchRequest(message)) {
        AnswerSearch(message[4]);
        return;
    }
    std::int32_t channel = -1;
    // Model messages for another channel are not for this device.
    if (!LearnGlobalChannel(message.data(), Length(message), channel) || channel != m_channel)
        return;
    ParameterChangeMessage change{};
    if (ReadParameterChangeMessage(message.data(), Length(message), change)) {
        m_changes.push_back(change);
    } else if (MatchSysExTemplate(CurrentProgramDumpRequest, message.data(), Length(message))) {
        AnswerRequest(CurrentProgramDump, 0, m_current.data(), CQ3917ProgramData::kImageSize);
    } else if (MatchSysExTemplate(ProgramDumpRequest, message.data(), Length(message))) {
        const std::int32_t number = ReadSysExNumber(&message[7]);
        if (number >= 0 && number < kProgramCount)
            AnswerRequest(ProgramDump, number, m_programs[number].data(), CQ3917ProgramData::kImageSize);
        else
            Queue(BuildSysExMessage(DataErrorReply, m_channel));
    } else if (MatchSysExTemplate(GlobalDumpRequest, message.data(), Length(message))) {
        AnswerRequest(GlobalDump, 0, m_global.data(), CQ3917GlobalData::kImageSize);
    } else {
        for (SysExTemplateIndex dump : {CurrentProgramDump, ProgramDump, GlobalDump}) {
            if (MatchSysExTemplate(dump, message.data(), Length(message))) {
                StoreDump(dump, message);
                return;
            }
        }
    }
}

void DeviceSimulator::AnswerInquiry()
{
    if (m_fault == Fault::ForeignInquiryFirst)
        Queue({0xF0, 0x7E, 0x00, 0x06, 0x02, 0x7D, kForeignFamilyLow, 0x01, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0xF7});
    const std::uint8_t familyLow = m_fault == Fault::WrongFamily ? kForeignFamilyLow : 0x6E;
    Queue({0xF0, 0x7E, static_cast<std::uint8_t>(m_channel), 0x06, 0x02, 0x7D, familyLow, 0x01, 0x01, 0x00, 0x01,
           0x00, 0x01, 0x00, 0xF7});
    if (m_fault == Fault::TwoInquiryReplies)
        Queue({0xF0, 0x7E, 0x00, 0x06, 0x02, 0x41, kForeignFamilyLow, 0x02, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0xF7});
}

void DeviceSimulator::AnswerSearch(std::uint8_t outPortNumber)
{
    Queue({0xF0, 0x7D, 0x50, 0x01, static_cast<std::uint8_t>(m_channel), outPortNumber, 0x6E, 0x01, 0x01, 0x00, 0x01,
           0x00, 0x01, 0x00, 0xF7});
}

bool DeviceSimulator::Refuse()
{
    if (m_fault == Fault::WriteErrorReply)
        Queue(BuildSysExMessage(WriteErrorReply, m_channel));
    else if (m_fault == Fault::DataErrorReply)
        Queue(BuildSysExMessage(DataErrorReply, m_channel));
    else
        return false;
    return true;
}

void DeviceSimulator::AnswerRequest(SysExTemplateIndex dump, std::int32_t number, const std::uint8_t* image, int size)
{
    if (Refuse())
        return;
    Bytes message = BuildSysExMessage(dump, m_channel, number, std::span(image, size));
    if (m_fault == Fault::ShortDump)
        message.erase(message.end() - 2);
    Queue(std::move(message));
}

void DeviceSimulator::StoreDump(SysExTemplateIndex index, const Bytes& message)
{
    if (Refuse())
        return;
    std::span<std::uint8_t> image = m_current;
    if (index == GlobalDump)
        image = m_global;
    if (index == ProgramDump) {
        const std::int32_t number = ReadSysExNumber(&message[7]);
        if (number < 0 || number >= kProgramCount) {
            Queue(BuildSysExMessage(DataErrorReply, m_channel));
            return;
        }
        image = m_programs[number];
    }
    // Unpacked aside first, so a broken dump leaves the stored image alone.
    std::vector<std::uint8_t> unpacked(image.size());
    if (AcceptDump(index, message.data(), Length(message), unpacked) != DumpAcceptance::Accepted) {
        Queue(BuildSysExMessage(DataErrorReply, m_channel));
        return;
    }
    std::copy(unpacked.begin(), unpacked.end(), image.begin());
    Queue(BuildSysExMessage(WriteCompletedReply, m_channel));
}

void DeviceSimulator::Queue(Bytes bytes)
{
    m_outgoing.push_back({std::chrono::steady_clock::now() + m_delay, std::move(bytes)});
    m_changed.notify_all();
}

void DeviceSimulator::Deliver(const Bytes& bytes, std::size_t fragmentSize)
{
    if (fragmentSize == 0 || bytes.size() <= fragmentSize) {
        platform::testing::SendVirtualMidiIn(m_inPort, bytes);
        return;
    }
    // Clocks run on between the pieces, as a sequencer's would.
    Bytes mixed;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i != 0 && i % fragmentSize == 0)
            mixed.push_back(kTimingClock);
        mixed.push_back(bytes[i]);
    }
    platform::testing::SendVirtualMidiIn(m_inPort, std::move(mixed));
}

void DeviceSimulator::Run(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    while (!stop.stop_requested()) {
        if (m_outgoing.empty()) {
            m_changed.wait(lock, stop, [&] { return !m_outgoing.empty(); });
            continue;
        }
        const auto due = m_outgoing.front().due;
        if (std::chrono::steady_clock::now() < due) {
            m_changed.wait_until(lock, stop, due, [] { return false; });
            continue;
        }
        Outgoing next = std::move(m_outgoing.front());
        m_outgoing.pop_front();
        const std::size_t fragmentSize = m_fragmentSize;
        // The port may be calling into the device at this moment.
        lock.unlock();
        Deliver(next.bytes, fragmentSize);
        lock.lock();
    }
}
