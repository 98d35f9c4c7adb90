#pragma once
// Window timers: WM_TIMER is made when a timer is due and the thread has
// nothing else to retrieve, one at a time, so a busy thread gets no burst.
#include <platform/window.h>

typedef void(CALLBACK* TIMERPROC)(HWND window, UINT message, UINT_PTR timerId, DWORD time);

#define USER_TIMER_MINIMUM 0x0000000Au

// Setting an id that runs already restarts it with the new interval. With no
// window the id is chosen here and WM_TIMER goes to the thread. Only the
// window's own thread may set its timers.
UINT_PTR SetTimer(HWND window, UINT_PTR timerId, UINT elapseMs, TIMERPROC procedure);
BOOL KillTimer(HWND window, UINT_PTR timerId);
