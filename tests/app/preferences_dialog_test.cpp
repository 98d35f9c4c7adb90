// The preferences: port lists whose indexes are not port indexes, a saved
// port that has gone, port lists live only while Auto scan is off, choices
// clamped, the knob mode at once, the theme notice only on a change, and
// OK reopening the ports through the MIDI manager.
#include "app/PreferencesDialog.h"
#include "dialog_fixture.h"
#include "model/MidiManager.h"
#include "model/midi_host_fake.h"
#include "support/DeviceSimulator.h"

namespace {

using platform::testing::QueueDialogScript;
using platform::testing::QueueMessageBoxAnswers;
using platform::testing::TakeShownMessageBoxes;
using Dialog = CPreferencesDialog;

MidiPortNameReader PortsNamed(std::vector<std::string> names)
{
    // An empty name stands for one that cannot be read.
    return [names = std::move(names)](int port, std::string& name) {
        name = names[static_cast<std::size_t>(port)];
        return !name.empty();
    };
}

TEST(MidiPortChoices, ListIndexesSkipUnreadablePortsAndKeepAGonePortAtTheEnd)
{
    const auto reader = PortsNamed({"Keys", "", "VQ-700Z", "VQ-700Z"});
    struct Case
    {
        std::string saved;
        std::vector<std::string> entries;
        int selection;
        int notConnected;
    };
    const Case cases[] = {
        {"", {"Not use", "Keys", "VQ-700Z", "VQ-700Z"}, 0, -1},
        {"VQ-700Z", {"Not use", "Keys", "VQ-700Z", "VQ-700Z"}, 2, -1},
        {"Keys", {"Not use", "Keys", "VQ-700Z", "VQ-700Z"}, 1, -1},
        {"Gone", {"Not use", "Keys", "VQ-700Z", "VQ-700Z", "Gone (Not Connected)"}, 4, 4},
    };
    for (const Case& c : cases) {
        const MidiPortChoices choices = ListMidiPortChoices("Not use", 4, reader, c.saved);
        EXPECT_EQ(choices.entries, c.entries) << c.saved;
        EXPECT_EQ(choices.selection, c.selection) << c.saved;
        EXPECT_EQ(choices.notConnectedIndex, c.notConnected) << c.saved;
    }
}

TEST(MidiPortChoices, TheChosenEntryGivesTheNameToSave)
{
    const std::string longName(300, 'p');
    const auto choices = ListMidiPortChoices("Not use", 2, PortsNamed({"Keys", longName}), "Gone");
    EXPECT_EQ(ChosenMidiPortName(choices, 0, "Gone"), "");
    EXPECT_EQ(ChosenMidiPortName(choices, -1, "Gone"), "");
    EXPECT_EQ(ChosenMidiPortName(choices, 1, "Gone"), "Keys");
    EXPECT_EQ(ChosenMidiPortName(choices, 2, "Gone"), std::string(256, 'p'));
    EXPECT_EQ(ChosenMidiPortName(choices, 3, "Gone"), "Gone") << "the port that has gone keeps its saved name";
    EXPECT_EQ(ChosenMidiPortName(choices, 4, "Gone"), "");
}

// Four-character command codes arrive beside the window messages.
class CodedPreferencesDialog : public CPreferencesDialog
{
public:
    using CPreferencesDialog::CPreferencesDialog;
    void Code(int code) { OnCommand(code, 0, 0); }
};

class PreferencesTest : public DialogTest
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        platform::testing::UseVirtualMidi();
        platform::testing::AddVirtualMidiIn({"Keys In"});
        platform::testing::AddVirtualMidiIn({"Synth In"});
        platform::testing::AddVirtualMidiOut({"Synth Out"}, nullptr);
        settings.midiInDevice = "Synth In";
        settings.midiOutDevice = "Gone Out";
        settings.midiDeviceAutoScan = false;
        settings.knobMode = 1;
        settings.receiveOnStartup = false;
        settings.backgroundColour = 2;
    }
    void TearDown() override
    {
        platform::testing::UseVirtualMidi();
        DialogTest::TearDown();
    }

    int Run(const std::function<void(HWND)>& user)
    {
        CodedPreferencesDialog dialog(settings, [this](int mode) { knobModes.push_back(mode); });
        running = &dialog;
        QueueDialogScript(user);
        return dialog.DoModal(owner, 0);
    }
    void Code(int code) { running->Code(code); }

    AppSettings settings;
    std::vector<int> knobModes;
    CodedPreferencesDialog* running = nullptr;
};

TEST_F(PreferencesTest, OpensOnTheSavedChoicesAndCancelChangesNothing)
{
    const AppSettings before = settings;
    const int result = Run([&](HWND dialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, Dialog::kIdMidiIn));
        EXPECT_EQ(Title(dialog), "Preferences");
        EXPECT_EQ(ComboEntries(dialog, Dialog::kIdMidiIn),
                  (std::vector<std::string>{"Not use MIDI IN device", "Keys In", "Synth In"}));
        EXPECT_EQ(ComboSelection(dialog, Dialog::kIdMidiIn), 2);
        EXPECT_EQ(ComboEntries(dialog, Dialog::kIdMidiOut),
                  (std::vector<std::string>{"Not use MIDI OUT device", "Synth Out", "Gone Out (Not Connected)"}));
        EXPECT_EQ(ComboSelection(dialog, Dialog::kIdMidiOut), 2);
        EXPECT_EQ(ComboEntries(dialog, Dialog::kIdKnobMode),
                  (std::vector<std::string>{"Circular", "Relative Circular", "Linear"}));
        EXPECT_EQ(ComboSelection(dialog, Dialog::kIdKnobMode), 1);
        EXPECT_EQ(ComboEntries(dialog, Dialog::kIdBackgroundColour),
                  (std::vector<std::string>{"Red", "Black", "White"}));
        EXPECT_EQ(ComboSelection(dialog, Dialog::kIdBackgroundColour), 2);
        EXPECT_FALSE(ItemChecked(dialog, Dialog::kIdAutoScan));
        EXPECT_FALSE(ItemChecked(dialog, Dialog::kIdReceiveOnStartup));
        EXPECT_TRUE(ItemEnabled(dialog, Dialog::kIdMidiIn));
        EXPECT_TRUE(ItemEnabled(dialog, Dialog::kIdMidiOut));
        Choose(dialog, Dialog::kIdMidiIn, 0);
        Choose(dialog, Dialog::kIdBackgroundColour, 0);
        Command(dialog, Dialog::kIdCancel);
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(knobModes.empty());
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
}

TEST_F(PreferencesTest, AutoScanGreysThePortListsAtOnce)
{
    settings.midiDeviceAutoScan = true;
    Run([&](HWND dialog) {
        EXPECT_FALSE(ItemEnabled(dialog, Dialog::kIdMidiIn)) << "greyed from the start";
        EXPECT_FALSE(ItemEnabled(dialog, Dialog::kIdMidiOut));
        SendDlgItemMessageA(dialog, Dialog::kIdAutoScan, BM_SETCHECK, BST_UNCHECKED, 0);
        Command(dialog, Dialog::kIdAutoScan);
        EXPECT_TRUE(ItemEnabled(dialog, Dialog::kIdMidiIn));
        EXPECT_TRUE(ItemEnabled(dialog, Dialog::kIdMidiOut));
        SendDlgItemMessageA(dialog, Dialog::kIdAutoScan, BM_SETCHECK, BST_CHECKED, 0);
        Code(Dialog::kCommandAutoScan);
        EXPECT_FALSE(ItemEnabled(dialog, Dialog::kIdMidiIn));
        EXPECT_FALSE(ItemEnabled(dialog, Dialog::kIdMidiOut));
        Command(dialog, Dialog::kIdCancel);
    });
}

HWND g_clickedDialog = nullptr;
bool g_listsEnabledAfterClick = true;

// Runs once the queued click has been handled.
void CALLBACK LookAfterTheClick(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_listsEnabledAfterClick = IsWindowEnabled(GetDlgItem(g_clickedDialog, Dialog::kIdMidiIn)) ||
                               IsWindowEnabled(GetDlgItem(g_clickedDialog, Dialog::kIdMidiOut));
    SendMessageA(g_clickedDialog, WM_COMMAND, MAKEWPARAM(Dialog::kIdCancel, BN_CLICKED), 0);
}

// The box clicked as a user does: the lists follow before OK.
TEST_F(PreferencesTest, ClickingAutoScanGreysThePortLists)
{
    g_listsEnabledAfterClick = true;
    Run([&](HWND dialog) {
        g_clickedDialog = dialog;
        ClickItem(dialog, Dialog::kIdAutoScan);
        SetTimer(nullptr, 0, 20, LookAfterTheClick);
    });
    EXPECT_FALSE(g_listsEnabledAfterClick);
    EXPECT_FALSE(settings.midiDeviceAutoScan) << "Cancel keeps the setting";
}

TEST_F(PreferencesTest, OkStoresTheChoicesAndHandsOnTheKnobMode)
{
    const int result = Run([&](HWND dialog) {
        Choose(dialog, Dialog::kIdMidiIn, 1);
        Choose(dialog, Dialog::kIdKnobMode, 0);
        SendDlgItemMessageA(dialog, Dialog::kIdReceiveOnStartup, BM_SETCHECK, BST_CHECKED, 0);
        Command(dialog, Dialog::kIdOk);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(settings.midiInDevice, "Keys In");
    EXPECT_EQ(settings.midiOutDevice, "Gone Out") << "OK on the port that has gone keeps its name";
    EXPECT_EQ(settings.knobMode, 0);
    EXPECT_EQ(knobModes, std::vector<int>{0});
    EXPECT_TRUE(settings.receiveOnStartup);
    EXPECT_FALSE(settings.midiDeviceAutoScan);
    EXPECT_EQ(settings.backgroundColour, 2);
    EXPECT_TRUE(TakeShownMessageBoxes().empty()) << "the theme in effect was chosen again";
}

TEST_F(PreferencesTest, ANewThemeIsAnnouncedOnceAndChoicesAreClamped)
{
    QueueMessageBoxAnswers({IDOK});
    const int result = Run([&](HWND dialog) {
        Choose(dialog, Dialog::kIdMidiIn, -1);
        Choose(dialog, Dialog::kIdMidiOut, 0);
        Choose(dialog, Dialog::kIdKnobMode, -1);
        Choose(dialog, Dialog::kIdBackgroundColour, -1);
        Code(Dialog::kCommandOk);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(settings.midiInDevice, "");
    EXPECT_EQ(settings.midiOutDevice, "");
    EXPECT_EQ(settings.knobMode, 0);
    EXPECT_EQ(knobModes, std::vector<int>{0});
    EXPECT_EQ(settings.backgroundColour, 0);
    const auto shown = TakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Background Color");
    EXPECT_EQ(shown[0].text, "Changing the background color will be reflected after restarting this application.");
    EXPECT_EQ(shown[0].type & (MB_TYPEMASK | MB_ICONMASK), MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(PreferencesTest, ChoicesSetByHandOutsideTheListsShowClampedAndOkAloneChangesNothingTheUserSees)
{
    struct Case
    {
        int knobMode, theme;
        int shownKnobMode, shownTheme;
    };
    const Case cases[] = {{9, 7, 2, 2}, {-1, -5, 0, 0}, {3, 0x7FFFFFFF, 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.knobMode) + " " + std::to_string(c.theme));
        settings.knobMode = c.knobMode;
        settings.backgroundColour = c.theme;
        knobModes.clear();
        QueueMessageBoxAnswers({IDOK});  // a notice, should one come, is answered and recorded
        const int result = Run([&](HWND dialog) {
            EXPECT_EQ(ComboSelection(dialog, Dialog::kIdKnobMode), c.shownKnobMode);
            EXPECT_EQ(ComboSelection(dialog, Dialog::kIdBackgroundColour), c.shownTheme);
            Command(dialog, Dialog::kIdOk);
        });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(settings.knobMode, c.shownKnobMode);
        EXPECT_EQ(knobModes, std::vector<int>{c.shownKnobMode});
        EXPECT_EQ(settings.backgroundColour, c.shownTheme);
        EXPECT_TRUE(TakeShownMessageBoxes().empty()) << "the theme in effect was kept: no restart notice";
    }
}

TEST_F(PreferencesTest, OkReopensThePortsThroughTheMidiManagerAndCancelDoesNot)
{
    DeviceSimulator device;
    FakeMidiHost host;
    host.portSettings = {false, "VQ-700Z In", "VQ-700Z Out"};
    CHfcMidi midi;
    ASSERT_TRUE(midi.Create("test"));
    CMidiManager manager(&midi, &host);
    ASSERT_TRUE(manager.Create());

    QueueDialogScript([&](HWND dialog) { Command(dialog, Dialog::kIdCancel); });
    EXPECT_FALSE(RunPreferences(owner, settings, manager, nullptr));
    EXPECT_FALSE(manager.IsReady());
    EXPECT_TRUE(host.log.empty());

    QueueDialogScript([&](HWND dialog) { Command(dialog, Dialog::kIdOk); });
    EXPECT_TRUE(RunPreferences(owner, settings, manager, nullptr));
    EXPECT_TRUE(manager.IsReady()) << "both ports opened by their saved names";
    const std::vector<std::string> opened = {"MIDI input port:  VQ-700Z In", "MIDI output port:  VQ-700Z Out"};
    EXPECT_EQ(host.log, opened);
    EXPECT_TRUE(midi.Destroy());
}

}  // namespace
