// The transfers of programs and global data: the frame every transfer runs
// in, and the request loops inside it.
#include "framework/services/ServiceSlots.h"
#include "model/LibraryData.h"
#include "model/MidiManager.h"
#include "model/SysExProtocol.h"

#include <cstring>

namespace {

constexpr DWORD kBusyWaitMs = 50;
constexpr std::int32_t kPhaseWrite = 1;
constexpr std::int32_t kPhaseDump = 3;
constexpr std::int32_t kCurrentProgram = -1;
constexpr std::int32_t kAllDataTotal = kProgramBankSize + 1;

// The image's first eight bytes as they are, blanks kept.
void CopyNameFromImage(CProgram& program)
{
    ProgramRegion& region = program.GetRegion();
    std::memcpy(region.name, region.image, ProgramRegion::kNameLength);
    region.name[ProgramRegion::kNameLength] = '\0';
}

ProgramBank& RequireBank(LibraryData& library)
{
    ProgramBank* bank = library.GetProgramBank();
    if (bank == nullptr)
        throw CVpMidiException(CVpMidiException::InternalError);
    return *bank;
}

CGlobal& RequireGlobal(LibraryData& library)
{
    CGlobal* global = library.GetGlobal();
    if (global == nullptr)
        throw CVpMidiException(CVpMidiException::InternalError);
    return *global;
}

}  // namespace

// Whatever way a transfer ends, the semaphores, the timer, the dialog and
// the reply state are back as they were.
struct CMidiManager::Frame
{
    explicit Frame(CMidiManager& manager) : m(manager) { m.m_host->PauseTimer(); }
    ~Frame()
    {
        m.CloseProgressDialog();
        m.ClearReplyState();
        m.m_host->ResumeTimer();
        m.m_exclusiveSemaphore->Release();
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    CMidiManager& m;
};

bool CMidiManager::RunTransfer(const char* key, std::int32_t total, bool report, const std::function<void()>& steps,
                               const std::function<void()>& onFinished)
{
    if (!m_created) {
        if (report)
            m_errorText = ReportMidiException(CVpMidiException(CVpMidiException::DeviceNotSpecified), key, true);
        return false;
    }
    if (m_exclusiveSemaphore->WaitWithTimeout(kBusyWaitMs) != CHfcSemaphore::kObtained)
        return false;
    Frame frame(*this);
    if (!IsReady()) {
        if (report)
            m_errorText = ReportMidiException(CVpMidiException(CVpMidiException::DeviceNotSpecified), key, true);
        return false;
    }
    m_continue = true;
    OpenProgressDialog(key, total);
    PumpMessages();
    try {
        if (!DeviceInquiry())
            throw CVpMidiException(CVpMidiException::DeviceInquiry);
        steps();
        CloseProgressDialog();
        onFinished();
        return true;
    } catch (const CVpMidiException& error) {
        CloseProgressDialog();
        // Kept as the last failure's text too, for callers that report it again.
        m_errorText = ReportMidiException(error, key, true);
        return false;
    }
}

bool CMidiManager::ReceiveProgram(CProgram& program, std::int32_t number)
{
    const char* key = number == kCurrentProgram ? "ReceiveCurrentProgram" : "ReceiveProgram";
    return RunTransfer(
        key, 1, true,
        [&] {
            SetProgressText(key);
            PumpMessages();
            const auto request = number == kCurrentProgram
                                     ? BuildSysExMessage(CurrentProgramDumpRequest, m_globalChannel)
                                     : BuildSysExMessage(ProgramDumpRequest, m_globalChannel, number);
            Exchange(ReplyKind::ProgramDumpReply, kPhaseDump, request);
            {
                std::lock_guard lock(m_replyMutex);
                CopyProgramImage(program, m_programBuffer);
            }
            CopyNameFromImage(program);
            program.ResetOscControlMemory();
            AdvanceProgress();
        },
        [&] { LogSuccess(true, key, program.GetRegion().name); });
}

bool CMidiManager::ReceiveCurrentProgram(CProgram& program, LONG_PTR owner, std::int32_t programNumber)
{
    m_host->SetParameterChangeTarget({&program, programNumber, owner});
    return ReceiveProgram(program, kCurrentProgram);
}

bool CMidiManager::WriteProgram(CProgram& program, std::int32_t number, bool report)
{
    const char* key = number == kCurrentProgram ? "TransmitCurrentProgram" : "WriteProgram";
    return RunTransfer(
        key, 1, report,
        [&] {
            SetProgressText(key);
            PumpMessages();
            const std::span<const std::uint8_t> image(program.GetData(), CQ3917ProgramData::kImageSize);
            const auto dump = number == kCurrentProgram
                                  ? BuildSysExMessage(CurrentProgramDump, m_globalChannel, 0, image)
                                  : BuildSysExMessage(ProgramDump, m_globalChannel, number, image);
            Exchange(ReplyKind::ProgramWriteReply, kPhaseWrite, dump);
            AdvanceProgress();
            LogSuccess(true, key, program.GetRegion().name);
            if (number == kCurrentProgram) {
                CMidiManagerHost::ParameterChangeTarget target{nullptr, kCurrentProgram, 0};
                m_host->GetParameterChangeTarget(target);
                target.program = &program;
                m_host->SetParameterChangeTarget(target);
                program.ResetOscControlMemory();
            }
        },
        [] {});
}

bool CMidiManager::RequestAllProgramDumps(ProgramBank& bank)
{
    m_receivedPrograms.reset();
    for (std::int32_t number = 0; number < kProgramBankSize && m_continue; ++number) {
        Exchange(ReplyKind::ProgramDumpReply, kPhaseDump,
                 BuildSysExMessage(ProgramDumpRequest, m_globalChannel, number));
        CProgram& record = bank[static_cast<std::size_t>(number)];
        {
            std::lock_guard lock(m_replyMutex);
            CopyProgramRegion(m_programBuffer, record);
        }
        CopyNameFromImage(record);
        record.ResetOscControlMemory();
        m_receivedPrograms.set(static_cast<std::size_t>(number));
        AdvanceProgress();
        PumpMessages();
    }
    return m_continue;
}

bool CMidiManager::SendAllProgramDumps(ProgramBank& bank)
{
    for (std::int32_t number = 0; number < kProgramBankSize && m_continue; ++number) {
        const CProgram& record = bank[static_cast<std::size_t>(number)];
        const std::span<const std::uint8_t> image(record.GetData(), CQ3917ProgramData::kImageSize);
        Exchange(ReplyKind::ProgramWriteReply, kPhaseWrite,
                 BuildSysExMessage(ProgramDump, m_globalChannel, number, image));
        AdvanceProgress();
        PumpMessages();
    }
    return m_continue;
}

void CMidiManager::RequestGlobalDump(CGlobal& global)
{
    SetProgressText("ReceiveGlobal");
    Exchange(ReplyKind::GlobalDumpReply, kPhaseDump, BuildSysExMessage(GlobalDumpRequest, m_globalChannel));
    std::lock_guard lock(m_replyMutex);
    std::memcpy(global.GetData(), m_globalBuffer.GetData(), CQ3917GlobalData::kImageSize);
}

void CMidiManager::SendGlobalDump(CGlobal& global)
{
    SetProgressText("WriteGlobal");
    const std::span<const std::uint8_t> image(global.GetData(), static_cast<std::size_t>(global.GetDataSize()));
    Exchange(ReplyKind::GlobalWriteReply, kPhaseWrite, BuildSysExMessage(GlobalDump, m_globalChannel, 0, image));
    AdvanceProgress();
}

bool CMidiManager::ReceiveAllPrograms(LibraryData& library)
{
    const char* key = "ReceiveAllPrograms";
    return RunTransfer(
        key, kProgramBankSize, true, [&] { RequestAllProgramDumps(RequireBank(library)); },
        [&] { LogBatchResult(key, m_continue); });
}

bool CMidiManager::WriteAllPrograms(LibraryData& library)
{
    const char* key = "WriteAllPrograms";
    return RunTransfer(
        key, kProgramBankSize, true, [&] { SendAllProgramDumps(RequireBank(library)); },
        [&] { LogBatchResult(key, m_continue); });
}

bool CMidiManager::ReceiveGlobal(LibraryData& library)
{
    const char* key = "ReceiveGlobal";
    return RunTransfer(
        key, 1, true, [&] { RequestGlobalDump(RequireGlobal(library)); }, [&] { LogSuccess(true, key, {}); });
}

bool CMidiManager::WriteGlobal(LibraryData& library)
{
    const char* key = "WriteGlobal";
    return RunTransfer(
        key, 1, true, [&] { SendGlobalDump(RequireGlobal(library)); }, [&] { LogSuccess(true, key, {}); });
}

bool CMidiManager::ReceiveAll(LibraryData& library, bool report)
{
    const char* key = "ReceiveAll";
    return RunTransfer(
        key, kAllDataTotal, report,
        [&] {
            CGlobal& global = RequireGlobal(library);
            if (RequestAllProgramDumps(RequireBank(library)))
                RequestGlobalDump(global);
        },
        [&] {
            if (report)
                LogBatchResult(key, m_continue);
            else
                LogSuccess(m_continue, key, {});
        });
}

bool CMidiManager::WriteAll(LibraryData& library)
{
    const char* key = "WriteAll";
    return RunTransfer(
        key, kAllDataTotal, true,
        [&] {
            CGlobal& global = RequireGlobal(library);
            if (SendAllProgramDumps(RequireBank(library)))
                SendGlobalDump(global);
        },
        [&] { LogBatchResult(key, m_continue); });
}
