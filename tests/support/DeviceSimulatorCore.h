#pragma once
// The synthesizer's side of the System Exclusive exchange, apart from how
// its bytes travel: answers inquiries, port searches and dump requests,
// stores written dumps and records parameter changes, with switchable
// misbehaviour. What it sends goes out in order on a sender thread of its
// own through the transport's deliver function.
#include "model/Q3917GlobalData.h"
#include "model/Q3917ProgramData.h"
#include "model/SysExProtocol.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class DeviceSimulatorCore
{
public:
    using Bytes = std::vector<std::uint8_t>;
    using ProgramImage = std::array<std::uint8_t, CQ3917ProgramData::kImageSize>;
    using GlobalImage = std::array<std::uint8_t, CQ3917GlobalData::kImageSize>;
    using Deliver = std::function<void(const Bytes& bytes)>;
    static constexpr int kProgramCount = 200;

    enum class Fault
    {
        None,
        Silent,               // answers nothing
        WriteErrorReply,      // answers requests and writes with the write error
        DataErrorReply,       // answers requests and writes with the data error
        ShortDump,            // drops the last payload byte of every dump
        WrongFamily,          // another family in the inquiry reply
        TwoInquiryReplies,    // a foreign device answers the inquiry too
        ForeignInquiryFirst,  // another family of the maker answers first
    };

    explicit DeviceSimulatorCore(Deliver deliver);
    ~DeviceSimulatorCore();
    DeviceSimulatorCore(const DeviceSimulatorCore&) = delete;
    DeviceSimulatorCore& operator=(const DeviceSimulatorCore&) = delete;

    // One whole message from the editor; anything but System Exclusive is
    // ignored. True when it changed the device's memory.
    bool Hear(const std::uint8_t* data, std::size_t size);

    void SetChannel(std::int32_t channel);
    void SetFault(Fault fault);
    // Every answer waits this long first.
    void SetReplyDelay(std::chrono::milliseconds delay);
    // Cuts what the device sends into pieces of at most maxBytes with a
    // timing clock between them; 0 sends whole messages.
    void SetFragmentation(std::size_t maxBytes);

    ProgramImage Program(int number) const;
    void SetProgram(int number, const ProgramImage& image);
    ProgramImage CurrentProgram() const;
    void SetCurrentProgram(const ProgramImage& image);
    GlobalImage Global() const;
    void SetGlobal(const GlobalImage& image);

    std::vector<ParameterChangeMessage> ParameterChanges() const;
    // Every message the device heard, in order.
    std::vector<Bytes> Received() const;
    // Waits until the device has heard at least count messages.
    bool WaitForReceived(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // Unsolicited sends, as from the device's own panel.
    void SendProgramDump(int number);
    void SendParameterChange(const ParameterChangeMessage& change);
    void SendRaw(Bytes bytes);

protected:
    // Ends the sender; a transport calls it before it goes away.
    void StopSending();

private:
    struct Outgoing
    {
        std::chrono::steady_clock::time_point due;
        Bytes bytes;
    };

    bool Answer(const Bytes& message);
    void AnswerInquiry();
    void AnswerSearch(std::uint8_t outPortNumber);
    void AnswerRequest(SysExTemplateIndex dump, std::int32_t number, const std::uint8_t* image, int size);
    bool StoreDump(SysExTemplateIndex index, const Bytes& message);
    // Sends the refusal of a refusing fault mode; false when none is set.
    bool Refuse();
    void Queue(Bytes bytes);
    Bytes WithClocks(const Bytes& bytes, std::size_t fragmentSize) const;
    void Run(std::stop_token stop);

    const Deliver m_deliver;
    mutable std::mutex m_mutex;
    mutable std::condition_variable_any m_changed;
    std::int32_t m_channel = 0;
    Fault m_fault = Fault::None;
    std::chrono::milliseconds m_delay{0};
    std::size_t m_fragmentSize = 0;
    std::array<ProgramImage, kProgramCount> m_programs{};
    ProgramImage m_current{};
    GlobalImage m_global{};
    std::vector<ParameterChangeMessage> m_changes;
    std::vector<Bytes> m_received;
    std::deque<Outgoing> m_outgoing;
    std::jthread m_sender;
};
