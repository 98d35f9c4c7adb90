#include "app/ModalDialog.h"

#include "app/DialogRefCount.h"
#include "framework/services/EfTrace.h"

#include <platform/display.h>

CModalDialog::~CModalDialog()
{
    if (m_modeless && m_dialog != nullptr)
        EndDialog(-1);
}

int CModalDialog::DoModal(HWND owner, LPARAM parameter)
{
    CDialogFlag open;
    m_owner = owner;
    m_parameter = parameter;
    m_result = 0;
    m_modeless = false;
    const char* name = GetTemplateName();
    if (name == nullptr)
        return m_result;
    DialogBoxParamA(nullptr, name, owner, DialogProc, reinterpret_cast<LPARAM>(this));
    m_dialog = nullptr;
    return m_result;
}

bool CModalDialog::CreateModeless(HWND owner, LPARAM parameter)
{
    const char* name = GetTemplateName();
    if (name == nullptr) {
        EfTrace("CModalDialog::CreateModeless() - Dialog name is not specified.");
        return false;
    }
    m_owner = owner;
    m_parameter = parameter;
    m_result = 0;
    m_modeless = true;
    if (CreateDialogParamA(nullptr, name, owner, DialogProc, reinterpret_cast<LPARAM>(this)) == nullptr) {
        m_dialog = nullptr;
        return false;
    }
    m_reenableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (m_reenableOwner)
        EnableWindow(owner, FALSE);
    ShowWindow(m_dialog, SW_SHOWNORMAL);
    return true;
}

void CModalDialog::EndDialog(int result)
{
    m_result = result;
    if (m_dialog == nullptr)
        return;
    if (!m_modeless) {
        ::EndDialog(m_dialog, result);
        return;
    }
    if (m_reenableOwner && IsWindow(m_owner)) {
        EnableWindow(m_owner, TRUE);
        SetActiveWindow(m_owner);
    }
    m_reenableOwner = false;
    HWND dialog = m_dialog;
    m_dialog = nullptr;
    DestroyWindow(dialog);
}

INT_PTR CALLBACK CModalDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CModalDialog*>(lParam);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        self->m_dialog = dialog;
        self->OnInitDialog(self->m_parameter);
        return TRUE;
    }
    auto* self = reinterpret_cast<CModalDialog*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (self == nullptr || self->m_dialog != dialog)
        return FALSE;
    return self->HandleMessage(message, wParam);
}

INT_PTR CModalDialog::HandleMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id != IDCANCEL)
            OnCommand(id, 0, m_parameter);
        else if (CanCancel())
            EndDialog(-1);
        return TRUE;
    }
    case WM_CLOSE:
        // The close box is Cancel, so a dialog that must stay open (a
        // running transfer's) is asked as for Escape.
        if (CanCancel())
            EndDialog(-1);
        return TRUE;
    case WM_NCDESTROY:
        // Destroyed with its owner: nothing may touch the window any more.
        m_dialog = nullptr;
        m_reenableOwner = false;
        return FALSE;
    default: return FALSE;
    }
}

void CModalDialog::EnableItem(int id, bool enable)
{
    if (HWND item = m_dialog ? GetDlgItem(m_dialog, id) : nullptr)
        EnableWindow(item, enable ? TRUE : FALSE);
}

void CModalDialog::SetItemFocus(int id)
{
    if (HWND item = m_dialog ? GetDlgItem(m_dialog, id) : nullptr)
        SetFocus(item);
}

void CModalDialog::ResetComboBox(int id)
{
    if (m_dialog)
        SendDlgItemMessageA(m_dialog, id, CB_RESETCONTENT, 0, 0);
}

void CModalDialog::SetComboBoxSelection(int id, int index)
{
    if (m_dialog)
        SendDlgItemMessageA(m_dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool CModalDialog::InsertComboBoxText(int id, int index, const std::string& text)
{
    if (m_dialog == nullptr)
        return false;
    const LRESULT at = SendDlgItemMessageA(m_dialog, id, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                           reinterpret_cast<LPARAM>(text.c_str()));
    return at >= 0;
}

void CModalDialog::AddComboBoxText(int id, const std::string& text)
{
    if (m_dialog)
        SendDlgItemMessageA(m_dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int CModalDialog::GetComboBoxSelection(int id) const
{
    return m_dialog ? static_cast<int>(SendDlgItemMessageA(m_dialog, id, CB_GETCURSEL, 0, 0)) : CB_ERR;
}

void CModalDialog::SetChecked(int id, bool checked)
{
    if (m_dialog)
        SendDlgItemMessageA(m_dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CModalDialog::IsChecked(int id) const
{
    return m_dialog && SendDlgItemMessageA(m_dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CModalDialog::SetItemText(int id, const std::string& text)
{
    if (m_dialog)
        SetDlgItemTextA(m_dialog, id, text.c_str());
}

std::string CModalDialog::GetItemText(int id) const
{
    char text[kMaxItemText + 1] = {};
    if (m_dialog)
        GetDlgItemTextA(m_dialog, id, text, sizeof text);
    return text;
}

void CModalDialog::SetTitle(const std::string& text)
{
    if (m_dialog)
        SetWindowTextA(m_dialog, text.c_str());
}

void CModalDialog::SetProgressPosition(int position)
{
    if (m_dialog)
        SendDlgItemMessageA(m_dialog, kIdProgressBar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void CModalDialog::SetProgressText(const std::string& text)
{
    SetItemText(kIdProgressText, text);
}
