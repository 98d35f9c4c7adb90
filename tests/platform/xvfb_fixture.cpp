#include "xvfb_fixture.h"

#include "platform/src/display/sdl_windows.h"

#include <platform/display.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

extern char** environ;

namespace xvfb_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::unique_ptr<XvfbServer>& Server()
{
    static std::unique_ptr<XvfbServer> server;
    return server;
}

}  // namespace

std::string FindProgram(const char* name)
{
    for (const char* folder : {"/usr/bin", "/usr/local/bin", "/bin"}) {
        fs::path path = fs::path(folder) / name;
        if (fs::exists(path))
            return path;
    }
    return {};
}

ScopedVariable::ScopedVariable(const char* name, const char* value) : name_(name)
{
    if (const char* old = std::getenv(name))
        saved_ = old;
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

ScopedVariable::~ScopedVariable()
{
    if (saved_)
        setenv(name_.c_str(), saved_->c_str(), 1);
    else
        unsetenv(name_.c_str());
}

ChildProcess::ChildProcess(std::vector<std::string> args, std::vector<std::string> extraEnvironment, bool captureOutput,
                           const std::string& errorFile)
{
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment = std::move(extraEnvironment);
    for (char** entry = environ; *entry; ++entry)
        environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (auto& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (captureOutput && pipe(pipeFds) == 0) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    }
    if (errorFile.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
    else
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (pipeFds[1] >= 0)
        close(pipeFds[1]);
    output_ = pipeFds[0];
}

ChildProcess::~ChildProcess()
{
    if (pid_ > 0 && !exited_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (output_ >= 0)
        close(output_);
}

std::string ChildProcess::ReadLine(std::chrono::milliseconds timeout)
{
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd fd{output_, POLLIN, 0};
        if (poll(&fd, 1, 100) <= 0)
            continue;
        char c;
        if (read(output_, &c, 1) != 1)
            break;
        if (c == '\n')
            return line;
        line.push_back(c);
    }
    return {};
}

int ChildProcess::Wait(std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exited_ = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(50ms);
    }
    return -1;
}

std::unique_ptr<XvfbServer> XvfbServer::Start(const char* screen)
{
    std::string xvfb = FindProgram("Xvfb");
    if (xvfb.empty())
        return nullptr;
    // The server picks a free display number itself and says which once it
    // is ready: tests running side by side never share one. Without a reset
    // when its last client leaves, a program started just then still finds
    // the display.
    auto process = std::make_unique<ChildProcess>(
        std::vector<std::string>{xvfb, "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
        std::vector<std::string>{}, true);
    EXPECT_TRUE(process->Started());
    std::string number = process->ReadLine(20s);
    EXPECT_FALSE(number.empty()) << "Xvfb did not start";
    std::string display = ":" + number;
    return std::unique_ptr<XvfbServer>(new XvfbServer(display, std::move(process)));
}

void DesktopTest::SetUpTestSuite()
{
    // SDL loads the session-bus library for input methods and unloads it
    // when it stops; kept loaded, what it holds for the whole process is
    // known to the leak checker by its name.
    dlopen("libdbus-1.so.3", RTLD_NOW | RTLD_NODELETE);
    Server() = XvfbServer::Start();
}

void DesktopTest::TearDownTestSuite()
{
    Server().reset();
}

void DesktopTest::SetUp()
{
    if (!Server())
        GTEST_SKIP() << "Xvfb is not installed";
    environment_.push_back(std::make_unique<ScopedVariable>("DISPLAY", Server()->Display().c_str()));
    environment_.push_back(std::make_unique<ScopedVariable>("SDL_VIDEODRIVER", "x11"));
    environment_.push_back(std::make_unique<ScopedVariable>("VQ_DISPLAY", nullptr));
    ASSERT_TRUE(platform::StartDisplay(platform::DisplayKind::Desktop)) << platform::DisplayFailure();
    DisplayTest::SetUp();
}

void DesktopTest::TearDown()
{
    DisplayTest::TearDown();
    platform::StartDisplay(platform::DisplayKind::Headless);
    environment_.clear();
}

void DesktopTest::Settle(HWND topLevel)
{
    SDL_Window* window = platform::detail::SdlWindowOf(topLevel);
    ASSERT_NE(window, nullptr);
    auto deadline = std::chrono::steady_clock::now() + 5s;
    while (SDL_GetKeyboardFocus() != window && std::chrono::steady_clock::now() < deadline) {
        Pump();
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_EQ(SDL_GetKeyboardFocus(), window) << "the desktop did not give the window the keyboard";
    for (int i = 0; i < 10; ++i) {
        Pump();
        std::this_thread::sleep_for(10ms);
    }
}

void DesktopTest::Deliver(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    Pump();
}

void DesktopTest::DeliverWindowEvent(HWND topLevel, SDL_WindowEventID what, int data1, int data2)
{
    SDL_Window* window = platform::detail::SdlWindowOf(topLevel);
    ASSERT_NE(window, nullptr);
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(window);
    event.window.event = static_cast<Uint8>(what);
    event.window.data1 = data1;
    event.window.data2 = data2;
    Deliver(event);
}

void DesktopTest::DeliverKey(SDL_Keycode key, bool down, Uint16 modifiers)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    Deliver(event);
}

void DesktopTest::DeliverText(const char* utf8)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    Deliver(event);
}

}  // namespace xvfb_test
