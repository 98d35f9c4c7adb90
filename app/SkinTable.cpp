#include "app/SkinTable.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcDrawContext.h"

#include <algorithm>

namespace {

// A bitmap's index is its place here: layers and controls ask by index.
constexpr char kSkinTable[CResourceManager::kBitmapCount][CResourceManager::kNameStride] = {
    "LcdChar",
    "LcdCharDim",
    "LcdCharSelected",
    "LcdCharBack",
    "LcdCharWhite",
    "LcdCharWhiteDim",
    "LcdCharWhiteSelected",
    "LcdCharWhiteBack",
    "LcdCharLarge",
    "LcdCharLargeDim",
    "LcdCharLargeSelected",
    "LcdCharLargeWhite",
    "LcdCharLargeWhiteDim",
    "LcdCharLargeWhiteSelected",
    "LcdCharStrong",
    "LcdCharStrongDim",
    "LedButtonLarge",
    "LedButtonLargeDim",
    "LedStepRed",
    "Knob",
    "KnobDim",
    "SwitchOnOff",
    "SwitchOnOffDim",
    "ButtonCategoryHold",
    "ButtonEdit",
    "ButtonEditDim",
    "ButtonFunction",
    "ButtonFunctionDim",
    "ButtonRandomize",
    "ButtonRandomizeDim",
    "TriggerButtonSmall",
    "TriggerButtonSmallDim",
    "VerticalSliderTop",
    "VerticalSliderTopDim",
    "ButtonArrowLeft",
    "ButtonArrowLeftDim",
    "ButtonArrowRight",
    "ButtonArrowRightDim",
    "BitmapListFilterRouting",
    "BitmapListPageSelectTab",
    "BitmapListVelocityCurve",
    "BitmapListVoiceMode",
    "BitmapListOsc1Ctrl1",
    "BitmapListOsc1Ctrl2",
    "LogoSr2Editor",
    "LogoSr2EditorBlack",
    "BG_MasterFXEdit",
    "BG_ArpEdit",
    "BG_VocoderEdit",
    "BG_SynthEdit",
    "BG_ProgramList",
    "BG_MidiMonitor",
    "BG_StatusLog",
    "BG_PageSelect",
    "BG_GlobalEdit",
    "BG_VersionInfo",
    "BG_TimbreEqEdit",
    "BG_ProgramEdit",
    "BG_MasterFXEditBlack",
    "BG_ArpEditBlack",
    "BG_VocoderEditBlack",
    "BG_SynthEditBlack",
    "BG_ProgramListBlack",
    "BG_MidiMonitorBlack",
    "BG_StatusLogBlack",
    "BG_PageSelectBlack",
    "BG_GlobalEditBlack",
    "BG_VersionInfoBlack",
    "BG_TimbreEqEditBlack",
    "BG_ProgramEditBlack",
    "BG_MasterFXEditWhite",
    "BG_ArpEditWhite",
    "BG_VocoderEditWhite",
    "BG_SynthEditWhite",
    "BG_ProgramListWhite",
    "BG_MidiMonitorWhite",
    "BG_StatusLogWhite",
    "BG_PageSelectWhite",
    "BG_GlobalEditWhite",
    "BG_VersionInfoWhite",
    "BG_TimbreEqEditWhite",
    "BG_ProgramEditWhite",
    "BG_ProgramListFav",
    "BG_ProgramListBlackFav",
    "BG_ProgramListWhiteFav",
    "BG_GlobalEditFav",
    "BG_GlobalEditBlackFav",
    "BG_GlobalEditWhiteFav",
    "BitmapListOscWaveform",
    "BitmapListOsc1Mod",
    "BitmapListOsc2Mod",
    "ValueBarMixer",
    "ScaleKeyboard",
    "FormantHoldBar",
    "KnobLarge",
    "KnobLargeDim",
    "KnobSmall",
    "KnobSmallDim",
    "ButtonEditEq",
    "ButtonEditEqDim",
    "ButtonEditLarge",
    "ButtonEditLargeDim",
    "ButtonEditSynth",
    "ButtonEditSynthDim",
    "ButtonPopup",
    "ButtonPopupDim",
};

constexpr std::string_view kFavourite = "Fav";
constexpr int kLogoMargin = 5;

constexpr int kWhiteTheme = 2;  // the last of the three
int g_colourTheme = 0;

}  // namespace

const char* CResourceManager::GetBitmapTable(int& count, int& stride)
{
    count = kBitmapCount;
    stride = kNameStride;
    return kSkinTable[0];
}

int GetColourTheme()
{
    return g_colourTheme;
}

void SetColourTheme(int theme)
{
    g_colourTheme = std::clamp(theme, 0, kWhiteTheme);
}

std::string ThemedBitmapName(std::string_view base, int theme)
{
    const std::string_view word = theme == 1 ? "Black" : theme == 2 ? "White" : "";
    std::string name(base);
    const std::size_t at = base.ends_with(kFavourite) ? base.size() - kFavourite.size() : base.size();
    return name.insert(at, word);
}

const char* LogoBitmapName(int theme)
{
    return theme == 2 ? "LogoSr2EditorBlack" : "LogoSr2Editor";
}

void DrawLogo(CHfcDrawContext* context, int width)
{
    CHfcBmp* logo = GetBitmap(LogoBitmapName(GetColourTheme()));
    if (context == nullptr || logo == nullptr)
        return;
    context->DrawBitmap(width - logo->GetWidth() - kLogoMargin, kLogoMargin, logo->GetWidth(), logo->GetHeight(), logo,
                        0, 0);
}
