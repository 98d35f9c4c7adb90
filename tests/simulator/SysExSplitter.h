#pragma once
// Picks the whole System Exclusive messages out of a raw MIDI byte stream
// that arrives in pieces of any size.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class SysExSplitter
{
public:
    using Message = std::function<void(const std::vector<std::uint8_t>& message)>;

    // Real-time bytes are skipped, also inside a message; any other status
    // byte cuts an unfinished message off, which is then dropped.
    void Feed(const std::uint8_t* data, std::size_t size, const Message& message);

private:
    std::vector<std::uint8_t> m_open;
    bool m_inSysEx = false;
};
