#include "app/ProgressDialog.h"

#include <algorithm>

CProgressDialog::CProgressDialog(std::function<void()> onCancel) : m_onCancel(std::move(onCancel))
{}

void CProgressDialog::SetPosition(std::int32_t position)
{
    m_position = position;
    ShowPosition();
}

void CProgressDialog::SetTotal(std::int32_t total)
{
    m_total = std::max<std::int32_t>(total, 1);
    ShowPosition();
}

void CProgressDialog::SetText(const std::string& text)
{
    SetProgressText(text);
}

void CProgressDialog::OnCommand(int id, int /*notification*/, LPARAM /*parameter*/)
{
    if ((id == kIdCancelButton || id == kCommandCancel) && m_onCancel)
        m_onCancel();
}

bool CProgressDialog::CanCancel()
{
    if (m_onCancel)
        m_onCancel();
    return false;
}

void CProgressDialog::ShowPosition()
{
    const std::int64_t percent = std::int64_t{m_position} * 100 / m_total;
    SetProgressPosition(static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100)));
}
