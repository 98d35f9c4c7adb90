#pragma once
// The open and save dialogs over GetOpenFileNameW and GetSaveFileNameW.
// The caller makes one on the heap, calls Setup first (it clears the
// filters and the title and takes the filter index), then sets title,
// filters and default extension, and runs GetOneFile. The listener hears
// the action when the user confirmed a file and the end in every case but
// a failure; the base listener deletes the dialog at the end.
#include <platform/commdlg.h>

#include <juce_core/juce_core.h>

class CHfcFileDialogUnicodeListener;
class CHfcWindow;

class CHfcFileDialogUnicode
{
public:
    static constexpr int kFilterUnits = 260;
    static constexpr int kTitleUnits = 256;
    static constexpr int kPathUnits = 260;

    CHfcFileDialogUnicode();
    virtual ~CHfcFileDialogUnicode() = default;
    CHfcFileDialogUnicode(const CHfcFileDialogUnicode&) = delete;
    CHfcFileDialogUnicode& operator=(const CHfcFileDialogUnicode&) = delete;

    // Stores listener and caller word, clears filters, title, path and file
    // title, and fills the dialog structure: owned by the owner's window
    // (none without one), explorer style with sizing and the hook, the
    // filter index as it stands now, the default extension when one is set.
    virtual bool Setup(CHfcWindow* owner, CHfcFileDialogUnicodeListener* listener, int callerWord);
    // Forgets the listener; answers false.
    virtual bool DetachListener();
    // The hook's first message; answers 1.
    virtual INT_PTR OnInitDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    // Hands the selection, folder and filter changes to their handlers and
    // returns their answer; 0 for any other notification.
    virtual INT_PTR OnNotify(HWND dialog, UINT message, WPARAM wParam, const NMHDR* header);
    // Answer 0; forms that care override them.
    virtual INT_PTR OnFolderChange(HWND dialog, UINT message, WPARAM wParam, const NMHDR* header);
    virtual INT_PTR OnSelectionChange(HWND dialog, UINT message, WPARAM wParam, const NMHDR* header);
    virtual INT_PTR OnTypeChange(HWND dialog, UINT message, WPARAM wParam, const NMHDR* header);

    // Shows the dialog modally and reports to the listener. True unless it
    // throws the failure text of a dialog that could not run; then the
    // listener hears nothing and the caller still owns the dialog.
    virtual bool GetOneFile() = 0;

    // At most 254 units and a NUL.
    bool SetTitle(const juce::String& title);
    // At most 259 units and a NUL; appended to a name typed without an
    // extension in the save form.
    void SetDefaultExtension(const juce::String& extension);
    // Appends a description and its patterns ("*.a;*.b") to the list; a pair
    // that does not fit with its terminators is left out (false).
    bool AddFilter(const juce::String& description, const juce::String& pattern);
    // Starts the dialog on the first filter; only before Setup, which takes
    // the index.
    void SelectFirstFilter();
    // The chosen file's full path once the action was reported.
    juce::String GetFilePath() const;

    // Stores the dialog object (the structure's custom data) in the hook
    // window's user data on WM_INITDIALOG and routes WM_NOTIFY to it.
    static UINT_PTR CALLBACK HookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // After GetOpenFileNameW or GetSaveFileNameW: the action when a file was
    // chosen, then the end; a failure throws the given text instead.
    // This object may be gone when it returns.
    bool ReportOutcome(BOOL chosen, const char* failure);
    // The default-extension buffer, or null while it is empty.
    LPCWSTR DefaultExtension() const;

    OPENFILENAMEW m_ofn{};

private:
    CHfcFileDialogUnicodeListener* m_pListener = nullptr;
    int m_nFilterIndex = -1;
    int m_nCallerWord = 0;
    char16_t m_szFilter[kFilterUnits] = {};
    char16_t m_szTitle[kTitleUnits] = {};
    char16_t m_szFilePath[kPathUnits] = {};
    char16_t m_szFileTitle[kPathUnits] = {};
    char16_t m_szDefaultExtension[kPathUnits] = {};
};

// Asks for an existing file.
class CHfcOpenFileDialogUnicode : public CHfcFileDialogUnicode
{
public:
    bool Setup(CHfcWindow* owner, CHfcFileDialogUnicodeListener* listener, int callerWord) override;
    // Throws "Failed to call GetOpenFileName()." when the dialog cannot run.
    bool GetOneFile() override;
};

// Asks for a file to write in an existing folder, hides the read-only box
// and asks before replacing a file.
class CHfcSaveFileDialogUnicode : public CHfcFileDialogUnicode
{
public:
    bool Setup(CHfcWindow* owner, CHfcFileDialogUnicodeListener* listener, int callerWord) override;
    // Takes the default extension as it stands now. Throws "Failed to call
    // GetSaveFileName()." when the dialog cannot run.
    bool GetOneFile() override;
};
