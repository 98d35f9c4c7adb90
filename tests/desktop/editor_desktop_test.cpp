// The editor program itself on a virtual X server: it comes up with its
// main window and its first library window, opens the version window from
// the Help menu, and ends through File > Exit and through the desktop's
// close request, saving where its window was.
#include "xvfb_fixture.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using xvfb_test::ChildProcess;
using xvfb_test::FindProgram;
using xvfb_test::XvfbServer;

constexpr const char* kTitle = "VQ-700Z Sound Editor";
constexpr const char* kSettingsFolder = "Software/Vesk/VQ-700Z Sound Editor";

std::string RunTool(std::vector<std::string> args, const std::string& display)
{
    ChildProcess process(std::move(args), {"DISPLAY=" + display}, true);
    std::string line = process.Started() ? process.ReadLine(5s) : "";
    process.Wait(5s);
    return line;
}

// A fresh registry holding the main window's placement, with the device
// left alone: no port scan and no receive at start.
fs::path MakeRegistry(const std::string& name, int x, int y, int width, int height)
{
    const fs::path root = fs::temp_directory_path() / (name + "_" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / kSettingsFolder);
    std::ofstream values(root / kSettingsFolder / "values");
    values << "dword \"MainWindowX\" = " << x << "\n"
           << "dword \"MainWindowY\" = " << y << "\n"
           << "dword \"MainWindowWidth\" = " << width << "\n"
           << "dword \"MainWindowHeight\" = " << height << "\n"
           << "dword \"MidiDeviceAutoScan\" = 0\n"
           << "dword \"ReceiveOnStartup\" = 0\n";
    return root;
}

std::map<std::string, long> ReadDwords(const fs::path& registry)
{
    std::map<std::string, long> dwords;
    std::ifstream values(registry / kSettingsFolder / "values");
    std::string line;
    while (std::getline(values, line)) {
        std::istringstream in(line);
        std::string type, quoted, equals;
        long value = 0;
        if (in >> type >> quoted >> equals >> value && type == "dword" && quoted.size() > 2)
            dwords[quoted.substr(1, quoted.size() - 2)] = value;
    }
    return dwords;
}

// The whole screen as a PNG.
bool SaveScreenshot(Display* x, const fs::path& path)
{
    const Window root = DefaultRootWindow(x);
    XWindowAttributes attributes{};
    XGetWindowAttributes(x, root, &attributes);
    XImage* image = XGetImage(x, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    std::vector<png_byte> rgb;
    rgb.reserve(static_cast<size_t>(attributes.width) * static_cast<size_t>(attributes.height) * 3);
    for (int row = 0; row < attributes.height; ++row)
        for (int column = 0; column < attributes.width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            rgb.push_back(static_cast<png_byte>((pixel >> 16) & 0xFF));
            rgb.push_back(static_cast<png_byte>((pixel >> 8) & 0xFF));
            rgb.push_back(static_cast<png_byte>(pixel & 0xFF));
        }
    XDestroyImage(image);
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(attributes.width);
    png.height = static_cast<png_uint_32>(attributes.height);
    png.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

class EditorOnDesktop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        xdotool_ = FindProgram("xdotool");
        if (xdotool_.empty())
            GTEST_SKIP() << "xdotool is not installed";
        server_ = XvfbServer::Start();
        if (!server_)
            GTEST_SKIP() << "Xvfb is not installed";
        x_ = XOpenDisplay(server_->Display().c_str());
        ASSERT_NE(x_, nullptr);
    }
    void TearDown() override
    {
        if (x_ != nullptr)
            XCloseDisplay(x_);
        if (!registry_.empty())
            fs::remove_all(registry_);
    }

    std::unique_ptr<ChildProcess> StartEditor(const fs::path& registry)
    {
        registry_ = registry;
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{VQ_EDITOR_PROGRAM},
            std::vector<std::string>{"DISPLAY=" + server_->Display(), "SDL_VIDEODRIVER=x11", "VQ_DISPLAY=desktop",
                                     "VQ_REGISTRY_DIR=" + registry.string()},
            false);
    }

    // The X window of the editor's frame, once it is up.
    Window WaitForFrame()
    {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (std::chrono::steady_clock::now() < deadline) {
            const std::string found =
                RunTool({xdotool_, "search", "--onlyvisible", "--name", std::string("^") + kTitle + "$"},
                        server_->Display());
            if (!found.empty())
                return static_cast<Window>(std::stoul(found));
            std::this_thread::sleep_for(100ms);
        }
        return 0;
    }

    void Keys(Window frame, const std::vector<std::string>& keys)
    {
        RunTool({xdotool_, "windowfocus", "--sync", std::to_string(frame)}, server_->Display());
        for (const std::string& key : keys) {
            RunTool({xdotool_, "key", key}, server_->Display());
            std::this_thread::sleep_for(300ms);
        }
    }

    // What a window manager sends when the user closes the window.
    void RequestClose(Window frame)
    {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = frame;
        event.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(x_, frame, False, NoEventMask, &event);
        XFlush(x_);
    }

    std::string xdotool_;
    std::unique_ptr<XvfbServer> server_;
    Display* x_ = nullptr;
    fs::path registry_;
};

TEST_F(EditorOnDesktop, FileExitEndsTheEditorAndKeepsTheWindowsPlace)
{
    auto editor = StartEditor(MakeRegistry("editor_exit", 40, 30, 640, 420));
    ASSERT_TRUE(editor->Started());
    const Window frame = WaitForFrame();
    ASSERT_NE(frame, 0u) << "the main window did not come up";
    // Let the first frame and the library window be painted before looking.
    std::this_thread::sleep_for(2s);
    EXPECT_TRUE(SaveScreenshot(x_, fs::path(VQ_TEST_OUTPUT_DIR) / "editor_desktop.png"));

    // Help > Version opens the version window inside the frame.
    Keys(frame, {"alt+h", "v"});
    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(SaveScreenshot(x_, fs::path(VQ_TEST_OUTPUT_DIR) / "editor_desktop_version.png"));

    Keys(frame, {"alt+f", "x"});
    EXPECT_EQ(editor->Wait(30s), 0);
    const auto saved = ReadDwords(registry_);
    EXPECT_EQ(saved.at("MainWindowX"), 40);
    EXPECT_EQ(saved.at("MainWindowY"), 30);
    EXPECT_EQ(saved.at("MainWindowWidth"), 640);
    EXPECT_EQ(saved.at("MainWindowHeight"), 420);
}

TEST_F(EditorOnDesktop, TheDesktopsCloseRequestEndsTheEditorAndKeepsTheWindowsPlace)
{
    auto editor = StartEditor(MakeRegistry("editor_close", 60, 50, 500, 350));
    ASSERT_TRUE(editor->Started());
    const Window frame = WaitForFrame();
    ASSERT_NE(frame, 0u) << "the main window did not come up";
    std::this_thread::sleep_for(500ms);
    RequestClose(frame);
    EXPECT_EQ(editor->Wait(30s), 0);
    const auto saved = ReadDwords(registry_);
    EXPECT_EQ(saved.at("MainWindowX"), 60);
    EXPECT_EQ(saved.at("MainWindowY"), 50);
    EXPECT_EQ(saved.at("MainWindowWidth"), 500);
    EXPECT_EQ(saved.at("MainWindowHeight"), 350);
}

TEST_F(EditorOnDesktop, ASettingsStoreThatCannotBeReadEndsTheEditorWithAFailureAfterTwoBoxes)
{
    const fs::path blocked = fs::temp_directory_path() / ("editor_blocked_" + std::to_string(getpid()));
    fs::remove_all(blocked);
    std::ofstream(blocked) << "not a folder";
    auto editor = StartEditor(blocked);
    ASSERT_TRUE(editor->Started());
    // Each box is answered with Return as it comes.
    for (int box = 0; box < 2; ++box) {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        std::string found;
        while (found.empty() && std::chrono::steady_clock::now() < deadline) {
            found = RunTool({xdotool_, "search", "--onlyvisible", "--name", "^Error$"}, server_->Display());
            std::this_thread::sleep_for(100ms);
        }
        ASSERT_FALSE(found.empty()) << "box " << box + 1 << " did not come";
        std::this_thread::sleep_for(300ms);
        Keys(static_cast<Window>(std::stoul(found)), {"Return"});
        std::this_thread::sleep_for(500ms);
    }
    EXPECT_EQ(editor->Wait(30s), 1);
}

}  // namespace
