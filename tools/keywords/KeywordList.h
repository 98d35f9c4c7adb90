#pragma once
// The lists of the keyword table as the generator builds them.
#include <string>
#include <vector>

namespace keywords {

struct KeywordList
{
    std::string keyword;
    int count = 0;          // rows the list must end up with
    bool fromRule = false;  // rows after the written ones come from a rule
    std::vector<std::string> rows;
};

using KeywordLists = std::vector<KeywordList>;

// The list of that keyword; throws when there is none.
const KeywordList& Find(const KeywordLists& lists, const std::string& keyword);

}  // namespace keywords
