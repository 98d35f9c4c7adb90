#pragma once
// Applies the device's parameter changes to the current target. Heard on
// the MIDI thread, applied on the message thread, where the target is
// looked up afresh so a closed window's record is never written. A flood
// that outruns the message thread is dropped, not queued without end.
#include "framework/services/PslMessageDispatchEngine.h"
#include "model/MidiManagerHost.h"
#include "model/VpIdConverter.h"
#include "model/VpProgramAccessor.h"

#include <atomic>
#include <cstdint>

class CParameterChangeReceiver : public CPslMessageDispatchListener
{
public:
    // Window-manager events broadcast after a change: the data, and for a
    // name character the name (3, which the program list redraws its row
    // for; 2 would tell the windows the whole program was replaced).
    static constexpr int kProgramDataChanged = 7;
    static constexpr int kProgramNameChanged = 3;
    // Changes handed over and not yet applied: more than a second of a
    // cable full of them.
    static constexpr int kMaxPending = 256;

    CParameterChangeReceiver(CPslMessageDispatchEngine* engine, CMidiManagerHost* host,
                             const CVpProgramAccessor* accessor, const CVpIdConverter* converter);

    // One thread at a time: true when the message is a parameter change,
    // which is then handed to the message thread, or dropped and counted
    // while kMaxPending wait there. Once they are applied, one status-log
    // line tells how many were dropped.
    bool Offer(const std::uint8_t* message, std::int32_t length);

    void OnPslMessage(int id, LONG_PTR idHigh, LONG_PTR idLow, LONG_PTR value, LONG_PTR unused) override;

private:
    void ReportDropped();

    CPslMessageDispatchEngine* m_engine;
    CMidiManagerHost* m_host;
    const CVpProgramAccessor* m_accessor;
    const CVpIdConverter* m_converter;
    std::atomic<int> m_pending{0};
    std::atomic<std::uint64_t> m_dropped{0};
};
