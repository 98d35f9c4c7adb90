#pragma once
// What the dialog manager keeps for each dialog window.
#include "dialog_template.h"

#include <platform/dialogs.h>
#include <platform/testing/modal_scripts.h>

#include <vector>

namespace platform::dialogs {

struct DialogState
{
    DLGPROC procedure = nullptr;
    bool unicode = false;
    bool ended = false;
    INT_PTR result = 0;
    std::vector<HWND> controls;  // in template order, which is the tab order
    HWND focus = nullptr;        // the control to give the focus back to
};

// Null for a window that is not a dialog. Only the owning thread uses it.
DialogState* FindDialog(HWND dialog);

// Creates the dialog hidden with its controls, sends WM_INITDIALOG and shows
// it when the template says so. Null when a window cannot be made.
HWND CreateDialogFrom(const DialogTemplate& dialog, HWND owner, DLGPROC procedure, LPARAM param, bool unicode);
// Runs the modal loop of a dialog made by CreateDialogFrom and destroys it;
// a script runs once, as soon as the loop has nothing to do.
INT_PTR RunModal(HWND dialog, HWND owner, testing::DialogScript script = {});

// Gives a control the focus as the dialog manager does: a field's whole
// text is selected, so that typing replaces it.
void FocusItem(HWND control);

// The next (or previous) enabled, visible tab stop after `from`, wrapping.
HWND NextTabStop(const DialogState& state, HWND from, bool backwards);

}  // namespace platform::dialogs
