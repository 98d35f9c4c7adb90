#pragma once
// The single owner of the connection to the device: opens the ports of the
// port object, listens on its MIDI thread, learns the device's channel and
// sends parameter changes and All Notes Off.
#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcMidi.h"
#include "framework/services/HfcMidiListener.h"
#include "model/MidiManagerHost.h"
#include "model/ParameterChangeReceiver.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

class CMidiManager : public CHfcMidiListener
{
public:
    // Becomes the port object's only listener; neither is owned.
    CMidiManager(CHfcMidi* midi, CMidiManagerHost* host);
    ~CMidiManager() override;
    CMidiManager(const CMidiManager&) = delete;
    CMidiManager& operator=(const CMidiManager&) = delete;

    // Creates the reply and exclusive semaphores; false when already created.
    bool Create();
    void Close();

    // A port already open is closed first; connected once both are open.
    bool OpenOutPort(int index);
    bool OpenInPort(int index);
    // Opens the first port whose name equals the text exactly, after closing
    // that direction; true for an empty name, false when no port has it.
    bool OpenOutPortBySavedName(const std::string& name);
    bool OpenInPortBySavedName(const std::string& name);
    void ClosePorts();
    void CloseOutPort();
    void CloseInPort();
    bool IsReady() const;
    const std::string& GetErrorText() const { return m_errorText; }

    std::int32_t GetGlobalChannel() const { return m_globalChannel; }

    // Not owned; set before the ports open.
    void SetParameterChangeReceiver(CParameterChangeReceiver* receiver) { m_receiver = receiver; }

    // Dropped unless ready, and for a parameter the device has no id for.
    void SendParameterChange(std::int32_t value, std::uint32_t idHigh, std::uint32_t idLow);
    void AllNotesOff();

    void OnHfcMidiSysExMessage(CHfcMidi* midi, const CHfcMidiMessage& message) override;

private:
    bool OpenPort(bool out, int index);
    bool OpenPortBySavedName(bool out, const std::string& name);
    void ShowSent(const BYTE* bytes, int length);

    CHfcMidi* m_midi;
    CMidiManagerHost* m_host;
    CParameterChangeReceiver* m_receiver = nullptr;
    std::unique_ptr<CEfSemaphore> m_replySemaphore;
    std::unique_ptr<CEfSemaphore> m_exclusiveSemaphore;
    std::string m_errorText;
    bool m_connected = false;
    bool m_created = false;
    std::atomic<std::int32_t> m_globalChannel{0};
};

// "%02X " per byte of the first 26, as the MIDI monitor shows a message.
std::string FormatMidiMonitorLine(const BYTE* bytes, int length);
