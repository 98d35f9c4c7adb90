#include "combo_list_view.h"

#include <platform/input.h>

#include <algorithm>

namespace platform::dialogs {
namespace {

constexpr int kMinimumThumb = 12;

int TrackLength(const ComboListView& view)
{
    return view.rows * kComboRowHeight;
}

int ThumbLength(const ComboListView& view)
{
    return std::max(kMinimumThumb, TrackLength(view) * view.rows / std::max(view.count, 1));
}

}  // namespace

void ComboListView::ScrollTo(int first)
{
    top = std::clamp(first, 0, std::max(count - rows, 0));
}

void ComboListView::Mark(int entry)
{
    if (count == 0)
        return;
    hot = std::clamp(entry, 0, count - 1);
    if (hot < top)
        ScrollTo(hot);
    if (hot >= top + rows)
        ScrollTo(hot - rows + 1);
}

bool ComboListView::Contains(POINT at) const
{
    return at.x >= 0 && at.y >= 0 && at.x < width && at.y < Height();
}

RECT ComboListView::ScrollBar() const
{
    if (!Scrolls())
        return {};
    const int right = width - kComboListBorder;
    return {right - kComboScrollBarWidth, kComboListBorder, right, kComboListBorder + TrackLength(*this)};
}

bool ComboListView::InScrollBar(POINT at) const
{
    const RECT bar = ScrollBar();
    return at.x >= bar.left && at.x < bar.right && at.y >= bar.top && at.y < bar.bottom;
}

int ComboListView::EntryAt(POINT at) const
{
    const int right = Scrolls() ? ScrollBar().left : width - kComboListBorder;
    if (at.x < kComboListBorder || at.x >= right || at.y < kComboListBorder)
        return -1;
    const int row = (at.y - kComboListBorder) / kComboRowHeight;
    const int entry = top + row;
    return row < rows && entry < count ? entry : -1;
}

RECT ComboListView::Thumb() const
{
    RECT bar = ScrollBar();
    if (!Scrolls())
        return bar;
    const int length = ThumbLength(*this);
    const int offset = (TrackLength(*this) - length) * top / (count - rows);
    bar.top += offset;
    bar.bottom = bar.top + length;
    return bar;
}

void ComboListView::DragThumbTo(int y)
{
    if (!Scrolls())
        return;
    const int room = TrackLength(*this) - ThumbLength(*this);
    if (room <= 0)
        return;
    const int offset = y - kComboListBorder - ThumbLength(*this) / 2;
    const int span = count - rows;
    ScrollTo((offset * span + room / 2) / room);
}

std::optional<int> EntryAfterKey(UINT key, int from, int count, int page)
{
    if (count == 0)
        return std::nullopt;
    const int last = count - 1;
    const int step = std::max(page - 1, 1);
    switch (key) {
    case VK_UP:
    case VK_LEFT: return from < 0 ? 0 : std::max(from - 1, 0);
    case VK_DOWN:
    case VK_RIGHT: return std::min(from + 1, last);
    case VK_PRIOR: return std::max(from - step, 0);
    case VK_NEXT: return std::min(std::max(from, 0) + step, last);
    case VK_HOME: return 0;
    case VK_END: return last;
    }
    return std::nullopt;
}

}  // namespace platform::dialogs
