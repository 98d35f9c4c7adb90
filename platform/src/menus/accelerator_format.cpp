#include "accelerator_format.h"

#include <platform/input.h>

#include <charconv>
#include <sstream>
#include <utility>

namespace platform::menus {
namespace {

constexpr std::pair<std::string_view, WORD> kNamedKeys[] = {
    {"Delete", VK_DELETE}, {"Insert", VK_INSERT}, {"Home", VK_HOME},   {"End", VK_END},     {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT}, {"Left", VK_LEFT},     {"Right", VK_RIGHT}, {"Up", VK_UP},       {"Down", VK_DOWN},
    {"Escape", VK_ESCAPE}, {"Enter", VK_RETURN},  {"Tab", VK_TAB},     {"Space", VK_SPACE}, {"Back", VK_BACK},
};

bool KeyCode(std::string_view name, WORD* key)
{
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
        *key = WORD(name[0]);
        return true;
    }
    if (name.size() >= 2 && name[0] == 'F') {
        int number = 0;
        auto [end, status] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
        if (status == std::errc() && end == name.data() + name.size() && number >= 1 && number <= 12) {
            *key = WORD(VK_F1 + number - 1);
            return true;
        }
    }
    for (const auto& [keyName, code] : kNamedKeys)
        if (name == keyName) {
            *key = code;
            return true;
        }
    return false;
}

// "Ctrl+Shift+S" into the flags and key of an entry.
bool ReadKey(std::string_view chord, ACCEL* entry, std::string* error)
{
    entry->fVirt = FVIRTKEY;
    for (std::size_t plus; (plus = chord.find('+')) != std::string_view::npos && plus + 1 < chord.size();) {
        std::string_view modifier = chord.substr(0, plus);
        if (modifier == "Ctrl")
            entry->fVirt |= FCONTROL;
        else if (modifier == "Shift")
            entry->fVirt |= FSHIFT;
        else if (modifier == "Alt")
            entry->fVirt |= FALT;
        else {
            *error = "unknown modifier \"" + std::string(modifier) + "\"";
            return false;
        }
        chord.remove_prefix(plus + 1);
    }
    if (!KeyCode(chord, &entry->key)) {
        *error = "unknown key \"" + std::string(chord) + "\"";
        return false;
    }
    return true;
}

// One "Ctrl+S 51002" line, or nothing in a blank or comment line.
bool ReadLine(const std::string& line, std::vector<ACCEL>* entries, std::string* error)
{
    std::istringstream fields(line.substr(0, line.find('#')));
    std::string chord, command, extra;
    if (!(fields >> chord))
        return true;
    ACCEL entry{};
    if (!ReadKey(chord, &entry, error))
        return false;
    unsigned id = 0;
    fields >> command;
    auto [end, status] = std::from_chars(command.data(), command.data() + command.size(), id);
    if (command.empty() || status != std::errc() || end != command.data() + command.size() || id > 0xFFFF) {
        *error = "a key needs a command id from 0 to 65535";
        return false;
    }
    if (fields >> extra) {
        *error = "text after the command id";
        return false;
    }
    entry.cmd = WORD(id);
    entries->push_back(entry);
    return true;
}

}  // namespace

ParsedAccelerators ParseAcceleratorText(std::string_view text)
{
    ParsedAccelerators parsed;
    std::istringstream lines{std::string(text)};
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::string error;
        if (!ReadLine(line, &parsed.entries, &error))
            return {{}, "line " + std::to_string(number) + ": " + error};
    }
    return parsed;
}

}  // namespace platform::menus
