// The library window's buttons name themselves on the screen: each face
// shows its label, released and held, on the program page and on the
// global page, in every colour theme.
#include "app/SkinTable.h"
#include "app/controls/CustomSwitches.h"
#include "editor/PageSelectLayer.h"
#include "editor/ProgramListLayer.h"
#include "editor/layout/Layouts.h"
#include "global_page_fixture.h"
#include "support/FaceInk.h"

#include <functional>

namespace library_test {
namespace {

class LibraryButtonFacesTest : public GlobalPageTest
{
protected:
    // The control's face as the window shows it after a tick.
    int ShownInk(CLibraryWindow& window, CHfcWindowLayer& layer, CHfcControl& control)
    {
        Tick();
        window.UpdateRect(RECT{0, 0, CLibraryWindow::kClientWidth, CLibraryWindow::kClientHeight}, true);
        const RECT& place = control.GetRect();
        const RECT& origin = layer.GetRect();
        return FaceInkPixels(place.right - place.left, place.bottom - place.top, [&](int x, int y) {
            return ScreenPixel(window, origin.left + place.left + x, origin.top + place.top + y);
        });
    }

    // Held down, then let go outside, so that the button does not act.
    void ExpectLabelledFaces(CLibraryWindow& window, CHfcWindowLayer& layer, const layout::Window& placed,
                             const std::function<CHfcControl*(int id)>& controlOf)
    {
        for (const layout::Control& c : placed.controls) {
            if (c.kind != layout::Kind::Button)
                continue;
            CHfcControl* control = controlOf(c.id);
            ASSERT_NE(control, nullptr) << placed.name << " button " << c.id;
            EXPECT_GE(ShownInk(window, layer, *control), kBlankFace) << c.caption << " released";
            Press(*control, 2, 2);
            EXPECT_GE(ShownInk(window, layer, *control), kBlankFace) << c.caption << " held";
            MoveTo(*control, -40, -40);
            Release(*control, -40, -40);
        }
    }
};

TEST_F(LibraryButtonFacesTest, EveryButtonShowsItsLabelInEveryTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SCOPED_TRACE("theme " + std::to_string(theme));
        SetColourTheme(theme);
        CLibraryWindow& window = NewWindow();
        auto& list = dynamic_cast<CProgramListLayer&>(*window.GetProgramListLayer());
        ExpectLabelledFaces(window, list, layout::ProgramListLayout(), [&](int id) { return list.GetControl(id); });

        window.GetPageStrip()->SwitchPage(CLibraryWindow::kGlobalPage);
        CGlobalEditLayer& frame = Frame(window);
        ExpectLabelledFaces(window, frame, layout::GlobalFrameLayout(), [&](int id) { return frame.GetButton(id); });
    }
}

}  // namespace
}  // namespace library_test
