#include "app/TransferProgress.h"

void CTransferProgress::Open(HWND owner, const std::string& title, std::function<void()> onCancel)
{
    Close();
    auto dialog = std::make_unique<CProgressDialog>(std::move(onCancel));
    if (!dialog->CreateModeless(owner, 0))
        return;
    m_dialog = std::move(dialog);
    m_dialog->SetTitle(title);
}

void CTransferProgress::SetText(const std::string& text)
{
    if (m_dialog)
        m_dialog->SetText(text);
}

void CTransferProgress::SetProgress(std::int32_t position, std::int32_t total)
{
    if (m_dialog) {
        m_dialog->SetTotal(total);
        m_dialog->SetPosition(position);
    }
}

void CTransferProgress::Close()
{
    if (m_dialog)
        m_dialog->EndDialog(0);
    m_dialog.reset();
}
