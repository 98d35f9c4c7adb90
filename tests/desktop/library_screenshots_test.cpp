// The library window as the user first sees it, in each colour theme and
// in English and Japanese: the editor is started with the theme in its
// settings and the language in its locale, the window's page strip is
// found on the screen by its own skin bitmap, a program's edit window is
// opened by a double click on its row and the global page by its tab, its
// buttons open the windows of the program's parts and the CC map's lines
// their value question, the synth window's knobs their value boxes while
// held (Show Values is on), screenshots are kept in the build folder, and
// the editor ends through File > Exit.
#include "desktop_editor_fixture.h"
#include "editor/ProgramListGeometry.h"
#include "editor/layout/Layouts.h"

#include <thread>

namespace desktop_test {
namespace {

using namespace std::chrono_literals;

// Each language with the title of its save question.
struct Language
{
    const char* name;
    const char* locale;
    const char* question;
};
constexpr Language kLanguages[] = {{"en", "en_US.UTF-8", "^Confirm$"}, {"ja", "ja_JP.UTF-8", "^確認$"}};
// The page tabs are 69 pixels wide, 8 apart, from the tab area's left end.
constexpr int kTabPitch = 77;
constexpr int kTabHalf = 34;

// The program edit page's buttons that open the part windows, and the
// switch that turns the program's vocoder on.
constexpr int kSynthButton = 0;
constexpr int kVocoderButton = 5;
constexpr int kVocoderSwitch = 35;
// A part window opens this far right of and below the program's window.
constexpr int kPartWindowOffset = 30;
constexpr std::pair<int, const char*> kPartButtons[] = {
    {kSynthButton, "timbre_synth"}, {1, "timbre_eq"}, {4, "arpeggiator"}, {6, "master_effect"},
    {kVocoderButton, "vocoder"},
};

const layout::Control& EditPageControl(int id)
{
    return layout::ProgramEditLayout().controls[static_cast<std::size_t>(id)];
}

bool SamePixel(const RgbImage& a, Point inA, const RgbImage& b, Point inB)
{
    return std::equal(a.At(inA.x, inA.y), a.At(inA.x, inA.y) + 3, b.At(inB.x, inB.y));
}

const layout::Control& SynthControl(const std::string& name)
{
    static const layout::Window synth = layout::SynthEditLayout();
    for (const layout::Control& control : synth.controls)
        if (name == control.name)
            return control;
    return synth.controls.front();
}

class LibraryWindowScreenshots : public EditorOnDesktop
{
protected:
    LibraryWindowScreenshots() : EditorOnDesktop("1280x1024x24") {}

    static fs::path Folder()
    {
        const fs::path folder = fs::path(VQ_TEST_OUTPUT_DIR) / "screenshots";
        fs::create_directories(folder);
        return folder;
    }

    // One editor run in the theme: its library window, a program's edit
    // window, the part windows and the global page, each kept as a picture.
    void ShowEveryWindow(int theme, const std::string& suffix, const Language& language)
    {
        const std::string name = "library" + suffix;
        const fs::path log = Folder() / (name + ".log");
        auto editor =
            StartEditor(MakeRegistry(name, 0, 0, 1100, 800, {{"BackgroundColour", theme}, {"ShowValueLayer", 1}}), log);
        ASSERT_TRUE(editor->Started());
        const Window frame = WaitForFrame();
        ASSERT_NE(frame, 0u) << "the main window did not come up";
        const std::optional<Point> strip = WaitForPicture(strips_[theme], kStripFreeFrom, kStripFreeTo);
        const RgbImage screen = CaptureScreen(x_);
        EXPECT_TRUE(SavePng(screen, Folder() / (name + ".png")));
        ASSERT_TRUE(strip.has_value()) << "the library window's page strip was not painted";

        // The theme's own strip, not another's.
        for (int other = 0; other < kThemes; ++other) {
            if (other != theme) {
                EXPECT_FALSE(ShowsAt(screen, strips_[other], *strip, kStripFreeFrom, kStripFreeTo))
                    << "theme " << other;
            }
        }
        // At the top left of the frame's inside, under the menu bar and the
        // window's caption, and there in every theme.
        const Point origin = WindowOrigin(frame);
        EXPECT_GE(strip->x, origin.x);
        EXPECT_LE(strip->x, origin.x + 8);
        EXPECT_GE(strip->y, origin.y + 20);
        EXPECT_LE(strip->y, origin.y + 60);
        if (firstPlace_)
            EXPECT_EQ(*strip, *firstPlace_);
        else
            firstPlace_ = strip;
        const std::uint8_t* page = screen.At(strip->x + 10, strip->y + kStripHeight + 20);
        pageColours_.emplace_back(page, page + 3);

        // A double click on the second program's row opens its edit window.
        const Point row = {strip->x + program_list::kListX + 40,
                           strip->y + kStripHeight + program_list::kListY + program_list::kRowHeight * 3 / 2};
        const RgbImage edit = DoubleClickUntil(row, [&](const RgbImage& shown) {
            return !ShowsAt(shown, strips_[theme], *strip, kStripFreeFrom, kStripFreeTo);
        });
        EXPECT_TRUE(SavePng(edit, Folder() / ("program_edit" + suffix + ".png")));
        EXPECT_NE(edit.rgb, screen.rgb) << "no edit window opened";

        // The edit window opens where the library window is, so its page
        // starts where the strip does. Its buttons open the part windows;
        // the vocoder's only once the program's vocoder is switched on.
        RgbImage shown = edit;
        for (const auto& [control, part] : kPartButtons) {
            if (control == kVocoderButton)
                shown = WaitForChange(ClickControl(*strip, EditPageControl(kVocoderSwitch), shown));
            const RgbImage opened = WaitForChange(ClickControl(*strip, EditPageControl(control), shown));
            EXPECT_TRUE(SavePng(opened, Folder() / (std::string(part) + suffix + ".png")));
            EXPECT_NE(opened.rgb, shown.rgb) << "the " << part << " window did not open";
            if (control == kSynthButton)
                ShowValueBoxes({strip->x + kPartWindowOffset, strip->y + kPartWindowOffset}, opened, suffix);
            Keys(frame, {"ctrl+w"});
            shown = WaitForChange(opened);
        }
        Keys(frame, {"ctrl+w"});
        const RgbImage closed = WaitForChange(shown);

        // The global tab makes the global page current: the two tabs swap looks.
        const layout::Control& tabs = layout::PageSelectLayout().controls[1];
        const Point programFace = {strip->x + tabs.x + 4, strip->y + tabs.y + 4};
        const Point globalFace = {programFace.x + kTabPitch, programFace.y};
        Click({programFace.x + kTabPitch + kTabHalf, strip->y + tabs.y + tabs.h / 2});
        const RgbImage global = WaitForChange(closed);
        EXPECT_TRUE(SavePng(global, Folder() / ("global" + suffix + ".png")));
        EXPECT_TRUE(SamePixel(global, programFace, closed, globalFace)) << "the program tab does not look aside";
        EXPECT_TRUE(SamePixel(global, globalFace, closed, programFace)) << "the global tab does not look current";

        // A double click on the CC map's first line asks for its number;
        // the question is left with Escape.
        const layout::Window ccMap = layout::CcMapLayout();
        DoubleClickUntil({strip->x + ccMap.originX + 80, strip->y + kStripHeight + ccMap.originY + 7},
                         [&](const RgbImage&) { return !ShownWindows("^CC# Map$").empty(); });
        const Window ask = WaitForWindow("^CC# Map$");
        EXPECT_NE(ask, 0u) << "no CC number question";
        if (ask != 0) {
            EXPECT_TRUE(SavePng(WaitForChange(global), Folder() / ("cc_map_value" + suffix + ".png")));
            EXPECT_TRUE(Answer(ask, "Escape")) << "the CC number question stayed";
        }

        // The vocoder switch changed the library: its save question is
        // answered No (the second button).
        ChooseMenuItem(frame, {"alt+f", "x"});
        const Window question = WaitForDialog(language.question, DialogKind::MessageBox);
        ASSERT_NE(question, 0u) << "no save question";
        Keys(question, {"Tab", "Return"});
        EXPECT_EQ(editor->Wait(kPatience), 0) << ReadText(log);
    }

    // Show Values is on: a held knob shows its value beside it, and the box
    // goes once the knob is let go, so two knobs turned one after the other
    // never show two boxes.
    void ShowValueBoxes(Point synth, const RgbImage& opened, const std::string& suffix)
    {
        const layout::Control& cutoff = SynthControl("Filter 1 Cutoff");
        const layout::Control& resonance = SynthControl("Filter 1 Resonance");
        // Open in a new program: the cutoff turned down, the resonance up.
        TurnKnob(synth, cutoff, 10);
        Tool({"mouseup", "1"});
        std::this_thread::sleep_for(500ms);
        TurnKnob(synth, resonance, -10);
        const RgbImage held = CaptureScreen(x_);
        EXPECT_TRUE(SavePng(held, Folder() / ("timbre_synth_values" + suffix + ".png")));
        Tool({"mouseup", "1"});
        std::this_thread::sleep_for(500ms);
        // The cutoff's box sat right of the knob on its bottom edge; the
        // resonance's box shows while its knob is held.
        auto sameBox = [&](const RgbImage& screen, const layout::Control& knob) {
            const int left = synth.x + knob.x + knob.w;
            const int bottom = synth.y + knob.y + knob.h;
            for (int y = bottom - 11; y < bottom; ++y)
                for (int x = left; x < left + 21; ++x)
                    if (!SamePixel(screen, {x, y}, opened, {x, y}))
                        return false;
            return true;
        };
        EXPECT_TRUE(sameBox(held, cutoff)) << "the released cutoff knob's box stayed";
        EXPECT_FALSE(sameBox(held, resonance)) << "the held resonance knob shows no box";
        EXPECT_TRUE(sameBox(CaptureScreen(x_), resonance)) << "the released resonance knob's box stayed";
    }

    // Pressed in its middle and moved four times by step pixels (down when
    // positive), still held.
    void TurnKnob(Point synth, const layout::Control& knob, int step)
    {
        const Point at = {synth.x + knob.x + knob.w / 2, synth.y + knob.y + knob.h / 2};
        Tool({"mousemove", "--sync", std::to_string(at.x), std::to_string(at.y)});
        Tool({"mousedown", "1"});
        for (int n = 1; n <= 4; ++n) {
            Tool({"mousemove", "--sync", std::to_string(at.x), std::to_string(at.y + step * n)});
            std::this_thread::sleep_for(150ms);
        }
        std::this_thread::sleep_for(300ms);
    }

    RgbImage strips_[kThemes];
    std::optional<Point> firstPlace_;
    std::vector<std::vector<std::uint8_t>> pageColours_;
};

TEST_F(LibraryWindowScreenshots, TheFirstLibraryWindowInEachColourThemeAndLanguage)
{
    for (int theme = 0; theme < kThemes; ++theme) {
        strips_[theme] = LoadSkinBitmap(kStripBitmaps[theme]);
        ASSERT_FALSE(strips_[theme].rgb.empty()) << kStripBitmaps[theme];
    }
    for (const Language& language : kLanguages) {
        const xvfb_test::ScopedVariable locale("LC_ALL", language.locale);
        pageColours_.clear();
        for (int theme = 0; theme < kThemes; ++theme) {
            const std::string suffix = std::string("_") + language.name + "_theme" + std::to_string(theme);
            SCOPED_TRACE(suffix);
            ShowEveryWindow(theme, suffix, language);
            if (HasFatalFailure())
                return;
        }
        // Each theme paints the program page's background in a colour of its own.
        ASSERT_EQ(pageColours_.size(), 3u);
        EXPECT_NE(pageColours_[0], pageColours_[1]);
        EXPECT_NE(pageColours_[1], pageColours_[2]);
        EXPECT_NE(pageColours_[0], pageColours_[2]);
    }
}

}  // namespace
}  // namespace desktop_test
