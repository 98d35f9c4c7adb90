#include "ListFile.h"

#include <sstream>

#include "Require.h"

namespace keywords {

namespace {

KeywordList ParseHeader(const std::string& line)
{
    std::istringstream fields(line.substr(1));
    KeywordList list;
    std::string marker;
    fields >> list.keyword >> list.count >> marker;
    Require(!fields.bad() && list.count > 0 && (marker.empty() || marker == "+"), "bad list header: " + line);
    list.fromRule = marker == "+";
    return list;
}

}  // namespace

KeywordLists ReadInput(std::istream& in)
{
    KeywordLists lists;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '*') {
            lists.push_back(ParseHeader(line));
            continue;
        }
        Require(!lists.empty(), "row before the first list: " + line);
        lists.back().rows.push_back(line);
    }
    return lists;
}

std::string Render(const KeywordLists& lists)
{
    std::string text = "; Value names of the synthesizer's parameters: \"*Keyword\" starts a\n"
                       "; list, each further line is the text of the next value.\n"
                       "; Made by tools/keywords from its lists.txt; change those, not this file.\n";
    for (const KeywordList& list : lists) {
        text += "\n*" + list.keyword + "\n";
        for (const std::string& row : list.rows)
            text += row + "\n";
    }
    return text;
}

}  // namespace keywords
