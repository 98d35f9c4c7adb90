// The page tabs: where the tabs lie and which points hit them, what a click
// and a resting drag report, how the value clamps, and how labels are cut,
// placed and coloured.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlPageButton.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <platform/testing.h>

#include <cstring>

namespace ui_test {
namespace {

namespace input = platform::testing;

constexpr ARGB kFrame = 0xFF606060;
constexpr ARGB kFill = 0xFF9B9B9B;

// Tabs of 40 x 16 with a gap of 2 at (x, y), labels centred both ways.
std::vector<HfcWord> Strip(int x, int y, CHfcBmp* font = nullptr, int dragSwitch = 1)
{
    return {x, y, 130, 16, 0, 0, 0, HfcBitmapWord(font), 0, 0, 0, 0, 40, 16, 2, -1, -1, kFrame, kFill, dragSwitch};
}

class PageButton : public ControlTest
{
protected:
    // Three tabs at (20, 10) of the layer: 20-60, 62-102 and 104-144.
    void MakeThreeTabs(CHfcBmp* font = nullptr, int dragSwitch = 1)
    {
        ASSERT_TRUE(tabs.Create(Strip(20, 10, font, dragSwitch).data(), 3));
        EXPECT_EQ(tabs.AddTab("ONE"), 0);
        EXPECT_EQ(tabs.AddTab("TWO"), 1);
        EXPECT_EQ(tabs.AddTab("THREE"), 2);
        Place(tabs);
        Events().clear();
    }
    // The screen point of a layer point.
    POINT Screen(int x, int y)
    {
        POINT point{x, y};
        layer.LayerToScreen(point);
        return point;
    }
    void PointerAt(int x, int y)
    {
        const POINT at = Screen(x, y);
        input::MoveMouse(at.x, at.y);
        Pump();
    }
    int DragEnter(int x, int y)
    {
        const POINT at = Screen(x, y);
        int effect = 2;
        layer.OnHfcRawDragEnter(nullptr, nullptr, at.x, at.y, 0, &effect);
        return effect;
    }
    // Ticks the strip's timer and answers what the owner heard.
    std::vector<std::string> Tick(int milliseconds)
    {
        Events().clear();
        tabs.OnTimer(milliseconds);
        return Events();
    }

    CHfcCtrlPageButton tabs;
};

TEST_F(PageButton, TabsSitSideBySideAndAreHitOnlyStrictlyInside)
{
    MakeThreeTabs();
    EXPECT_EQ(tabs.GetEventCode(), 0u);
    ASSERT_EQ(tabs.GetTabCount(), 3);
    EXPECT_EQ(tabs.GetTab(0)->rect, (RECT{20, 10, 60, 26}));
    EXPECT_EQ(tabs.GetTab(1)->rect, (RECT{62, 10, 102, 26}));
    EXPECT_EQ(tabs.GetTab(2)->rect, (RECT{104, 10, 144, 26}));
    EXPECT_EQ(tabs.GetTab(3), nullptr);
    struct Case
    {
        int x, y, tab;
    };
    const Case cases[] = {{20, 15, -1}, {21, 15, 0},  {59, 15, 0}, {60, 15, -1}, {61, 15, -1}, {62, 15, -1},
                          {63, 15, 1},  {21, 10, -1}, {21, 11, 0}, {21, 25, 0},  {21, 26, -1}, {143, 25, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(tabs.HitTestTab(c.x, c.y), c.tab) << c.x << "," << c.y;
    EXPECT_EQ(tabs.TabFromPoint(1, 1), 0) << "control coordinates";

    tabs.GetTab(1)->enabled = false;
    tabs.GetTab(2)->visible = false;
    EXPECT_EQ(tabs.HitTestTab(80, 15), -1) << "a disabled tab";
    EXPECT_EQ(tabs.HitTestTab(120, 15), -1) << "a hidden tab";
}

TEST_F(PageButton, AClickReportsTheTabAndLeavesTheValueToTheOwner)
{
    MakeThreeTabs();
    Press(tabs, 50, 5);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 50,5", "owner:value 1"}));
    EXPECT_EQ(tabs.GetValue(), 0);
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    Release(tabs, 50, 5);

    // A tab's left edge is no hit.
    Events().clear();
    EXPECT_FALSE(tabs.OnHfcMouseLButtonDown(mouse, 84, 5, 0));
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 84,5"});

    owner.swallow = {"mouse down"};
    Events().clear();
    EXPECT_TRUE(tabs.OnHfcMouseLButtonDown(mouse, 100, 5, 0));
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 100,5"});
}

TEST_F(PageButton, SetValueClampsToTheTabsAndAlwaysMarksTheStrip)
{
    MakeThreeTabs();
    struct Case
    {
        int value, stored;
    };
    for (const Case& c : {Case{5, 2}, Case{-3, 0}, Case{1, 1}, Case{1, 1}}) {
        tabs.SetDirty(false);
        tabs.SetValue(c.value, false);
        EXPECT_EQ(tabs.GetValue(), c.stored) << c.value;
        EXPECT_TRUE(tabs.IsDirty()) << c.value;
    }
    tabs.RemoveAllTabs();
    tabs.SetValue(4, true);
    EXPECT_EQ(tabs.GetValue(), 0) << "no tabs";
}

TEST_F(PageButton, ADragRestingOnATabSwitchesOnceAfterMoreThan800Ms)
{
    MakeThreeTabs();
    EXPECT_EQ(DragEnter(30, 15), 1) << "move, set before the owner is asked";
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:drag enter 10,5 effect 1"});
    PointerAt(30, 15);
    EXPECT_TRUE(Tick(60).empty()) << "the wait starts";
    EXPECT_TRUE(Tick(400).empty());
    EXPECT_TRUE(Tick(400).empty()) << "800 ms is not enough";
    EXPECT_EQ(Tick(1), std::vector<std::string>{"owner:value 0"});
    EXPECT_TRUE(Tick(2000).empty()) << "once";

    // Another tab starts the wait again; so does the gap between tabs.
    PointerAt(70, 15);
    EXPECT_TRUE(Tick(60).empty());
    EXPECT_TRUE(Tick(800).empty());
    PointerAt(61, 15);
    EXPECT_TRUE(Tick(60).empty());
    PointerAt(70, 15);
    EXPECT_TRUE(Tick(60).empty());
    EXPECT_TRUE(Tick(800).empty()) << "the wait starts again";
    EXPECT_EQ(Tick(1), std::vector<std::string>{"owner:value 1"});

    // Once the drag leaves, resting reports nothing.
    layer.OnHfcRawDragLeave(nullptr);
    PointerAt(120, 15);
    EXPECT_TRUE(Tick(60).empty());
    EXPECT_TRUE(Tick(5000).empty());
    // A drop ends it the same way.
    DragEnter(120, 15);
    EXPECT_TRUE(Tick(60).empty());
    const POINT at = Screen(120, 15);
    int effect = 0;
    layer.OnHfcRawDrop(nullptr, nullptr, at.x, at.y, 0, &effect);
    EXPECT_TRUE(Tick(60).empty());
    EXPECT_TRUE(Tick(5000).empty());
}

TEST_F(PageButton, AStripThatDoesNotSwitchOnDragsRefusesThem)
{
    MakeThreeTabs(nullptr, 0);
    EXPECT_EQ(DragEnter(30, 15), 0);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:drag enter 10,5 effect 0"});
    const POINT at = Screen(30, 15);
    int effect = 3;
    owner.dragEffect = 2;
    layer.OnHfcRawDragOver(nullptr, nullptr, at.x, at.y, 0, &effect);
    EXPECT_EQ(effect, 2) << "the owner has the last word";
    PointerAt(30, 15);
    EXPECT_TRUE(Tick(60).empty());
    EXPECT_TRUE(Tick(5000).empty());
    layer.OnHfcRawDragLeave(nullptr);
}

TEST_F(PageButton, LabelsAreBoundedCutToTheTabAndCentred)
{
    CHfcBmp font;
    CHfcBmp selectedFont;
    CHfcBmp dimFont;
    FillSolidFont(font, 0xFF0000AA);
    FillSolidFont(selectedFont, 0xFF00AA00);
    FillSolidFont(dimFont, 0xFFAA0000);
    std::vector<HfcWord> words = Strip(20, 10, &font);
    words[kHfcPageSelectedFont] = HfcBitmapWord(&selectedFont);
    words[kHfcPageDisabledFont] = HfcBitmapWord(&dimFont);
    ASSERT_TRUE(tabs.Create(words.data(), 3));
    EXPECT_EQ(tabs.GetWord(kHfcPageCellWidth), 6) << "from the font";
    EXPECT_EQ(tabs.GetWord(kHfcPageCellHeight), 9);
    const std::string longLabel(40, 'A');
    tabs.AddTab(longLabel.c_str());
    tabs.AddTab("ABC");
    tabs.AddTab("DIM");
    EXPECT_EQ(std::strlen(tabs.GetTab(0)->label), 31u) << "a full label keeps its terminator";
    tabs.GetTab(2)->enabled = false;
    Place(tabs);
    tabs.SetValue(0, true);
    Render(tabs);
    SaveCrop({18, 8, 146, 28}, "page_button_solid_fonts");

    // Label rows: 10 + 16 / 2 - 9 / 2 = 14 .. 22.
    const int y = 18;
    // Tab 0: 40 / 6 = 6 characters of the selected font, centred from 20 + 20 - 18.
    EXPECT_EQ(Pixel(21, y), kFill);
    EXPECT_EQ(Pixel(22, y), 0xFF00AA00u);
    EXPECT_EQ(Pixel(57, y), 0xFF00AA00u);
    EXPECT_EQ(Pixel(58, y), kFill);
    EXPECT_EQ(Pixel(40, 12), kFill) << "the selected tab is filled";
    EXPECT_EQ(Pixel(40, 14), 0xFF00AA00u);
    EXPECT_EQ(Pixel(40, 13), kFill) << "above the label";
    // Tab 1: three characters start 11 pixels in.
    EXPECT_EQ(Pixel(62 + 10, y), 0u);
    EXPECT_EQ(Pixel(62 + 11, y), 0xFF0000AAu);
    EXPECT_EQ(Pixel(62 + 28, y), 0xFF0000AAu);
    EXPECT_EQ(Pixel(62 + 29, y), 0u);
    EXPECT_EQ(Pixel(62, 15), kFrame) << "every tab is framed";
    // Tab 2 is disabled.
    EXPECT_EQ(Pixel(104 + 11, y), 0xFFAA0000u);

    // A new selection repaints the old one unfilled.
    tabs.SetValue(1, true);
    Render(tabs);
    EXPECT_EQ(Pixel(40, 12), 0u);
    EXPECT_EQ(Pixel(62 + 11, y), 0xFF00AA00u);
}

TEST_F(PageButton, CreateRefusesNoSizeAndAStripWithoutFontDrawsNoLabels)
{
    EXPECT_FALSE(tabs.Create(nullptr, 1));
    std::vector<HfcWord> words = Strip(0, 0);
    words[kHfcPageWidth] = 0;
    EXPECT_FALSE(tabs.Create(words.data(), 1));
    words = Strip(0, 0);
    words[kHfcPageHeight] = 0;
    EXPECT_FALSE(tabs.Create(words.data(), 1));
    EXPECT_FALSE(tabs.IsCreated());

    ASSERT_TRUE(tabs.Create(Strip(0, 0).data(), 1));
    EXPECT_EQ(tabs.GetWord(kHfcPageCellWidth), 0) << "no font to take it from";
    tabs.AddTab(nullptr);
    tabs.AddTab("X");
    Place(tabs);
    Render(tabs);
    EXPECT_EQ(Pixel(5, 5), kFill);
    EXPECT_EQ(Pixel(42, 0), kFrame);

    tabs.Destroy();
    EXPECT_EQ(tabs.GetTabCount(), 0);
    for (int i = 0; i < kHfcPageWords; ++i)
        EXPECT_EQ(tabs.GetWord(i), 0) << i;
    EXPECT_TRUE(layer.GetControls().empty());
}

TEST_F(PageButton, RenderedTabsWithTheSkinFonts)
{
    CHfcBmp white;
    CHfcBmp plain;
    CHfcBmp dim;
    ASSERT_TRUE(white.LoadPngResource("LcdCharWhite"));
    ASSERT_TRUE(plain.LoadPngResource("LcdChar"));
    ASSERT_TRUE(dim.LoadPngResource("LcdCharWhiteDim"));
    // The global edit page's strip: tabs of 75 x 16, gap 5.
    std::vector<HfcWord> words = {4,
                                  4,
                                  165,
                                  16,
                                  0,
                                  0,
                                  0,
                                  HfcBitmapWord(&white),
                                  HfcBitmapWord(&plain),
                                  HfcBitmapWord(&dim),
                                  6,
                                  9,
                                  75,
                                  16,
                                  5,
                                  -1,
                                  -1,
                                  0xFF606060,
                                  0xFF9B9B9B,
                                  1};
    ASSERT_TRUE(tabs.Create(words.data(), 1));
    tabs.AddTab("MIDI");
    tabs.AddTab("CC MAP");
    Place(tabs);
    tabs.SetValue(1, true);
    layer.GetContext()->SetFillColor(0xFF202020);
    layer.GetContext()->FillRectangle(0, 0, 180, 26);
    Render(tabs);
    SaveCrop({0, 0, 180, 26}, "page_button_skin");
}

}  // namespace
}  // namespace ui_test
