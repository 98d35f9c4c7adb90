#pragma once
// The caller's hook procedure of a file dialog: called for a hidden child of
// the dialog, so that the window words it sets there are its own.
#include <platform/commdlg.h>

namespace platform::filedialog {

class DialogHook
{
public:
    // Makes the child and sends the hook WM_INITDIALOG; does nothing when
    // the structure asks for no hook.
    DialogHook(HWND dialog, OPENFILENAMEW& structure);
    ~DialogHook();
    DialogHook(const DialogHook&) = delete;
    DialogHook& operator=(const DialogHook&) = delete;

    // WM_NOTIFY with an OFNOTIFYW carrying the code.
    void Notify(UINT code);

private:
    HWND dialog_;
    OPENFILENAMEW& structure_;
    LPOFNHOOKPROC hook_ = nullptr;
    HWND child_ = nullptr;
};

}  // namespace platform::filedialog
