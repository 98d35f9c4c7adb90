#pragma once
// Strips of the interactive controls. Frames stack vertically; every
// control brings its own body so it reads on all three themes.
#include "Canvas.h"

#include <string>

namespace skin {

// Pointer angle of knob frame i in degrees, clockwise from 12 o'clock.
double KnobAngle(int frame);
constexpr int kKnobFrames = 101;

void DrawKnobStrip(const Canvas& canvas, int size);

enum class ButtonIcon
{
    None,
    ArrowLeft,
    ArrowRight,
    Menu
};
// One key of a button strip at (x, y), released or pressed.
void DrawButtonKey(const Canvas& canvas, int x, int y, int w, int h, const std::string& label, ButtonIcon icon,
                   bool pressed);
// Two frames: released, pressed.
void DrawButtonStrip(const Canvas& canvas, const std::string& label, ButtonIcon icon = ButtonIcon::None);

// The strip several buttons of different roles share. Each one's released
// key and label are printed on the background, and the strip's keys have a
// clear face through which that label shows.
constexpr const char* kSharedButtonStrip = "ButtonFunction";
void DrawSharedButtonStrip(const Canvas& canvas, bool disabled);

// Four frames: off, off pressed, on, on pressed.
void DrawSwitchStrip(const Canvas& canvas);
void DrawLampStrip(const Canvas& canvas);
void DrawTriggerStrip(const Canvas& canvas);

void DrawSliderThumb(const Canvas& canvas);
// Frame 0 dark, then brighter steps.
void DrawStepLampStrip(const Canvas& canvas, int frames);

// Level bars: every column of the horizontal bar alike, every row of the
// vertical bar alike, so any piece the bar code cuts looks the same.
void DrawHorizontalBar(const Canvas& canvas);
void DrawVerticalBar(const Canvas& canvas);

// The disabled look of a strip: greyed and darker, same alpha.
void Dim(const Canvas& canvas);

}  // namespace skin
