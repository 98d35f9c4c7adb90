#pragma once
// An 800 x 600 MDI frame with its client, as the editor makes them, and
// children of a recording class that swap the menus as the editor's do.
#include "display_fixture.h"

#include <platform/mdi.h>

namespace display_test {

inline constexpr UINT kFirstChild = 50000;
inline HMENU FakeMenu(ULONG_PTR value)
{
    return reinterpret_cast<HMENU>(value);
}
inline const HMENU kFrameMenu = FakeMenu(0xF000);
inline const HMENU kFrameWindowMenu = FakeMenu(0xF010);
inline const HMENU kChildMenu = FakeMenu(0xC000);
inline const HMENU kChildWindowMenu = FakeMenu(0xC010);

class DisplayMdiTest : public DisplayTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A captioned child with a system menu; cascaded 300 x 200 unless placed.
    HWND MakeMdiChild(const char* title, bool visible = true, LPARAM param = 0);
    HWND MakeMdiChildAt(const char* title, const RECT& rect);
    HWND Active() { return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); }
    std::vector<Received> ActivationsLogged() { return LoggedOf(WM_MDIACTIVATE); }
    // The editor's loop: MDI shortcuts before translation.
    void PumpWithShortcuts();
    HWND frame = nullptr;
    HWND client = nullptr;
};

}  // namespace display_test
