#include "ValueFile.h"

#include <fstream>
#include <map>
#include <stdexcept>

namespace {

const std::map<std::string, std::uint32_t> kSections = {
    {"Common", 0},  {"Timbre Common", 1},  {"Synth", 2}, {"Timbre EQ", 4},
    {"Vocoder", 5}, {"Master Effects", 6}, {"Tempo", 7}, {"Arpeggiator", 8},
};

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A '#' outside a quoted text starts a comment.
std::size_t CommentStart(const std::string& line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '#' && !quoted)
            return i;
    }
    return line.size();
}

std::runtime_error Error(const std::string& path, int line, const std::string& what)
{
    return std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

}  // namespace

std::vector<NamedValue> ReadValueFile(const std::string& path)
{
    std::ifstream input(path);
    if (!input)
        throw std::runtime_error("cannot open " + path);
    std::vector<NamedValue> values;
    bool inSection = false;
    std::uint32_t group = 0;
    std::string raw;
    for (int line = 1; std::getline(input, raw); ++line) {
        const std::string text = Trim(raw.substr(0, CommentStart(raw)));
        if (text.empty())
            continue;
        if (text.front() == '[') {
            const auto found = kSections.find(Trim(text.substr(1, text.find(']') - 1)));
            if (text.back() != ']' || found == kSections.end())
                throw Error(path, line, "unknown section " + text);
            group = found->second;
            inSection = true;
            continue;
        }
        const auto equals = text.find('=');
        if (!inSection || equals == std::string::npos)
            throw Error(path, line, "expected \"Name = value\" inside a section");
        NamedValue value{group, Trim(text.substr(0, equals)), false, 0, {}, line};
        const std::string right = Trim(text.substr(equals + 1));
        if (right.size() >= 2 && right.front() == '"' && right.back() == '"') {
            value.isText = true;
            value.text = right.substr(1, right.size() - 2);
        } else {
            std::size_t used = 0;
            try {
                value.value = std::stoi(right, &used);
            } catch (const std::exception&) {
                used = 0;
            }
            if (used == 0 || used != right.size())
                throw Error(path, line, "not a number: " + right);
        }
        values.push_back(value);
    }
    return values;
}
