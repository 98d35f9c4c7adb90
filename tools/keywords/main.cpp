// Builds the keyword table resource from lists.txt and the rules, checking
// every list against its count and the rows it must hold.
//
// usage: keyword_table_gen LISTS_TXT --write RESOURCE   (re)write the resource
//        keyword_table_gen LISTS_TXT --check RESOURCE   fail unless it is up to date
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "ListFile.h"
#include "Require.h"
#include "Rules.h"

namespace keywords {

namespace {

constexpr std::size_t kListCount = 105;
constexpr std::size_t kLongestLine = 255;  // what the table's loader keeps of a line

void CheckRow(const std::string& keyword, const std::string& row)
{
    const std::string where = keyword + " row \"" + row + "\"";
    Require(!row.empty() && row.size() <= kLongestLine, where + ": empty or too long");
    // The loader skips leading white space and treats ';' and '*' as markers.
    Require(row[0] != ' ' && row[0] != ';' && row[0] != '*' && row.back() != ' ',
            where + ": bad first or last character");
    for (char c : row)
        Require(c >= 0x20 && c < 0x7F, where + ": not printable 7-bit text");
}

void CheckList(const KeywordList& list, const Rule* rule)
{
    Require(static_cast<int>(list.rows.size()) == list.count,
            list.keyword + ": " + std::to_string(list.rows.size()) + " rows, not " + std::to_string(list.count));
    for (const std::string& row : list.rows)
        CheckRow(list.keyword, row);
    if (rule == nullptr)
        return;
    for (const auto& [index, text] : rule->pinned)
        Require(list.rows.at(index) == text, list.keyword + " row " + std::to_string(index) + " is \"" +
                                                 list.rows.at(index) + "\", not \"" + text + "\"");
    if (!rule->repeats) {
        const std::set<std::string> unique(list.rows.begin(), list.rows.end());
        Require(unique.size() == list.rows.size(), list.keyword + ": a row repeats");
    }
}

KeywordLists Build(std::istream& input)
{
    KeywordLists lists = ReadInput(input);
    Require(lists.size() == kListCount, std::to_string(lists.size()) + " lists, not " + std::to_string(kListCount));
    std::set<std::string> keywords;
    std::set<std::string> rulesUsed;
    for (KeywordList& list : lists) {
        Require(keywords.insert(list.keyword).second, "list named twice: " + list.keyword);
        const auto rule = Rules().find(list.keyword);
        Require(list.fromRule == (rule != Rules().end()), list.keyword + ": rule marker and rules disagree");
        if (!list.fromRule) {
            CheckList(list, nullptr);
            continue;
        }
        rulesUsed.insert(list.keyword);
        for (std::string& row : rule->second.rows(lists))
            list.rows.push_back(std::move(row));
        CheckList(list, &rule->second);
    }
    Require(rulesUsed.size() == Rules().size(), "a rule names no list");
    return lists;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int Run(const std::string& listsPath, const std::string& mode, const std::string& resourcePath)
{
    std::ifstream input(listsPath);
    Require(input.good(), "cannot read " + listsPath);
    const std::string text = Render(Build(input));
    if (mode == "--write") {
        std::ofstream out(resourcePath, std::ios::binary);
        out << text;
        Require(out.good(), "cannot write " + resourcePath);
        return 0;
    }
    Require(mode == "--check", "unknown mode " + mode);
    if (ReadAll(resourcePath) == text)
        return 0;
    std::cerr << resourcePath << " is not what the generator makes; rerun it with --write\n";
    return 1;
}

}  // namespace

}  // namespace keywords

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: keyword_table_gen LISTS_TXT --write|--check RESOURCE\n";
        return 2;
    }
    try {
        return keywords::Run(argv[1], argv[2], argv[3]);
    } catch (const std::exception& e) {
        std::cerr << "keyword_table_gen: " << e.what() << "\n";
        return 1;
    }
}
