#include "BridgeDevice.h"

#include "support/DeviceMemory.h"

#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace {

BridgePeer::Setup PeerSetup(const SimulatorOptions& options)
{
    return {options.socketPath, options.name + " In", options.name + " Out", options.bytesPerSecond};
}

}  // namespace

BridgeDevice::BridgeDevice(const SimulatorOptions& options)
    : m_options(options), m_fault(options.fault), m_faultStartsAt(options.after),
      m_peer(PeerSetup(options), [this](const BridgePeer::Bytes& message) { OnHeard(message); }),
      m_core([this](const BridgePeer::Bytes& bytes) { Deliver(bytes); })
{
    if (!m_options.recordPath.empty()) {
        m_record = std::fopen(m_options.recordPath.c_str(), "w");
        if (!m_record)
            throw std::runtime_error("cannot write " + m_options.recordPath);
    }
    FillFreshDeviceMemory(m_core);
    if (!m_options.memoryPath.empty() && std::filesystem::exists(m_options.memoryPath) &&
        !LoadDeviceMemory(m_options.memoryPath, m_core))
        throw std::runtime_error("cannot load the device memory from " + m_options.memoryPath);
    m_core.SetChannel(m_options.channel);
    m_core.SetFragmentation(m_options.fragmentSize);
}

BridgeDevice::~BridgeDevice()
{
    if (m_record)
        std::fclose(m_record);
}

bool BridgeDevice::SaveMemory()
{
    return m_options.memoryPath.empty() || SaveDeviceMemory(m_options.memoryPath, m_core);
}

void BridgeDevice::OnHeard(const BridgePeer::Bytes& message)
{
    if (m_record) {
        for (std::size_t i = 0; i < message.size(); ++i)
            std::fprintf(m_record, i == 0 ? "%02X" : " %02X", message[i]);
        std::fputc('\n', m_record);
        std::fflush(m_record);
    }
    {
        std::lock_guard planned(m_planned);
        if (m_heard++ == m_faultStartsAt)
            StartFault(m_fault);
    }
    std::lock_guard storing(m_storing);
    if (m_core.Hear(message.data(), message.size()))
        SaveMemory();
}

std::string BridgeDevice::Command(const std::string& line)
{
    std::istringstream words(line);
    std::string verb, name, after;
    std::size_t count = 0;
    words >> verb >> name >> after >> count;
    const auto fault = ParseFaultName(name);
    const bool counted = after.empty() || (after == "after" && words);
    if (verb != "fault" || !fault || !counted || !(words >> std::ws).eof())
        return "error: unknown command: " + line;
    std::lock_guard planned(m_planned);
    ClearFault();
    m_fault = *fault;
    m_faultStartsAt = m_heard + count;
    return "ok";
}

void BridgeDevice::ClearFault()
{
    m_core.SetFault(DeviceSimulatorCore::Fault::None);
    m_core.SetReplyDelay(std::chrono::milliseconds(0));
    m_hangUpNext = false;
}

void BridgeDevice::StartFault(SimulatedFault fault)
{
    using Fault = DeviceSimulatorCore::Fault;
    switch (fault) {
    case SimulatedFault::None: break;
    case SimulatedFault::Silent: m_core.SetFault(Fault::Silent); break;
    case SimulatedFault::ShortDump: m_core.SetFault(Fault::ShortDump); break;
    case SimulatedFault::WriteError: m_core.SetFault(Fault::WriteErrorReply); break;
    case SimulatedFault::DataError: m_core.SetFault(Fault::DataErrorReply); break;
    case SimulatedFault::WrongFamily: m_core.SetFault(Fault::WrongFamily); break;
    case SimulatedFault::LateReply: m_core.SetReplyDelay(m_options.replyDelay); break;
    case SimulatedFault::HangUp: m_hangUpNext = true; break;
    }
}

void BridgeDevice::Deliver(const BridgePeer::Bytes& bytes)
{
    {
        // A dump being stored reaches the memory file before this answer goes.
        std::lock_guard stored(m_storing);
    }
    if (m_hangUpNext.exchange(false))
        m_peer.SendAndHangUp(bytes, bytes.size() / 2);
    else
        m_peer.Send(bytes);
}
