#pragma once
// The arpeggiator page's own event codes, beyond the codes every edit layer
// knows: the layer acts on these reports itself.
namespace layout::arp_edit {

inline constexpr int kRotateLeft = 257;
inline constexpr int kRotateRight = 258;

}  // namespace layout::arp_edit
