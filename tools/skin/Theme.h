#pragma once
// The three colour themes. Only backgrounds and the logo change with the
// theme; everything else is drawn in neutral colours that suit all three.
#include "Canvas.h"

#include <string>

namespace skin {

struct Theme
{
    const char* suffix;  // "", "Black" or "White", appended to background names
    Argb chrome;
    Argb chromeLight;  // bevel highlights
    Argb chromeDark;   // bevel shadows, section frames
    Argb label;        // captions on the chrome
    Argb title;        // section titles and plates
};

const Theme& ThemeAt(int index);  // 0 red, 1 black, 2 white
constexpr int kThemeCount = 3;

// Shared by every theme: the LCD panels under all light text.
constexpr Argb kLcd = 0xFF0C1015;
constexpr Argb kLcdFrame = 0xFF3A4048;
constexpr Argb kLcdText = 0xFFF0F0F0;
constexpr Argb kLcdFaint = 0xFF27303A;
constexpr Argb kLcdCaption = 0xFF8C96A0;

}  // namespace skin
