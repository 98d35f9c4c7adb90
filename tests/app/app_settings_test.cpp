// Preferences through the registry in a private folder: the defaults of a
// fresh key, the round trip, signed and boolean readings, the value that is
// never written and the version that is.
#include "app/AppSettings.h"

#include "services/ScratchFile.h"

#include <platform/registry.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

namespace {

class AppSettingsTest : public testing::Test
{
protected:
    void SetUp() override { setenv("VQ_REGISTRY_DIR", folder.path().c_str(), 1); }
    void TearDown() override { unsetenv("VQ_REGISTRY_DIR"); }

    // The stored DWORD, or nothing when the value is missing.
    static std::optional<DWORD> StoredDword(const char* name)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD value = 0, type = 0, size = sizeof value;
        const LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS || type != REG_DWORD)
            return std::nullopt;
        return value;
    }

    static void StoreDword(const char* name, DWORD value)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    ScratchFolder folder;
};

TEST_F(AppSettingsTest, AFreshKeyGivesTheDefaults)
{
    AppSettings settings;
    settings.knobMode = 0;
    settings.midiInDevice = "stale";
    ASSERT_TRUE(LoadSettings(settings));

    struct Number
    {
        const char* name;
        int value;
        int expected;
    };
    const Number numbers[] = {
        {"MainWindowX", settings.mainWindowX, 100},
        {"MainWindowY", settings.mainWindowY, 100},
        {"MainWindowWidth", settings.mainWindowWidth, 800},
        {"MainWindowHeight", settings.mainWindowHeight, 600},
        {"ProgramListMode", settings.programListMode, 0},
        {"ProgramListShowInfo", settings.programListShowInfo, 0},
        {"ProgramListShowInfo4Lines", settings.programListShowInfo4Lines, 1},
        {"ProgramListShowInfo2Lines", settings.programListShowInfo2Lines, 21},
        {"ProgramListCategoryHold", settings.programListCategoryHold, 0},
        {"KnobMode", settings.knobMode, 2},
        {"IncDecDelay", settings.incDecDelay, 250},
        {"BackgroundColour", settings.backgroundColour, 0},
        {"MidiMonitorWindowShow", settings.midiMonitorWindowShow, 0},
        {"MidiMonitorWindowX", settings.midiMonitorWindowX, -1},
        {"MidiMonitorWindowY", settings.midiMonitorWindowY, -1},
        {"StatusLogWindowShow", settings.statusLogWindowShow, 0},
        {"StatusLogWindowX", settings.statusLogWindowX, -1},
        {"StatusLogWindowY", settings.statusLogWindowY, -1},
        {"ShowValueLayer", settings.showValueLayer, 0},
        {"AutoDumpEnabled", settings.autoDumpEnabled, 1},
        {"ReceiveParameterChange", settings.receiveParameterChange, 0},
        {"ShowTipsLayer", settings.showTipsLayer, 1},
        {"ReceiveOnStartup", settings.receiveOnStartup, 1},
        {"MidiDeviceAutoScan", settings.midiDeviceAutoScan, 1},
    };
    for (const Number& number : numbers)
        EXPECT_EQ(number.value, number.expected) << number.name;
    EXPECT_EQ(settings.midiInDevice, "");
    EXPECT_EQ(settings.midiOutDevice, "");
    EXPECT_EQ(settings, AppSettings{});
}

TEST_F(AppSettingsTest, WhatIsSavedIsLoadedAgain)
{
    AppSettings saved;
    saved.mainWindowX = -20;
    saved.mainWindowY = 7;
    saved.mainWindowWidth = 982;
    saved.mainWindowHeight = 667;
    saved.programListMode = 1;
    saved.programListShowInfo = 1;
    saved.programListShowInfo4Lines = 6;
    saved.programListShowInfo2Lines = 3;
    saved.programListCategoryHold = 9;
    saved.knobMode = 1;
    saved.incDecDelay = 400;
    saved.backgroundColour = 2;
    saved.midiMonitorWindowShow = 1;
    saved.midiMonitorWindowX = 12;
    saved.midiMonitorWindowY = 34;
    saved.statusLogWindowShow = 1;
    saved.statusLogWindowX = 56;
    saved.statusLogWindowY = 78;
    saved.showValueLayer = true;
    saved.autoDumpEnabled = false;
    saved.showTipsLayer = false;
    saved.midiInDevice = "VQ-700Z MIDI IN";
    saved.midiOutDevice = "Port \xC3\xA9 2";
    saved.receiveOnStartup = false;
    saved.midiDeviceAutoScan = false;
    ASSERT_TRUE(SaveSettings(saved));

    AppSettings loaded;
    ASSERT_TRUE(LoadSettings(loaded));
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(StoredDword("MainWindowX"), 0xFFFFFFECu) << "negative numbers are stored as their 32 bits";
    EXPECT_EQ(StoredDword("ShowValueLayer"), 1u);
    EXPECT_EQ(StoredDword("AutoDumpEnabled"), 0u);

    // A 300-character port name is kept to 256 characters.
    saved.midiInDevice = std::string(300, 'p');
    ASSERT_TRUE(SaveSettings(saved));
    ASSERT_TRUE(LoadSettings(loaded));
    EXPECT_EQ(loaded.midiInDevice, std::string(256, 'p'));
}

TEST_F(AppSettingsTest, ReceiveParameterChangeIsReadButNeverWrittenAndTheVersionIs)
{
    AppSettings settings;
    settings.receiveParameterChange = true;
    ASSERT_TRUE(SaveSettings(settings));
    EXPECT_EQ(StoredDword("ReceiveParameterChange"), std::nullopt);
    EXPECT_EQ(StoredDword("PreferencesVersion"), 1u);

    // Set by hand: read, and left as the user set it.
    StoreDword("ReceiveParameterChange", 5);
    ASSERT_TRUE(LoadSettings(settings));
    EXPECT_TRUE(settings.receiveParameterChange);
    settings.receiveParameterChange = false;
    ASSERT_TRUE(SaveSettings(settings));
    EXPECT_EQ(StoredDword("ReceiveParameterChange"), 5u);
}

TEST_F(AppSettingsTest, AnyNonZeroFlagReadsAsTrueAndIsWrittenBackAsOne)
{
    StoreDword("ShowValueLayer", 7);
    StoreDword("MidiDeviceAutoScan", 0);
    StoreDword("StatusLogWindowX", 0xFFFFFFFE);
    StoreDword("BackgroundColour", 9);  // not clamped here
    AppSettings settings;
    ASSERT_TRUE(LoadSettings(settings));
    EXPECT_TRUE(settings.showValueLayer);
    EXPECT_FALSE(settings.midiDeviceAutoScan);
    EXPECT_EQ(settings.statusLogWindowX, -2);
    EXPECT_EQ(settings.backgroundColour, 9);
    ASSERT_TRUE(SaveSettings(settings));
    EXPECT_EQ(StoredDword("ShowValueLayer"), 1u);
}

TEST_F(AppSettingsTest, ADamagedLineCostsOnlyItsOwnValueAndTheRestIsWrittenBackAsHeld)
{
    const std::filesystem::path values = folder.path() / "Software/Vesk/VQ-700Z Sound Editor/values";
    std::filesystem::create_directories(values.parent_path());
    std::ofstream(values) << "dword \"BackgroundColour\" = 2\n"
                             "dword \"KnobMode\" = one\n"
                             "dword \"MainWindowX\" = 40\n"
                             "sz \"MidiInDevice\" = \"Keys In\"\n"
                             "dword \"SomeoneElsesValue\" = 5\n";
    testing::internal::CaptureStderr();
    AppSettings settings;
    ASSERT_TRUE(LoadSettings(settings));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("line 2 of " + values.string()), std::string::npos) << said;
    EXPECT_EQ(settings.backgroundColour, 2);
    EXPECT_EQ(settings.mainWindowX, 40);
    EXPECT_EQ(settings.midiInDevice, "Keys In");
    EXPECT_EQ(settings.knobMode, 2) << "the damaged value reads as its default";

    settings.knobMode = 1;
    ASSERT_TRUE(SaveSettings(settings));
    EXPECT_EQ(StoredDword("BackgroundColour"), 2u);
    EXPECT_EQ(StoredDword("MainWindowX"), 40u);
    EXPECT_EQ(StoredDword("KnobMode"), 1u);
    EXPECT_EQ(StoredDword("SomeoneElsesValue"), 5u) << "a value the editor does not know is kept";
    AppSettings again;
    ASSERT_TRUE(LoadSettings(again));
    EXPECT_EQ(again, settings);
}

TEST_F(AppSettingsTest, AKeyThatCannotBeOpenedFailsAndChangesNothing)
{
    // The hive's folder is a plain file, so no key can be made in it.
    const std::string blocked = folder.WriteFile("not-a-folder", {'x'});
    setenv("VQ_REGISTRY_DIR", blocked.c_str(), 1);
    AppSettings settings;
    settings.knobMode = 0;
    EXPECT_FALSE(LoadSettings(settings));
    EXPECT_EQ(settings.knobMode, 0);
    EXPECT_FALSE(SaveSettings(settings));
}

}  // namespace
