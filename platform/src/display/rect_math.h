#pragma once
// Rectangle arithmetic; right and bottom are exclusive.
#include <platform/types.h>

#include <algorithm>

namespace platform::detail {

inline bool IsEmpty(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

inline RECT Intersect(const RECT& a, const RECT& b)
{
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return IsEmpty(r) ? RECT{0, 0, 0, 0} : r;
}

// The bounding box; an empty side counts for nothing.
inline RECT Union(const RECT& a, const RECT& b)
{
    if (IsEmpty(a))
        return IsEmpty(b) ? RECT{0, 0, 0, 0} : b;
    if (IsEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

inline RECT Offset(RECT r, LONG dx, LONG dy)
{
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

inline bool Contains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace platform::detail
