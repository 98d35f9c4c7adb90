// The demo program on a real X server: Xvfb, SDL and clicks from xdotool.
#include <platform/painting.h>

#include <gtest/gtest.h>
#include <png.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string FindProgram(const char* name)
{
    for (const char* folder : {"/usr/bin", "/usr/local/bin", "/bin"}) {
        fs::path path = fs::path(folder) / name;
        if (fs::exists(path)) return path;
    }
    return {};
}

// A child process that is killed when the test lets go of it.
class Process {
public:
    Process(std::vector<std::string> args, std::vector<std::string> extraEnvironment, bool captureOutput)
    {
        std::vector<char*> argv;
        for (auto& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<std::string> environment = std::move(extraEnvironment);
        for (char** entry = environ; *entry; ++entry) environment.emplace_back(*entry);
        std::vector<char*> envp;
        for (auto& entry : environment) envp.push_back(entry.data());
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        int pipeFds[2] = {-1, -1};
        if (captureOutput && pipe(pipeFds) == 0) {
            posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
            posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        }
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        if (pipeFds[1] >= 0) close(pipeFds[1]);
        output_ = pipeFds[0];
    }
    ~Process()
    {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) close(output_);
    }
    bool Started() const { return pid_ > 0; }

    // One line of output, or empty when none comes in time.
    std::string ReadLine(std::chrono::milliseconds timeout)
    {
        std::string line;
        auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd fd{output_, POLLIN, 0};
            if (poll(&fd, 1, 100) <= 0) continue;
            char c;
            if (read(output_, &c, 1) != 1) break;
            if (c == '\n') return line;
            line.push_back(c);
        }
        return {};
    }

    // The exit code, or -1 when it does not end in time.
    int Wait(std::chrono::milliseconds timeout)
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

private:
    pid_t pid_ = -1;
    int output_ = -1;
    bool exited_ = false;
};

int RunTool(std::vector<std::string> args, const std::string& display)
{
    Process process(std::move(args), {"DISPLAY=" + display}, false);
    return process.Started() ? process.Wait(10s) : -1;
}

struct Image {
    png_uint_32 width = 0;
    std::vector<png_byte> rgb;
    COLORREF At(long x, long y) const
    {
        const png_byte* p = &rgb[(static_cast<size_t>(y) * width + static_cast<size_t>(x)) * 3];
        return RGB(p[0], p[1], p[2]);
    }
};

bool ReadPng(const fs::path& path, Image& image)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_RGB;
    image.width = png.width;
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    return png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) != 0;
}

TEST(DisplaySmoke, AClickFromTheXServerBringsTheCoveredChildToTheFront)
{
    std::string xvfb = FindProgram("Xvfb"), xdotool = FindProgram("xdotool");
    if (xvfb.empty() || xdotool.empty()) GTEST_SKIP() << "Xvfb or xdotool is not installed";

    // A display number of our own, free of lock files.
    int number = 90 + static_cast<int>(getpid() % 100);
    while (fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) ++number;
    std::string display = ":" + std::to_string(number);
    Process server({xvfb, display, "-screen", "0", "800x600x24", "-nolisten", "tcp"}, {}, false);
    ASSERT_TRUE(server.Started());
    fs::path socket = "/tmp/.X11-unix/X" + std::to_string(number);
    for (int i = 0; i < 100 && !fs::exists(socket); ++i) std::this_thread::sleep_for(50ms);
    ASSERT_TRUE(fs::exists(socket)) << "Xvfb did not start";

    fs::path shot = fs::temp_directory_path() / ("display_smoke_" + std::to_string(getpid()) + ".png");
    Process demo({VQ_DISPLAY_DEMO, shot.string()},
                 {"DISPLAY=" + display, "SDL_VIDEODRIVER=x11", "VQ_DISPLAY=desktop", "ASAN_OPTIONS=detect_leaks=0"},
                 true);
    ASSERT_TRUE(demo.Started());
    std::istringstream layout(demo.ReadLine(20s));
    std::string word;
    long clickX = -1, clickY = -1, overlapX = -1, overlapY = -1, frontX = -1, frontY = -1;
    layout >> word >> clickX >> clickY >> word >> overlapX >> overlapY >> word >> frontX >> frontY;
    ASSERT_GE(frontY, 0) << "the demo did not come up";

    // Let the window reach the server before clicking into it.
    std::this_thread::sleep_for(500ms);
    ASSERT_EQ(RunTool({xdotool, "mousemove", std::to_string(clickX), std::to_string(clickY)}, display), 0);
    std::this_thread::sleep_for(100ms);
    ASSERT_EQ(RunTool({xdotool, "click", "1"}, display), 0);

    EXPECT_EQ(demo.ReadLine(15s), "active Second");
    EXPECT_EQ(demo.Wait(10s), 0);
    Image image;
    ASSERT_TRUE(ReadPng(shot, image));
    fs::remove(shot);
    EXPECT_EQ(image.At(overlapX, overlapY), GetSysColor(COLOR_HIGHLIGHT)) << "the second child lies on top";
    EXPECT_EQ(image.At(frontX, frontY), GetSysColor(COLOR_WINDOW)) << "the first child shows beside it";
}

}  // namespace
