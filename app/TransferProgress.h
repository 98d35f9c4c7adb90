#pragma once
// The one progress dialog of a transfer or a port scan, as the MIDI manager
// asks the shell for it: opened, updated and closed by the transfer, which
// hears of Cancel through its callback.
#include "app/ProgressDialog.h"

#include <memory>

class CTransferProgress
{
public:
    // A dialog still open is closed first.
    void Open(HWND owner, const std::string& title, std::function<void()> onCancel);
    // Nothing while no dialog is open.
    void SetText(const std::string& text);
    void SetProgress(std::int32_t position, std::int32_t total);
    void Close();
    bool IsOpen() const { return m_dialog != nullptr && m_dialog->IsOpen(); }

private:
    std::unique_ptr<CProgressDialog> m_dialog;
};
