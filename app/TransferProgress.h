#pragma once
// The one progress dialog of a transfer or a port scan, as the MIDI manager
// asks the shell for it: opened, updated and closed by the transfer, which
// hears of Cancel through its callback. Given a delay, the dialog shows only
// once the transfer has run that long, so a short transfer shows none.
#include "app/ProgressDialog.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

class CTransferProgress
{
public:
    // How much longer waiting input holds the dialog back.
    static constexpr DWORD kInputGraceMs = 2000;

    explicit CTransferProgress(DWORD showDelayMs = 0) : m_showDelayMs(showDelayMs) {}

    // A dialog still open is closed first. Without a delay the dialog shows
    // at once, otherwise at the first ShowWhenDue after the delay.
    void Open(HWND owner, const std::string& title, std::function<void()> onCancel);
    // Shows the dialog of a transfer that has run for the delay, with the
    // text and progress it was given meanwhile. Input waiting for the
    // transfer's end (a double click's second click) holds the dialog back
    // a while longer: once shown, the dialog would leave that input to a
    // disabled window.
    void ShowWhenDue(bool inputWaiting = false);
    // Nothing while no transfer runs.
    void SetText(const std::string& text);
    void SetProgress(std::int32_t position, std::int32_t total);
    void Close();
    bool IsOpen() const { return m_dialog != nullptr && m_dialog->IsOpen(); }
    // A transfer runs whose dialog is still to show.
    bool IsWaitingToShow() const { return m_waiting.has_value(); }

private:
    struct Waiting
    {
        HWND owner;
        std::string title;
        std::function<void()> onCancel;
        DWORD openedAt;
        std::optional<std::string> text;
        std::optional<std::pair<std::int32_t, std::int32_t>> progress;
    };

    void Show(Waiting waiting);

    DWORD m_showDelayMs;
    std::optional<Waiting> m_waiting;
    std::unique_ptr<CProgressDialog> m_dialog;
};
