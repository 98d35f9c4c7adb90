// The embedded skin: every bitmap the editor names, with the size and frame
// layout its controls slice it by, in a form the PNG decoder takes.
#include "skin_png.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string>

namespace {

using skin_test::DecodeResource;
using skin_test::Image;
using skin_test::Luma;

struct Expected
{
    const char* name;
    int width, height, frames;
};

// In the order of the editor's bitmap table.
constexpr Expected kBitmaps[] = {
    {"LcdChar", 6, 1152, 128},
    {"LcdCharDim", 6, 1152, 128},
    {"LcdCharSelected", 6, 1152, 128},
    {"LcdCharBack", 6, 1152, 128},
    {"LcdCharWhite", 6, 1152, 128},
    {"LcdCharWhiteDim", 6, 1152, 128},
    {"LcdCharWhiteSelected", 6, 1152, 128},
    {"LcdCharWhiteBack", 6, 1152, 128},
    {"LcdCharLarge", 7, 1408, 128},
    {"LcdCharLargeDim", 7, 1408, 128},
    {"LcdCharLargeSelected", 7, 1408, 128},
    {"LcdCharLargeWhite", 7, 1408, 128},
    {"LcdCharLargeWhiteDim", 7, 1408, 128},
    {"LcdCharLargeWhiteSelected", 7, 1408, 128},
    {"LcdCharStrong", 6, 1152, 128},
    {"LcdCharStrongDim", 6, 1152, 128},
    {"LedButtonLarge", 9, 44, 4},
    {"LedButtonLargeDim", 9, 44, 4},
    {"LedStepRed", 12, 204, 17},
    {"Knob", 27, 2727, 101},
    {"KnobDim", 27, 2727, 101},
    {"SwitchOnOff", 33, 48, 4},
    {"SwitchOnOffDim", 33, 48, 4},
    {"ButtonCategoryHold", 48, 24, 2},
    {"ButtonEdit", 33, 24, 2},
    {"ButtonEditDim", 33, 24, 2},
    {"ButtonFunction", 48, 24, 2},
    {"ButtonFunctionDim", 48, 24, 2},
    {"ButtonRandomize", 52, 24, 2},
    {"ButtonRandomizeDim", 52, 24, 2},
    {"TriggerButtonSmall", 19, 76, 4},
    {"TriggerButtonSmallDim", 19, 76, 4},
    {"VerticalSliderTop", 22, 12, 1},
    {"VerticalSliderTopDim", 22, 12, 1},
    {"ButtonArrowLeft", 22, 24, 2},
    {"ButtonArrowLeftDim", 22, 24, 2},
    {"ButtonArrowRight", 22, 24, 2},
    {"ButtonArrowRightDim", 22, 24, 2},
    {"BitmapListFilterRouting", 113, 256, 4},
    {"BitmapListPageSelectTab", 170, 74, 2},
    {"BitmapListVelocityCurve", 32, 216, 9},
    {"BitmapListVoiceMode", 246, 196, 4},
    {"BitmapListOsc1Ctrl1", 54, 99, 11},
    {"BitmapListOsc1Ctrl2", 54, 99, 11},
    {"LogoSr2Editor", 170, 30, 1},
    {"LogoSr2EditorBlack", 170, 30, 1},
    {"BG_MasterFXEdit", 630, 518, 1},
    {"BG_ArpEdit", 342, 227, 1},
    {"BG_VocoderEdit", 690, 408, 1},
    {"BG_SynthEdit", 794, 600, 1},
    {"BG_ProgramList", 982, 630, 1},
    {"BG_MidiMonitor", 600, 178, 1},
    {"BG_StatusLog", 600, 178, 1},
    {"BG_PageSelect", 982, 37, 1},
    {"BG_GlobalEdit", 982, 630, 1},
    {"BG_VersionInfo", 342, 279, 1},
    {"BG_TimbreEqEdit", 342, 166, 1},
    {"BG_ProgramEdit", 594, 563, 1},
    {"BG_MasterFXEditBlack", 630, 518, 1},
    {"BG_ArpEditBlack", 342, 227, 1},
    {"BG_VocoderEditBlack", 690, 408, 1},
    {"BG_SynthEditBlack", 794, 600, 1},
    {"BG_ProgramListBlack", 982, 630, 1},
    {"BG_MidiMonitorBlack", 600, 178, 1},
    {"BG_StatusLogBlack", 600, 178, 1},
    {"BG_PageSelectBlack", 982, 37, 1},
    {"BG_GlobalEditBlack", 982, 630, 1},
    {"BG_VersionInfoBlack", 342, 279, 1},
    {"BG_TimbreEqEditBlack", 342, 166, 1},
    {"BG_ProgramEditBlack", 594, 563, 1},
    {"BG_MasterFXEditWhite", 630, 518, 1},
    {"BG_ArpEditWhite", 342, 227, 1},
    {"BG_VocoderEditWhite", 690, 408, 1},
    {"BG_SynthEditWhite", 794, 600, 1},
    {"BG_ProgramListWhite", 982, 630, 1},
    {"BG_MidiMonitorWhite", 600, 178, 1},
    {"BG_StatusLogWhite", 600, 178, 1},
    {"BG_PageSelectWhite", 982, 37, 1},
    {"BG_GlobalEditWhite", 982, 630, 1},
    {"BG_VersionInfoWhite", 342, 279, 1},
    {"BG_TimbreEqEditWhite", 342, 166, 1},
    {"BG_ProgramEditWhite", 594, 563, 1},
    {"BG_ProgramListFav", 982, 630, 1},
    {"BG_ProgramListBlackFav", 982, 630, 1},
    {"BG_ProgramListWhiteFav", 982, 630, 1},
    {"BG_GlobalEditFav", 982, 630, 1},
    {"BG_GlobalEditBlackFav", 982, 630, 1},
    {"BG_GlobalEditWhiteFav", 982, 630, 1},
    {"BitmapListOscWaveform", 57, 256, 8},
    {"BitmapListOsc1Mod", 56, 44, 4},
    {"BitmapListOsc2Mod", 56, 44, 4},
    {"ValueBarMixer", 62, 11, 1},
    {"ScaleKeyboard", 236, 75, 1},
    {"FormantHoldBar", 12, 96, 1},
    {"KnobLarge", 34, 3434, 101},
    {"KnobLargeDim", 34, 3434, 101},
    {"KnobSmall", 21, 2121, 101},
    {"KnobSmallDim", 21, 2121, 101},
    {"ButtonEditEq", 33, 24, 2},
    {"ButtonEditEqDim", 33, 24, 2},
    {"ButtonEditLarge", 66, 24, 2},
    {"ButtonEditLargeDim", 66, 24, 2},
    {"ButtonEditSynth", 66, 24, 2},
    {"ButtonEditSynthDim", 66, 24, 2},
    {"ButtonPopup", 48, 24, 2},
    {"ButtonPopupDim", 48, 24, 2},
};

bool IsBackground(const std::string& name)
{
    return name.starts_with("BG_");
}

bool FramesDiffer(const Image& image, int frameHeight, int a, int b)
{
    for (int y = 0; y < frameHeight; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, a * frameHeight + y) != image.At(x, b * frameHeight + y))
                return true;
        }
    }
    return false;
}

TEST(SkinBitmaps, TheTableHasEveryNameOnce)
{
    std::set<std::string> names;
    for (const Expected& e : kBitmaps)
        names.insert(e.name);
    EXPECT_EQ(names.size(), 106u);
}

TEST(SkinBitmaps, EachIsAPlainEightBitPngOfItsSize)
{
    for (const Expected& e : kBitmaps) {
        SCOPED_TRACE(e.name);
        const auto bytes = skin_test::Resource(e.name);
        ASSERT_TRUE(bytes);
        const auto header = skin_test::ReadHeader(*bytes);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->width, static_cast<std::uint32_t>(e.width));
        EXPECT_EQ(header->height, static_cast<std::uint32_t>(e.height));
        EXPECT_EQ(header->bitDepth, 8);
        EXPECT_TRUE(header->colourType == PNG_COLOR_TYPE_RGB || header->colourType == PNG_COLOR_TYPE_RGB_ALPHA);
        EXPECT_EQ(header->interlace, PNG_INTERLACE_NONE);
        EXPECT_TRUE(skin_test::Decode(*bytes)) << "does not decode";
    }
}

TEST(SkinBitmaps, NeighbouringFramesOfControlStripsDiffer)
{
    for (const Expected& e : kBitmaps) {
        const std::string name = e.name;
        if (e.frames == 1 || name.starts_with("LcdChar"))
            continue;
        SCOPED_TRACE(name);
        const auto image = DecodeResource(name);
        ASSERT_TRUE(image);
        ASSERT_EQ(e.height % e.frames, 0);
        for (int f = 1; f < e.frames; ++f)
            EXPECT_TRUE(FramesDiffer(*image, e.height / e.frames, f - 1, f)) << "frames " << f - 1 << " and " << f;
    }
}

TEST(SkinBitmaps, BackgroundsAreOpaque)
{
    for (const Expected& e : kBitmaps) {
        if (!IsBackground(e.name))
            continue;
        SCOPED_TRACE(e.name);
        const auto image = DecodeResource(e.name);
        ASSERT_TRUE(image);
        bool opaque = true;
        for (int y = 0; y < image->height && opaque; ++y) {
            for (int x = 0; x < image->width && opaque; ++x)
                opaque = (image->At(x, y) >> 24) == 0xFF;
        }
        EXPECT_TRUE(opaque);
    }
}

TEST(SkinBitmaps, TheThreeThemesOfEachBackgroundDiffer)
{
    const std::string bases[] = {"BG_MasterFXEdit", "BG_ArpEdit",     "BG_VocoderEdit",  "BG_SynthEdit",
                                 "BG_ProgramList",  "BG_MidiMonitor", "BG_StatusLog",    "BG_PageSelect",
                                 "BG_GlobalEdit",   "BG_VersionInfo", "BG_TimbreEqEdit", "BG_ProgramEdit"};
    for (const std::string& base : bases) {
        for (const std::string tail : {"", "Fav"}) {
            if (!tail.empty() && base != "BG_ProgramList" && base != "BG_GlobalEdit")
                continue;
            const auto red = DecodeResource(base + tail);
            const auto black = DecodeResource(base + "Black" + tail);
            const auto white = DecodeResource(base + "White" + tail);
            ASSERT_TRUE(red && black && white) << base << tail;
            EXPECT_NE(red->rgba, black->rgba) << base << tail;
            EXPECT_NE(red->rgba, white->rgba) << base << tail;
            EXPECT_NE(black->rgba, white->rgba) << base << tail;
        }
    }
}

TEST(SkinBitmaps, DimVariantsHaveTheSizeOfTheirBaseAndLookDifferent)
{
    int dims = 0;
    for (const Expected& e : kBitmaps) {
        const std::string name = e.name;
        if (!name.ends_with("Dim"))
            continue;
        ++dims;
        SCOPED_TRACE(name);
        const std::string baseName = name.substr(0, name.size() - 3);
        const Expected* base = nullptr;
        for (const Expected& b : kBitmaps) {
            if (baseName == b.name)
                base = &b;
        }
        ASSERT_NE(base, nullptr);
        EXPECT_EQ(e.width, base->width);
        EXPECT_EQ(e.height, base->height);
        EXPECT_EQ(e.frames, base->frames);
        const auto dim = DecodeResource(name);
        const auto normal = DecodeResource(baseName);
        ASSERT_TRUE(dim && normal);
        EXPECT_EQ(dim->width, normal->width);
        EXPECT_EQ(dim->height, normal->height);
        EXPECT_NE(dim->rgba, normal->rgba);
    }
    EXPECT_GT(dims, 0);
}

TEST(SkinBitmaps, KnobPointersFollowTheAngleRule)
{
    // Frame i points at -156 + 3.12 i degrees, clockwise from 12 o'clock.
    for (const char* name : {"Knob", "KnobLarge", "KnobSmall"}) {
        SCOPED_TRACE(name);
        const auto image = DecodeResource(name);
        ASSERT_TRUE(image);
        const int size = image->width;
        const double r = size / 2.0;
        for (int frame : {0, 10, 25, 50, 75, 90, 100}) {
            const double angle = (-156.0 + 3.12 * frame) * std::numbers::pi / 180.0;
            auto sample = [&](double a) {
                const int x = static_cast<int>(r + std::sin(a) * r * 0.65);
                const int y = static_cast<int>(r - std::cos(a) * r * 0.65);
                return Luma(image->At(x, frame * size + y));
            };
            EXPECT_GT(sample(angle), sample(angle + std::numbers::pi / 2) + 60) << "frame " << frame;
            EXPECT_GT(sample(angle), sample(angle - std::numbers::pi / 2) + 60) << "frame " << frame;
        }
    }
}

TEST(SkinBitmaps, LevelBarsLookTheSameWhereverTheyAreCut)
{
    const auto mixer = DecodeResource("ValueBarMixer");
    const auto hold = DecodeResource("FormantHoldBar");
    ASSERT_TRUE(mixer && hold);
    for (int y = 0; y < mixer->height; ++y) {
        for (int x = 0; x < mixer->width; ++x) {
            EXPECT_EQ(mixer->At(x, y), mixer->At(0, y)) << x << "," << y;
            EXPECT_EQ(mixer->At(x, y) >> 24, 0xFFu);
        }
    }
    for (int y = 0; y < hold->height; ++y) {
        for (int x = 0; x < hold->width; ++x) {
            EXPECT_EQ(hold->At(x, y), hold->At(x, 0)) << x << "," << y;
            EXPECT_EQ(hold->At(x, y) >> 24, 0xFFu);
        }
    }
}

TEST(SkinBitmaps, StepLampStartsDarkAndBrightens)
{
    const auto lamp = DecodeResource("LedStepRed");
    ASSERT_TRUE(lamp);
    const int frames = 17;
    const int h = lamp->height / frames;
    int previous = -1;
    for (int f = 0; f < frames; ++f) {
        const int red = (lamp->At(h / 2, f * h + h / 2) >> 16) & 0xFF;
        EXPECT_GT(red, previous) << "frame " << f;
        previous = red;
    }
}

TEST(SkinBitmaps, PageTabsCoverTheirHitAreasAndLeaveTheRestClear)
{
    const auto tabs = DecodeResource("BitmapListPageSelectTab");
    ASSERT_TRUE(tabs);
    for (int frame = 0; frame < 2; ++frame) {
        const int top = frame * 37;
        for (int x : {18, 50, 85, 95, 130, 162}) {
            for (int y : {7, 20, 34})
                EXPECT_EQ(tabs->At(x, top + y) >> 24, 0xFFu) << x << "," << y;
        }
        for (auto [x, y] : {std::pair{2, 2}, {168, 2}, {90, 20}, {10, 30}})
            EXPECT_EQ(tabs->At(x, top + y) >> 24, 0u) << x << "," << y;
    }
    // the current tab is the light one
    EXPECT_GT(Luma(tabs->At(30, 10)), Luma(tabs->At(110, 10)));
    EXPECT_LT(Luma(tabs->At(30, 37 + 10)), Luma(tabs->At(110, 37 + 10)));
}

TEST(SkinBitmaps, ScaleKeyboardKeysLieUnderTheirFields)
{
    const auto keyboard = DecodeResource("ScaleKeyboard");
    ASSERT_TRUE(keyboard);
    // field x of each key; white fields at y 52, black at y 23, 18x9
    for (int x : {9, 42, 75, 108, 143, 176, 209})
        EXPECT_GT(Luma(keyboard->At(x + 9, 56)), 150) << x;
    for (int x : {23, 62, 118, 161, 202})
        EXPECT_LT(Luma(keyboard->At(x + 9, 27)), 60) << x;
}

}  // namespace
