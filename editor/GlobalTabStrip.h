#pragma once
// The LCD tab strips of the global page: tabs 75 x 16 pixels, 5 apart, with
// labels in 6 x 9 cells centred in them. The frame's strip and the CC
// map's differ in fonts, colours and whether a drag switches the tab.
#include "app/controls/CustomPageButton.h"
#include "editor/layout/WindowLayout.h"

#include <platform/gdiplus.h>

#include <memory>

class CHfcBmp;

struct GlobalTabStripLook
{
    CHfcBmp* background;
    int backgroundX;  // where the strip's piece of the background starts
    int backgroundY;
    CHfcBmp* font;
    CHfcBmp* selectedFont;
    CHfcBmp* dimFont;
    ARGB frameColour;
    ARGB fillColour;
    bool dragSwitches;
};

// A strip made at the layout's place, or null when it cannot be made.
std::unique_ptr<CCustomPageButton> MakeGlobalTabStrip(const layout::Control& place, const GlobalTabStripLook& look);
