#pragma once
// Command lines read from a file descriptor on a thread of their own, each
// answered with one line on standard output.
#include <functional>
#include <string>
#include <thread>

class ControlChannel
{
public:
    using Handle = std::function<std::string(const std::string& line)>;

    ControlChannel(int fd, Handle handle);
    // Stops reading; a line not yet read is left unanswered.
    ~ControlChannel();
    ControlChannel(const ControlChannel&) = delete;
    ControlChannel& operator=(const ControlChannel&) = delete;

private:
    void Run();

    const int m_fd;
    const Handle m_handle;
    int m_wake[2] = {-1, -1};  // written to when the reader is to stop
    std::thread m_reader;
};
