#pragma once
// The font menus draw their texts in.
#include <cairo.h>

#include <string>

namespace platform::menus {

void UseMenuFont(cairo_t* cr);
int MenuTextWidth(const std::string& utf8);

}  // namespace platform::menus
