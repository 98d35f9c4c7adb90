#pragma once
// One port scan: opens every MIDI port of the system in port objects of its
// own, sends the search request on each OUT port and collects the answers
// that come in on any IN port within the reply time-out.
#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcMidi.h"
#include "framework/services/HfcMidiListener.h"
#include "model/DeviceList.h"
#include "model/MidiManagerHost.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class CDeviceLister : public CHfcMidiListener
{
public:
    static constexpr DWORD kReplyTimeoutMs = 300;

    explicit CDeviceLister(CMidiManagerHost& host, DWORD replyTimeoutMs = kReplyTimeoutMs);
    ~CDeviceLister() override;
    CDeviceLister(const CDeviceLister&) = delete;
    CDeviceLister& operator=(const CDeviceLister&) = delete;

    // Fills the list with the answers, on the message thread; returns once
    // every OUT port has been answered or the time-out has passed, with the
    // scan's ports closed again.
    void RunDeviceScan(CDeviceList& list);

    void OnHfcMidiSysExMessage(CHfcMidi* midi, const CHfcMidiMessage& message) override;
    // On the MIDI threads of the IN ports: a well-formed answer naming a
    // real OUT port goes into the list; anything else is ignored.
    void OnMidiIn(CHfcMidi* midi, const CHfcMidiMessage& message);

private:
    void OpenScanPorts();
    void SendSearchRequests();
    void CloseScanPorts();
    std::int32_t InPortIndexOf(const CHfcMidi* midi) const;

    CMidiManagerHost& m_host;
    const DWORD m_replyTimeoutMs;
    std::int32_t m_inPortCount = 0;
    std::int32_t m_outPortCount = 0;
    std::atomic<std::int32_t> m_replies{0};
    // Filled before any port opens and left alone until all are closed, so
    // the MIDI threads read them without a lock.
    std::vector<std::unique_ptr<CHfcMidi>> m_inPorts;
    std::vector<std::unique_ptr<CHfcMidi>> m_outPorts;
    std::unique_ptr<CEfSemaphore> m_semaphore;
    CDeviceList* m_list = nullptr;
};
