#pragma once
// The editor program on a virtual X server, driven from outside as a user
// and a window manager would: its settings written fresh, keys and mouse
// clicks through xdotool, and the screen read back as pixels.
#include "editor/layout/WindowLayout.h"
#include "support/RegistryDwords.h"
#include "xvfb_fixture.h"

#include <X11/Xlib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace desktop_test {

namespace fs = std::filesystem;

inline constexpr const char* kTitle = "VQ-700Z Sound Editor";
// The library window's page strip, at the top left of its inside: its
// height, and its columns that neither the tabs nor the logo cover.
inline constexpr int kStripHeight = 37;
inline constexpr int kStripFreeFrom = 176;
inline constexpr int kStripFreeTo = 806;

// A fresh registry holding the main window's placement, with the device
// left alone (no port scan and no receive at start), and any other words.
fs::path MakeRegistry(const std::string& name, int x, int y, int width, int height,
                      const std::map<std::string, long>& more = {});

// A file's whole text, as what the editor wrote on its standard error.
std::string ReadText(const fs::path& path);

struct Point
{
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Pixels as 8-bit RGB, row by row.
struct RgbImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    const std::uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

RgbImage CaptureScreen(Display* x);
bool SavePng(const RgbImage& image, const fs::path& path);
// One of the program's own PNG resources (a skin bitmap), alpha dropped;
// empty when there is none.
RgbImage LoadSkinBitmap(const char* name);
// The user-interface text of the key in the language of the POSIX locale,
// as the editor's string table holds it; empty when there is none.
std::string InterfaceText(const char* locale, const char* key);
// A window-title pattern that matches exactly that text.
std::string ExactTitle(const std::string& text);
// Where the picture's columns [from, to) show on the screen, all rows
// matching within a small tolerance per channel.
std::optional<Point> FindOnScreen(const RgbImage& screen, const RgbImage& picture, int from, int to);
// Whether the picture's columns [from, to) show at that place.
bool ShowsAt(const RgbImage& screen, const RgbImage& picture, Point place, int from, int to);

class EditorOnDesktop : public ::testing::Test
{
protected:
    explicit EditorOnDesktop(const char* screen = "800x600x24") : screen_(screen) {}
    void SetUp() override;
    void TearDown() override;

    // Standard error goes to errorLog when one is named; more variables
    // and command-line arguments go to the program as given.
    std::unique_ptr<xvfb_test::ChildProcess> StartEditor(const fs::path& registry, const fs::path& errorLog = {},
                                                         const std::vector<std::string>& environment = {},
                                                         const std::vector<std::string>& arguments = {});
    // The X window of the editor's frame, once it is up.
    Window WaitForFrame();
    // Where the window's inside is on the screen.
    Point WindowOrigin(Window window);
    void Keys(Window frame, const std::vector<std::string>& keys);
    // Opens a menu with its key and, once it shows, picks the item by its
    // letter: a slow editor would otherwise get the letter first.
    void ChooseMenuItem(Window frame, const std::string& menuKey, const std::string& itemKey);
    void Click(Point at, int clicks = 1);
    // What a window manager sends when the user closes the window.
    void RequestClose(Window frame);
    std::string Tool(std::vector<std::string> args);
    // A visible top-level window whose title matches, other than `other`;
    // 0 when none came in time.
    Window WaitForWindow(const std::string& title, std::chrono::milliseconds timeout = std::chrono::seconds(30),
                         Window other = 0);
    bool WaitUntilGone(Window window, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Where the picture's columns [from, to) show once they have been
    // painted; none after 30 s.
    std::optional<Point> WaitForPicture(const RgbImage& picture, int from, int to);
    // The screen once it has changed from before and then held still for
    // a moment; as it is after 30 s otherwise.
    RgbImage WaitForChange(const RgbImage& before);
    // A click on the middle of a layout's control, on a page that starts
    // at origin; answers the screen as it was before.
    const RgbImage& ClickControl(Point origin, const layout::Control& control, const RgbImage& before);

    const char* screen_;
    std::string xdotool_;
    std::unique_ptr<xvfb_test::XvfbServer> server_;
    Display* x_ = nullptr;
    fs::path registry_;
};

}  // namespace desktop_test
