#pragma once
// A virtual X server for tests of the desktop display: child processes,
// the server itself, and a fixture that runs the display on it in this
// process, where tests play the desktop's part with SDL events.
#include "display_fixture.h"

#include <SDL.h>

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace xvfb_test {

// The program's path in the usual folders, or empty.
std::string FindProgram(const char* name);

// An environment variable set (or, for null, unset) until the object goes.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const char* value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_;
};

// A child process that is killed when the test lets go of it.
class ChildProcess
{
public:
    // Standard error goes to errorFile when one is named, else nowhere.
    ChildProcess(std::vector<std::string> args, std::vector<std::string> extraEnvironment, bool captureOutput,
                 const std::string& errorFile = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool Started() const { return pid_ > 0; }
    // One line of output, or empty when none comes in time.
    std::string ReadLine(std::chrono::milliseconds timeout);
    // The exit code, or -1 when it does not end in time.
    int Wait(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    int output_ = -1;
    bool exited_ = false;
};

// Xvfb on a display number of its own, 800 x 600 unless told.
class XvfbServer
{
public:
    // Null when Xvfb is not installed; a failed start is a test failure.
    static std::unique_ptr<XvfbServer> Start(const char* screen = "800x600x24");
    const std::string& Display() const { return display_; }

private:
    XvfbServer(std::string display, std::unique_ptr<ChildProcess> process)
        : display_(std::move(display)), process_(std::move(process))
    {}
    std::string display_;
    std::unique_ptr<ChildProcess> process_;
};

// The desktop display on one Xvfb per test program; the headless display
// and the environment come back after each test.
class DesktopTest : public display_test::DisplayTest
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Pumps until the desktop has given the window the keyboard and its
    // own events about it have come in.
    static void Settle(HWND topLevel);
    // An event as the desktop would send it about a top-level window, handled at once.
    static void Deliver(SDL_Event event);
    static void DeliverWindowEvent(HWND topLevel, SDL_WindowEventID what, int data1 = 0, int data2 = 0);
    static void DeliverKey(SDL_Keycode key, bool down, Uint16 modifiers = KMOD_NONE);
    static void DeliverText(const char* utf8);

private:
    std::vector<std::unique_ptr<ScopedVariable>> environment_;
};

}  // namespace xvfb_test
