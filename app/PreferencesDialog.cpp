#include "app/PreferencesDialog.h"

#include "app/MessageBoxes.h"
#include "framework/services/HfcMidi.h"
#include "model/LocalizedText.h"
#include "model/MidiManager.h"

#include <platform/midi.h>

#include <algorithm>

namespace {

constexpr const char* kKnobModes[] = {"Circular", "Relative Circular", "Linear"};
constexpr const char* kThemes[] = {"Red", "Black", "White"};
constexpr int kLastChoice = 2;
constexpr int kStyleWarning = 0x82;

template <bool (*GetName)(int, char*, int)>
bool ReadPortName(int port, std::string& name)
{
    char text[kMaxPortNameLength + 1] = {};
    if (!GetName(port, text, sizeof text))
        return false;
    name = text;
    return true;
}

}  // namespace

CPreferencesDialog::CPreferencesDialog(AppSettings& settings, KnobModeSink applyKnobMode)
    : m_settings(settings), m_applyKnobMode(std::move(applyKnobMode))
{}

void CPreferencesDialog::OnInitDialog(LPARAM /*parameter*/)
{
    m_inChoices = ListMidiPortChoices("Not use MIDI IN device", static_cast<int>(midiInGetNumDevs()),
                                      ReadPortName<&CHfcMidi::GetMidiInDeviceName>, m_settings.midiInDevice);
    FillPortList(kIdMidiIn, m_inChoices);
    m_outChoices = ListMidiPortChoices("Not use MIDI OUT device", static_cast<int>(midiOutGetNumDevs()),
                                       ReadPortName<&CHfcMidi::GetMidiOutDeviceName>, m_settings.midiOutDevice);
    FillPortList(kIdMidiOut, m_outChoices);

    ResetComboBox(kIdKnobMode);
    for (const char* mode : kKnobModes)
        AddComboBoxText(kIdKnobMode, mode);
    // A value set by hand outside the choices shows as the one in effect.
    SetComboBoxSelection(kIdKnobMode, std::clamp(m_settings.knobMode, 0, kLastChoice));

    SetChecked(kIdAutoScan, m_settings.midiDeviceAutoScan);
    SetChecked(kIdReceiveOnStartup, m_settings.receiveOnStartup);

    ResetComboBox(kIdBackgroundColour);
    for (const char* theme : kThemes)
        AddComboBoxText(kIdBackgroundColour, theme);
    m_openingTheme = std::clamp(m_settings.backgroundColour, 0, kLastChoice);
    SetComboBoxSelection(kIdBackgroundColour, m_openingTheme);

    EnablePortLists();
    SetItemFocus(kIdMidiIn);
}

void CPreferencesDialog::OnCommand(int id, int /*notification*/, LPARAM /*parameter*/)
{
    if (id == kIdAutoScan || id == kCommandAutoScan) {
        EnablePortLists();
    } else if (id == kIdOk || id == kCommandOk) {
        Apply();
        EndDialog(1);
    } else if (id == kIdCancel || id == kCommandCancel) {
        EndDialog(-1);
    }
}

void CPreferencesDialog::FillPortList(int id, const MidiPortChoices& choices)
{
    ResetComboBox(id);
    for (const std::string& entry : choices.entries)
        AddComboBoxText(id, entry);
    SetComboBoxSelection(id, choices.selection);
}

// The ports are chosen by hand only while the scan does not choose them.
void CPreferencesDialog::EnablePortLists()
{
    const bool byHand = !IsChecked(kIdAutoScan);
    EnableItem(kIdMidiIn, byHand);
    EnableItem(kIdMidiOut, byHand);
}

void CPreferencesDialog::Apply()
{
    m_settings.midiInDevice = ChosenMidiPortName(m_inChoices, GetComboBoxSelection(kIdMidiIn), m_settings.midiInDevice);
    m_settings.midiOutDevice =
        ChosenMidiPortName(m_outChoices, GetComboBoxSelection(kIdMidiOut), m_settings.midiOutDevice);
    m_settings.knobMode = std::clamp(GetComboBoxSelection(kIdKnobMode), 0, kLastChoice);
    if (m_applyKnobMode)
        m_applyKnobMode(m_settings.knobMode);
    m_settings.midiDeviceAutoScan = IsChecked(kIdAutoScan);
    m_settings.receiveOnStartup = IsChecked(kIdReceiveOnStartup);
    m_settings.backgroundColour = std::clamp(GetComboBoxSelection(kIdBackgroundColour), 0, kLastChoice);
    if (m_settings.backgroundColour != m_openingTheme)
        ShowAppMessageBox(kStyleWarning, LocalizedText("BackgroundColourTitle"),
                          LocalizedText("BackgroundColourMessage"));
}

bool RunPreferences(HWND owner, AppSettings& settings, CMidiManager& midiManager,
                    CPreferencesDialog::KnobModeSink applyKnobMode)
{
    CPreferencesDialog dialog(settings, std::move(applyKnobMode));
    if (dialog.DoModal(owner, 0) != 1)
        return false;
    midiManager.CloseInPort();
    midiManager.CloseOutPort();
    midiManager.OpenPorts();
    return true;
}
