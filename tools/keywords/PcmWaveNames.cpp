#include <string>
#include <vector>

#include "Rules.h"

namespace keywords {

namespace {

struct Family
{
    const char* name;
    int variants;  // numbered 1..n; a family of one is not numbered
};

// Grouped by instrument, as the oscillator's wave selector steps through them.
constexpr Family kFamilies[] = {
    {"Piano", 3},   {"E.Piano", 3}, {"Clav", 2},      {"Organ", 4},     {"Bell", 4},       {"Mallet", 3},
    {"Marimba", 1}, {"Guitar", 3},  {"Wood Bass", 1}, {"Pick Bass", 1}, {"Synth Bass", 3}, {"Strings", 3},
    {"Choir", 3},   {"Brass", 3},   {"Flute", 2},     {"Reed", 2},      {"Pluck", 3},      {"Pad", 4},
    {"Voice", 3},   {"Formant", 3}, {"Digital", 4},   {"Metal", 3},     {"Spectrum", 4},   {"Hit", 3},
    {"Kick", 2},    {"Snare", 2},   {"Hi-Hat", 2},    {"Perc", 3},      {"Sweep", 2},      {"Wind", 2},
    {"Noise", 4},
};

}  // namespace

std::vector<std::string> PcmWaveNames()
{
    std::vector<std::string> names;
    for (const Family& family : kFamilies) {
        if (family.variants == 1) {
            names.emplace_back(family.name);
            continue;
        }
        for (int i = 1; i <= family.variants; ++i)
            names.push_back(std::string(family.name) + " " + std::to_string(i));
    }
    return names;
}

}  // namespace keywords
