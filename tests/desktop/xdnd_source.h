#pragma once
// Files dropped on a window as a desktop file manager drops them: the X
// drag-and-drop handshake from a source window of the test's own, with
// the files offered as a URI list.
#include <X11/Xlib.h>

#include <chrono>
#include <filesystem>
#include <vector>

namespace desktop_test {

// Whether the window says it takes drops.
bool TakesDrops(Display* x, Window window);

// Offers the files to the window at root position (x, y) and drops them
// once it accepts; true when it said it finished with them in time.
bool DropFiles(Display* x, Window target, int rootX, int rootY, const std::vector<std::filesystem::path>& files,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace desktop_test
