#pragma once
// The font menus draw their texts in.
#include "platform/src/gdi/text_layout.h"

#include <string>

namespace platform::menus {

inline constexpr const gdi::Font& kMenuFont = gdi::kUiFont;

// A tab parts an item's text from its keys: the two are measured apart,
// with a small gap between them.
int MenuTextWidth(const std::string& utf8);

}  // namespace platform::menus
