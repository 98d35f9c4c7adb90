#pragma once

namespace platform::testing {

// Answers the locale queries from this POSIX locale name instead of the
// environment; nullptr returns to the environment.
void SetUserLocale(const char* localeName);

}  // namespace platform::testing
