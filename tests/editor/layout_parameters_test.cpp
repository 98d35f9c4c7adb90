#include "editor/layout/WindowLayout.h"
#include "model/Q3917ParameterTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Graphs, drop areas and the name field stand for several rows at once; their
// binding is only the first row and their name says their role.
bool EditsOneRow(const layout::Control& control)
{
    switch (control.kind) {
    case layout::Kind::EqGraph:
    case layout::Kind::FilterGraph:
    case layout::Kind::EnvelopeGraph:
    case layout::Kind::LfoGraph:
    case layout::Kind::DropArea: return false;
    case layout::Kind::EditText: return !(control.parameter.group == 0 && control.parameter.index == 0);
    default: return control.parameter.group >= 0;
    }
}

// The program edit windows bind rows of the program table; each control's
// name must be the name of the row it edits, so that the caption, the value
// display and the data cannot disagree.
TEST(LayoutParameters, ProgramControlsNameTheRowsTheyEdit)
{
    const CQ3917ParameterTable table;
    for (const char* windowName : {"ProgramEdit", "SynthEdit", "TimbreEqEdit", "ArpEdit", "VocoderEdit"}) {
        const layout::Window* window = layout::FindWindow(windowName);
        ASSERT_NE(window, nullptr) << windowName;
        for (const layout::Control& control : window->controls) {
            if (!EditsOneRow(control))
                continue;
            const ParameterAddress address{static_cast<std::uint32_t>(control.parameter.group),
                                           static_cast<std::uint32_t>(control.parameter.index),
                                           static_cast<std::uint32_t>(control.parameter.timbre)};
            const ParameterRow* row = table.GetRow(address);
            ASSERT_NE(row, nullptr) << windowName << " control " << control.id;
            EXPECT_EQ(std::string(row->name), control.name) << windowName << " control " << control.id;
        }
    }
}

}  // namespace
