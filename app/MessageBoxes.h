#pragma once
// Every message box of the editor: owned by the main window, brought to
// the foreground, counted as an open dialog while shown, and answering one
// common code.
#include <string>

enum MessageBoxAnswer
{
    kAnswerOther = 0,  // Cancel, the close box, anything unexpected
    kAnswerOk = 1,
    kAnswerYes = 2,
    kAnswerNo = 3,
};

// Style byte: the low four bits choose the buttons (3 OK/Cancel, 12 Yes/No,
// 13 Yes/No/Cancel, anything else OK), the high four the icon (0x20 stop,
// 0x40 information, 0x80 exclamation, anything else none).
int ShowAppMessageBox(int style, const std::string& caption, const std::string& text);
// Yes/No/Cancel with the exclamation icon.
int ShowQuestionBox(const std::string& caption, const std::string& text);
// OK, with the exclamation icon when warning.
int ShowNoticeBox(const std::string& caption, const std::string& text, bool warning);
// An OK box.
int ShowSimpleMessageBox(const char* caption, const char* text);
// An OK box of a printf-style text cut to 1,023 characters.
int ShowFormattedMessageBox(const char* caption, const char* format, ...) __attribute__((format(printf, 2, 3)));

// OK and Cancel with the warning icon: the localised texts of "Title" + key
// over "Confirm" + key; true when OK was chosen.
bool ConfirmAction(const std::string& key);

// Asks whether to save the changed document of that name: Yes, No, or
// kAnswerOther for Cancel.
int ConfirmSaveChanges(const std::string& name);
