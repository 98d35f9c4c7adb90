#pragma once
// The open and save file dialogs: our own modal dialog listing the current
// folder's sub-folders and the files that match the chosen filter, with a
// name field, the filters and OK/Cancel.
#include <platform/window.h>

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

// hInstance, lpstrCustomFilter and lpTemplateName are accepted and not
// used: the dialog has one fixed look. lStructSize is not checked.
// With OFN_ENABLEHOOK the hook is called for a hidden child window of the
// dialog (its parent is the dialog): first WM_INITDIALOG with lParam the
// structure, then WM_NOTIFY with an OFNOTIFYW whenever the folder, the
// selected file or the filter changes. The hook's answers are not used.
struct OPENFILENAMEW
{
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

// WM_NOTIFY codes a hook receives.
#define CDN_FIRST (0u - 601u)
#define CDN_SELCHANGE (CDN_FIRST - 1u)     // another file is selected in the list
#define CDN_FOLDERCHANGE (CDN_FIRST - 2u)  // a folder is shown: the first one, then each new one
#define CDN_TYPECHANGE (CDN_FIRST - 6u)    // another filter is chosen

// hdr.hwndFrom is the dialog, hdr.idFrom 0; pszFile is null.
struct OFNOTIFYW
{
    NMHDR hdr;
    LPOPENFILENAMEW lpOFN;
    LPWSTR pszFile;
};
typedef OFNOTIFYW* LPOFNOTIFYW;
