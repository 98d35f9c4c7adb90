#pragma once
// The COMBOBOX window class as a drop-down list: a box that shows the
// selected entry and opens a scrolling list below itself. Texts in the
// messages are of the window's own kind (the W kind for a window made by
// CreateWindowExW).
#include <platform/window.h>

// Styles. Every combo box behaves as a drop-down list.
#define CBS_DROPDOWNLIST 0x0003u

// Messages.
#define CB_ADDSTRING 0x0143
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETDROPPEDCONTROLRECT 0x0152
#define CB_GETDROPPEDSTATE 0x0157

// Answers.
#define CB_OKAY 0
#define CB_ERR (-1)

// Notifications, in the high word of WM_COMMAND's wParam.
#define CBN_SELCHANGE 1
