#include "model/ParameterChangeReceiver.h"

#include "model/Program.h"
#include "model/SysExProtocol.h"

namespace {

constexpr int kParameterChangeId = 0x41;
constexpr std::int32_t kNameCharacterCount = 8;

}  // namespace

CParameterChangeReceiver::CParameterChangeReceiver(CPslMessageDispatchEngine* engine, CMidiManagerHost* host,
                                                   const CVpProgramAccessor* accessor, const CVpIdConverter* converter)
    : m_engine(engine), m_host(host), m_accessor(accessor), m_converter(converter)
{}

bool CParameterChangeReceiver::Offer(const std::uint8_t* message, std::int32_t length)
{
    ParameterChangeMessage change{};
    if (!ReadParameterChangeMessage(message, length, change))
        return false;
    m_engine->Dispatch(this, kParameterChangeId, change.idHigh, change.idLow, change.value, 0, true);
    return true;
}

void CParameterChangeReceiver::OnPslMessage(int id, LONG_PTR idHigh, LONG_PTR idLow, LONG_PTR value,
                                            LONG_PTR /*unused*/)
{
    CMidiManagerHost::ParameterChangeTarget target{};
    if (id != kParameterChangeId || m_accessor == nullptr || !m_host->GetParameterChangeTarget(target) ||
        target.program == nullptr)
        return;
    DeviceParameterId deviceId{static_cast<std::uint32_t>(idHigh), static_cast<std::uint32_t>(idLow)};
    ParameterAddress address{};
    if (idHigh < 0 || idLow < 0 || !m_converter->FromDeviceId(deviceId, address))
        return;
    m_accessor->SetValue(target.program, address, static_cast<std::int32_t>(value));
    m_host->Broadcast(kProgramDataChanged, target.programNumber, target.owner);
    if (idHigh == 0 && idLow < kNameCharacterCount) {
        UpdateProgramRecordName(*target.program);
        m_host->Broadcast(kProgramNameChanged, target.programNumber, 0);
    }
}
