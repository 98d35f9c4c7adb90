#pragma once
// The preferences: MIDI ports, automatic port scan, knob mode, receiving all
// data at start-up and the colour theme. OK changes the settings in memory;
// they reach the registry at exit.
#include "app/AppSettings.h"
#include "app/MidiPortChoices.h"
#include "app/ModalDialog.h"

#include <functional>

class CMidiManager;

class CPreferencesDialog : public CModalDialog
{
public:
    static constexpr int kIdMidiIn = 2000;
    static constexpr int kIdMidiOut = 2001;
    static constexpr int kIdAutoScan = 2002;
    static constexpr int kIdKnobMode = 2003;
    static constexpr int kIdReceiveOnStartup = 2004;
    static constexpr int kIdBackgroundColour = 2005;
    static constexpr int kCommandAutoScan = FourCharCode("Katd");

    // Hands a new knob mode to the knob controls, which use it at once.
    using KnobModeSink = std::function<void(int mode)>;

    CPreferencesDialog(AppSettings& settings, KnobModeSink applyKnobMode);

protected:
    const char* GetTemplateName() const override { return "DialogPreferences"; }
    void OnInitDialog(LPARAM parameter) override;
    void OnCommand(int id, int notification, LPARAM parameter) override;

private:
    void FillPortList(int id, const MidiPortChoices& choices);
    void EnablePortLists();
    void Apply();

    AppSettings& m_settings;
    KnobModeSink m_applyKnobMode;
    MidiPortChoices m_inChoices;
    MidiPortChoices m_outChoices;
    int m_openingTheme = 0;
};

// The Preferences command: runs the dialog and, when it ends with OK, opens
// the MIDI ports again with the new settings. True for OK.
bool RunPreferences(HWND owner, AppSettings& settings, CMidiManager& midiManager,
                    CPreferencesDialog::KnobModeSink applyKnobMode);
