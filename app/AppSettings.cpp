#include "app/AppSettings.h"

#include "framework/services/HfcPreferences.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kPreferencesVersion = 1;

enum class Use
{
    ReadAndWrite,
    ReadOnly,
    WriteOnly
};

// One registry value, in the order of writing. An entry without a member is
// the version, written as a constant.
struct Entry
{
    const char* name;
    int AppSettings::*number = nullptr;
    bool AppSettings::*flag = nullptr;
    std::string AppSettings::*text = nullptr;
    Use use = Use::ReadAndWrite;
};

const Entry kEntries[] = {
    {"MainWindowX", &AppSettings::mainWindowX},
    {"MainWindowY", &AppSettings::mainWindowY},
    {"MainWindowWidth", &AppSettings::mainWindowWidth},
    {"MainWindowHeight", &AppSettings::mainWindowHeight},
    {"ProgramListMode", &AppSettings::programListMode},
    {"ProgramListShowInfo", &AppSettings::programListShowInfo},
    {"ProgramListShowInfo4Lines", &AppSettings::programListShowInfo4Lines},
    {"ProgramListShowInfo2Lines", &AppSettings::programListShowInfo2Lines},
    {"ProgramListCategoryHold", &AppSettings::programListCategoryHold},
    {"KnobMode", &AppSettings::knobMode},
    {"IncDecDelay", &AppSettings::incDecDelay},
    {"BackgroundColour", &AppSettings::backgroundColour},
    {"MidiInDevice", nullptr, nullptr, &AppSettings::midiInDevice},
    {"MidiOutDevice", nullptr, nullptr, &AppSettings::midiOutDevice},
    {"ShowValueLayer", nullptr, &AppSettings::showValueLayer},
    {"AutoDumpEnabled", nullptr, &AppSettings::autoDumpEnabled},
    {"ShowTipsLayer", nullptr, &AppSettings::showTipsLayer},
    {"MidiMonitorWindowShow", &AppSettings::midiMonitorWindowShow},
    {"MidiMonitorWindowX", &AppSettings::midiMonitorWindowX},
    {"MidiMonitorWindowY", &AppSettings::midiMonitorWindowY},
    {"StatusLogWindowShow", &AppSettings::statusLogWindowShow},
    {"StatusLogWindowX", &AppSettings::statusLogWindowX},
    {"StatusLogWindowY", &AppSettings::statusLogWindowY},
    {"PreferencesVersion", nullptr, nullptr, nullptr, Use::WriteOnly},
    {"ReceiveOnStartup", nullptr, &AppSettings::receiveOnStartup},
    {"MidiDeviceAutoScan", nullptr, &AppSettings::midiDeviceAutoScan},
    // Read so a user can switch it on by hand; the editor never stores it.
    {"ReceiveParameterChange", nullptr, &AppSettings::receiveParameterChange, nullptr, Use::ReadOnly},
};

}  // namespace

bool LoadSettings(AppSettings& settings)
{
    CHfcPreferences preferences;
    if (!preferences.Open(kSettingsKey))
        return false;
    const AppSettings defaults;
    AppSettings read;
    for (const Entry& entry : kEntries) {
        if (entry.use == Use::WriteOnly)
            continue;
        if (entry.number != nullptr) {
            const auto stored = preferences.ReadDword(entry.name, static_cast<std::uint32_t>(defaults.*entry.number));
            read.*entry.number = static_cast<std::int32_t>(stored);
        } else if (entry.flag != nullptr) {
            read.*entry.flag = preferences.ReadDword(entry.name, defaults.*entry.flag ? 1 : 0) != 0;
        } else {
            char name[kMaxPortNameLength + 1];
            preferences.ReadString(entry.name, name, sizeof name, (defaults.*entry.text).c_str());
            read.*entry.text = name;
        }
    }
    settings = read;
    return true;
}

bool SaveSettings(const AppSettings& settings)
{
    CHfcPreferences preferences;
    if (!preferences.Open(kSettingsKey))
        return false;
    for (const Entry& entry : kEntries) {
        if (entry.use == Use::ReadOnly)
            continue;
        if (entry.number != nullptr)
            preferences.WriteDword(entry.name, static_cast<std::uint32_t>(settings.*entry.number));
        else if (entry.flag != nullptr)
            preferences.WriteDword(entry.name, settings.*entry.flag ? 1 : 0);
        else if (entry.text != nullptr)
            preferences.WriteString(entry.name, (settings.*entry.text).substr(0, kMaxPortNameLength).c_str());
        else
            preferences.WriteDword(entry.name, kPreferencesVersion);
    }
    return true;
}
