#include "app/AppMain.h"

#include "app/LogManager.h"
#include "app/MMTimer.h"
#include "app/MessageBoxes.h"
#include "app/WindowManager.h"

void CAppMain::LogLine(const std::string& line)
{
    if (m_logManager != nullptr)
        m_logManager->AddLine(line.c_str());
}

int CAppMain::ShowMessageBox(int style, const std::string& title, const std::string& text)
{
    return ShowAppMessageBox(style, title, text);
}

void CAppMain::OpenProgressDialog(const std::string& title, std::function<void()> onCancel)
{
    m_progress.Open(m_frame != nullptr ? m_frame->GetHandle() : nullptr, title, std::move(onCancel));
}

void CAppMain::SetProgressText(const std::string& text)
{
    m_progress.SetText(text);
}

void CAppMain::SetProgress(std::int32_t position, std::int32_t total)
{
    m_progress.SetProgress(position, total);
}

void CAppMain::CloseProgressDialog()
{
    m_progress.Close();
}

void CAppMain::PauseTimer()
{
    if (m_timer != nullptr)
        m_timer->Pause();
}

void CAppMain::ResumeTimer()
{
    if (m_timer != nullptr)
        m_timer->Resume();
}

CMidiManagerHost::PortSettings CAppMain::GetPortSettings()
{
    return {m_settings.midiDeviceAutoScan, m_settings.midiInDevice, m_settings.midiOutDevice};
}

bool CAppMain::GetParameterChangeTarget(ParameterChangeTarget& target)
{
    if (!m_parameterTarget.has_value())
        return false;
    target = *m_parameterTarget;
    return true;
}

void CAppMain::SetParameterChangeTarget(const ParameterChangeTarget& target)
{
    m_parameterTarget = target;
}

void CAppMain::Broadcast(int event, LONG_PTR param1, LONG_PTR param2)
{
    if (m_windowManager != nullptr)
        m_windowManager->PostMessageToAll(event, param1, param2, 0, 0, nullptr);
}
