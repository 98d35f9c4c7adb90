// Every dialog and message box the user can reach from the keyboard, as
// the real editor shows it in each colour theme and in English and
// Japanese: one editor run per theme and language opens them one after
// another, keeps a picture of each in the build folder's gallery and
// dismisses it as a user would.
#include "desktop_editor_fixture.h"

#include <algorithm>
#include <thread>

namespace desktop_test {
namespace {

using namespace std::chrono_literals;

struct Shown
{
    Window window = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One dialog: the keys that bring it up and those that send it away. A
// window inside the frame is kept with the whole screen around it.
struct Step
{
    const char* name;
    std::vector<std::string> open;
    std::vector<std::string> dismiss;
    bool insideFrame = false;
};

// In this order the library stays unmodified until the last two steps,
// where clearing a program makes the close of its window ask for saving.
// A receive with no port chosen asks first, then says what is missing.
const std::vector<Step> kSteps = {
    {"version", {"alt+h", "v"}, {"ctrl+w"}, true},
    {"midi_monitor", {"alt+w", "m"}, {"ctrl+w"}, true},
    {"log_window", {"alt+w", "l"}, {"ctrl+w"}, true},
    {"preferences", {"alt+o", "p"}, {"Escape"}},
    {"program_info", {"Down", "i"}, {"Escape"}},
    {"edit_window", {"Return"}, {"ctrl+w"}, true},
    {"open_file", {"ctrl+o"}, {"Escape"}},
    {"save_as", {"ctrl+shift+s"}, {"Escape"}},
    {"import_file", {"alt+f", "i", "Return"}, {"Escape"}},
    {"receive_question", {"alt+t", "Return"}, {"Return"}},
    {"receive_error", {}, {"Return"}},
    {"initialize_question", {"Delete"}, {"Return"}},
    {"save_question", {"ctrl+w"}, {"Escape"}},
};

struct Language
{
    const char* name;
    const char* locale;
};
constexpr Language kLanguages[] = {{"en", "en_US.UTF-8"}, {"ja", "ja_JP.UTF-8"}};
constexpr int kThemes = 3;

// The part of the screen the window covers.
RgbImage Crop(const RgbImage& screen, const Shown& area)
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

class DialogGallery : public EditorOnDesktop
{
protected:
    DialogGallery() : EditorOnDesktop("1280x1024x24") {}

    // The shown top-level windows other than the frame, on the screen.
    std::vector<Shown> OtherWindows(Window frame)
    {
        std::vector<Shown> shown;
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count) == 0)
            return shown;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            if (children[i] == frame || XGetWindowAttributes(x_, children[i], &attributes) == 0 ||
                attributes.map_state != IsViewable || attributes.width < 20 || attributes.height < 20)
                continue;
            const Point origin = WindowOrigin(children[i]);
            shown.push_back({children[i], origin.x, origin.y, attributes.width, attributes.height});
        }
        if (children != nullptr)
            XFree(children);
        return shown;
    }

    // The dialog once one shows and has been painted; none after 10 s.
    std::optional<Shown> WaitForDialog(Window frame)
    {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < deadline) {
            const std::vector<Shown> shown = OtherWindows(frame);
            if (!shown.empty()) {
                std::this_thread::sleep_for(500ms);
                return shown.back();
            }
            std::this_thread::sleep_for(100ms);
        }
        return std::nullopt;
    }

    bool WaitForNoDialog(Window frame)
    {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < deadline) {
            if (OtherWindows(frame).empty())
                return true;
            std::this_thread::sleep_for(100ms);
        }
        return false;
    }

    static fs::path Folder()
    {
        const fs::path folder = fs::path(VQ_TEST_OUTPUT_DIR) / "gallery";
        fs::create_directories(folder);
        return folder;
    }
};

TEST_F(DialogGallery, EveryDialogInEachThemeAndLanguage)
{
    for (const Language& language : kLanguages) {
        const xvfb_test::ScopedVariable locale("LC_ALL", language.locale);
        for (int theme = 0; theme < kThemes; ++theme) {
            const std::string suffix = std::string("_") + language.name + "_theme" + std::to_string(theme);
            SCOPED_TRACE(suffix);
            const fs::path log = Folder() / ("editor" + suffix + ".log");
            auto editor =
                StartEditor(MakeRegistry("gallery" + suffix, 0, 0, 1100, 800, {{"BackgroundColour", theme}}), log);
            ASSERT_TRUE(editor->Started());
            const Window frame = WaitForFrame();
            ASSERT_NE(frame, 0u) << "the main window did not come up";
            std::this_thread::sleep_for(2s);

            for (const Step& step : kSteps) {
                SCOPED_TRACE(step.name);
                Keys(frame, step.open);
                if (step.insideFrame) {
                    std::this_thread::sleep_for(1500ms);
                    EXPECT_TRUE(SavePng(CaptureScreen(x_), Folder() / (std::string(step.name) + suffix + ".png")));
                    Keys(frame, step.dismiss);
                    continue;
                }
                const std::optional<Shown> dialog = WaitForDialog(frame);
                ASSERT_TRUE(dialog.has_value()) << "the dialog did not come up";
                const RgbImage screen = CaptureScreen(x_);
                EXPECT_TRUE(SavePng(Crop(screen, *dialog), Folder() / (std::string(step.name) + suffix + ".png")));
                // Wholly on the screen.
                EXPECT_GE(dialog->x, 0);
                EXPECT_GE(dialog->y, 0);
                Keys(dialog->window, step.dismiss);
                // A step that opens nothing takes the box that follows this one.
                const bool last = &step == &kSteps.back();
                if (!last && !(&step + 1)->open.empty()) {
                    ASSERT_TRUE(WaitForNoDialog(frame)) << "the dialog did not go";
                }
            }
            // The library is left modified: the editor is ended as the test lets it go.
        }
    }
}

}  // namespace
}  // namespace desktop_test
