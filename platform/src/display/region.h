#pragma once
// An area made of rectangles that do not overlap.
#include "rect_math.h"

#include <vector>

namespace platform::detail {

class Region
{
public:
    Region() = default;
    explicit Region(const RECT& r);

    void Subtract(const RECT& r);
    void Intersect(const RECT& r);
    bool IsEmpty() const { return rects_.empty(); }
    RECT Bounds() const;
    const std::vector<RECT>& Rects() const { return rects_; }

private:
    std::vector<RECT> rects_;
};

}  // namespace platform::detail
