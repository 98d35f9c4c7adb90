#pragma once
// The MDI frame's window menu lists the children below a separator.
namespace platform::menus {

// Makes the display's window-menu lists reach the real menus.
void InstallWindowMenuWriter();

}  // namespace platform::menus
