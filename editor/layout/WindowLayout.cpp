#include "editor/layout/WindowLayout.h"

#include "editor/layout/Layouts.h"

#include <array>

namespace layout {

bool DrawsOnLcd(Kind kind)
{
    switch (kind) {
    case Kind::EditText:
    case Kind::StaticText:
    case Kind::BitmapList:
    case Kind::ValueBar:
    case Kind::List:
    case Kind::EqGraph:
    case Kind::FilterGraph:
    case Kind::EnvelopeGraph:
    case Kind::LfoGraph: return true;
    default: return false;
    }
}

std::span<const Window> Windows()
{
    static const std::array kWindows = {
        PageSelectLayout(),  ProgramListLayout(), GlobalFrameLayout(), GlobalPageLayout(),  CcMapLayout(),
        ProgramEditLayout(), SynthEditLayout(),   TimbreEqLayout(),    ArpEditLayout(),     VocoderEditLayout(),
        MasterFxLayout(),    StatusLogLayout(),   MidiMonitorLayout(), VersionInfoLayout(),
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
