#include "model/ProgramRandomizerShapes.h"

#include <cmath>
#include <iterator>

namespace {

constexpr EgIntChoice kAnyIntensity = {{-63, 62}, 1.0f, {-63, 62}};

// Low-pass filters open with the envelope; the lower the cutoff, the more.
EgIntChoice LowPassChoice(std::int32_t cutoff)
{
    if (cutoff <= 31)
        return {{35, 62}, 0.9f, {24, 33}};
    if (cutoff <= 63)
        return {{24, 62}, 0.86f, {1, 22}};
    return {{-5, 19}, 0.55f, {-20, 62}};
}

// High-pass filters close with the envelope; the higher the cutoff, the more.
EgIntChoice HighPassChoice(std::int32_t cutoff, const EgIntChoice& highCutoff)
{
    if (cutoff >= 97)
        return highCutoff;
    if (cutoff >= 65)
        return {{-63, -31}, 0.85f, {-29, -13}};
    return {{-32, 23}, 0.7f, {-63, 62}};
}

EgIntChoice BandPassChoice(std::int32_t cutoff)
{
    if (cutoff <= 44)
        return {{30, 62}, 0.8f, {0, 62}};
    if (cutoff <= 85)
        return {{-20, 19}, 0.8f, {-63, 62}};
    return {{-63, -31}, 0.8f, {-63, -1}};
}

// Weights of the 13 patch sources in list order; they add up to 100.
constexpr std::int32_t kSourceWeights[] = {5, 3, 15, 16, 16, 5, 3, 25, 12, 0, 0, 0, 0};

}  // namespace

EgIntChoice Filter1EgIntChoice(std::int32_t balance, std::int32_t cutoff)
{
    if (balance <= 47)
        return LowPassChoice(cutoff);
    if (balance <= 79)
        return HighPassChoice(cutoff, {{-63, -41}, 0.9f, {-39, -25}});
    if (balance <= 113)
        return BandPassChoice(cutoff);
    return kAnyIntensity;
}

EgIntChoice Filter2EgIntChoice(std::int32_t type, std::int32_t cutoff)
{
    if (type == 0)
        return LowPassChoice(cutoff);
    if (type == 1)
        return HighPassChoice(cutoff, {{-63, -36}, 0.9f, {-34, -25}});
    return BandPassChoice(cutoff);
}

std::int32_t Osc1LevelFromDraw(std::int32_t x)
{
    return static_cast<std::int32_t>(127.0 * std::log(static_cast<double>(x)) / std::log(127.0));
}

std::int32_t PatchSourceFromDraw(std::int32_t q)
{
    std::int32_t sum = 0;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(std::size(kSourceWeights)); ++i) {
        sum += kSourceWeights[i];
        if (q <= sum)
            return i;
    }
    return static_cast<std::int32_t>(std::size(kSourceWeights)) - 1;
}
