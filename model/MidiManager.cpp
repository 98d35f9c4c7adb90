#include "model/MidiManager.h"

#include "model/SysExProtocol.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMonitorLineBytes = 26;
constexpr int kChannelCount = 16;
constexpr int kControlChange = 0xB0;
constexpr int kAllNotesOffController = 123;

}  // namespace

std::string FormatMidiMonitorLine(const BYTE* bytes, int length)
{
    std::string line;
    for (int i = 0; i < std::min(length, kMonitorLineBytes); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X ", bytes[i]);
        line += hex;
    }
    return line;
}

CMidiManager::CMidiManager(CHfcMidi* midi, CMidiManagerHost* host) : m_midi(midi), m_host(host)
{
    m_programBuffer.Initialize();
    m_globalBuffer.Initialize();
    m_midi->SetListener(this);
}

CMidiManager::~CMidiManager()
{
    Close();
}

bool CMidiManager::Create()
{
    if (m_created) {
        m_errorText = "CMidiManager::Create : CMidiManager is already created.";
        return false;
    }
    m_replySemaphore = std::make_unique<CEfSemaphore>(0, "Midi::Semaphore");
    m_exclusiveSemaphore = std::make_unique<CEfSemaphore>(1, "Midi::ExclusiveSmephore");
    m_created = true;
    return true;
}

void CMidiManager::Close()
{
    if (!m_created)
        return;
    CloseProgressDialog();
    m_replySemaphore.reset();
    m_exclusiveSemaphore.reset();
    m_created = false;
}

bool CMidiManager::OpenOutPort(int index)
{
    return OpenPort(true, index);
}

bool CMidiManager::OpenInPort(int index)
{
    return OpenPort(false, index);
}

bool CMidiManager::OpenPort(bool out, int index)
{
    if (out)
        CloseOutPort();
    else
        CloseInPort();
    const bool opened = out ? m_midi->MidiOutOpen(index) : m_midi->MidiInOpen(index);
    if (opened) {
        m_connected = m_midi->IsMidiInOpen() && m_midi->IsMidiOutOpen();
        return true;
    }
    m_errorText = out ? "Can not open midi out device." : "Can not open midi in device.";
    ReportMidiException(
        CVpMidiException(out ? CVpMidiException::OpenMidiOutFailed : CVpMidiException::OpenMidiInFailed), "PortOpen",
        false);
    return false;
}

bool CMidiManager::OpenOutPortBySavedName(const std::string& name)
{
    return OpenPortBySavedName(true, name);
}

bool CMidiManager::OpenInPortBySavedName(const std::string& name)
{
    return OpenPortBySavedName(false, name);
}

bool CMidiManager::OpenPortBySavedName(bool out, const std::string& name)
{
    if (out)
        CloseOutPort();
    else
        CloseInPort();
    if (name.empty())
        return true;
    const std::int32_t index = FindMidiPortByName(out, name);
    return index >= 0 && OpenPort(out, index);
}

std::int32_t FindMidiPortByName(bool out, const std::string& name)
{
    char portName[256];
    for (int index = 0; out ? CHfcMidi::GetMidiOutDeviceName(index, portName, sizeof portName)
                            : CHfcMidi::GetMidiInDeviceName(index, portName, sizeof portName);
         ++index) {
        if (name == portName)
            return index;
    }
    return -1;
}

void CMidiManager::ClosePorts()
{
    CloseOutPort();
    CloseInPort();
}

void CMidiManager::CloseOutPort()
{
    m_midi->MidiOutClose();
    m_connected = false;
}

void CMidiManager::CloseInPort()
{
    m_midi->MidiInClose();
    m_connected = false;
}

bool CMidiManager::IsReady() const
{
    return m_created && m_connected;
}

void CMidiManager::SendParameterChange(std::int32_t value, std::uint32_t idHigh, std::uint32_t idLow)
{
    if (!IsReady() || (idHigh == kNoDeviceIdByte && idLow == kNoDeviceIdByte))
        return;
    const ParameterChangeMessage change{static_cast<std::int32_t>(idHigh), static_cast<std::int32_t>(idLow), value};
    const auto message = BuildParameterChangeMessage(m_globalChannel, change);
    // A refused parameter change is dropped without a report.
    if (m_midi->Out(kParameterChangeSize, message.data()))
        ShowSent(message.data(), kParameterChangeSize);
}

void CMidiManager::AllNotesOff()
{
    if (!IsReady())
        return;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (!m_midi->SendChannelMessage(channel, kControlChange, kAllNotesOffController, 0))
            continue;
        const BYTE bytes[] = {static_cast<BYTE>(kControlChange | channel), kAllNotesOffController, 0};
        ShowSent(bytes, sizeof bytes);
    }
}

void CMidiManager::OnHfcMidiSysExMessage(CHfcMidi* /*midi*/, const CHfcMidiMessage& message)
{
    const BYTE* bytes = message.GetByte(0);
    const int length = message.GetLength();
    m_host->WriteMidiMonitorLine(CMidiManagerHost::MonitorLine::Received, FormatMidiMonitorLine(bytes, length));
    std::int32_t channel = 0;
    if (LearnGlobalChannel(bytes, length, channel))
        m_globalChannel = channel;
    HandleReply(bytes, length);
    if (m_receiver != nullptr && m_host->IsReceivingParameterChanges())
        m_receiver->Offer(bytes, length);
}

void CMidiManager::ShowSent(const BYTE* bytes, int length)
{
    m_host->WriteMidiMonitorLine(CMidiManagerHost::MonitorLine::Sent, FormatMidiMonitorLine(bytes, length));
}
