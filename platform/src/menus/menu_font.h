#pragma once
// The font menus draw their texts in.
#include <cairo.h>

#include <functional>
#include <string>

namespace platform::menus {

void UseMenuFont(cairo_t* cr);
// The measuring done on a scratch context with the menu font selected.
void MeasureInMenuFont(const std::function<void(cairo_t*)>& measure);
int MenuTextWidth(const std::string& utf8);

}  // namespace platform::menus
