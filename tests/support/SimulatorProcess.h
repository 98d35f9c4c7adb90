#pragma once
// The device simulator program started as the peer of the MIDI bridge, in a
// fresh folder holding its socket, its memory file and its record of what it
// heard.
#include <chrono>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

class SimulatorProcess
{
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit SimulatorProcess(std::string program);
    // Ends the program when it still runs and removes the folder.
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    const std::string& SocketPath() const { return m_socket; }
    // Written before Start, it is the device's memory; the program saves it
    // after every dump it accepts and when it ends.
    const std::string& MemoryPath() const { return m_memory; }

    // Starts the program with its socket, memory and record options and
    // these; true once it listens.
    bool Start(const std::vector<std::string>& arguments);
    // Ends the program as SIGTERM does; true when it exited with 0.
    bool Stop();
    // One line to a program started with --control; its answer, or empty
    // when none came within a minute.
    std::string Command(const std::string& line);

    // Every message the program has heard so far, in order.
    std::vector<Bytes> Heard() const;
    // Waits until it has heard at least count messages.
    bool WaitForHeard(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

private:
    // The next line the program printed, without its line feed; empty when
    // none came within a minute.
    std::string ReadLine();

    const std::string m_program;
    std::string m_folder;
    std::string m_socket;
    std::string m_memory;
    std::string m_record;
    pid_t m_pid = -1;
    int m_input = -1;    // the program's standard input
    int m_output = -1;   // the program's standard output
    std::string m_said;  // read from its output and not yet taken
};
