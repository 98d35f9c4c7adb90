#include "support/DeviceSimulatorCore.h"

#include "model/MatchSysExTemplate.h"
#include "model/SysExReply.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kTimingClock = 0xF8;
constexpr std::uint8_t kInquiryRequest[] = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
constexpr std::size_t kSearchRequestSize = 6;
constexpr std::uint8_t kForeignFamilyLow = 0x10;

bool IsSearchRequest(const DeviceSimulatorCore::Bytes& message)
{
    return message.size() == kSearchRequestSize && message[0] == 0xF0 && message[1] == 0x7D && message[2] == 0x50 &&
           message[3] == 0x00 && message[5] == 0xF7;
}

std::int32_t Length(const DeviceSimulatorCore::Bytes& message)
{
    return static_cast<std::int32_t>(message.size());
}

}  // namespace

DeviceSimulatorCore::DeviceSimulatorCore(Deliver deliver) : m_deliver(std::move(deliver))
{
    m_sender = std::jthread([this](std::stop_token stop) { Run(stop); });
}

DeviceSimulatorCore::~DeviceSimulatorCore()
{
    StopSending();
}

void DeviceSimulatorCore::StopSending()
{
    m_sender.request_stop();
    m_changed.notify_all();
    if (m_sender.joinable())
        m_sender.join();
}

void DeviceSimulatorCore::SetChannel(std::int32_t channel)
{
    std::lock_guard lock(m_mutex);
    m_channel = channel & 0x0F;
}

void DeviceSimulatorCore::SetFault(Fault fault)
{
    std::lock_guard lock(m_mutex);
    m_fault = fault;
}

void DeviceSimulatorCore::SetReplyDelay(std::chrono::milliseconds delay)
{
    std::lock_guard lock(m_mutex);
    m_delay = delay;
}

void DeviceSimulatorCore::SetFragmentation(std::size_t maxBytes)
{
    std::lock_guard lock(m_mutex);
    m_fragmentSize = maxBytes;
}

DeviceSimulatorCore::ProgramImage DeviceSimulatorCore::Program(int number) const
{
    std::lock_guard lock(m_mutex);
    return m_programs.at(number);
}

void DeviceSimulatorCore::SetProgram(int number, const ProgramImage& image)
{
    std::lock_guard lock(m_mutex);
    m_programs.at(number) = image;
}

DeviceSimulatorCore::ProgramImage DeviceSimulatorCore::CurrentProgram() const
{
    std::lock_guard lock(m_mutex);
    return m_current;
}

void DeviceSimulatorCore::SetCurrentProgram(const ProgramImage& image)
{
    std::lock_guard lock(m_mutex);
    m_current = image;
}

DeviceSimulatorCore::GlobalImage DeviceSimulatorCore::Global() const
{
    std::lock_guard lock(m_mutex);
    return m_global;
}

void DeviceSimulatorCore::SetGlobal(const GlobalImage& image)
{
    std::lock_guard lock(m_mutex);
    m_global = image;
}

std::vector<ParameterChangeMessage> DeviceSimulatorCore::ParameterChanges() const
{
    std::lock_guard lock(m_mutex);
    return m_changes;
}

std::vector<DeviceSimulatorCore::Bytes> DeviceSimulatorCore::Received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

bool DeviceSimulatorCore::WaitForReceived(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
}

void DeviceSimulatorCore::SendProgramDump(int number)
{
    std::lock_guard lock(m_mutex);
    const ProgramImage& image = m_programs.at(number);
    Queue(BuildSysExMessage(ProgramDump, m_channel, number, image));
}

void DeviceSimulatorCore::SendParameterChange(const ParameterChangeMessage& change)
{
    std::lock_guard lock(m_mutex);
    const auto message = BuildParameterChangeMessage(m_channel, change);
    Queue(Bytes(message.begin(), message.end()));
}

void DeviceSimulatorCore::SendRaw(Bytes bytes)
{
    std::lock_guard lock(m_mutex);
    Queue(std::move(bytes));
}

bool DeviceSimulatorCore::Hear(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || data[0] != 0xF0)
        return false;
    const Bytes message(data, data + size);
    std::lock_guard lock(m_mutex);
    m_received.push_back(message);
    m_changed.notify_all();
    return m_fault != Fault::Silent && Answer(message);
}

bool DeviceSimulatorCore::Answer(const Bytes& message)
{
    if (std::equal(message.begin(), message.end(), std::begin(kInquiryRequest), std::end(kInquiryRequest))) {
        AnswerInquiry();
        return false;
    }
    if (IsSearchRequest(message)) {
        AnswerSearch(message[4]);
        return false;
    }
    std::int32_t channel = -1;
    // Model messages for another channel are not for this device.
    if (!LearnGlobalChannel(message.data(), Length(message), channel) || channel != m_channel)
        return false;
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
            if (MatchSysExTemplate(dump, message.data(), Length(message)))
                return StoreDump(dump, message);
        }
    }
    return false;
}

void DeviceSimulatorCore::AnswerInquiry()
{
    if (m_fault == Fault::ForeignInquiryFirst)
        Queue({0xF0, 0x7E, 0x00, 0x06, 0x02, 0x7D, kForeignFamilyLow, 0x01, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0xF7});
    const std::uint8_t familyLow = m_fault == Fault::WrongFamily ? kForeignFamilyLow : 0x6E;
    Queue({0xF0, 0x7E, static_cast<std::uint8_t>(m_channel), 0x06, 0x02, 0x7D, familyLow, 0x01, 0x01, 0x00, 0x01, 0x00,
           0x01, 0x00, 0xF7});
    if (m_fault == Fault::TwoInquiryReplies)
        Queue({0xF0, 0x7E, 0x00, 0x06, 0x02, 0x41, kForeignFamilyLow, 0x02, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0xF7});
}

void DeviceSimulatorCore::AnswerSearch(std::uint8_t outPortNumber)
{
    Queue({0xF0, 0x7D, 0x50, 0x01, static_cast<std::uint8_t>(m_channel), outPortNumber, 0x6E, 0x01, 0x01, 0x00, 0x01,
           0x00, 0x01, 0x00, 0xF7});
}

bool DeviceSimulatorCore::Refuse()
{
    if (m_fault == Fault::WriteErrorReply)
        Queue(BuildSysExMessage(WriteErrorReply, m_channel));
    else if (m_fault == Fault::DataErrorReply)
        Queue(BuildSysExMessage(DataErrorReply, m_channel));
    else
        return false;
    return true;
}

void DeviceSimulatorCore::AnswerRequest(SysExTemplateIndex dump, std::int32_t number, const std::uint8_t* image,
                                        int size)
{
    if (Refuse())
        return;
    Bytes message = BuildSysExMessage(dump, m_channel, number, std::span(image, size));
    if (m_fault == Fault::ShortDump)
        message.erase(message.end() - 2);
    Queue(std::move(message));
}

bool DeviceSimulatorCore::StoreDump(SysExTemplateIndex index, const Bytes& message)
{
    if (Refuse())
        return false;
    std::span<std::uint8_t> image = m_current;
    if (index == GlobalDump)
        image = m_global;
    if (index == ProgramDump) {
        const std::int32_t number = ReadSysExNumber(&message[7]);
        if (number < 0 || number >= kProgramCount) {
            Queue(BuildSysExMessage(DataErrorReply, m_channel));
            return false;
        }
        image = m_programs[number];
    }
    // Unpacked aside first, so a broken dump leaves the stored image alone.
    std::vector<std::uint8_t> unpacked(image.size());
    if (AcceptDump(index, message.data(), Length(message), unpacked) != DumpAcceptance::Accepted) {
        Queue(BuildSysExMessage(DataErrorReply, m_channel));
        return false;
    }
    std::copy(unpacked.begin(), unpacked.end(), image.begin());
    Queue(BuildSysExMessage(WriteCompletedReply, m_channel));
    return true;
}

void DeviceSimulatorCore::Queue(Bytes bytes)
{
    m_outgoing.push_back({std::chrono::steady_clock::now() + m_delay, std::move(bytes)});
    m_changed.notify_all();
}

DeviceSimulatorCore::Bytes DeviceSimulatorCore::WithClocks(const Bytes& bytes, std::size_t fragmentSize) const
{
    if (fragmentSize == 0 || bytes.size() <= fragmentSize)
        return bytes;
    // Clocks run on between the pieces, as a sequencer's would.
    Bytes mixed;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i != 0 && i % fragmentSize == 0)
            mixed.push_back(kTimingClock);
        mixed.push_back(bytes[i]);
    }
    return mixed;
}

void DeviceSimulatorCore::Run(std::stop_token stop)
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
        const Bytes bytes = WithClocks(next.bytes, m_fragmentSize);
        // The transport may be handing the device a message at this moment.
        lock.unlock();
        m_deliver(bytes);
        lock.lock();
    }
}
