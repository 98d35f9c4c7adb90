#include "support/SimulatorProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

// Generous: a busy machine starts and answers slowly.
constexpr int kAnswerTimeoutMs = 60000;

}  // namespace

SimulatorProcess::SimulatorProcess(std::string program) : m_program(std::move(program))
{
    char folder[] = "/tmp/vq-device-XXXXXX";
    if (mkdtemp(folder))
        m_folder = folder;
    m_socket = m_folder + "/device.sock";
    m_memory = m_folder + "/memory.bin";
    m_record = m_folder + "/heard.txt";
}

SimulatorProcess::~SimulatorProcess()
{
    Stop();
    if (!m_folder.empty())
        std::filesystem::remove_all(m_folder);
}

bool SimulatorProcess::Start(const std::vector<std::string>& arguments)
{
    if (m_folder.empty() || m_pid > 0)
        return false;
    std::vector<std::string> words{m_program, "--socket", m_socket, "--memory", m_memory, "--record", m_record};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // A socket, not a pipe, to the program's input: a command sent after it
    // died fails instead of raising SIGPIPE here.
    int toChild[2];
    int fromChild[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, toChild) != 0)
        return false;
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    const int spawned = posix_spawn(&m_pid, m_program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    m_input = toChild[1];
    m_output = fromChild[0];
    if (spawned != 0) {
        m_pid = -1;
        return false;
    }
    return ReadLine() == "ready";
}

std::string SimulatorProcess::ReadLine()
{
    std::size_t end;
    while ((end = m_said.find('\n')) == std::string::npos) {
        pollfd waiting{m_output, POLLIN, 0};
        char buffer[64];
        if (m_output < 0 || poll(&waiting, 1, kAnswerTimeoutMs) <= 0)
            return {};
        const ssize_t got = read(m_output, buffer, sizeof buffer);
        if (got <= 0)
            return {};
        m_said.append(buffer, static_cast<std::size_t>(got));
    }
    std::string line = m_said.substr(0, end);
    m_said.erase(0, end + 1);
    return line;
}

std::string SimulatorProcess::Command(const std::string& line)
{
    const std::string sent = line + '\n';
    if (m_input < 0 || send(m_input, sent.data(), sent.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(sent.size()))
        return {};
    return ReadLine();
}

bool SimulatorProcess::Stop()
{
    for (int* end : {&m_input, &m_output}) {
        if (*end >= 0)
            close(*end);
        *end = -1;
    }
    if (m_pid <= 0)
        return false;
    kill(m_pid, SIGTERM);
    int status = 0;
    const pid_t ended = waitpid(m_pid, &status, 0);
    m_pid = -1;
    return ended > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<SimulatorProcess::Bytes> SimulatorProcess::Heard() const
{
    std::vector<Bytes> messages;
    std::ifstream file(m_record);
    std::string line;
    // A line is only whole once its line feed is there.
    while (std::getline(file, line) && !file.eof()) {
        std::istringstream words(line);
        Bytes message;
        unsigned byte = 0;
        while (words >> std::hex >> byte)
            message.push_back(static_cast<std::uint8_t>(byte));
        messages.push_back(std::move(message));
    }
    return messages;
}

bool SimulatorProcess::WaitForHeard(std::size_t count, std::chrono::milliseconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Heard().size() < count) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
