// The reply side of the transfers: the handlers that run on the MIDI thread
// and the message thread's wait for them.
#include "framework/services/ServiceSlots.h"
#include "model/LocalizedText.h"
#include "model/MidiManager.h"
#include "model/PumpingWait.h"
#include "model/SysExProtocol.h"

#include <array>
#include <cstring>

namespace {

constexpr std::int32_t kResultNone = 0;
constexpr std::int32_t kResultFailure = 1;
constexpr std::int32_t kResultSuccess = 3;
constexpr std::int32_t kPhaseWrite = 1;
constexpr std::int32_t kPhaseDump = 3;
// A foreign answer to the inquiry may be followed by the device's own.
constexpr DWORD kInquiryGraceMs = 100;

std::int32_t RequiredPhase(ReplyKind kind)
{
    switch (kind) {
    case ReplyKind::ProgramWriteReply:
    case ReplyKind::GlobalWriteReply: return kPhaseWrite;
    case ReplyKind::ProgramDumpReply:
    case ReplyKind::GlobalDumpReply: return kPhaseDump;
    default: return 0;
    }
}

}  // namespace

CMidiManager::DeviceFields CMidiManager::GetDeviceFields() const
{
    std::lock_guard lock(m_replyMutex);
    return m_device;
}

bool CMidiManager::IsTransferRunning() const
{
    if (!m_created)
        return false;
    if (m_exclusiveSemaphore->WaitWithTimeout(0) != CHfcSemaphore::kObtained)
        return true;
    m_exclusiveSemaphore->Release();
    return false;
}

void CMidiManager::HandleReply(const std::uint8_t* bytes, std::int32_t length)
{
    const ReplyKind kind = m_expectedReply;
    if (kind == ReplyKind::None)
        return;
    if (kind == ReplyKind::InquiryReply) {
        DeviceIdentity identity{};
        if (!ReadDeviceInquiryReply(bytes, length, identity))
            return;
        {
            std::lock_guard lock(m_replyMutex);
            m_globalChannel = identity.channel;
            m_device = {identity.family, identity.member, identity.version1, identity.version2};
            m_anyTargetFamily = m_anyTargetFamily || identity.family == kDeviceFamilyCode;
        }
        m_result = kResultSuccess;
        m_replySemaphore->Release();
        return;
    }
    if (m_replyPhase != RequiredPhase(kind))
        return;

    std::array<std::uint8_t, CQ3917ProgramData::kImageSize> image{};
    const std::size_t imageSize = kind == ReplyKind::GlobalDumpReply ? std::size_t{CQ3917GlobalData::kImageSize}
                                                                     : std::size_t{CQ3917ProgramData::kImageSize};
    const ReplyVerdict verdict = ClassifyReply(kind, bytes, length, std::span(image.data(), imageSize));
    if (verdict == ReplyVerdict::Ignored)
        return;
    if (verdict == ReplyVerdict::Success && kind == ReplyKind::ProgramDumpReply) {
        std::lock_guard lock(m_replyMutex);
        m_programBuffer.Initialize();
        std::memcpy(m_programBuffer.GetData(), image.data(), imageSize);
    } else if (verdict == ReplyVerdict::Success && kind == ReplyKind::GlobalDumpReply) {
        std::lock_guard lock(m_replyMutex);
        m_globalBuffer.Initialize();
        std::memcpy(m_globalBuffer.GetData(), image.data(), imageSize);
    }
    m_result = verdict == ReplyVerdict::Success ? kResultSuccess : kResultFailure;
    m_replyPhase = 0;
    m_expectedReply = ReplyKind::None;
    m_replySemaphore->Release();
}

void CMidiManager::ClearReplyState()
{
    m_expectedReply = ReplyKind::None;
    m_replyPhase = 0;
    m_result = kResultNone;
}

void CMidiManager::Exchange(ReplyKind kind, std::int32_t phase, const std::vector<std::uint8_t>& request)
{
    // A release left over from an earlier reply must not end this wait.
    while (m_replySemaphore->WaitWithTimeout(0) == CHfcSemaphore::kObtained) {
    }
    m_result = kResultNone;
    m_replyPhase = phase;
    m_expectedReply = kind;
    if (!m_midi->Out(static_cast<int>(request.size()), request.data()))
        throw CVpMidiException(CVpMidiException::SendMessageFailed);
    ShowSent(request.data(), static_cast<int>(request.size()));

    // A wake-up without a result is no reply: the wait goes on.
    if (!WaitWhilePumping(*m_replySemaphore, m_replyTimeoutMs, [this] { return m_result != kResultNone; }))
        throw CVpMidiException(CVpMidiException::Timeout);
    if (m_result == kResultFailure)
        throw CVpMidiException(CVpMidiException::ReceiveError);
}

bool CMidiManager::DeviceInquiry()
{
    if (!IsReady()) {
        m_host->LogLine(LocalizedText("TitleDeviceInquiry") + " - " + LocalizedText("MidiErrorDeviceNotSpecifiedLog"));
        return false;
    }
    if (m_progressOpen) {
        SetProgressText("DeviceInquiry");
        PumpMessages();
    }
    {
        std::lock_guard lock(m_replyMutex);
        m_anyTargetFamily = false;
    }
    Exchange(ReplyKind::InquiryReply, 0, BuildSysExMessage(DeviceInquiryRequest, 0));
    const auto isTarget = [this] {
        std::lock_guard lock(m_replyMutex);
        return m_anyTargetFamily;
    };
    // Two devices on one port: the check passes when any of them is ours.
    if (!isTarget())
        WaitWhilePumping(*m_replySemaphore, kInquiryGraceMs, isTarget);
    m_expectedReply = ReplyKind::None;
    if (!isTarget())
        throw CVpMidiException(CVpMidiException::NotTargetDevice);
    return true;
}
