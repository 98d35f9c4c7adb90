#pragma once
// Who hears the outcome of an open or save dialog, together with the word
// the caller chose when it set the dialog up.
class CHfcFileDialogUnicode;

class CHfcFileDialogUnicodeListener
{
public:
    virtual ~CHfcFileDialogUnicodeListener() = default;

    // The user confirmed a file; ok is always 1. The base does nothing.
    virtual void OnHfcFileDialogAction(CHfcFileDialogUnicode* dialog, int ok, int callerWord);
    // The dialog closed, after the action when there was one. The base
    // detaches itself and deletes the dialog, so nobody may touch the
    // dialog afterwards.
    virtual void OnHfcFileDialogEnd(CHfcFileDialogUnicode* dialog, int callerWord);
};
