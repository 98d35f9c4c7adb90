#pragma once
// Dialog boxes made from templates in our dialog text format (see
// resources/dialogs/README.md), the dialog manager's keys, and message boxes.
#include <platform/combobox.h>
#include <platform/edit.h>
#include <platform/input.h>

typedef INT_PTR(CALLBACK* DLGPROC)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#define WM_INITDIALOG 0x0110

#define WS_GROUP 0x00020000u
#define WS_TABSTOP 0x00010000u

// Command ids of the standard buttons.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// BUTTON styles and notifications.
#define BS_PUSHBUTTON 0x0000u
#define BS_DEFPUSHBUTTON 0x0001u
#define BS_AUTOCHECKBOX 0x0003u
#define BS_GROUPBOX 0x0007u
#define BS_TYPEMASK 0x000Fu
#define BN_CLICKED 0
// Check boxes: BM_SETCHECK takes a state in wParam, BM_GETCHECK answers it.
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
// Pressed as by a click: a check box turns over and the parent hears
// BN_CLICKED.
#define BM_CLICK 0x00F5

// STATIC styles: where the text lies across the label, and whether "&"
// marks a mnemonic (shown without the "&") or is shown as it is.
#define SS_LEFT 0x0000u
#define SS_CENTER 0x0001u
#define SS_RIGHT 0x0002u
#define SS_TYPEMASK 0x001Fu
#define SS_NOPREFIX 0x0080u

// The progress bar's class. Its range is 0 to 100; PBM_SETPOS clamps the
// position to it and answers the previous one.
#define PROGRESS_CLASSA "msctls_progress32"
#define PROGRESS_CLASSW u"msctls_progress32"
#define PROGRESS_CLASS PROGRESS_CLASSA
#define PBM_SETPOS (WM_USER + 2)

// More WM_GETDLGCODE answers, for buttons.
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// The template is a resource of type "DIALOG" found by name. Modal: the
// owner is disabled while the dialog runs and posted messages, paint and
// timers keep being dispatched. Answers EndDialog's result, -1 when the
// template is missing or damaged, 0 for a null owner that is not a window.
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure, LPARAM param);
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC procedure, LPARAM param);
// Modeless; shown at once only when the template says "visible".
HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure, LPARAM param);
HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC procedure, LPARAM param);
// Ends a modal dialog once its procedure returns; FALSE for a window that
// is not a dialog.
BOOL EndDialog(HWND dialog, INT_PTR result);

// Direct children only.
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND control);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int size);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);

// Handles a message for the dialog or one of its controls: Tab and
// Shift+Tab move the focus between tab stops, Enter presses the focused push
// button or else the default one, Escape sends IDCANCEL. A letter marked
// with "&" in a button's or label's text, typed with Alt or, when the
// focused control takes no characters, alone, presses that button or moves
// the focus to the tab stop after that label. TRUE when the message was for
// the dialog (it has then been dispatched).
BOOL IsDialogMessageA(HWND dialog, LPMSG msg);
BOOL IsDialogMessageW(HWND dialog, LPMSG msg);

// Message box button sets and icons.
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_TYPEMASK 0x0000000Fu
#define MB_ICONHAND 0x00000010u
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONMASK 0x000000F0u
#define MB_SETFOREGROUND 0x00010000u

// A modal box of our own with the icon of the type's icon bits left of the
// text; the owner, when given, is disabled while it runs.
// Escape answers IDCANCEL when there is a Cancel button, IDOK for MB_OK and
// nothing for MB_YESNO. 0 for an unknown button set.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
