#pragma once
// Conversions between texts and the blank-padded fixed-width fields of the
// device's data.

// Field of size bytes to text: destination holds size + 1 bytes and receives
// the field without its trailing blanks and zeros, always terminated.
void CopyTrimmedString(char* destination, const char* source, int size);

// Text to field of size bytes: the text's first size characters, then pad
// bytes (blanks, or zeros for the fields that hold C texts) up to size. No
// terminator is written.
void CopyPaddedString(char* destination, const char* source, int size, char pad = ' ');
