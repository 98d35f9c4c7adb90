#pragma once
// The open and save file dialogs: our own modal dialog listing the current
// folder's sub-folders and the files that match the chosen filter, with a
// name field, the filters and OK/Cancel.
#include <platform/types.h>

typedef UINT_PTR(CALLBACK* LPOFNHOOKPROC)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#define OFN_OVERWRITEPROMPT 0x00000002u
#define OFN_HIDEREADONLY 0x00000004u
#define OFN_ENABLEHOOK 0x00000020u
#define OFN_PATHMUSTEXIST 0x00000800u
#define OFN_FILEMUSTEXIST 0x00001000u
#define OFN_EXPLORER 0x00080000u
#define OFN_ENABLESIZING 0x00800000u

// CommDlgExtendedError answers.
#define CDERR_INITIALIZATION 0x0002u
#define FNERR_BUFFERTOOSMALL 0x3003u

// hInstance, lpstrCustomFilter, lpfnHook and lpTemplateName are accepted
// and not used: the dialog has one fixed look and calls no hook.
// lStructSize is not checked.
struct OPENFILENAMEW {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    // Pairs of description and patterns ("*.a;*.b"), each ending with a NUL,
    // the list with a second NUL.
    LPCWSTR lpstrFilter;
    LPWSTR lpstrCustomFilter;
    // 1-based; the filter chosen on return. 0 or out of range starts with
    // the first.
    DWORD nFilterIndex;
    // In: a name or path to start with (its folder is the starting folder
    // when lpstrInitialDir is null). Out: the chosen full path.
    LPWSTR lpstrFile;
    DWORD nMaxFile;
    // Out, when given: the chosen file's name without its folder, cut to fit.
    LPWSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;  // null: "Open" or "Save As"
    DWORD Flags;
    // Appended with a dot to a name typed without an extension.
    LPCWSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCWSTR lpTemplateName;
};
typedef OPENFILENAMEW* LPOPENFILENAMEW;

// Modal; the owner is disabled while the dialog runs. TRUE with the chosen
// path in lpstrFile; FALSE on cancel (CommDlgExtendedError then answers 0)
// or on failure, such as FNERR_BUFFERTOOSMALL when the path with its NUL
// does not fit in nMaxFile units (the first unit then holds the units
// needed).
BOOL GetOpenFileNameW(LPOPENFILENAMEW dialog);
BOOL GetSaveFileNameW(LPOPENFILENAMEW dialog);
// The calling thread's last file dialog failure, 0 after a success or a cancel.
DWORD CommDlgExtendedError();
