#include "global_page_fixture.h"

#include "app/SkinTable.h"
#include "editor/PageSelectLayer.h"
#include "editor/layout/GlobalPageTable.h"
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

CCustomEditText& GlobalPageTest::Field(CLibraryWindow& window, const ParameterAddress& address)
{
    namespace table = layout::global_page;
    CGlobalEditGlobalPageLayer& page = Settings(window);
    for (int id = 0; id < page.GetControlCount(); ++id) {
        auto* field = dynamic_cast<CCustomEditText*>(page.GetControl(id));
        const table::Row* row = field != nullptr ? &table::kRows[field->GetIndex()] : nullptr;
        if (row != nullptr && row->group == static_cast<int>(address.group) &&
            row->index == static_cast<int>(address.index))
            return *field;
    }
    ADD_FAILURE() << "no field for " << address.group << "/" << address.index;
    return dynamic_cast<CCustomEditText&>(*page.GetControl(2));
}

void GlobalPageTest::Click(CHfcControl& control)
{
    Press(control, 2, 2);
    Release(control, 2, 2);
}

void GlobalPageTest::DoubleClick(CHfcControl& control, int x, int y)
{
    input::AdvanceClock(1000);
    POINT at{x, y};
    control.ControlToScreen(at);
    input::Click(input::MouseButton::Left, at.x, at.y);
    input::Click(input::MouseButton::Left, at.x, at.y);
    Pump();
}

void GlobalPageTest::ExpectGlobalChangedOnce(CLibraryWindow& window)
{
    const auto changed = TakePosts(kEventGlobalChanged);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].p1, window.GetWindowNumber());
    EXPECT_EQ(changed[0].p2, -1);
    EXPECT_EQ(changed[0].p3, -1);
}

std::uint32_t GlobalPageTest::ScreenPixel(CLibraryWindow& window, int x, int y)
{
    return Pixel(*window.GetRootLayer(), x, y);
}

}  // namespace library_test
