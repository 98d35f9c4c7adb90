#pragma once
// File names on this system are bytes, which need not be UTF-8; the
// interfaces above take them as Unicode text. A name's text keeps its UTF-8
// characters and stands for every other byte b by the private-use
// character U+F700 + b (U+F780 to U+F7FF), so that any name the file
// system holds survives the trip to text and back. A name that holds one
// of those characters itself as UTF-8 has its three bytes stood for too.
#include <string>
#include <string_view>

namespace platform {

// The text of a name as the system holds it.
std::string FileNameText(std::string_view systemName);

// The name the system holds for a text. Bytes that are not UTF-8 pass
// through as they are, so a name that never went through FileNameText
// names the same file.
std::string SystemFileName(std::string_view text);

// The text as a person reads it: each byte that stands for itself shows as
// U+FFFD, which is as long in UTF-8, so byte offsets stay where they were.
std::string ReadableFileName(std::string_view text);

}  // namespace platform
