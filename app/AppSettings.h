#pragma once
// The editor's preferences: read from the current user's registry key once
// at start-up, worked on in memory, written back once at exit. Values are
// not range-checked here; whoever uses one clamps it.
#include <string>

struct AppSettings
{
    // Main window, screen position and client size in the normal state.
    int mainWindowX = 100;
    int mainWindowY = 100;
    int mainWindowWidth = 800;
    int mainWindowHeight = 600;

    int programListMode = 0;
    int programListShowInfo = 0;
    int programListShowInfo4Lines = 1;
    int programListShowInfo2Lines = 21;
    int programListCategoryHold = 0;  // kept and written back only

    int knobMode = 2;          // 0 circular, 1 rotary-relative, 2 vertical
    int incDecDelay = 250;     // ms between two Prev/Next Program steps
    int backgroundColour = 0;  // colour theme, in effect from the next start

    // Tool windows; -1 means not placed yet.
    int midiMonitorWindowShow = 0;
    int midiMonitorWindowX = -1;
    int midiMonitorWindowY = -1;
    int statusLogWindowShow = 0;
    int statusLogWindowX = -1;
    int statusLogWindowY = -1;

    bool showValueLayer = false;
    bool autoDumpEnabled = true;
    bool receiveParameterChange = false;  // set by hand in the registry only
    bool showTipsLayer = true;

    std::string midiInDevice;  // port names, at most 256 characters
    std::string midiOutDevice;

    bool receiveOnStartup = true;
    bool midiDeviceAutoScan = true;

    bool operator==(const AppSettings&) const = default;
};

inline constexpr char kSettingsKey[] = "Software\\Vesk\\VQ-700Z Sound Editor";
inline constexpr int kMaxPortNameLength = 256;

// Opens or creates the key and reads every value, a missing one as its
// default; false, with settings untouched, when the key cannot be opened.
bool LoadSettings(AppSettings& settings);
// Writes every value except ReceiveParameterChange, and PreferencesVersion 1;
// false when the key cannot be opened.
bool SaveSettings(const AppSettings& settings);
