#pragma once
// Window texts are kept as UTF-16; the A interfaces speak UTF-8.
#include <string>

namespace platform::detail {

// An invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const char* text);

}  // namespace platform::detail
