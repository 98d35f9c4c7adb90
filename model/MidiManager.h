#pragma once
// The single owner of the connection to the device: opens the ports of the
// port object, listens on its MIDI thread, learns the device's channel,
// sends parameter changes and All Notes Off, and runs the transfers of
// programs and global data, one request and reply at a time.
// Its members are defined by concern in:
//   MidiManager.cpp           the ports, parameter changes, All Notes Off and received messages
//   MidiManagerOpenPorts.cpp  choosing the ports by saved name or by a scan
//   MidiManagerTransfers.cpp  the transfers of programs and global data
//   MidiManagerReplies.cpp    the replies on the MIDI thread and the wait for them
//   MidiManagerReports.cpp    status-log lines, message boxes and progress of transfers
#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcMidi.h"
#include "framework/services/HfcMidiListener.h"
#include "model/Global.h"
#include "model/LibraryData.h"
#include "model/MidiManagerHost.h"
#include "model/ParameterChangeReceiver.h"
#include "model/Program.h"
#include "model/SysExReply.h"
#include "model/VpException.h"

#include <atomic>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

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

    // (Re)opens the ports from the saved names, or through a scan of every
    // port when the settings ask for it; warns about a foreign driver.
    void OpenPorts();

    // Transfers, on the message thread; each runs to its end and returns
    // true when it did. Number -1 is the device's current program.
    bool ReceiveProgram(CProgram& program, std::int32_t number);
    bool ReceiveCurrentProgram(CProgram& program, LONG_PTR owner, std::int32_t programNumber);
    bool WriteProgram(CProgram& program, std::int32_t number, bool report = true);
    bool ReceiveAllPrograms(LibraryData& library);
    bool WriteAllPrograms(LibraryData& library);
    bool ReceiveGlobal(LibraryData& library);
    bool WriteGlobal(LibraryData& library);
    bool ReceiveAll(LibraryData& library, bool report = true);
    bool WriteAll(LibraryData& library);

    // The progress dialog's Cancel: bank loops stop before the next program.
    void CancelTransfer() { m_continue = false; }
    // Bank records the last bank receive filled, also when it stopped early.
    const std::bitset<kProgramBankSize>& GetReceivedPrograms() const { return m_receivedPrograms; }

    // How long a request waits for its reply; tests shorten it.
    void SetReplyTimeout(DWORD milliseconds) { m_replyTimeoutMs = milliseconds; }

    struct DeviceFields
    {
        std::int32_t family = 0;
        std::int32_t member = 0;
        std::int32_t version1 = 0;
        std::int32_t version2 = 0;
    };
    DeviceFields GetDeviceFields() const;

    struct ReplyState
    {
        ReplyKind expected;
        std::int32_t phase;
        std::int32_t result;
        bool operator==(const ReplyState&) const = default;
    };
    ReplyState GetReplyState() const { return {m_expectedReply, m_replyPhase, m_result}; }
    // True while a transfer holds the exclusive semaphore.
    bool IsTransferRunning() const;

private:
    struct Frame;

    // Runs steps between the frame's opening and closing; false when busy.
    bool RunTransfer(const char* key, std::int32_t total, bool report, const std::function<void()>& steps,
                     const std::function<void()>& onFinished);
    bool DeviceInquiry();
    // Sets the awaited reply, sends, and waits for its result; a time-out or
    // a refusal throws.
    void Exchange(ReplyKind kind, std::int32_t phase, const std::vector<std::uint8_t>& request);
    bool RequestAllProgramDumps(ProgramBank& bank);
    bool SendAllProgramDumps(ProgramBank& bank);
    void RequestGlobalDump(CGlobal& global);
    void SendGlobalDump(CGlobal& global);
    void OpenProgressDialog(const std::string& key, std::int32_t total);
    void SetProgressText(const std::string& key);
    void AdvanceProgress();
    void CloseProgressDialog();
    void ClearReplyState();
    void HandleReply(const std::uint8_t* bytes, std::int32_t length);

    void LogSuccess(bool success, const std::string& key, const std::string& detail);
    void LogBatchResult(const std::string& key, bool success);
    // Shows the failure (and logs it when asked); answers the text shown.
    std::string ReportMidiException(const CVpMidiException& error, const std::string& key, bool withLog);

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
    bool m_continue = false;
    std::atomic<std::int32_t> m_globalChannel{0};

    // Written by the message thread before a request, by the MIDI thread
    // when the reply has been handled; read after the reply semaphore.
    std::atomic<ReplyKind> m_expectedReply{ReplyKind::None};
    std::atomic<std::int32_t> m_replyPhase{0};
    std::atomic<std::int32_t> m_result{0};
    mutable std::mutex m_replyMutex;  // the buffers and device fields
    CProgram m_programBuffer;
    CGlobal m_globalBuffer;
    DeviceFields m_device;
    bool m_anyTargetFamily = false;

    DWORD m_replyTimeoutMs = 5000;
    std::int32_t m_progressPosition = 0;
    std::int32_t m_progressTotal = 1;
    bool m_progressOpen = false;
    std::bitset<kProgramBankSize> m_receivedPrograms;
};

// The first OUT (or IN) port whose name equals the text exactly; -1 for none.
std::int32_t FindMidiPortByName(bool out, const std::string& name);

// "%02X " per byte of the first 26, as the MIDI monitor shows a message.
std::string FormatMidiMonitorLine(const BYTE* bytes, int length);
