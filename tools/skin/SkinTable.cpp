#include "SkinTable.h"

#include "Backgrounds.h"
#include "Controls.h"
#include "Displays.h"
#include "Fonts.h"
#include "Theme.h"

#include <iostream>

namespace skin {
namespace {

void AddFonts(std::vector<SkinEntry>& entries)
{
    constexpr Argb kDark = 0xFF101010;
    const auto add = [&entries](const std::string& name, bool large, Argb glyph, Argb backing) {
        const FontStyle style{large, glyph, backing};
        entries.push_back({name, FontCellWidth(large), FontCellHeight(large) * kFontCells, kFontCells,
                           [style](const Canvas& c) { DrawFontStrip(c, style); }});
    };
    // Dark glyphs for light fills, light glyphs for the LCD panels.
    for (bool large : {false, true}) {
        const std::string base = large ? "LcdCharLarge" : "LcdChar";
        add(base, large, kDark, 0);
        add(base + "Dim", large, 0xFF707070, 0);
        add(base + "Selected", large, 0xFFF0F0F0, 0xFF202020);
        if (!large)
            add(base + "Back", large, kDark, 0xFFD0D0D0);
        add(base + "White", large, kLcdText, 0);
        add(base + "WhiteDim", large, 0xFF6C6C6C, 0);
        add(base + "WhiteSelected", large, kDark, 0xFFE0E0E0);
        if (!large)
            add(base + "WhiteBack", large, kLcdText, 0xFF28313C);
    }
    add("LcdCharStrong", false, 0xFFFFB43C, 0);
    add("LcdCharStrongDim", false, 0xFF7A5A22, 0);
}

// A strip and its disabled twin.
void AddWithDim(std::vector<SkinEntry>& entries, const std::string& name, int w, int h, int frames,
                const std::function<void(const Canvas&)>& draw, bool withDim = true)
{
    entries.push_back({name, w, h, frames, draw});
    if (withDim) {
        entries.push_back({name + "Dim", w, h, frames, [draw](const Canvas& c) {
                               draw(c);
                               Dim(c);
                           }});
    }
}

std::function<void(const Canvas&)> Button(const std::string& label, ButtonIcon icon = ButtonIcon::None)
{
    return [label, icon](const Canvas& c) { DrawButtonStrip(c, label, icon); };
}

std::function<void(const Canvas&)> Background(const std::string& base, const std::string& name, int theme)
{
    return [base, name, theme](const Canvas& c) {
        for (const std::string& caption : DrawBackground(c, base.c_str(), ThemeAt(theme)).unplaced)
            std::cerr << name << ": no room for the caption \"" << caption << "\"\n";
    };
}

void AddBackgrounds(std::vector<SkinEntry>& entries)
{
    struct Size
    {
        const char* name;
        int w, h;
        const char* drawnAs;  // the background whose art it repeats
    };
    const Size plain[] = {
        {"BG_MasterFXEdit", 630, 518, "BG_MasterFXEdit"},  {"BG_ArpEdit", 342, 227, "BG_ArpEdit"},
        {"BG_VocoderEdit", 690, 408, "BG_VocoderEdit"},    {"BG_SynthEdit", 794, 600, "BG_SynthEdit"},
        {"BG_ProgramList", 982, 630, "BG_ProgramListFav"}, {"BG_MidiMonitor", 600, 178, "BG_MidiMonitor"},
        {"BG_StatusLog", 600, 178, "BG_StatusLog"},        {"BG_PageSelect", 982, 37, "BG_PageSelect"},
        {"BG_GlobalEdit", 982, 630, "BG_GlobalEditFav"},   {"BG_VersionInfo", 342, 279, "BG_VersionInfo"},
        {"BG_TimbreEqEdit", 342, 166, "BG_TimbreEqEdit"},  {"BG_ProgramEdit", 594, 563, "BG_ProgramEdit"},
    };
    for (int theme = 0; theme < kThemeCount; ++theme) {
        for (const Size& s : plain) {
            const std::string name = std::string(s.name) + ThemeAt(theme).suffix;
            entries.push_back({name, s.w, s.h, 1, Background(s.drawnAs, name, theme)});
        }
    }
    for (const char* base : {"BG_ProgramList", "BG_GlobalEdit"}) {
        for (int theme = 0; theme < kThemeCount; ++theme) {
            const std::string name = std::string(base) + ThemeAt(theme).suffix + "Fav";
            entries.push_back({name, 982, 630, 1, Background(std::string(base) + "Fav", name, theme)});
        }
    }
}

}  // namespace

std::vector<SkinEntry> SkinEntries()
{
    std::vector<SkinEntry> entries;
    AddFonts(entries);
    AddWithDim(entries, "LedButtonLarge", 9, 44, 4, DrawLampStrip);
    entries.push_back({"LedStepRed", 12, 204, 17, [](const Canvas& c) { DrawStepLampStrip(c, 17); }});
    AddWithDim(entries, "Knob", 27, 27 * kKnobFrames, kKnobFrames, [](const Canvas& c) { DrawKnobStrip(c, 27); });
    AddWithDim(entries, "SwitchOnOff", 33, 48, 4, DrawSwitchStrip);
    AddWithDim(entries, "ButtonCategoryHold", 48, 24, 2, Button("HOLD"), false);
    AddWithDim(entries, "ButtonEdit", 33, 24, 2, Button("EDIT"));
    for (bool disabled : {false, true}) {
        entries.push_back({std::string(kSharedButtonStrip) + (disabled ? "Dim" : ""), 48, 24, 2,
                           [disabled](const Canvas& c) { DrawSharedButtonStrip(c, disabled); }});
    }
    AddWithDim(entries, "ButtonRandomize", 52, 24, 2, Button("RANDOM"));
    AddWithDim(entries, "TriggerButtonSmall", 19, 76, 4, DrawTriggerStrip);
    AddWithDim(entries, "VerticalSliderTop", 22, 12, 1, DrawSliderThumb);
    AddWithDim(entries, "ButtonArrowLeft", 22, 24, 2, Button("", ButtonIcon::ArrowLeft));
    AddWithDim(entries, "ButtonArrowRight", 22, 24, 2, Button("", ButtonIcon::ArrowRight));
    entries.push_back({"BitmapListFilterRouting", 113, 256, 4, DrawFilterRoutingStrip});
    entries.push_back({"BitmapListPageSelectTab", 170, 74, 2, DrawPageTabStrip});
    entries.push_back({"BitmapListVelocityCurve", 32, 216, 9, DrawVelocityCurveStrip});
    entries.push_back({"BitmapListVoiceMode", 246, 196, 4, DrawVoiceModeStrip});
    for (int control : {1, 2}) {
        entries.push_back({"BitmapListOsc1Ctrl" + std::to_string(control), 54, 99, 11,
                           [control](const Canvas& c) { DrawTextStrip(c, Osc1ControlCaptions(control)); }});
    }
    entries.push_back({"LogoSr2Editor", 170, 30, 1, [](const Canvas& c) { DrawLogo(c, 0xFFF2F2F2); }});
    entries.push_back({"LogoSr2EditorBlack", 170, 30, 1, [](const Canvas& c) { DrawLogo(c, 0xFF141414); }});
    AddBackgrounds(entries);
    entries.push_back({"BitmapListOscWaveform", 57, 256, 8, DrawWaveformStrip});
    entries.push_back({"BitmapListOsc1Mod", 56, 44, 4, [](const Canvas& c) {
                           DrawTextStrip(c, {"WAVEFORM", "CROSS", "UNISON", "VPM"});
                       }});
    entries.push_back({"BitmapListOsc2Mod", 56, 44, 4, [](const Canvas& c) {
                           DrawTextStrip(c, {"OFF", "RING", "SYNC", "RING+SYNC"});
                       }});
    entries.push_back({"ValueBarMixer", 62, 11, 1, DrawHorizontalBar});
    entries.push_back({"ScaleKeyboard", 236, 75, 1, DrawScaleKeyboard});
    entries.push_back({"FormantHoldBar", 12, 96, 1, DrawVerticalBar});
    AddWithDim(entries, "KnobLarge", 34, 34 * kKnobFrames, kKnobFrames, [](const Canvas& c) { DrawKnobStrip(c, 34); });
    AddWithDim(entries, "KnobSmall", 21, 21 * kKnobFrames, kKnobFrames, [](const Canvas& c) { DrawKnobStrip(c, 21); });
    AddWithDim(entries, "ButtonEditEq", 33, 24, 2, Button("EQ"));
    AddWithDim(entries, "ButtonEditLarge", 66, 24, 2, Button("EDIT"));
    AddWithDim(entries, "ButtonEditSynth", 66, 24, 2, Button("SYNTH"));
    AddWithDim(entries, "ButtonPopup", 48, 24, 2, Button("VIEW", ButtonIcon::Menu));
    return entries;
}

}  // namespace skin
