#include "editor/layout/WindowLayout.h"

#include "editor/layout/Layouts.h"

#include <array>

namespace layout {

std::span<const Window> Windows()
{
    static const std::array kWindows = {
        PageSelectLayout(),   ProgramListLayout(),  GlobalFrameLayout(), GlobalPageLayout(),
        CcMapLayout(),        ProgramEditLayout(),  SynthEditLayout(),   TimbreEqLayout(),
        ArpEditLayout(),      VocoderEditLayout(),  MasterFxLayout(),    StatusLogLayout(),
        MidiMonitorLayout(),  VersionInfoLayout(),
    };
    return kWindows;
}

const Window* FindWindow(std::string_view name)
{
    for (const Window& window : Windows()) {
        if (name == window.name)
            return &window;
    }
    return nullptr;
}

}  // namespace layout
