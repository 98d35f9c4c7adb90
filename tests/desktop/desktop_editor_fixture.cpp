#include "desktop_editor_fixture.h"

#include <platform/painting.h>
#include <platform/resources.h>
#include <platform/testing/locale.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <png.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace desktop_test {

using namespace std::chrono_literals;
using xvfb_test::ChildProcess;

namespace {

// Screen and skin may differ by rounding in the drawing.
constexpr int kTolerance = 6;

bool Near(const std::uint8_t* a, const std::uint8_t* b)
{
    for (int c = 0; c < 3; ++c)
        if (std::abs(a[c] - b[c]) > kTolerance)
            return false;
    return true;
}

// The window's title as the desktop shows it: the UTF-8 name, else the
// older one.
std::string TitleOf(Display* x, Window window)
{
    std::string title;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(x, window, XInternAtom(x, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(x, "UTF8_STRING", False), &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 8)
        title.assign(reinterpret_cast<const char*>(data), count);
    if (data != nullptr)
        XFree(data);
    char* name = nullptr;
    if (title.empty() && XFetchName(x, window, &name) != 0 && name != nullptr)
        title = name;
    if (name != nullptr)
        XFree(name);
    return title;
}

}  // namespace

bool IsColour(const std::uint8_t* pixel, std::uint32_t colour)
{
    return pixel[0] == (colour & 0xFF) && pixel[1] == ((colour >> 8) & 0xFF) && pixel[2] == ((colour >> 16) & 0xFF);
}

fs::path MakeRegistry(const std::string& name, int x, int y, int width, int height,
                      const std::map<std::string, long>& more)
{
    const fs::path root = fs::temp_directory_path() / (name + "_" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / kEditorSettingsFolder);
    std::ofstream values(root / kEditorSettingsFolder / "values");
    std::map<std::string, long> dwords = {{"MainWindowX", x},         {"MainWindowY", y},
                                          {"MainWindowWidth", width}, {"MainWindowHeight", height},
                                          {"MidiDeviceAutoScan", 0},  {"ReceiveOnStartup", 0}};
    for (const auto& [key, value] : more)
        dwords[key] = value;
    for (const auto& [key, value] : dwords)
        values << "dword \"" << key << "\" = " << value << "\n";
    return root;
}

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

RgbImage CaptureScreen(Display* x)
{
    const Window root = DefaultRootWindow(x);
    XWindowAttributes attributes{};
    XGetWindowAttributes(x, root, &attributes);
    XImage* image = XGetImage(x, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    RgbImage screen{attributes.width, attributes.height, {}};
    screen.rgb.resize(static_cast<size_t>(screen.width) * static_cast<size_t>(screen.height) * 3);
    // The usual 32-bit pixels, blue first, are read straight from the image:
    // a pixel at a time is slow enough to hold a busy test up.
    const bool plain = image->bits_per_pixel == 32 && image->byte_order == LSBFirst && image->red_mask == 0xFF0000 &&
                       image->green_mask == 0xFF00 && image->blue_mask == 0xFF;
    std::uint8_t* to = screen.rgb.data();
    for (int row = 0; row < screen.height; ++row) {
        const auto* line =
            reinterpret_cast<const std::uint8_t*>(image->data) + static_cast<size_t>(row) * image->bytes_per_line;
        for (int column = 0; column < screen.width; ++column, to += 3) {
            const unsigned long pixel = plain ? (static_cast<unsigned long>(line[column * 4 + 2]) << 16) |
                                                    (static_cast<unsigned long>(line[column * 4 + 1]) << 8) |
                                                    line[column * 4]
                                              : XGetPixel(image, column, row);
            to[0] = static_cast<std::uint8_t>((pixel >> 16) & 0xFF);
            to[1] = static_cast<std::uint8_t>((pixel >> 8) & 0xFF);
            to[2] = static_cast<std::uint8_t>(pixel & 0xFF);
        }
    }
    XDestroyImage(image);
    return screen;
}

bool SavePng(const RgbImage& image, const fs::path& path)
{
    if (image.rgb.empty())
        return false;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&png, path.c_str(), 0, image.rgb.data(), 0, nullptr) != 0;
}

std::string InterfaceText(const char* locale, const char* key)
{
    platform::testing::SetUserLocale(locale);
    HRSRC found = FindResourceA(nullptr, "LocalizableStrings", "xml");
    const std::string table = found == nullptr
                                  ? std::string()
                                  : std::string(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                                                SizeofResource(nullptr, found));
    platform::testing::SetUserLocale(nullptr);
    const std::string opening = "<" + std::string(key) + " Text=\"";
    const std::size_t start = table.find(opening);
    if (start == std::string::npos)
        return {};
    const std::size_t from = start + opening.size();
    return table.substr(from, table.find('"', from) - from);
}

std::string ExactTitle(const std::string& text)
{
    std::string pattern = "^";
    for (const char c : text) {
        if (std::string_view(".[]{}()\\*+?^$|").find(c) != std::string_view::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern + "$";
}

RgbImage LoadSkinBitmap(const char* name)
{
    HRSRC found = FindResourceA(nullptr, name, "PNG");
    if (found == nullptr)
        return {};
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, LockResource(LoadResource(nullptr, found)),
                                          SizeofResource(nullptr, found)))
        return {};
    png.format = PNG_FORMAT_RGB;
    RgbImage image{static_cast<int>(png.width), static_cast<int>(png.height), {}};
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr))
        return {};
    return image;
}

bool ShowsAt(const RgbImage& screen, const RgbImage& picture, Point place, int from, int to)
{
    if (place.x < 0 || place.y < 0 || place.x + to > screen.width || place.y + picture.height > screen.height)
        return false;
    for (int row = 0; row < picture.height; ++row)
        for (int column = from; column < to; ++column)
            if (!Near(screen.At(place.x + column, place.y + row), picture.At(column, row)))
                return false;
    return true;
}

RgbImage Crop(const RgbImage& screen, const Area& area)
{
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, screen.width);
    const int bottom = std::min(area.y + area.height, screen.height);
    if (right <= left || bottom <= top)
        return {};
    RgbImage part{right - left, bottom - top, {}};
    for (int row = top; row < bottom; ++row) {
        const std::uint8_t* from = screen.At(left, row);
        part.rgb.insert(part.rgb.end(), from, from + static_cast<size_t>(part.width) * 3);
    }
    return part;
}

std::optional<DialogKind> KindOfDialog(const RgbImage& dialog)
{
    if (dialog.width < 3 || dialog.height < 3)
        return std::nullopt;
    // Painted, the dialog's face runs all round its edge; before that its
    // window shows whatever was under it.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int x = 0; x < dialog.width; ++x)
        if (!IsColour(dialog.At(x, 0), face) || !IsColour(dialog.At(x, dialog.height - 1), face))
            return std::nullopt;
    for (int y = 0; y < dialog.height; ++y)
        if (!IsColour(dialog.At(0, y), face) || !IsColour(dialog.At(dialog.width - 1, y), face))
            return std::nullopt;
    // The progress bar's sunken top edge reaches across all the dialog but
    // its margins; no row of buttons has an edge that long.
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    for (int y = 0; y < dialog.height; ++y) {
        int run = 0;
        for (int x = 0; x < dialog.width; ++x) {
            run = IsColour(dialog.At(x, y), shadow) ? run + 1 : 0;
            if (run * 10 >= dialog.width * 9)
                return DialogKind::Progress;
        }
    }
    return DialogKind::MessageBox;
}

std::optional<Point> FindOnScreen(const RgbImage& screen, const RgbImage& picture, int from, int to)
{
    if (picture.rgb.empty())
        return std::nullopt;
    for (int y = 0; y + picture.height <= screen.height; ++y)
        for (int x = 0; x + to <= screen.width; ++x)
            if (ShowsAt(screen, picture, {x, y}, from, to))
                return Point{x, y};
    return std::nullopt;
}

void EditorOnDesktop::SetUp()
{
    xdotool_ = xvfb_test::FindProgram("xdotool");
    if (xdotool_.empty())
        GTEST_SKIP() << "xdotool is not installed";
    server_ = xvfb_test::XvfbServer::Start(screen_);
    if (!server_)
        GTEST_SKIP() << "Xvfb is not installed";
    x_ = XOpenDisplay(server_->Display().c_str());
    ASSERT_NE(x_, nullptr);
    // The editor's windows come and go while the test looks at them: a
    // question about one that just went fails, and the caller sees so.
    XSetErrorHandler([](Display*, XErrorEvent* error) {
        if (error->error_code != BadWindow && error->error_code != BadDrawable)
            ADD_FAILURE() << "X error " << static_cast<int>(error->error_code) << " on request "
                          << static_cast<int>(error->request_code);
        return 0;
    });
}

void EditorOnDesktop::TearDown()
{
    if (x_ != nullptr)
        XCloseDisplay(x_);
    if (!registry_.empty())
        fs::remove_all(registry_);
}

std::string EditorOnDesktop::Tool(std::vector<std::string> args)
{
    args.insert(args.begin(), xdotool_);
    ChildProcess process(std::move(args), {"DISPLAY=" + server_->Display()}, true);
    std::string line = process.Started() ? process.ReadLine(5s) : "";
    process.Wait(5s);
    return line;
}

std::vector<Window> EditorOnDesktop::ShownWindows(const std::string& title)
{
    const std::regex pattern(title, std::regex::icase);
    std::vector<Window> shown;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count) == 0)
        return shown;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(x_, children[i], &attributes) != 0 && attributes.map_state == IsViewable &&
            !attributes.override_redirect && std::regex_search(TitleOf(x_, children[i]), pattern))
            shown.push_back(children[i]);
    }
    if (children != nullptr)
        XFree(children);
    return shown;
}

std::optional<Area> EditorOnDesktop::AreaOf(Window window)
{
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(x_, window, &attributes) == 0 || attributes.map_state != IsViewable)
        return std::nullopt;
    const Point origin = WindowOrigin(window);
    return Area{origin.x, origin.y, attributes.width, attributes.height};
}

Window EditorOnDesktop::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout, Window other)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        for (const Window window : ShownWindows(title))
            if (window != other)
                return window;
        std::this_thread::sleep_for(100ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
}

Window EditorOnDesktop::WaitForDialog(const std::string& title, DialogKind kind, std::chrono::milliseconds timeout,
                                      const std::function<void(const RgbImage& screen)>& whileOther)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const std::vector<Window> shown = ShownWindows(title);
        const RgbImage screen = shown.empty() ? RgbImage{} : CaptureScreen(x_);
        for (const Window window : shown) {
            // Asked after the capture: a window still shown now was shown in it.
            const std::optional<Area> area = AreaOf(window);
            const std::optional<DialogKind> seen = area ? KindOfDialog(Crop(screen, *area)) : std::nullopt;
            if (seen == kind)
                return window;
            if (seen && whileOther)
                whileOther(screen);
        }
        std::this_thread::sleep_for(100ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
}

bool EditorOnDesktop::WaitUntilGone(Window window, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        XWindowAttributes attributes{};
        const Status known = XGetWindowAttributes(x_, window, &attributes);
        if (known == 0 || attributes.map_state != IsViewable)
            return true;
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

bool EditorOnDesktop::Answer(Window box, const std::string& key)
{
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (AreaOf(box) && std::chrono::steady_clock::now() < deadline) {
        Keys(box, {key});
        if (WaitUntilGone(box, 10s))
            return true;
    }
    return !AreaOf(box);
}

std::optional<Point> EditorOnDesktop::WaitForPicture(const RgbImage& picture, int from, int to)
{
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto found = FindOnScreen(CaptureScreen(x_), picture, from, to))
            return found;
        std::this_thread::sleep_for(200ms);
    }
    return std::nullopt;
}

RgbImage EditorOnDesktop::WaitForChange(const RgbImage& before)
{
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    RgbImage now = CaptureScreen(x_);
    while (now.rgb == before.rgb && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(200ms);
        now = CaptureScreen(x_);
    }
    for (RgbImage last; last.rgb != now.rgb && std::chrono::steady_clock::now() < deadline;) {
        last = std::move(now);
        std::this_thread::sleep_for(500ms);
        now = CaptureScreen(x_);
    }
    return now;
}

const RgbImage& EditorOnDesktop::ClickControl(Point origin, const layout::Control& control, const RgbImage& before)
{
    Click({origin.x + control.x + control.w / 2, origin.y + control.y + control.h / 2});
    return before;
}

std::unique_ptr<ChildProcess> EditorOnDesktop::StartEditor(const fs::path& registry, const fs::path& errorLog,
                                                           const std::vector<std::string>& more,
                                                           const std::vector<std::string>& arguments)
{
    registry_ = registry;
    std::vector<std::string> environment = {"DISPLAY=" + server_->Display(), "SDL_VIDEODRIVER=x11",
                                            "VQ_DISPLAY=desktop", "VQ_REGISTRY_DIR=" + registry.string()};
    // A sanitizer's report ends the program with a code of its own, not
    // with the editor's failure code.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    environment.push_back(std::string("ASAN_OPTIONS=") + (sanitizer != nullptr ? sanitizer : "") + ":exitcode=23");
    environment.insert(environment.end(), more.begin(), more.end());
    std::vector<std::string> command{VQ_EDITOR_PROGRAM};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return std::make_unique<ChildProcess>(std::move(command), std::move(environment), false, errorLog.string());
}

Window EditorOnDesktop::WaitForFrame()
{
    return WaitForWindow(ExactTitle(kTitle));
}

Point EditorOnDesktop::WindowOrigin(Window window)
{
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(x_, window, DefaultRootWindow(x_), 0, 0, &x, &y, &child);
    return {x, y};
}

void EditorOnDesktop::Keys(Window frame, const std::vector<std::string>& keys)
{
    Tool({"windowfocus", "--sync", std::to_string(frame)});
    for (const std::string& key : keys) {
        Tool({"key", key});
        std::this_thread::sleep_for(300ms);
    }
}

void EditorOnDesktop::ChooseMenuItem(Window frame, const std::vector<std::string>& keys)
{
    // The frame gets the keyboard once: a key may open a dialog that takes
    // it for the keys after.
    Tool({"windowfocus", "--sync", std::to_string(frame)});
    for (std::size_t n = 0; n < keys.size(); ++n) {
        const RgbImage before = CaptureScreen(x_);
        Tool({"key", keys[n]});
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (n + 1 < keys.size() && CaptureScreen(x_).rgb == before.rgb &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(100ms);
    }
}

void EditorOnDesktop::Click(Point at, int clicks)
{
    Tool({"mousemove", "--sync", std::to_string(at.x), std::to_string(at.y)});
    Tool({"click", "--repeat", std::to_string(clicks), "--delay", "80", "1"});
    std::this_thread::sleep_for(300ms);
}

RgbImage EditorOnDesktop::DoubleClickUntil(Point at, const std::function<bool(const RgbImage& screen)>& opened)
{
    const RgbImage before = CaptureScreen(x_);
    RgbImage screen = before;
    for (int tries = 0; tries < 3 && !opened(screen); ++tries) {
        Click(at, 2);
        const auto deadline = std::chrono::steady_clock::now() + kPatience / 3;
        while (!opened(screen = CaptureScreen(x_)) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(200ms);
    }
    return opened(screen) ? WaitForChange(before) : screen;
}

void EditorOnDesktop::RequestClose(Window frame)
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

}  // namespace desktop_test
