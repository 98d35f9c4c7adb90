// Which project headers each library folder may include.
#pragma once

#include <string>
#include <vector>

namespace layering {

struct Violation
{
    std::string file;  // relative to the source root
    int line = 0;
    std::string included;  // as written
};

// Every include in the library folders under root that names a layer above
// the including one, or another layer's private platform/src headers; sorted
// by file and line.
std::vector<Violation> FindViolations(const std::string& root);

}  // namespace layering
