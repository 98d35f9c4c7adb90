// One IN and one OUT port played by a peer process over a Unix socket: the
// peer names the ports, then raw MIDI bytes flow each way (MIDI_BRIDGE.md).
#include "backend.h"
#include "sink_slot.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace platform::midi {

namespace {

constexpr int kHeaderTimeoutMs = 2000;
constexpr std::size_t kHeaderLimit = 1024;

int Connect(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Reads the two name lines; bytes after them are dropped, as no port is open yet.
bool ReadHeader(int fd, std::string& inName, std::string& outName)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kHeaderTimeoutMs);
    std::string header;
    std::size_t lines = 0;
    while (lines < 2) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0)
            return false;
        char buffer[256];
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        header.append(buffer, static_cast<std::size_t>(got));
        if (header.size() > kHeaderLimit)
            return false;
        lines = 0;
        for (const char c : header)
            lines += c == '\n';
    }
    const std::size_t first = header.find('\n');
    inName = header.substr(0, first);
    outName = header.substr(first + 1, header.find('\n', first + 1) - first - 1);
    return true;
}

class BridgeOutput final : public OutputConnection
{
public:
    explicit BridgeOutput(int fd) : fd_(fd) {}

    MMRESULT Write(const BYTE* data, std::size_t size) override
    {
        while (size > 0) {
            const ssize_t sent = send(fd_, data, size, MSG_NOSIGNAL);
            if (sent < 0 && errno == EINTR)
                continue;
            if (sent <= 0)
                return MIDIERR_NODEVICE;
            data += sent;
            size -= static_cast<std::size_t>(sent);
        }
        return MMSYSERR_NOERROR;
    }

private:
    const int fd_;
};

class BridgeBackend final : public Backend
{
public:
    explicit BridgeBackend(const std::string& socketPath) : fd_(Connect(socketPath))
    {
        if (fd_ < 0 || !ReadHeader(fd_, inName_, outName_)) {
            std::fprintf(stderr, "MIDI bridge: no peer at \"%s\"; no MIDI ports\n", socketPath.c_str());
            inName_.clear();
            outName_.clear();
            return;
        }
        reader_ = std::thread([this] { ReadLoop(); });
    }

    ~BridgeBackend() override
    {
        if (fd_ < 0)
            return;
        shutdown(fd_, SHUT_RDWR);
        if (reader_.joinable())
            reader_.join();
        close(fd_);
    }

    UINT Count(Direction direction) override { return Name(direction).empty() ? 0 : 1; }

    bool Info(Direction direction, UINT index, PortInfo& info) override
    {
        if (index >= Count(direction))
            return false;
        info = PortInfo{Name(direction)};
        return true;
    }

    MMRESULT OpenInput(UINT index, InputSink& sink, std::unique_ptr<InputConnection>& connection) override
    {
        if (index >= Count(Direction::In))
            return MMSYSERR_BADDEVICEID;
        connection = std::make_unique<SlotConnection>(slot_, sink);
        return MMSYSERR_NOERROR;
    }

    MMRESULT OpenOutput(UINT index, std::unique_ptr<OutputConnection>& connection) override
    {
        if (index >= Count(Direction::Out))
            return MMSYSERR_BADDEVICEID;
        connection = std::make_unique<BridgeOutput>(fd_);
        return MMSYSERR_NOERROR;
    }

private:
    const std::string& Name(Direction direction) const { return direction == Direction::In ? inName_ : outName_; }

    void ReadLoop()
    {
        BYTE buffer[4096];
        for (;;) {
            const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return;
            slot_.Deliver(buffer, static_cast<std::size_t>(got));
        }
    }

    const int fd_;
    std::string inName_;
    std::string outName_;
    SinkSlot slot_;
    std::thread reader_;
};

}  // namespace

std::shared_ptr<Backend> MakeBridgeBackend(const std::string& socketPath)
{
    return std::make_shared<BridgeBackend>(socketPath);
}

}  // namespace platform::midi
