#pragma once
// Tells a received System Exclusive message by its template.
#include <cstdint>

// True when the message has at least the template's compare length and its
// leading bytes equal the template's, the channel nibble of byte 2 ignored.
// False for an index outside the table. The message is only read.
bool MatchSysExTemplate(std::int32_t index, const std::uint8_t* message, std::int32_t length);
