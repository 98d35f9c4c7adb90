// Every dialog and message box the user can reach from the keyboard, as
// the real editor shows it in each colour theme and in English and
// Japanese: one editor run per theme and language opens them one after
// another, keeps a picture of each in the build folder's gallery and
// dismisses it as a user would.
#include "desktop_editor_fixture.h"

#include <thread>

namespace desktop_test {
namespace {

using namespace std::chrono_literals;

struct Shown
{
    Window window = 0;
    Area area;
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

class DialogGallery : public EditorOnDesktop
{
protected:
    DialogGallery() : EditorOnDesktop("1280x1024x24") {}

    // The shown top-level windows other than the frame, on the screen.
    std::vector<Shown> OtherWindows(Window frame)
    {
        std::vector<Shown> shown;
        for (const Window window : ShownWindows("")) {
            const std::optional<Area> area = AreaOf(window);
            if (window != frame && area && area->width >= 20 && area->height >= 20)
                shown.push_back({window, *area});
        }
        return shown;
    }

    // The dialog once one shows and has been painted: what it covers no
    // longer shows as it did before, and holds still. None after 30 s.
    std::optional<Shown> WaitForPaintedDialog(Window frame, const RgbImage& before)
    {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        RgbImage last;
        while (std::chrono::steady_clock::now() < deadline) {
            const std::vector<Shown> shown = OtherWindows(frame);
            if (shown.empty()) {
                std::this_thread::sleep_for(100ms);
                continue;
            }
            const RgbImage now = Crop(CaptureScreen(x_), shown.back().area);
            if (now.rgb != Crop(before, shown.back().area).rgb && now.rgb == last.rgb)
                return shown.back();
            last = now;
            std::this_thread::sleep_for(300ms);
        }
        return std::nullopt;
    }

    bool WaitForNoDialog(Window frame)
    {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
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
            ASSERT_TRUE(WaitForPicture(LoadSkinBitmap(kStripBitmaps[theme]), kStripFreeFrom, kStripFreeTo).has_value())
                << "the library window is not shown";

            for (const Step& step : kSteps) {
                SCOPED_TRACE(step.name);
                const RgbImage before = CaptureScreen(x_);
                // A menu's key opens it; its item's key is for the menu.
                if (!step.open.empty() && step.open.front().starts_with("alt+"))
                    ChooseMenuItem(frame, step.open);
                else
                    Keys(frame, step.open);
                if (step.insideFrame) {
                    const RgbImage opened = WaitForChange(before);
                    EXPECT_TRUE(SavePng(opened, Folder() / (std::string(step.name) + suffix + ".png")));
                    Keys(frame, step.dismiss);
                    WaitForChange(opened);
                    continue;
                }
                const std::optional<Shown> dialog = WaitForPaintedDialog(frame, before);
                ASSERT_TRUE(dialog.has_value()) << "the dialog did not come up";
                const RgbImage screen = CaptureScreen(x_);
                EXPECT_TRUE(SavePng(Crop(screen, dialog->area), Folder() / (std::string(step.name) + suffix + ".png")));
                // Wholly on the screen.
                EXPECT_GE(dialog->area.x, 0);
                EXPECT_GE(dialog->area.y, 0);
                Keys(dialog->window, step.dismiss);
                ASSERT_TRUE(WaitUntilGone(dialog->window)) << "the dialog stayed";
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
