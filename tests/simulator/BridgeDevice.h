#pragma once
// The test device played over the MIDI bridge: its memory and answers are
// those of the in-process test device; this adds the socket, the record of
// what it heard, the memory file and the faults that start part-way.
#include "BridgePeer.h"
#include "SimulatorOptions.h"
#include "support/DeviceSimulatorCore.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>

class BridgeDevice
{
public:
    // Listens at once; throws std::runtime_error when it cannot, or when the
    // memory file exists but cannot be loaded.
    explicit BridgeDevice(const SimulatorOptions& options);
    ~BridgeDevice();
    BridgeDevice(const BridgeDevice&) = delete;
    BridgeDevice& operator=(const BridgeDevice&) = delete;

    void Serve() { m_peer.Serve(); }
    void Stop() { m_peer.Stop(); }
    // True when there is no memory file or it was written.
    bool SaveMemory();
    // One line of the control channel; the answer to print.
    std::string Command(const std::string& line);

private:
    void OnHeard(const BridgePeer::Bytes& message);
    void Deliver(const BridgePeer::Bytes& bytes);
    void StartFault(SimulatedFault fault);
    void ClearFault();

    const SimulatorOptions m_options;
    std::FILE* m_record = nullptr;
    std::mutex m_planned;  // the three below
    std::size_t m_heard = 0;
    SimulatedFault m_fault;
    std::size_t m_faultStartsAt;  // the count of messages heard when it starts
    std::atomic<bool> m_hangUpNext{false};
    // Held while a heard dump is stored and saved, so that the device's
    // reply never reaches the editor before the memory file holds the dump.
    std::mutex m_storing;
    BridgePeer m_peer;
    // Last, so its sender stops before the peer goes.
    DeviceSimulatorCore m_core;
};
