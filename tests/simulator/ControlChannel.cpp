#include "ControlChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

ControlChannel::ControlChannel(int fd, Handle handle) : m_fd(fd), m_handle(std::move(handle))
{
    if (pipe2(m_wake, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make the control channel's pipe");
    m_reader = std::thread([this] { Run(); });
}

ControlChannel::~ControlChannel()
{
    const char stop = 0;
    while (write(m_wake[1], &stop, 1) < 0 && errno == EINTR) {
    }
    m_reader.join();
    close(m_wake[0]);
    close(m_wake[1]);
}

void ControlChannel::Run()
{
    std::string pending;
    for (;;) {
        pollfd waiting[2] = {{m_fd, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (poll(waiting, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (waiting[1].revents != 0)
            return;
        char buffer[256];
        const ssize_t got = read(m_fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        // The other end closed: no more commands, the device plays on.
        if (got <= 0)
            return;
        pending.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            const std::string answer = m_handle(pending.substr(0, end));
            std::printf("%s\n", answer.c_str());
            std::fflush(stdout);
        }
    }
}
