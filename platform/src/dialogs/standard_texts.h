#pragma once
// The texts the system itself puts on its dialogs (message box buttons, the
// file dialog's labels), in the user's UI language; English where we have
// no table.
namespace platform::dialogs {

enum class StandardText
{
    Ok,
    Cancel,
    Yes,
    No,
    LookIn,  // the file dialog's folder row when opening
    SaveIn,  // ... and when saving
    FileName,
    FilesOfType,
    OpenButton,
    SaveButton,
    OpenTitle,  // the file dialog's caption when the program gives none
    SaveAsTitle,
};

// UTF-8, with "&" before the mnemonic where the text has one.
const char* StandardTextOf(StandardText text);

}  // namespace platform::dialogs
