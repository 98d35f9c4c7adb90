#include "support/DeviceSimulator.h"

DeviceSimulator::DeviceSimulator(const std::string& name)
    : DeviceSimulatorCore([this](const Bytes& bytes) { platform::testing::SendVirtualMidiIn(m_inPort, bytes); })
{
    m_link->device = this;
    m_inPort = platform::testing::AddVirtualMidiIn({name + " In"});
    m_outPort =
        platform::testing::AddVirtualMidiOut({name + " Out"}, [link = m_link](const BYTE* data, std::size_t size) {
            std::lock_guard lock(link->mutex);
            if (link->device)
                link->device->Hear(data, size);
        });
}

DeviceSimulator::~DeviceSimulator()
{
    {
        std::lock_guard lock(m_link->mutex);
        m_link->device = nullptr;
    }
    StopSending();
}

void DeviceSimulator::SetFragmentation(std::size_t maxBytes)
{
    platform::testing::SetVirtualMidiFragmentSize(m_inPort, maxBytes);
    DeviceSimulatorCore::SetFragmentation(maxBytes);
}
