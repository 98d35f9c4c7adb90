#include "model/DeviceLister.h"

#include "framework/services/ServiceSlots.h"
#include "model/LocalizedText.h"
#include "model/PumpingWait.h"
#include "model/SearchDeviceMessage.h"

#include <platform/midi.h>

#include <algorithm>

namespace {

constexpr int kPortNameSize = 256;
// The bar goes from empty to full once the wait is over.
constexpr std::int32_t kProgressTotal = 1;
// Windows keep painting while the scan waits for answers.

std::string PortName(bool out, std::int32_t index)
{
    char name[kPortNameSize] = {};
    if (out)
        CHfcMidi::GetMidiOutDeviceName(index, name, sizeof name);
    else
        CHfcMidi::GetMidiInDeviceName(index, name, sizeof name);
    return name;
}

}  // namespace

CDeviceLister::CDeviceLister(CMidiManagerHost& host, DWORD replyTimeoutMs)
    : m_host(host), m_replyTimeoutMs(replyTimeoutMs),
      m_semaphore(std::make_unique<CEfSemaphore>(0, "DeviceLister::Semaphore"))
{}

CDeviceLister::~CDeviceLister()
{
    CloseScanPorts();
}

void CDeviceLister::RunDeviceScan(CDeviceList& list)
{
    m_host.OpenProgressDialog(LocalizedText("TitleDeviceScan"), [] {});
    m_list = &list;
    m_replies = 0;
    m_inPortCount = static_cast<std::int32_t>(midiInGetNumDevs());
    m_outPortCount = static_cast<std::int32_t>(midiOutGetNumDevs());
    if (m_inPortCount > 0 && m_outPortCount > 0) {
        OpenScanPorts();
        m_host.SetProgress(0, kProgressTotal);
        PumpMessages();
        SendSearchRequests();
        // Every OUT port answered, or the time-out passed.
        WaitWhilePumping(*m_semaphore, m_replyTimeoutMs, [] { return true; });
        m_host.SetProgress(kProgressTotal, kProgressTotal);
        CloseScanPorts();
    }
    m_host.CloseProgressDialog();
}

void CDeviceLister::OpenScanPorts()
{
    // Every object exists before the first port opens, so the MIDI threads
    // never see the arrays change.
    for (std::int32_t i = 0; i < m_inPortCount; ++i) {
        m_inPorts.push_back(std::make_unique<CHfcMidi>());
        m_inPorts.back()->Create("DeviceListerIn");
        m_inPorts.back()->SetListener(this);
    }
    for (std::int32_t i = 0; i < m_outPortCount; ++i) {
        m_outPorts.push_back(std::make_unique<CHfcMidi>());
        m_outPorts.back()->Create("DeviceListerOut");
        m_outPorts.back()->SetListener(this);
    }
    // A port that does not open is left out of the scan.
    for (std::int32_t i = 0; i < m_inPortCount; ++i)
        m_inPorts[static_cast<std::size_t>(i)]->MidiInOpen(i);
    for (std::int32_t i = 0; i < m_outPortCount; ++i)
        m_outPorts[static_cast<std::size_t>(i)]->MidiOutOpen(i);
}

void CDeviceLister::SendSearchRequests()
{
    for (std::int32_t i = 0; i < m_outPortCount; ++i) {
        const auto request = BuildSearchRequest(i);
        m_outPorts[static_cast<std::size_t>(i)]->Out(kSearchRequestSize, request.data());
    }
}

void CDeviceLister::CloseScanPorts()
{
    for (auto& port : m_inPorts) {
        port->MidiInClose();
        port->Destroy();
    }
    m_inPorts.clear();
    for (auto& port : m_outPorts) {
        port->MidiOutClose();
        port->Destroy();
    }
    m_outPorts.clear();
}

void CDeviceLister::OnHfcMidiSysExMessage(CHfcMidi* midi, const CHfcMidiMessage& message)
{
    OnMidiIn(midi, message);
}

void CDeviceLister::OnMidiIn(CHfcMidi* midi, const CHfcMidiMessage& message)
{
    DeviceRecord record;
    if (!ReadSearchReply(message.GetByte(0), message.GetLength(), record))
        return;
    // Only a number that one of the requests carried names an OUT port.
    if (record.outPortIndex < 0 || record.outPortIndex >= m_outPortCount)
        return;
    record.inPortIndex = InPortIndexOf(midi);
    if (record.inPortIndex < 0)
        return;
    record.inPortName = PortName(false, record.inPortIndex);
    record.outPortName = PortName(true, record.outPortIndex);
    m_list->Append(record);
    if (++m_replies == m_outPortCount)
        m_semaphore->Release();
}

std::int32_t CDeviceLister::InPortIndexOf(const CHfcMidi* midi) const
{
    const auto found =
        std::find_if(m_inPorts.begin(), m_inPorts.end(), [midi](const auto& port) { return port.get() == midi; });
    return found == m_inPorts.end() ? -1 : static_cast<std::int32_t>(found - m_inPorts.begin());
}
