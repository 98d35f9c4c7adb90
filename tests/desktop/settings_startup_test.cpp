// The editor started from settings as users leave them: a line damaged by
// hand, a store that cannot be read or written, a saved frame no screen
// can show, and choices outside the preferences' lists.
#include "desktop_editor_fixture.h"

#include <platform/painting.h>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <thread>

namespace desktop_test {
namespace {

using namespace std::chrono_literals;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kMenuBarHeight = 20;

// The 32 bits of a negative number, as a settings file holds it.
constexpr long Bits(int value)
{
    return static_cast<long>(static_cast<std::uint32_t>(value));
}

// Whether a row of the window shows a run of the colour at least that long.
bool ShowsRun(const RgbImage& screen, int row, int left, int right, COLORREF colour, int length)
{
    if (row < 0 || row >= screen.height)
        return false;
    int run = 0;
    for (int x = std::max(left, 0); x < std::min(right, screen.width); ++x) {
        run = IsColour(screen.At(x, row), colour) ? run + 1 : 0;
        if (run >= length)
            return true;
    }
    return false;
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST_F(EditorOnDesktop, ADamagedSettingsLineCostsOnlyItsOwnValueAndIsSaidOnce)
{
    const fs::path log = fs::path(VQ_TEST_OUTPUT_DIR) / "settings_damaged_line.log";
    const fs::path registry = MakeRegistry("settings_damaged_line", 40, 30, 640, 420, {{"BackgroundColour", 1}});
    const fs::path values = registry / kEditorSettingsFolder / "values";
    std::ofstream(values, std::ios::app) << "dword \"KnobMode\" = one\n"
                                         << "dword \"SomeoneElsesValue\" = 5\n";
    auto editor = StartEditor(registry, log);
    ASSERT_TRUE(editor->Started());
    const Window frame = WaitForFrame();
    ASSERT_NE(frame, 0u) << "the main window did not come up";
    EXPECT_EQ(WindowOrigin(frame), (Point{40, 30})) << "the saved place is kept";

    ChooseMenuItem(frame, {"alt+f", "x"});
    ASSERT_EQ(editor->Wait(kPatience), 0) << ReadText(log);
    const std::string said = ReadText(log);
    EXPECT_EQ(Count(said, "skipped line"), 1u) << said;
    EXPECT_EQ(Count(said, "skipped line 8 of " + values.string()), 1u) << said;

    const auto saved = ReadSettingsDwords(registry);
    EXPECT_EQ(saved.at("MainWindowX"), 40);
    EXPECT_EQ(saved.at("MainWindowWidth"), 640);
    EXPECT_EQ(saved.at("BackgroundColour"), 1);
    EXPECT_EQ(saved.at("KnobMode"), 2) << "what the editor held for the damaged value";
    EXPECT_EQ(saved.at("SomeoneElsesValue"), 5) << "a value the editor does not know stays";
    EXPECT_EQ(ReadText(values).find("= one"), std::string::npos);
}

TEST_F(EditorOnDesktop, SettingsThatCannotBeReadOrWrittenShowBothBoxesAndSayWhyOnStandardError)
{
    struct Case
    {
        const char* name;
        // Makes the settings unusable under the root; answers the path the
        // user is told about.
        std::function<fs::path(const fs::path& root)> block;
        const char* reason;
    };
    const Case cases[] = {
        {"store_file",
         [](const fs::path& root) {
             fs::remove_all(root);
             std::ofstream(root) << "not a folder";
             return root / kEditorSettingsFolder;
         },
         "Not a directory"},
        {"values_folder",
         [](const fs::path& root) {
             const fs::path values = root / kEditorSettingsFolder / "values";
             fs::remove(values);
             fs::create_directory(values);
             return values;
         },
         "Is a directory"},
        {"read_only_folder",
         [](const fs::path& root) {
             const fs::path folder = root / kEditorSettingsFolder;
             fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
             return folder;
         },
         "Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) == "read_only_folder" && geteuid() == 0)
            continue;  // root writes anywhere; the platform's own tests check this as another user
        const std::string name = std::string("settings_") + c.name;
        const fs::path log = fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".log");
        const fs::path root = MakeRegistry(name, 40, 30, 640, 420);
        const fs::path blocked = c.block(root);
        auto editor = StartEditor(root, log);
        ASSERT_TRUE(editor->Started());

        // The two boxes, one after the other, each answered with Return.
        for (int box = 0; box < 2; ++box) {
            const Window shown = WaitForDialog("^Error$", DialogKind::MessageBox);
            ASSERT_NE(shown, 0u) << "box " << box + 1 << " did not come";
            if (box == 0) {
                EXPECT_TRUE(SavePng(CaptureScreen(x_), fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".png")));
            }
            ASSERT_TRUE(Answer(shown, "Return")) << "box " << box + 1 << " stayed";
        }
        EXPECT_EQ(editor->Wait(kPatience), 1);
        const std::string said = ReadText(log);
        EXPECT_NE(said.find(blocked.string() + ": " + c.reason), std::string::npos) << said;
        EXPECT_EQ(Tool({"search", "--name", std::string("^") + kTitle + "$"}), "") << "no main window was made";
        std::error_code ignored;
        fs::permissions(root / kEditorSettingsFolder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root);
    }
}

TEST_F(EditorOnDesktop, AFrameSavedAtNoSizeOrOffTheScreenOpensUsableOnIt)
{
    struct Case
    {
        const char* name;
        long x, y, width, height;
    };
    const Case cases[] = {
        {"no_size", 100, 100, 4294967295, 0},
        {"far_off", Bits(-30000), 99999, 640, 480},
        {"too_large", 5000, 5000, 20000, 20000},
    };
    const COLORREF captions[] = {GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_INACTIVECAPTION)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string("frame_") + c.name;
        const fs::path log = fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".log");
        // As 32-bit words, which the place arguments cannot carry.
        const std::map<std::string, long> saved = {
            {"MainWindowX", c.x}, {"MainWindowY", c.y}, {"MainWindowWidth", c.width}, {"MainWindowHeight", c.height}};
        auto editor = StartEditor(MakeRegistry(name, 0, 0, 0, 0, saved), log);
        ASSERT_TRUE(editor->Started());
        const Window frame = WaitForFrame();
        ASSERT_NE(frame, 0u) << "the main window did not come up";
        const Point origin = WindowOrigin(frame);

        // The library window's caption, just under the menu bar, once painted.
        const int captionFrom = origin.y + kMenuBarHeight;
        const auto showsCaption = [&](const RgbImage& screen) {
            for (int row = captionFrom; row < captionFrom + 30; ++row)
                for (const COLORREF caption : captions)
                    if (ShowsRun(screen, row, origin.x, kScreenWidth, caption, 100))
                        return true;
            return false;
        };
        RgbImage screen = CaptureScreen(x_);
        for (const auto deadline = std::chrono::steady_clock::now() + kPatience;
             !showsCaption(screen) && std::chrono::steady_clock::now() < deadline; screen = CaptureScreen(x_))
            std::this_thread::sleep_for(200ms);
        EXPECT_TRUE(SavePng(screen, fs::path(VQ_TEST_OUTPUT_DIR) / (name + ".png")));
        EXPECT_TRUE(showsCaption(screen)) << "a library window's caption shows";
        // The frame has taken its size by the time it paints.
        XWindowAttributes size{};
        XGetWindowAttributes(x_, frame, &size);
        EXPECT_TRUE(ShowsRun(screen, origin.y + kMenuBarHeight / 2, origin.x, origin.x + size.width,
                             GetSysColor(COLOR_MENU), 20))
            << "the menu bar shows";

        EXPECT_GE(origin.x, 0);
        EXPECT_GE(origin.y, 0);
        EXPECT_LE(origin.x + size.width, kScreenWidth);
        EXPECT_LE(origin.y + size.height, kScreenHeight);
        EXPECT_GE(size.width, 300);
        EXPECT_GE(size.height, kMenuBarHeight + 200);

        RequestClose(frame);
        EXPECT_EQ(editor->Wait(kPatience), 0) << ReadText(log);
        EXPECT_EQ(ReadText(log).find("skipped"), std::string::npos) << "every saved word was read";
        const auto kept = ReadSettingsDwords(registry_);
        EXPECT_EQ(kept.at("MainWindowX"), origin.x) << "the frame's place is saved as it was shown";
        EXPECT_EQ(kept.at("MainWindowY"), origin.y);
        fs::remove_all(registry_);
    }
}

TEST_F(EditorOnDesktop, PreferencesShowAKnobModeAndThemeSetByHandOutsideTheirListsAsTheNearestChoice)
{
    const fs::path log = fs::path(VQ_TEST_OUTPUT_DIR) / "settings_out_of_range.log";
    auto editor = StartEditor(
        MakeRegistry("settings_out_of_range", 0, 0, 780, 560, {{"KnobMode", 9}, {"BackgroundColour", 7}}), log);
    ASSERT_TRUE(editor->Started());
    const Window frame = WaitForFrame();
    ASSERT_NE(frame, 0u) << "the main window did not come up";
    // The white theme is in effect: the library window's page strip is the white one.
    const RgbImage whiteStrip = LoadSkinBitmap("BG_PageSelectWhite");
    const std::optional<Point> strip = WaitForPicture(whiteStrip, kStripFreeFrom, 600);
    EXPECT_TRUE(strip.has_value()) << "the white theme's page strip did not show";

    const RgbImage before = CaptureScreen(x_);
    ChooseMenuItem(frame, {"alt+o", "p"});
    const Window preferences = WaitForWindow("^Preferences$", kPatience, frame);
    ASSERT_NE(preferences, 0u) << "the preferences did not come up";
    EXPECT_TRUE(SavePng(WaitForChange(before), fs::path(VQ_TEST_OUTPUT_DIR) / "settings_out_of_range.png"));
    // OK without a change. A restart notice would come before the
    // preferences go, and hold them open until answered.
    bool closed = false;
    Window notice = 0;
    for (const auto deadline = std::chrono::steady_clock::now() + kPatience;
         !closed && notice == 0 && std::chrono::steady_clock::now() < deadline;) {
        Keys(preferences, {"Return"});
        closed = WaitUntilGone(preferences, 10s);
        if (!closed)
            notice = WaitForWindow("^Background Color$", 5s, frame);
    }
    EXPECT_EQ(notice, 0u) << "the restart notice came though the theme did not change";
    if (notice != 0) {
        Keys(notice, {"Return"});
        closed = WaitUntilGone(preferences);
    }
    ASSERT_TRUE(closed) << "the preferences stayed open";

    ChooseMenuItem(frame, {"alt+f", "x"});
    ASSERT_EQ(editor->Wait(kPatience), 0) << ReadText(log);
    const auto saved = ReadSettingsDwords(registry_);
    EXPECT_EQ(saved.at("KnobMode"), 2) << "Linear was shown and kept";
    EXPECT_EQ(saved.at("BackgroundColour"), 2) << "White was shown and kept";
}

}  // namespace
}  // namespace desktop_test
