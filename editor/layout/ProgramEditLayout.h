#pragma once
// What the program page's controls carry beyond the common layout record:
// the event code each reports under and the words only some kinds use.
#include <span>

namespace layout {

struct ProgramEditWords
{
    int eventCode;
    // A voice-mode LED: the value it writes. A drop area: the block kind of
    // its program part. A knob-display line: what it shows.
    int word;
    // A drop area: the part's index (the timbre).
    int partIndex;
};

// One per control of ProgramEditLayout(), in control-id order.
std::span<const ProgramEditWords> ProgramEditControlWords();

}  // namespace layout
