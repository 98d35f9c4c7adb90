#pragma once
// Applies the device's parameter changes to the current target. Heard on
// the MIDI thread, applied on the message thread, where the target is
// looked up afresh so a closed window's record is never written.
#include "framework/services/PslMessageDispatchEngine.h"
#include "model/MidiManagerHost.h"
#include "model/VpIdConverter.h"
#include "model/VpProgramAccessor.h"

#include <cstdint>

class CParameterChangeReceiver : public CPslMessageDispatchListener
{
public:
    // Window-manager events broadcast after a change: the data, and for a
    // name character the name (3, which the program list redraws its row
    // for; 2 would tell the windows the whole program was replaced).
    static constexpr int kProgramDataChanged = 7;
    static constexpr int kProgramNameChanged = 3;

    CParameterChangeReceiver(CPslMessageDispatchEngine* engine, CMidiManagerHost* host,
                             const CVpProgramAccessor* accessor, const CVpIdConverter* converter);

    // Any thread: true when the message is a parameter change, which is
    // then handed to the message thread.
    bool Offer(const std::uint8_t* message, std::int32_t length);

    void OnPslMessage(int id, LONG_PTR idHigh, LONG_PTR idLow, LONG_PTR value, LONG_PTR unused) override;

private:
    CPslMessageDispatchEngine* m_engine;
    CMidiManagerHost* m_host;
    const CVpProgramAccessor* m_accessor;
    const CVpIdConverter* m_converter;
};
