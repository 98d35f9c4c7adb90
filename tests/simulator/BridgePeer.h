#pragma once
// The device's end of the MIDI bridge: listens on a Unix socket, names the
// two ports to each editor that connects, hands on the System Exclusive
// messages the editor sends, and sends the device's bytes at the pace of a
// MIDI cable when asked to. Serves one editor after another.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class BridgePeer
{
public:
    using Bytes = std::vector<std::uint8_t>;
    using Heard = std::function<void(const Bytes& message)>;

    struct Setup
    {
        std::string socketPath;
        std::string inName;           // the port on which the editor receives
        std::string outName;          // the port to which the editor sends
        unsigned bytesPerSecond = 0;  // 0: no pacing
    };

    // Listens at once, replacing a socket file left behind; throws
    // std::runtime_error when it cannot.
    BridgePeer(Setup setup, Heard heard);
    ~BridgePeer();
    BridgePeer(const BridgePeer&) = delete;
    BridgePeer& operator=(const BridgePeer&) = delete;

    // Serves editors until Stop; heard is called on this thread.
    void Serve();
    // From any thread: ends the session and makes Serve return.
    void Stop();

    // To the editor connected now; lost when none is.
    void Send(const Bytes& bytes);
    // Sends the first count bytes and then hangs up on the editor.
    void SendAndHangUp(const Bytes& bytes, std::size_t count);

private:
    void SendLocked(const std::uint8_t* data, std::size_t size);
    void Session(int client);

    const Setup m_setup;
    const Heard m_heard;
    int m_listener = -1;
    std::atomic<bool> m_stopping{false};
    std::mutex m_sendMutex;
    int m_client = -1;  // under m_sendMutex; -1 between sessions and after a hang-up
};
