#pragma once
// A modal message box without an owner window.
// buttons: 0 OK, 1 OK and Cancel, 2 Yes and No (anything else OK).
// icon: 2 information, 3 warning, 4 error (anything else none).
// Answers 1 for OK or Yes, -1 for Abort, Retry, Ignore, Try Again or
// Continue, 2 for everything else (Cancel, No, a failed box).
int ShowMessageBox(const char* text, const char* caption, int buttons, int icon);
