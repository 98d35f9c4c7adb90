// Saves a screenshot of each of the shell's dialogs, in English and in
// Japanese, filled as a user would see them, so that anyone can check that
// every text fits. CI runs it on a virtual X server.
//
//   dialog_screenshots <folder>
#include "app/GlobalMapValueDialog.h"
#include "app/PreferencesDialog.h"
#include "app/ProgramInfoDialog.h"
#include "app/ProgressDialog.h"
#include "framework/services/QRVResource.h"
#include "model/LocalizedText.h"

#include <platform/display.h>
#include <platform/painting.h>
#include <platform/testing.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

struct Language
{
    const char* locale;
    const char* suffix;
    const char* mapTitle;
    const char* mapLabel;
};

constexpr Language kLanguages[] = {
    {"en_US.UTF-8", "en", "CC Number Map", "Knob 1 Assign"},
    {"ja_JP.UTF-8", "ja", "CCナンバー・マップ", "ノブ1のアサイン"},
};

std::filesystem::path g_folder;
int g_failures = 0;

void Save(HWND dialog, const std::string& name)
{
    platform::testing::PumpMessages();
    UpdateWindow(dialog);
    const std::string path = (g_folder / (name + ".png")).string();
    if (platform::testing::SaveScreenshot(dialog, path.c_str())) {
        std::printf("%s\n", path.c_str());
    } else {
        std::fprintf(stderr, "dialog_screenshots: cannot save %s\n", path.c_str());
        ++g_failures;
    }
}

// Runs a modal dialog, takes its picture once it is up, and cancels it.
template <class Run>
void Shoot(const std::string& name, Run run)
{
    platform::testing::QueueDialogScript([name](HWND window) {
        Save(window, name);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    run();
}

void ShootPreferences(const std::string& suffix)
{
    AppSettings settings;
    settings.midiDeviceAutoScan = false;
    settings.midiInDevice = "VQ-700Z MIDI IN";
    settings.midiOutDevice = "USB MIDI Interface 2 Port 1";
    settings.knobMode = 1;
    CPreferencesDialog dialog(settings, nullptr);
    Shoot("Preferences." + suffix, [&] { dialog.DoModal(nullptr, 0); });
}

void ShootProgramInfo(const std::string& suffix)
{
    ProgramInfoRecord record{};
    std::memcpy(record.name, "Vox Pad ", sizeof record.name);
    std::strcpy(record.programmer, "Programmer Name Example");
    std::strcpy(record.comment, "A slow vocoder pad with the long ribbon on the formant shift.");
    record.category = 3;
    CProgramInfoDialog dialog;
    Shoot("ProgramInfo." + suffix, [&] { dialog.DoModal(nullptr, record); });
}

void ShootMapValue(const Language& language)
{
    MapValueRecord record{};
    record.kind = MapValueRecord::kKindCcNumber;
    std::strncpy(record.title, language.mapTitle, sizeof record.title - 1);
    std::strncpy(record.label, language.mapLabel, sizeof record.label - 1);
    record.selection = 97;
    CGlobalMapValueDialog dialog;
    Shoot(std::string("MapValue.") + language.suffix, [&] { dialog.DoModal(nullptr, record); });
}

// Modeless, as a transfer shows it, with its longest text.
void ShootProgress(const std::string& suffix)
{
    CProgressDialog dialog(nullptr);
    if (!dialog.CreateModeless(nullptr, 0)) {
        ++g_failures;
        return;
    }
    dialog.SetTitle(LocalizedText("TitleReceiveCurrentProgram"));
    dialog.SetText(LocalizedText("ProgressDeviceInquiry"));
    dialog.SetTotal(7);
    dialog.SetPosition(3);
    Save(dialog.GetHandle(), "Progress." + suffix);
    dialog.SetText(LocalizedText("ProgressReceiveCurrentProgram"));
    Save(dialog.GetHandle(), "Progress2." + suffix);
    dialog.EndDialog(0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_screenshots <folder>\n");
        return 2;
    }
    g_folder = argv[1];
    std::filesystem::create_directories(g_folder);
    if (!platform::StartDisplay(platform::DisplayKind::Desktop)) {
        std::fprintf(stderr, "dialog_screenshots: no display: %s\n", platform::DisplayFailure());
        return 1;
    }
    platform::testing::UseVirtualMidi();
    platform::testing::AddVirtualMidiIn({"VQ-700Z MIDI IN"});
    platform::testing::AddVirtualMidiOut({"VQ-700Z MIDI OUT"}, nullptr);
    for (const Language& language : kLanguages) {
        platform::testing::SetUserLocale(language.locale);
        CQRVResource strings;
        ShootPreferences(language.suffix);
        ShootProgramInfo(language.suffix);
        ShootMapValue(language);
        ShootProgress(language.suffix);
    }
    platform::testing::SetUserLocale(nullptr);
    platform::StopDisplay();
    return g_failures == 0 ? 0 : 1;
}
