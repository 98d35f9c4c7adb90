#include "x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform::detail {
namespace {

XErrorHandler g_previous = nullptr;

int PassLateWakeups(Display* display, XErrorEvent* error)
{
    // An event for a window that is gone has nobody left to reach.
    if (error->error_code == BadWindow && error->request_code == X_SendEvent)
        return 0;
    return g_previous != nullptr ? g_previous(display, error) : 0;
}

}  // namespace

void LetLateWakeupsPass()
{
    // SDL's handler goes in front of ours and hands on to it; once video
    // stops, ours is back, so a new start finds it in place.
    const XErrorHandler current = XSetErrorHandler(PassLateWakeups);
    if (current != PassLateWakeups)
        g_previous = current;
}

}  // namespace platform::detail
