#pragma once

namespace platform::dragdrop {

// Runs the oldest script the tests queued for a drag, if any.
void RunDragScript();

}  // namespace platform::dragdrop
