#pragma once
// A System Exclusive message being collected across received buffers.
#include <platform/types.h>

#include <cstddef>
#include <vector>

class CSysExBuffer
{
public:
    // A whole message, F0 to F7, is never longer; a longer one is dropped.
    static constexpr std::size_t kMaxBytes = std::size_t{1} << 20;

    bool IsCollecting() const { return m_bCollecting; }
    const std::vector<BYTE>& GetBytes() const { return m_bytes; }

    // Starts a new message with its F0, dropping any unfinished one.
    void Start();
    // False, with nothing appended, once the byte would leave no room for F7.
    bool AppendData(BYTE data);
    // Appends the F7 and stops collecting.
    void Finish();
    // Forgets the message; the vector keeps its room for the next one.
    void Empty();

private:
    bool m_bCollecting = false;
    std::vector<BYTE> m_bytes;
};
