#pragma once
// The devices that answered a port scan, in the order their answers arrived.
// Appended from the MIDI threads of the scan's ports, read on the message
// thread, so every access takes the list's lock.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct DeviceRecord
{
    std::uint32_t family = 0;
    std::uint32_t member = 0;
    std::uint32_t version1 = 0;  // reply bytes 12-13
    std::uint32_t version2 = 0;  // reply bytes 10-11
    std::uint8_t channel = 0;
    std::uint8_t flag = 0;
    std::int32_t inPortIndex = -1;   // the IN port the answer came in on
    std::int32_t outPortIndex = -1;  // the OUT port the device heard the request on
    std::string inPortName;
    std::string outPortName;
};

class CDeviceList
{
public:
    std::int32_t GetCount() const;
    // A copy of entry index; false when there is none.
    bool GetRecord(std::int32_t index, DeviceRecord& record) const;
    void Append(const DeviceRecord& record);

private:
    mutable std::mutex m_mutex;
    std::vector<DeviceRecord> m_records;
};
