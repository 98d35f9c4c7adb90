#pragma once
// The generator stops on the first broken expectation; the build then fails.
#include <stdexcept>
#include <string>

namespace keywords {

inline void Require(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error(what);
}

}  // namespace keywords
