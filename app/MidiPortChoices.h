#pragma once
// The entries of a MIDI port list of the preferences: "Not use ..." first,
// then every port whose name can be read, and the saved port at the end
// when it is no longer there. List indexes are not port indexes.
#include <functional>
#include <string>
#include <vector>

struct MidiPortChoices
{
    std::vector<std::string> entries;
    int selection = 0;
    int notConnectedIndex = -1;  // the saved port that is not there; -1 for none
};

// readName answers false for a port whose name cannot be read.
using MidiPortNameReader = std::function<bool(int port, std::string& name)>;

MidiPortChoices ListMidiPortChoices(const std::string& notUseText, int portCount, const MidiPortNameReader& readName,
                                    const std::string& savedName);

// The name to save for the chosen entry: empty for "Not use ..." or no
// choice, the saved one kept for a port that is not there.
std::string ChosenMidiPortName(const MidiPortChoices& choices, int chosen, const std::string& savedName);
