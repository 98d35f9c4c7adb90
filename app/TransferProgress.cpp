#include "app/TransferProgress.h"

#include <platform/kernel.h>

#include <utility>

void CTransferProgress::Open(HWND owner, const std::string& title, std::function<void()> onCancel)
{
    Close();
    Waiting waiting{owner, title, std::move(onCancel), GetTickCount(), std::nullopt, std::nullopt};
    if (m_showDelayMs == 0)
        Show(std::move(waiting));
    else
        m_waiting = std::move(waiting);
}

void CTransferProgress::ShowWhenDue(bool inputWaiting)
{
    if (!m_waiting)
        return;
    const DWORD running = GetTickCount() - m_waiting->openedAt;
    if (running >= m_showDelayMs + (inputWaiting ? kInputGraceMs : 0))
        Show(*std::exchange(m_waiting, std::nullopt));
}

void CTransferProgress::Show(Waiting waiting)
{
    auto dialog = std::make_unique<CProgressDialog>(std::move(waiting.onCancel));
    if (!dialog->CreateModeless(waiting.owner, 0))
        return;
    m_dialog = std::move(dialog);
    m_dialog->SetTitle(waiting.title);
    if (waiting.text)
        SetText(*waiting.text);
    if (waiting.progress)
        SetProgress(waiting.progress->first, waiting.progress->second);
}

void CTransferProgress::SetText(const std::string& text)
{
    if (m_waiting)
        m_waiting->text = text;
    if (m_dialog)
        m_dialog->SetText(text);
}

void CTransferProgress::SetProgress(std::int32_t position, std::int32_t total)
{
    if (m_waiting)
        m_waiting->progress = std::make_pair(position, total);
    if (m_dialog) {
        m_dialog->SetTotal(total);
        m_dialog->SetPosition(position);
    }
}

void CTransferProgress::Close()
{
    m_waiting.reset();
    if (m_dialog)
        m_dialog->EndDialog(0);
    m_dialog.reset();
}
