#pragma once
// Row texts from whole numbers of a display unit, so that no floating-point
// rounding decides a printed digit.
#include <string>

namespace keywords {

// `units` hundredths (decimals 2) or tenths (decimals 1) and so on: 1234, 2 -> "12.34".
std::string Fixed(int units, int decimals);

// As Fixed, always with a sign: 0, 2 -> "+0.00".
std::string SignedFixed(int units, int decimals);

// Zero-padded to at least `width` digits: 5, 3 -> "005".
std::string Padded(int value, int width);

// A frequency to the precision it is shown with: whole hertz below 1 kHz,
// three digits above.
int RoundedHertz(double hertz);

// "980Hz", "1.25kHz", "12.0kHz"; takes a value from RoundedHertz.
std::string Hertz(int hertz);

}  // namespace keywords
