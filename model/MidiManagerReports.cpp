// How transfers tell the user: status-log lines, message boxes and the
// progress dialog, all in the texts named by the transfer's key.
#include "model/LocalizedText.h"
#include "model/MidiManager.h"

#include <string>

namespace {

constexpr int kStyleOk = 0x12;
constexpr int kStyleWarning = 0x82;

}  // namespace

void CMidiManager::LogSuccess(bool success, const std::string& key, const std::string& detail)
{
    std::string line = LocalizedText((success ? "SuccessLog" : "FailedLog") + key);
    if (!detail.empty())
        line += " : " + detail;
    m_host->LogLine(line);
}

void CMidiManager::LogBatchResult(const std::string& key, bool success)
{
    m_host->LogLine(LocalizedText("TitleLog" + key) + " : " +
                    LocalizedText((success ? "SuccessLog" : "FailedLog") + key));
    m_host->ShowMessageBox(success ? kStyleOk : kStyleWarning, LocalizedText("Title" + key),
                           LocalizedText((success ? "Success" : "Failed") + key));
}

void CMidiManager::LogProgramsReceived(const std::string& key, bool complete)
{
    if (complete || m_receivedPrograms.none())
        return;
    m_host->LogLine(LocalizedText("TitleLog" + key) + " : " + LocalizedText("ProgramsReceivedLog") + " : " +
                    std::to_string(m_receivedPrograms.count()));
}

std::string CMidiManager::ReportMidiException(const CVpMidiException& error, const std::string& key, bool withLog)
{
    const std::string messageKey = error.GetMessage() != nullptr ? error.GetMessage() : "MidiErrorInternalError";
    std::string message = LocalizedText(messageKey);
    m_host->ShowMessageBox(kStyleWarning, LocalizedText("Title" + key), message);
    if (withLog)
        m_host->LogLine(LocalizedText("TitleLog" + key) + " : " + LocalizedText(messageKey + "Log"));
    return message;
}

void CMidiManager::OnHfcMidiInputDropped(CHfcMidi* /*midi*/, ULONGLONG bytes)
{
    m_host->LogLine(LocalizedText("MidiInputDroppedLog") + " " + std::to_string(bytes));
}

void CMidiManager::OpenProgressDialog(const std::string& key, std::int32_t total)
{
    m_host->OpenProgressDialog(LocalizedText("Title" + key), [this] { CancelTransfer(); });
    m_progressOpen = true;
    m_progressTotal = total;
    m_progressPosition = 0;
    m_host->SetProgress(m_progressPosition, m_progressTotal);
}

void CMidiManager::SetProgressText(const std::string& key)
{
    if (m_progressOpen)
        m_host->SetProgressText(LocalizedText("Progress" + key));
}

void CMidiManager::AdvanceProgress()
{
    ++m_progressPosition;
    if (m_progressOpen)
        m_host->SetProgress(m_progressPosition, m_progressTotal);
}

void CMidiManager::CloseProgressDialog()
{
    if (!m_progressOpen)
        return;
    m_host->CloseProgressDialog();
    m_progressOpen = false;
}
