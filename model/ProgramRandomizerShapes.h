#pragma once
// The hand-shaped rules of the program randomizer that depend on values
// already drawn.
#include "model/ProgramRandomizerPass.h"

#include <cstdint>

// The two ranges and the chance of a filter's EG intensity draw.
struct EgIntChoice
{
    RandomRange first;
    float p;
    RandomRange second;

    bool operator==(const EgIntChoice&) const = default;
};

// Filter 1, by its balance and cutoff.
EgIntChoice Filter1EgIntChoice(std::int32_t balance, std::int32_t cutoff);
// Filter 2, by its type (0 low pass, 1 high pass, other band pass) and cutoff.
EgIntChoice Filter2EgIntChoice(std::int32_t type, std::int32_t cutoff);

// OSC 1 Level from the draw x (1-126): levels rise steeply, then flatten.
std::int32_t Osc1LevelFromDraw(std::int32_t x);

// Patch source for q (1-99): the first source whose cumulative weight reaches q.
std::int32_t PatchSourceFromDraw(std::int32_t q);
