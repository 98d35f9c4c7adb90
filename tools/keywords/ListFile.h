#pragma once
// The generator's input (lists written by hand, with rule markers) and its
// output (the keyword table resource).
#include <istream>
#include <string>

#include "KeywordList.h"

namespace keywords {

// "*Keyword COUNT" or "*Keyword COUNT +" starts a list, other lines are its
// rows; empty lines and lines starting with ';' are skipped.
KeywordLists ReadInput(std::istream& in);

// The resource text: a comment, then each list as "*Keyword" and its rows.
std::string Render(const KeywordLists& lists);

}  // namespace keywords
