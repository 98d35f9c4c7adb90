#include "global_page_fixture.h"

#include "app/SkinTable.h"
#include "editor/PageSelectLayer.h"
#include "framework/ui/HfcControl.h"

#include <platform/testing.h>

namespace library_test {

namespace input = platform::testing;

void GlobalPageTest::TearDown()
{
    input::TakeShownPopupMenus();
    SetColourTheme(0);
    LibraryWindowTest::TearDown();
}

CLibraryWindow& GlobalPageTest::OpenGlobalPage()
{
    CLibraryWindow& window = NewWindow();
    window.GetPageStrip()->SwitchPage(CLibraryWindow::kGlobalPage);
    Tick();
    recorder.posts.clear();
    return window;
}

void GlobalPageTest::Tick()
{
    shell->Tick();
    Pump();
}

CGlobalEditLayer& GlobalPageTest::Frame(CLibraryWindow& window)
{
    return dynamic_cast<CGlobalEditLayer&>(*window.GetGlobalEditLayer());
}

CGlobalEditGlobalPageLayer& GlobalPageTest::Settings(CLibraryWindow& window)
{
    return dynamic_cast<CGlobalEditGlobalPageLayer&>(*window.GetGlobalPageLayer());
}

CGlobalEditCcMapPageLayer& GlobalPageTest::CcMap(CLibraryWindow& window)
{
    return dynamic_cast<CGlobalEditCcMapPageLayer&>(*window.GetCcMapPageLayer());
}

CGlobal& GlobalPageTest::Global(CLibraryWindow& window)
{
    return *window.GetLibraryData()->GetGlobal();
}

namespace {

POINT ScreenPoint(CHfcControl& control, int x, int y)
{
    POINT point{x, y};
    control.ControlToScreen(point);
    return point;
}

}  // namespace

void GlobalPageTest::Press(CHfcControl& control, int x, int y)
{
    input::AdvanceClock(1000);
    const POINT at = ScreenPoint(control, x, y);
    input::PressMouse(input::MouseButton::Left, at.x, at.y);
    Pump();
}

void GlobalPageTest::Release(CHfcControl& control, int x, int y)
{
    const POINT at = ScreenPoint(control, x, y);
    input::ReleaseMouse(input::MouseButton::Left, at.x, at.y);
    Pump();
}

void GlobalPageTest::Click(CHfcControl& control)
{
    Press(control);
    Release(control);
}

void GlobalPageTest::DoubleClick(CHfcControl& control, int x, int y)
{
    input::AdvanceClock(1000);
    const POINT at = ScreenPoint(control, x, y);
    input::Click(input::MouseButton::Left, at.x, at.y);
    input::Click(input::MouseButton::Left, at.x, at.y);
    Pump();
}

std::uint32_t GlobalPageTest::ScreenPixel(CLibraryWindow& window, int x, int y)
{
    return Pixel(*window.GetRootLayer(), x, y);
}

}  // namespace library_test
