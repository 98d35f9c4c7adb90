#pragma once
// The synth page's own event codes, beyond the codes every edit layer
// knows: the layer acts on these reports itself.
namespace layout::synth_edit {

inline constexpr int kRandomize = 257;
// The two strips that name the OSC 1 control knobs.
inline constexpr int kOsc1ControlLabel = 258;
inline constexpr int kNextPcmWave = 259;
inline constexpr int kPreviousPcmWave = 260;

}  // namespace layout::synth_edit
