#pragma once
// The MDI window menu: the frame's menu lists the children of its client.
// The menus module writes the real entries; until one is installed the
// list is only kept here for whoever asks.
#include <platform/types.h>

#include <string>
#include <vector>

namespace platform::detail {

struct WindowMenuEntry
{
    UINT id;
    std::u16string text;  // "&1 Title" for the first nine
    bool checked;         // the active child
};

using WindowMenuWriter = void (*)(HMENU windowMenu, const std::vector<WindowMenuEntry>& entries);
void SetWindowMenuWriter(WindowMenuWriter writer);
void WriteWindowMenu(HMENU windowMenu, const std::vector<WindowMenuEntry>& entries);
// What was last written to the menu.
std::vector<WindowMenuEntry> WrittenWindowMenu(HMENU windowMenu);

}  // namespace platform::detail
