#include "editor/layout/ArpEditEvents.h"
#include "editor/layout/Layouts.h"

namespace layout {
namespace {

using namespace arp_edit;

constexpr const char* kFont = "LcdCharWhite";
constexpr int kToggle = 1;

// The knobs show their value while turned; the switches flip on a press.

constexpr Control kControls[] = {
    {0, Kind::EditText, 31, 107, 60, 9, kFont, 0, {8, 1}, "Type", "TYPE"},
    {1, Kind::EditText, 31, 135, 60, 9, kFont, 0, {8, 0}, "Resolution", "RESOLUTION"},
    {2, Kind::EditText, 109, 107, 60, 9, kFont, 0, {8, 3}, "Octave Range", "OCTAVE"},
    {3, Kind::EditText, 109, 135, 60, 9, kFont, 0, {8, 4}, "Last Step", "LAST STEP"},
    {4, Kind::EditText, 31, 79, 60, 9, kFont, 0, {0, 36}, "Arpeggiator Timbre Assign", "TIMBRE"},
    {5, Kind::Switch, 205, 74, 33, 12, "SwitchOnOff", 0, {8, 2}, "Latch", "LATCH", kToggle},
    {6, Kind::Switch, 270, 74, 33, 12, "SwitchOnOff", 0, {7, 2}, "Key Sync", "KEY SYNC", kToggle},
    {7, Kind::Switch, 129, 186, 19, 19, "TriggerButtonSmall", 0, {8, 9}, "Step 1 SW", "1", kToggle},
    {8, Kind::Switch, 153, 186, 19, 19, "TriggerButtonSmall", 0, {8, 10}, "Step 2 SW", "2", kToggle},
    {9, Kind::Switch, 177, 186, 19, 19, "TriggerButtonSmall", 0, {8, 11}, "Step 3 SW", "3", kToggle},
    {10, Kind::Switch, 201, 186, 19, 19, "TriggerButtonSmall", 0, {8, 12}, "Step 4 SW", "4", kToggle},
    {11, Kind::Switch, 225, 186, 19, 19, "TriggerButtonSmall", 0, {8, 13}, "Step 5 SW", "5", kToggle},
    {12, Kind::Switch, 249, 186, 19, 19, "TriggerButtonSmall", 0, {8, 14}, "Step 6 SW", "6", kToggle},
    {13, Kind::Switch, 273, 186, 19, 19, "TriggerButtonSmall", 0, {8, 15}, "Step 7 SW", "7", kToggle},
    {14, Kind::Switch, 296, 186, 19, 19, "TriggerButtonSmall", 0, {8, 16}, "Step 8 SW", "8", kToggle},
    {15, Kind::Knob, 277, 113, 21, 21, "KnobSmall", 101, {8, 6, 0, 1, 4}, "Swing", "SWING"},
    {16, Kind::Knob, 210, 113, 21, 21, "KnobSmall", 101, {8, 5, 0, 1, 4}, "GateTime", "GATE"},
    {17, Kind::Button, 58, 190, 22, 12, "ButtonArrowLeft", 0, {}, "rotate steps left", "", kRotateLeft},
    {18, Kind::Button, 90, 190, 22, 12, "ButtonArrowRight", 0, {}, "rotate steps right", "", kRotateRight},
};

}  // namespace

Window ArpEditLayout()
{
    return {"ArpEdit", "BG_ArpEdit", 342, 227, 0, 0, kControls};
}

}  // namespace layout
