#pragma once
// A new library window showing its global page: the frame, the settings
// sheet and the CC map as the window built them, mouse input at their
// controls, and the window's picture as the user sees it.
#include "app/controls/CustomEditText.h"
#include "editor/CcMapPageLayer.h"
#include "editor/GlobalEditLayer.h"
#include "editor/GlobalPageLayer.h"
#include "library_window_fixture.h"
#include "model/Global.h"

#include <cstdint>
#include <string>

namespace library_test {

class GlobalPageTest : public LibraryWindowTest
{
protected:
    void TearDown() override;

    // A new window on its global page, painted.
    CLibraryWindow& OpenGlobalPage();
    // One 60 ms tick of the shell's timer.
    void Tick();

    static CGlobalEditLayer& Frame(CLibraryWindow& window);
    static CGlobalEditGlobalPageLayer& Settings(CLibraryWindow& window);
    static CGlobalEditCcMapPageLayer& CcMap(CLibraryWindow& window);
    static CGlobal& Global(CLibraryWindow& window);
    // The settings sheet's value field of a parameter.
    static CCustomEditText& Field(CLibraryWindow& window, const ParameterAddress& address);

    // A press and a release near a control's top-left corner.
    static void Click(CHfcControl& control);
    static void DoubleClick(CHfcControl& control, int x, int y);

    // Exactly one event 17 since the last look, about this window's data.
    void ExpectGlobalChangedOnce(CLibraryWindow& window);

    // The window's client area as composed on the screen.
    static std::uint32_t ScreenPixel(CLibraryWindow& window, int x, int y);
};

}  // namespace library_test
