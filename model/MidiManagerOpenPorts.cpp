// Choosing the ports to the device: by their saved names, or by a scan of
// every port of the system; then a warning when the driver is another's.
#include "model/DeviceLister.h"
#include "model/LocalizedText.h"
#include "model/MidiManager.h"
#include "model/SearchDeviceMessage.h"

#include <platform/midi.h>

namespace {

constexpr int kStyleWarning = 0x82;
constexpr WORD kMakerManufacturerId = 901;
constexpr WORD kMakerInProductId = 17;
constexpr WORD kMakerOutProductId = 18;

struct PortTexts
{
    const char* opened;
    const char* failed;
};
constexpr PortTexts kInTexts{"MIDI input port: ", "Failed to open MIDI input port."};
constexpr PortTexts kOutTexts{"MIDI output port: ", "Failed to open MIDI output port."};

void LogPortOpen(CMidiManagerHost& host, bool opened, bool out, const std::string& name)
{
    const PortTexts& texts = out ? kOutTexts : kInTexts;
    host.LogLine(opened ? std::string(texts.opened) + " " + name : std::string(texts.failed) + " (" + name + ")");
}

// The index of the port opened by its saved name, or -1. An empty name
// chooses no port, so there is nothing to log.
std::int32_t OpenSavedPort(CMidiManager& manager, CMidiManagerHost& host, bool out, const std::string& name)
{
    const bool opened = out ? manager.OpenOutPortBySavedName(name) : manager.OpenInPortBySavedName(name);
    if (name.empty())
        return -1;
    LogPortOpen(host, opened, out, name);
    return opened ? FindMidiPortByName(out, name) : -1;
}

// The first answer of the VQ-700Z in the order the answers arrived.
bool FindDevice(const CDeviceList& list, DeviceRecord& device)
{
    for (std::int32_t i = 0; list.GetRecord(i, device); ++i) {
        if (device.family == kSearchDeviceFamily && device.member == kSearchDeviceMember)
            return true;
    }
    return false;
}

struct OpenedPorts
{
    std::int32_t in = -1;
    std::int32_t out = -1;
};

OpenedPorts OpenScannedPorts(CMidiManager& manager, CMidiManagerHost& host)
{
    CDeviceList list;
    CDeviceLister(host).RunDeviceScan(list);
    DeviceRecord device;
    if (!FindDevice(list, device)) {
        host.LogLine(LocalizedText("MidiErrorDeviceNotFoundLog"));
        return {};
    }
    LogPortOpen(host, manager.OpenInPort(device.inPortIndex), false, device.inPortName);
    LogPortOpen(host, manager.OpenOutPort(device.outPortIndex), true, device.outPortName);
    return {device.inPortIndex, device.outPortIndex};
}

// False where the capabilities cannot be read or name another driver; a
// system that cannot tell the driver gets the benefit of the doubt.
template <class Caps>
bool IsMakersDriver(MMRESULT result, const Caps& caps, WORD productId)
{
    if (result != MMSYSERR_NOERROR)
        return false;
    if ((caps.dwSupport & MIDICAPS_NO_DRIVER_IDS) != 0)
        return true;
    return caps.wMid == kMakerManufacturerId && caps.wPid == productId;
}

bool AreMakersDrivers(const OpenedPorts& ports)
{
    MIDIINCAPSW inCaps{};
    MIDIOUTCAPSW outCaps{};
    const MMRESULT inResult = midiInGetDevCapsW(static_cast<UINT_PTR>(ports.in), &inCaps, sizeof inCaps);
    const MMRESULT outResult = midiOutGetDevCapsW(static_cast<UINT_PTR>(ports.out), &outCaps, sizeof outCaps);
    return IsMakersDriver(inResult, inCaps, kMakerInProductId) &&
           IsMakersDriver(outResult, outCaps, kMakerOutProductId);
}

}  // namespace

void CMidiManager::OpenPorts()
{
    CloseInPort();
    CloseOutPort();
    const CMidiManagerHost::PortSettings settings = m_host->GetPortSettings();
    OpenedPorts ports;
    if (settings.autoScan) {
        ports = OpenScannedPorts(*this, *m_host);
    } else {
        ports.in = OpenSavedPort(*this, *m_host, false, settings.inName);
        ports.out = OpenSavedPort(*this, *m_host, true, settings.outName);
    }
    if (m_connected && !AreMakersDrivers(ports))
        m_host->ShowMessageBox(kStyleWarning, LocalizedText("TitlePortOpen"),
                               LocalizedText("MidiErrorNotVeskUsbMidiDriver"));
}
