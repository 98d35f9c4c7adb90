// The global page as the user sees it, in each colour theme: the settings
// sheet with its keyboard, the CC map beside it and the frame's buttons.
#include "app/SkinTable.h"
#include "app/WindowEvents.h"
#include "editor/PageSelectLayer.h"
#include "global_page_fixture.h"
#include "model/Q3917GlobalAccessor.h"
#include "support/ReferencePng.h"

namespace library_test {
namespace {

using GlobalPageLookTest = GlobalPageTest;

TEST_F(GlobalPageLookTest, LooksRightInEveryTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        CLibraryWindow& window = MakeWindow();
        ASSERT_TRUE(window.NewAllData());
        CGlobal& global = Global(window);
        const CQ3917GlobalAccessor& accessor = *CQ3917GlobalAccessor::PeekInstance();
        // Values of every kind: signed, a list, a switch, a scale step, a favourite, CC numbers and Off.
        accessor.SetValue(&global, ParameterAddress{0, 0, 0}, -37);
        accessor.SetValue(&global, ParameterAddress{0, 1, 0}, 5);
        accessor.SetValue(&global, ParameterAddress{3, 1, 0}, -63);
        accessor.SetValue(&global, ParameterAddress{3, 4, 0}, 12);
        accessor.SetValue(&global, ParameterAddress{6, 0, 0}, 199);
        accessor.SetValue(&global, ParameterAddress{5, 0, 0}, -1);
        accessor.SetValue(&global, ParameterAddress{5, 63, 0}, 119);
        window.Show();
        window.GetPageStrip()->SwitchPage(CLibraryWindow::kGlobalPage);
        shell->windowManager.PostMessageToAll(kEventGlobalChanged, window.GetWindowNumber(), -1, -1, 0, nullptr);
        Pump();
        Tick();
        window.UpdateRect(RECT{0, 0, CLibraryWindow::kClientWidth, CLibraryWindow::kClientHeight}, true);
        EXPECT_TRUE(MatchesReferencePng("editor/reference", "global_page_theme" + std::to_string(theme),
                                        CLibraryWindow::kClientWidth, CLibraryWindow::kClientHeight,
                                        [&](int x, int y) { return ScreenPixel(window, x, y); }));
    }
}

}  // namespace
}  // namespace library_test
