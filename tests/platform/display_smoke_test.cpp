// The demo program on a real X server: Xvfb, SDL and clicks from xdotool.
#include "xvfb_fixture.h"

#include <platform/painting.h>

#include <gtest/gtest.h>
#include <png.h>

#include <unistd.h>

#include <filesystem>
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

int RunTool(std::vector<std::string> args, const std::string& display)
{
    ChildProcess process(std::move(args), {"DISPLAY=" + display}, false);
    return process.Started() ? process.Wait(10s) : -1;
}

struct Image
{
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
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return false;
    png.format = PNG_FORMAT_RGB;
    image.width = png.width;
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    return png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) != 0;
}

TEST(DisplaySmoke, AClickFromTheXServerBringsTheCoveredChildToTheFront)
{
    std::string xdotool = FindProgram("xdotool");
    if (xdotool.empty())
        GTEST_SKIP() << "xdotool is not installed";
    auto server = XvfbServer::Start();
    if (!server)
        GTEST_SKIP() << "Xvfb is not installed";
    if (HasFailure())
        return;
    const std::string& display = server->Display();

    fs::path shot = fs::temp_directory_path() / ("display_smoke_" + std::to_string(getpid()) + ".png");
    ChildProcess demo(
        {VQ_DISPLAY_DEMO, shot.string()},
        {"DISPLAY=" + display, "SDL_VIDEODRIVER=x11", "VQ_DISPLAY=desktop", "ASAN_OPTIONS=detect_leaks=0"}, true);
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
