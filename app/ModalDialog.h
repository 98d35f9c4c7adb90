#pragma once
// The base of the editor's dialogs: runs a dialog template of the resources
// modally or modeless, hands its start and its commands to the subclass,
// and reads and writes its items.
#include <platform/dialogs.h>

#include <string>

// Commands reach the dialogs either as control ids or as four-character codes.
constexpr int FourCharCode(const char (&code)[5])
{
    return (code[0] << 24) | (code[1] << 16) | (code[2] << 8) | code[3];
}

class CModalDialog
{
public:
    static constexpr int kIdOk = 500;
    static constexpr int kIdCancel = 501;
    static constexpr int kCommandOk = FourCharCode("ok  ");
    static constexpr int kCommandCancel = FourCharCode("not!");
    static constexpr int kIdProgressBar = 9001;
    static constexpr int kIdProgressText = 9002;
    static constexpr int kMaxItemText = 256;

    CModalDialog() = default;
    // A modeless dialog still open is closed.
    virtual ~CModalDialog();
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;

    // Runs the dialog box owned by owner and counted as open; answers the
    // result it ended with, 0 when there is no template.
    int DoModal(HWND owner, LPARAM parameter);
    // Shows the dialog modeless with its owner disabled, not counted as
    // open; false when there is no template or it cannot be made.
    bool CreateModeless(HWND owner, LPARAM parameter);
    // A modeless dialog re-enables and activates its owner and goes away.
    void EndDialog(int result);

    bool IsOpen() const { return m_dialog != nullptr; }
    HWND GetHandle() const { return m_dialog; }
    int GetResult() const { return m_result; }

protected:
    virtual void OnInitDialog(LPARAM /*parameter*/) {}
    virtual void OnCommand(int /*id*/, int /*notification*/, LPARAM /*parameter*/) {}
    // The dialog resource; none in the base, so nothing is shown.
    virtual const char* GetTemplateName() const { return nullptr; }
    // Asked on Escape, Cancel (id 2) and the close box; false keeps the
    // dialog open.
    virtual bool CanCancel() { return true; }

    // Items of the open dialog by id; nothing happens while it is closed.
    void EnableItem(int id, bool enable);
    void SetItemFocus(int id);
    void ResetComboBox(int id);
    void SetComboBoxSelection(int id, int index);
    bool InsertComboBoxText(int id, int index, const std::string& text);
    void AddComboBoxText(int id, const std::string& text);
    // -1 for none.
    int GetComboBoxSelection(int id) const;
    void SetChecked(int id, bool checked);
    bool IsChecked(int id) const;
    void SetItemText(int id, const std::string& text);
    // At most kMaxItemText bytes.
    std::string GetItemText(int id) const;
    void SetTitle(const std::string& text);
    // Position 0 to 100 of the progress bar.
    void SetProgressPosition(int position);
    void SetProgressText(const std::string& text);

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam);

    HWND m_owner = nullptr;
    LPARAM m_parameter = 0;
    int m_result = 0;
    bool m_modeless = false;
    bool m_reenableOwner = false;
    HWND m_dialog = nullptr;
};
