#pragma once
// The named parameter values of the initial program, as written in its
// text file: sections naming a group, then "Name = value" lines.
#include <cstdint>
#include <string>
#include <vector>

struct NamedValue
{
    std::uint32_t group;
    std::string name;  // may hold '*' wildcards
    bool isText;       // a quoted text for the rows "name 1", "name 2", ...
    std::int32_t value;
    std::string text;
    int line;
};

// Throws std::runtime_error naming the file's line for anything it cannot read.
std::vector<NamedValue> ReadValueFile(const std::string& path);
