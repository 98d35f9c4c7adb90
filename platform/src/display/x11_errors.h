#pragma once

namespace platform::detail {

// On an X11 display: SDL wakes the thread that waits for events by sending
// an event to one of its windows over a second connection. When that
// window has just been destroyed (a popup, a closing window, the windows at
// exit), the server answers BadWindow, which Xlib's default handler turns
// into the end of the program with code 1; the last such answers can
// arrive while SDL closes its connections. Such an answer is let pass;
// every other X error goes on to the handler installed before. Called
// before SDL's video starts, so SDL's own handler hands on to this one.
void LetLateWakeupsPass();

}  // namespace platform::detail
