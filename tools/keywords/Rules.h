#pragma once
// The rules that build the lists too long or too regular to write by hand.
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "KeywordList.h"

namespace keywords {

struct Rule
{
    // Rows that follow the ones written in the input; may read earlier lists.
    std::function<std::vector<std::string>(const KeywordLists& earlier)> rows;
    // Rows that must come out exactly so: (row number, text).
    std::vector<std::pair<int, std::string>> pinned;
    // Whether a text may stand on more than one row.
    bool repeats = false;
};

const std::map<std::string, Rule>& Rules();

// The names of the PCM oscillator's waves, noise waves last.
std::vector<std::string> PcmWaveNames();

}  // namespace keywords
