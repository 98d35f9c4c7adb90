#pragma once
// The controller numbers a CC number map entry can take, in the order the
// CC map value dialog lists them: Off (-1), then 0 to 95 and 102 to 119.
#include <string>

namespace cc_choices {

inline constexpr int kCount = 115;
inline constexpr int kOff = -1;

// The value of a list position; Off outside the list.
int ValueAt(int position);
// The position of a value; 0 (Off) for a value the list does not offer.
int PositionOf(int value);
// "Off" or "CC# %02d".
std::string Text(int position);

}  // namespace cc_choices
