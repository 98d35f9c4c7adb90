#include "BridgePeer.h"

#include "SysExSplitter.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Paced output goes out in small pieces, each followed by its time on the wire.
constexpr std::size_t kPacedPiece = 16;

bool SendAll(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

}  // namespace

BridgePeer::BridgePeer(Setup setup, Heard heard) : m_setup(std::move(setup)), m_heard(std::move(heard))
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (m_setup.socketPath.empty() || m_setup.socketPath.size() >= sizeof address.sun_path)
        throw std::runtime_error("socket path empty or too long: " + m_setup.socketPath);
    std::memcpy(address.sun_path, m_setup.socketPath.c_str(), m_setup.socketPath.size() + 1);
    unlink(m_setup.socketPath.c_str());
    m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listener < 0 || bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0 ||
        listen(m_listener, 1) < 0) {
        const std::string reason = std::strerror(errno);
        if (m_listener >= 0)
            close(m_listener);
        throw std::runtime_error("cannot listen at " + m_setup.socketPath + ": " + reason);
    }
}

BridgePeer::~BridgePeer()
{
    close(m_listener);
    unlink(m_setup.socketPath.c_str());
}

void BridgePeer::Serve()
{
    while (!m_stopping) {
        const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        Session(client);
    }
}

void BridgePeer::Session(int client)
{
    {
        std::lock_guard lock(m_sendMutex);
        m_client = client;
        const std::string header = m_setup.inName + '\n' + m_setup.outName + '\n';
        SendAll(client, reinterpret_cast<const std::uint8_t*>(header.data()), header.size());
        // A Stop that came before the session began ends it at once.
        if (m_stopping)
            shutdown(client, SHUT_RDWR);
    }
    SysExSplitter splitter;
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t got = recv(client, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        splitter.Feed(buffer, static_cast<std::size_t>(got), m_heard);
    }
    {
        std::lock_guard lock(m_sendMutex);
        if (m_client == client)
            m_client = -1;
    }
    close(client);
}

void BridgePeer::Stop()
{
    m_stopping = true;
    shutdown(m_listener, SHUT_RDWR);
    std::lock_guard lock(m_sendMutex);
    if (m_client >= 0)
        shutdown(m_client, SHUT_RDWR);
}

void BridgePeer::Send(const Bytes& bytes)
{
    std::lock_guard lock(m_sendMutex);
    SendLocked(bytes.data(), bytes.size());
}

void BridgePeer::SendAndHangUp(const Bytes& bytes, std::size_t count)
{
    std::lock_guard lock(m_sendMutex);
    SendLocked(bytes.data(), std::min(count, bytes.size()));
    if (m_client >= 0)
        shutdown(m_client, SHUT_RDWR);
    m_client = -1;
}

void BridgePeer::SendLocked(const std::uint8_t* data, std::size_t size)
{
    if (m_client < 0)
        return;
    if (m_setup.bytesPerSecond == 0) {
        SendAll(m_client, data, size);
        return;
    }
    const std::chrono::duration<double> perByte(1.0 / m_setup.bytesPerSecond);
    auto wireFree = Clock::now();
    while (size > 0) {
        const std::size_t piece = std::min(size, kPacedPiece);
        if (!SendAll(m_client, data, piece))
            return;
        data += piece;
        size -= piece;
        wireFree += std::chrono::duration_cast<Clock::duration>(perByte * static_cast<double>(piece));
        std::this_thread::sleep_until(wireFree);
    }
}
