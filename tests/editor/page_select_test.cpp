// The page tabs of the library window: where the tabs are hit, how a click
// switches the page and in what order the pages' layers come and go, and a
// whole page dragged from one library window onto another's tabs.
#include "app/DialogRefCount.h"
#include "app/SkinTable.h"
#include "editor/PageSelectLayer.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcCtrlPageButton.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcOle.h"
#include "library_window_fixture.h"
#include "model/BlockAccessor.h"
#include "model/Global.h"

#include <platform/testing.h>

#include <cstring>
#include <thread>

namespace library_test {
namespace {

namespace input = platform::testing;
using input::MouseButton;

constexpr int kEventLibraryReplaced = 18;

class PageSelectTest : public LibraryWindowTest
{
protected:
    void SetUp() override
    {
        LibraryWindowTest::SetUp();
        ASSERT_TRUE(HfcOleInitialize());
        CBlockAccessor::SetInstance(&blocks);
    }
    void TearDown() override
    {
        EXPECT_EQ(input::DiscardDragScripts(), 0u);
        LibraryWindowTest::TearDown();
        CBlockAccessor::SetInstance(nullptr);
        HfcOleUninitialize();
    }

    static POINT ScreenPoint(CLibraryWindow& window, int x, int y)
    {
        POINT point{x, y};
        window.GetPageStrip()->LayerToScreen(point);
        return point;
    }
    static void ClickTab(CLibraryWindow& window, int tab)
    {
        const POINT point = ScreenPoint(window, 50 + 77 * tab, 20);
        input::Click(MouseButton::Left, point.x, point.y);
        Pump();
    }
    // Presses on a tab of from and drags it 5 pixels; the drag then goes
    // to the tab of to and is dropped there.
    static void DragTab(CLibraryWindow& from, int tab, CLibraryWindow& to, int targetTab)
    {
        const POINT press = ScreenPoint(from, 40 + 77 * tab, 20);
        input::QueueDragScript([&to, targetTab] {
            to.Activate();
            const POINT drop = ScreenPoint(to, 50 + 77 * targetTab, 20);
            input::MoveMouse(drop.x, drop.y);
            input::ReleaseMouse(MouseButton::Left, drop.x, drop.y);
        });
        input::PressMouse(MouseButton::Left, press.x, press.y);
        input::MoveMouse(press.x + 5, press.y);
        Pump();
    }
    std::vector<CHfcWindowLayer*> PageLayersOf(CLibraryWindow& window)
    {
        std::vector<CHfcWindowLayer*> layers;
        const CHfcWindowLayer* pages[] = {window.GetProgramListLayer(), window.GetGlobalEditLayer(),
                                          window.GetGlobalPageLayer(), window.GetCcMapPageLayer()};
        for (CHfcWindowLayer* layer : window.GetLayers()) {
            if (std::find(std::begin(pages), std::end(pages), layer) != std::end(pages))
                layers.push_back(layer);
        }
        return layers;
    }

    CBlockAccessor blocks;
};

TEST_F(PageSelectTest, TabsAreHitStrictlyInsideTheirAreas)
{
    CLibraryWindow& window = NewWindow();
    const CHfcCtrlPageButton& tabs = *window.GetPageStrip()->GetTabs();
    struct Case
    {
        int x, y, tab;
    };
    const Case cases[] = {
        {24, 7, 0},   {91, 34, 0}, {23, 20, -1}, {92, 20, -1},  {50, 6, -1},   {50, 35, -1},
        {96, 20, -1}, {101, 7, 1}, {168, 34, 1}, {100, 20, -1}, {169, 20, -1}, {200, 20, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tabs.HitTestTab(c.x, c.y), c.tab) << c.x << "," << c.y;
}

TEST_F(PageSelectTest, AClickSwitchesThePageInItsOrder)
{
    CLibraryWindow& window = NewWindow();
    shell->menuKinds.clear();
    ClickTab(window, 1);
    EXPECT_EQ(window.GetCurrentPage(), CLibraryWindow::kGlobalPage);
    EXPECT_EQ(window.GetWindowTitle(), "Untitled - Global");
    // The frame first, its two sub-pages over it.
    EXPECT_EQ(PageLayersOf(window),
              (std::vector<CHfcWindowLayer*>{window.GetGlobalEditLayer(), window.GetGlobalPageLayer(),
                                             window.GetCcMapPageLayer()}));
    for (CHfcWindowLayer* layer : PageLayersOf(window))
        EXPECT_TRUE(layer->IsVisible());
    EXPECT_FALSE(window.GetProgramListLayer()->IsVisible());
    EXPECT_EQ(shell->menuKinds, std::vector<int>{CEditorShell::kLibraryGlobalMenu});
    EXPECT_EQ(window.GetPageStrip()->GetTabState()->GetValue(), 1);
    EXPECT_EQ(window.GetPageStrip()->GetTabs()->GetValue(), 1);

    // The current tab again changes nothing.
    ClickTab(window, 1);
    EXPECT_EQ(shell->menuKinds.size(), 1u);

    ClickTab(window, 0);
    EXPECT_EQ(window.GetCurrentPage(), CLibraryWindow::kProgramPage);
    EXPECT_EQ(PageLayersOf(window), std::vector<CHfcWindowLayer*>{window.GetProgramListLayer()});
    EXPECT_EQ(window.GetWindowTitle(), "Untitled - Program");
    EXPECT_EQ(shell->menuKinds.back(), CEditorShell::kLibraryProgramMenu);
}

TEST_F(PageSelectTest, NoSwitchWhileADialogIsOpenAndOtherThreadsGoThroughTheWindowManager)
{
    CLibraryWindow& window = NewWindow();
    CPageSelectLayer& strip = *window.GetPageStrip();
    RaiseDialogRefCount();
    strip.SwitchPage(1);
    EXPECT_EQ(window.GetCurrentPage(), 0);
    EXPECT_EQ(strip.GetTabState()->GetValue(), 0);
    LowerDialogRefCount();

    std::thread([&] { strip.RequestPageSwitch(1); }).join();
    EXPECT_EQ(window.GetCurrentPage(), 0) << "not before the message thread runs it";
    Pump();
    EXPECT_EQ(window.GetCurrentPage(), 1);
    strip.RequestPageSwitch(2);
    Pump();
    EXPECT_EQ(window.GetCurrentPage(), 1);
}

TEST_F(PageSelectTest, APageDraggedOntoAnotherLibraryReplacesItsData)
{
    CLibraryWindow& source = NewWindow();
    CLibraryWindow& target = NewWindow();
    SetProgramRecordName((*source.GetLibraryData()->GetProgramBank())[0], "DRAGGED0");
    SetProgramRecordName((*source.GetLibraryData()->GetProgramBank())[199], "DRAGGED9");
    source.Activate();
    Pump();

    DragTab(source, 0, target, 1);
    EXPECT_EQ(ProgramName(*target.GetLibraryData(), 0), "DRAGGED0");
    EXPECT_EQ(ProgramName(*target.GetLibraryData(), 199), "DRAGGED9");
    EXPECT_TRUE(target.IsModified());
    EXPECT_FALSE(source.IsModified());
    const auto replaced = TakePosts(kEventLibraryReplaced);
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(replaced[0].p1, target.GetWindowNumber());
    EXPECT_EQ(replaced[0].p2, -1);
    EXPECT_EQ(replaced[0].p3, -1);
    EXPECT_EQ(source.GetPageStrip()->GetPressedTab(), -1);
    EXPECT_FALSE(source.GetPageStrip()->IsDraggingPage());

    // The global page carries the global data.
    std::uint8_t* image = source.GetLibraryData()->GetGlobal()->GetData();
    image[0] ^= 0x5A;
    target.SetModified(false);
    source.Activate();
    Pump();
    DragTab(source, 1, target, 0);
    EXPECT_EQ(std::memcmp(target.GetLibraryData()->GetGlobal()->GetData(), image, CQ3917GlobalData::kImageSize), 0);
    EXPECT_TRUE(target.IsModified());
}

TEST_F(PageSelectTest, AStripRefusesThePageItIsDragging)
{
    CLibraryWindow& window = NewWindow();
    SetProgramRecordName((*window.GetLibraryData()->GetProgramBank())[0], "ORIGINAL");
    DragTab(window, 0, window, 1);
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(TakePosts(kEventLibraryReplaced).empty());
    EXPECT_EQ(window.GetCurrentPage(), 0) << "a drag is no click";
}

TEST_F(PageSelectTest, ADropThatPastesNothingChangesNothing)
{
    CLibraryWindow& window = NewWindow();
    CPageSelectLayer& strip = *window.GetPageStrip();
    CHfcControl* tabs = strip.GetTabs();
    const auto before = ProgramName(*window.GetLibraryData(), 0);

    // A program-set item whose header names another kind, one of the wrong
    // size, and an item in a format the tabs do not take.
    CBlockData wrongKind;
    CBlockAccessor::CopyBlock(0, wrongKind, *window.GetLibraryData(), kBlockProgSet, 0, 0);
    std::memcpy(wrongKind.GetData() + 16, "\x02\0\0\0", 4);
    CBlockData shortBank;
    shortBank.WriteHeader(kBlockProgSet, 0, 0, 0, GetBlockMarker(kBlockProgSet));
    shortBank.Append("x", 1);
    CBlockData program;
    CBlockAccessor::CopyBlock(0, program, *window.GetLibraryData(), kBlockProgram, 0, 0);
    struct Case
    {
        const char* name;
        const CBlockData& block;
        std::uint32_t kind;
        int effect;
    };
    const Case cases[] = {
        {"wrong kind", wrongKind, kBlockProgSet, 2},
        {"short bank", shortBank, kBlockProgSet, 2},
        {"a program", program, kBlockProgram, 0},
    };
    for (const Case& c : cases) {
        CHfcDragData data;
        data.Begin(1, 1);
        data.AddItem(CBlockAccessor::GetBlockFormat(c.kind), c.block.GetData(),
                     static_cast<std::uint32_t>(c.block.GetSize()), -1);
        int effect = -1;
        strip.OnControlDragEnter(tabs, &data, 30, 10, 0, &effect);
        EXPECT_EQ(effect, c.effect) << c.name;
        strip.OnControlDrop(tabs, &data, 30, 10, 0, &effect);
        EXPECT_FALSE(window.IsModified()) << c.name;
        EXPECT_TRUE(TakePosts(kEventLibraryReplaced).empty()) << c.name;
        EXPECT_EQ(ProgramName(*window.GetLibraryData(), 0), before) << c.name;
        // Between the tabs nothing is taken.
        strip.OnControlDragOver(tabs, &data, 73, 10, 0, &effect);
        EXPECT_EQ(effect, 0) << c.name;
        data.End();
    }
}

TEST_F(PageSelectTest, TheStripInEachTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        CLibraryWindow& window = NewWindow();
        window.GetPageStrip()->SwitchPage(theme == 1 ? 1 : 0);
        window.GetPageStrip()->RefreshView();
        shell->Tick();
        CPageSelectLayer& strip = *window.GetPageStrip();
        SaveCrop(strip, {0, 0, 400, 37}, "page_strip_tabs_theme_" + std::to_string(theme));
        SaveCrop(strip, {780, 0, 982, 37}, "page_strip_logo_theme_" + std::to_string(theme));
        // Background everywhere, the logo's pixels over it.
        EXPECT_EQ(Pixel(strip, 2, 2) >> 24, 0xFFu);
        EXPECT_EQ(Pixel(strip, 981, 36) >> 24, 0xFFu);
        window.Destroy();
        Pump();
    }
    SetColourTheme(0);
}

}  // namespace
}  // namespace library_test
