#pragma once
// The single-line EDIT control: its styles, messages and notifications,
// and the clipboard messages it answers.
#include <platform/window.h>

// Styles. There is one line only, and it always scrolls sideways to follow
// the caret, as ES_AUTOHSCROLL asks.
#define ES_AUTOHSCROLL 0x0080u

// Sent to the parent through WM_COMMAND, the control id in the low word.
#define EN_CHANGE 0x0300

// EM_GETSEL answers the selection's start in the low word and its end in the
// high word, and stores them through wParam and lParam when those are not null.
#define EM_GETSEL 0x00B0
// wParam start, lParam end: -1 as the end means the end of the text, -1 as
// the start removes the selection. The caret goes to the end.
#define EM_SETSEL 0x00B1
// Positions and the limit count UTF-16 units, in the A and W calls alike.
// wParam characters users may enter (32767 at first); 0 lifts the limit.
// Texts set through WM_SETTEXT are not cut.
#define EM_LIMITTEXT 0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT

#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
