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
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace desktop_test {

namespace fs = std::filesystem;

inline constexpr const char* kTitle = "VQ-700Z Sound Editor";
// How long what the editor should show may take on a busy machine; only a
// test that fails waits this long.
inline constexpr std::chrono::seconds kPatience{120};
// The library window's page strip, at the top left of its inside: its
// height, and its columns that neither the tabs nor the logo cover.
inline constexpr int kStripHeight = 37;
inline constexpr int kStripFreeFrom = 176;
inline constexpr int kStripFreeTo = 806;
// The page strip's skin bitmap in each colour theme.
inline constexpr int kThemes = 3;
inline constexpr const char* kStripBitmaps[kThemes] = {"BG_PageSelect", "BG_PageSelectBlack", "BG_PageSelectWhite"};

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

// A window's place and size on the screen.
struct Area
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Pixels as 8-bit RGB, row by row.
struct RgbImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    const std::uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

// Whether the pixel is exactly the colour, given as 0x00BBGGRR.
bool IsColour(const std::uint8_t* pixel, std::uint32_t colour);

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
// The part of the screen the area covers.
RgbImage Crop(const RgbImage& screen, const Area& area);

// The two dialogs a device transfer shows, under one title: its progress,
// a bar across the dialog, and its last word, a message box, as is the
// question before it.
enum class DialogKind
{
    Progress,
    MessageBox
};
// Which of them the picture of a dialog's window shows; none while the
// dialog has not been painted yet.
std::optional<DialogKind> KindOfDialog(const RgbImage& dialog);

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
    // Opens a menu with its key and walks it with the others, each sent
    // once the screen shows what the one before did: a slow editor would
    // otherwise get a letter before its menu.
    void ChooseMenuItem(Window frame, const std::vector<std::string>& keys);
    void Click(Point at, int clicks = 1);
    // Double-clicks at the point until the screen shows what that opens: a
    // busy editor takes a double click whose clicks it reads apart for two
    // single ones. The screen once it shows and has held still; as it is
    // after the last try otherwise.
    RgbImage DoubleClickUntil(Point at, const std::function<bool(const RgbImage& screen)>& opened);
    // What a window manager sends when the user closes the window.
    void RequestClose(Window frame);
    std::string Tool(std::vector<std::string> args);
    // The visible top-level windows whose title matches the pattern (case
    // ignored, as in a search), from the bottom of the stack up; menus and
    // other windows the desktop does not manage are left out.
    std::vector<Window> ShownWindows(const std::string& title);
    // Where a visible window is on the screen; none once it has gone.
    std::optional<Area> AreaOf(Window window);
    // A visible top-level window whose title matches, other than `other`;
    // 0 when none came in time.
    Window WaitForWindow(const std::string& title, std::chrono::milliseconds timeout = kPatience, Window other = 0);
    // A painted dialog of that kind whose title matches; 0 when none came
    // in time. While one of the other kind shows, whileOther gets the screen.
    Window WaitForDialog(const std::string& title, DialogKind kind, std::chrono::milliseconds timeout = kPatience,
                         const std::function<void(const RgbImage& screen)>& whileOther = {});
    bool WaitUntilGone(Window window, std::chrono::milliseconds timeout = kPatience);
    // Presses the key on the box, again while it still shows, until it
    // goes: a key that comes before the box listens is lost. Whether it went.
    bool Answer(Window box, const std::string& key);
    // Where the picture's columns [from, to) show once they have been
    // painted; none in time.
    std::optional<Point> WaitForPicture(const RgbImage& picture, int from, int to);
    // The screen once it has changed from before and then held still for
    // a moment; as it is when the time is up otherwise.
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
