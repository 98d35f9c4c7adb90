#pragma once
// What the layer's own window classes differ in, registered in one call.
#include <platform/window.h>

namespace platform::detail {

struct ClassRegistration
{
    const char* name;  // ASCII
    WNDPROC procedure;
    UINT style = 0;
    int windowExtraBytes = 0;
    LPCSTR cursor = nullptr;   // a system cursor, or none
    int backgroundColor = -1;  // a system colour to erase with, or none when negative
    bool unicode = false;      // the procedure gets the W forms of messages
};

ATOM RegisterOwnClass(const ClassRegistration& registration);

}  // namespace platform::detail
