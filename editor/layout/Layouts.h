#pragma once
// One function per skinned layer, each defined in its own file.
#include "editor/layout/WindowLayout.h"

namespace layout {

Window PageSelectLayout();
Window ProgramListLayout();
Window GlobalFrameLayout();
Window GlobalPageLayout();
Window CcMapLayout();
Window ProgramEditLayout();
Window SynthEditLayout();
Window TimbreEqLayout();
Window ArpEditLayout();
Window VocoderEditLayout();
Window MasterFxLayout();
Window StatusLogLayout();
Window MidiMonitorLayout();
Window VersionInfoLayout();

}  // namespace layout
