#pragma once
// Which entries a dropped combo list shows, which one is marked, and where
// its scroll bar's thumb sits. Pixel positions are the list window's client
// coordinates.
#include <platform/types.h>

#include <optional>

namespace platform::dialogs {

inline constexpr int kComboBoxHeight = 22;
inline constexpr int kComboArrowWidth = 18;
inline constexpr int kComboRowHeight = 18;
inline constexpr int kComboListBorder = 1;
inline constexpr int kComboScrollBarWidth = 14;
// Shown at least when the entries are there, whatever height the box was
// given: a list taller than the box's height would allow is easier to use.
inline constexpr int kComboMinimumRows = 8;
inline constexpr int kComboWheelRows = 3;

struct ComboListView
{
    int count = 0;
    int rows = 1;  // shown at once
    int width = 0;
    int top = 0;   // the first shown entry
    int hot = -1;  // the marked entry

    bool Scrolls() const { return count > rows; }
    int Height() const { return rows * kComboRowHeight + 2 * kComboListBorder; }
    void ScrollTo(int first);
    void ScrollBy(int entries) { ScrollTo(top + entries); }
    // Marks the entry, clamped to the list, and scrolls it into view.
    void Mark(int entry);

    // The entry under a point, -1 off the entries (the scroll bar included).
    int EntryAt(POINT at) const;
    bool InScrollBar(POINT at) const;
    bool Contains(POINT at) const;
    RECT ScrollBar() const;
    RECT Thumb() const;
    // Scrolls so that the thumb's middle is at this height.
    void DragThumbTo(int y);
};

// The entry a key moves a mark or selection to, from `from` (-1 for none)
// among `count` entries with `page` shown at once; nothing for other keys.
std::optional<int> EntryAfterKey(UINT key, int from, int count, int page);

}  // namespace platform::dialogs
