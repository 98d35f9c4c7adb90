#include "app/MidiPortChoices.h"

#include "app/AppSettings.h"

MidiPortChoices ListMidiPortChoices(const std::string& notUseText, int portCount, const MidiPortNameReader& readName,
                                    const std::string& savedName)
{
    MidiPortChoices choices;
    choices.entries.push_back(notUseText);
    int found = -1;
    for (int port = 0; port < portCount; ++port) {
        std::string name;
        if (!readName(port, name))
            continue;
        if (found < 0 && !savedName.empty() && name == savedName)
            found = static_cast<int>(choices.entries.size());
        choices.entries.push_back(name);
    }
    if (found < 0 && !savedName.empty()) {
        found = static_cast<int>(choices.entries.size());
        choices.notConnectedIndex = found;
        choices.entries.push_back(savedName + " (Not Connected)");
    }
    choices.selection = found < 0 ? 0 : found;
    return choices;
}

std::string ChosenMidiPortName(const MidiPortChoices& choices, int chosen, const std::string& savedName)
{
    if (chosen <= 0 || chosen >= static_cast<int>(choices.entries.size()))
        return {};
    if (chosen == choices.notConnectedIndex)
        return savedName;
    return choices.entries[static_cast<std::size_t>(chosen)].substr(0, kMaxPortNameLength);
}
