#pragma once
// One field of a tab-separated report line.
#include "framework/services/HfcStream.h"

// Formats the text (at most 1,022 characters are kept), turns every tab in
// it into a blank so the line keeps its columns, and writes it followed by
// one tab in a single Write, without a terminator. True when every byte was
// written.
bool WriteTabField(CHfcOutputStream& stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
