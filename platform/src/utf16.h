#pragma once
// Conversion of the interfaces' UTF-16 strings to the UTF-8 used inside.
#include <string>

namespace platform {

// Converts up to the terminating zero; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const char16_t* text);

}  // namespace platform
