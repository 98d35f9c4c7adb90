#pragma once
// The test device on a pair of virtual MIDI ports in this process.
#include "support/DeviceSimulatorCore.h"

#include <platform/testing/midi.h>

#include <memory>
#include <mutex>
#include <string>

class DeviceSimulator : public DeviceSimulatorCore
{
public:
    // Adds an IN and an OUT virtual port named after the device to the
    // current virtual set (platform::testing::UseVirtualMidi first).
    explicit DeviceSimulator(const std::string& name = "VQ-700Z");
    // Stops answering; the ports stay in the virtual set.
    ~DeviceSimulator();

    UINT InPort() const { return m_inPort; }
    UINT OutPort() const { return m_outPort; }

    // Also has the IN port hand back its buffer after each piece.
    void SetFragmentation(std::size_t maxBytes);

private:
    // The virtual OUT port outlives the device; it reaches it only through this.
    struct Link
    {
        std::mutex mutex;
        DeviceSimulator* device = nullptr;
    };

    std::shared_ptr<Link> m_link = std::make_shared<Link>();
    UINT m_inPort = 0;
    UINT m_outPort = 0;
};
