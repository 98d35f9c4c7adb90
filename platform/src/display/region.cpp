#include "region.h"

namespace platform::detail {

Region::Region(const RECT& r)
{
    if (!platform::detail::IsEmpty(r))
        rects_.push_back(r);
}

void Region::Subtract(const RECT& cut)
{
    std::vector<RECT> kept;
    for (const RECT& r : rects_) {
        RECT overlap = platform::detail::Intersect(r, cut);
        if (platform::detail::IsEmpty(overlap)) {
            kept.push_back(r);
            continue;
        }
        // Up to four pieces: the bands above and below, then left and right of the cut.
        RECT pieces[] = {{r.left, r.top, r.right, overlap.top},
                         {r.left, overlap.bottom, r.right, r.bottom},
                         {r.left, overlap.top, overlap.left, overlap.bottom},
                         {overlap.right, overlap.top, r.right, overlap.bottom}};
        for (const RECT& piece : pieces)
            if (!platform::detail::IsEmpty(piece))
                kept.push_back(piece);
    }
    rects_.swap(kept);
}

void Region::Intersect(const RECT& clip)
{
    std::vector<RECT> kept;
    for (const RECT& r : rects_) {
        RECT overlap = platform::detail::Intersect(r, clip);
        if (!platform::detail::IsEmpty(overlap))
            kept.push_back(overlap);
    }
    rects_.swap(kept);
}

RECT Region::Bounds() const
{
    RECT bounds{0, 0, 0, 0};
    for (const RECT& r : rects_)
        bounds = Union(bounds, r);
    return bounds;
}

}  // namespace platform::detail
