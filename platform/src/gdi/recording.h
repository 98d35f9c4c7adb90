#pragma once
// The shared entry of every vector-drawing call: notes it for a recording
// and answers the failure a test asked for.
#include <platform/gdiplus.h>

#include <initializer_list>

namespace platform::gdi {

// Ok, or the status the call must return at once.
GpStatus Note(const char* function, const void* object, std::initializer_list<float> args = {}, ARGB color = 0,
              float penWidth = 0);

}  // namespace platform::gdi
