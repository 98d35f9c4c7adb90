#pragma once
// Bitmap-list strips and the other pictures: small LCD windows with icons,
// diagrams or captions, one frame per value, plus the keyboard and logo.
#include "Canvas.h"

#include <string>
#include <vector>

namespace skin {

// One frame per text, each centred in its frame on an opaque LCD ground.
void DrawTextStrip(const Canvas& canvas, const std::vector<std::string>& texts);

void DrawWaveformStrip(const Canvas& canvas);       // 8 oscillator waves
void DrawFilterRoutingStrip(const Canvas& canvas);  // single, serial, parallel, individual
void DrawVoiceModeStrip(const Canvas& canvas);      // single, layer, split, multi
void DrawVelocityCurveStrip(const Canvas& canvas);  // curves 1..8, constant
void DrawPageTabStrip(const Canvas& canvas);        // PROGRAM current, GLOBAL current
void DrawScaleKeyboard(const Canvas& canvas);
void DrawLogo(const Canvas& canvas, Argb ink);

// Captions of the OSC 1 control knobs, one per OSC 1 wave or mod value.
std::vector<std::string> Osc1ControlCaptions(int control);

}  // namespace skin
