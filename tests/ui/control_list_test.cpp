// The list control: its cells in both orders, the requests it makes of an
// owner that grants or refuses them, presses, drags, context requests and
// keys, which cells it repaints, and what it draws.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlList.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <platform/testing.h>

#include <cstring>

namespace ui_test {
namespace {

namespace input = platform::testing;

constexpr ARGB kSelected = 0xFF4A4A55;
constexpr ARGB kMarked = 0xFFFFE0DA;
constexpr ARGB kFramed = 0xFFFF5555;

// A list at (10, 10) of 120 x 40: four columns and two rows of 30 x 20
// cells, glyphs 6 x 9 from the font, labels centred.
std::vector<HfcWord> ListWords(CHfcBmp* font, int flags, int limit = 0)
{
    return {10, 10, 120, 40, 0, 0,     0, HfcBitmapWord(font), 0,       0,      0, 0, limit, 4,
            2,  0,  0,   0,  0, flags, 0, kSelected,           kMarked, kFramed};
}

// Nothing painted: blending a transparent cell leaves at most alpha 1.
bool Blank(std::uint32_t pixel)
{
    return (pixel >> 24) <= 1;
}

// An owner that writes down every list report and grants the selection
// requests, unless told to refuse them.
class CListOwner : public CRecordingOwner
{
public:
    bool OnControlListItem(CHfcControl* control, int code, std::intptr_t a, std::intptr_t b) override
    {
        auto* list = static_cast<CHfcCtrlList*>(control);
        std::string line = "owner:list " + std::to_string(code) + " " + std::to_string(a);
        switch (code) {
        case kHfcListRequestSelection:
            line += " " + std::to_string(b);
            if (grant)
                list->SetItemSelected(static_cast<int>(b), a != 0);
            break;
        case kHfcListActivate:
            line += reinterpret_cast<CHfcCtrlListItem*>(b) == list->GetItem(static_cast<int>(a)) ? " item" : " ?";
            break;
        case kHfcListStartDrag: {
            const auto& start = *reinterpret_cast<const SHfcListDragStart*>(b);
            line += " at " + std::to_string(start.screenX) + "," + std::to_string(start.screenY) + " offset " +
                    std::to_string(start.offsetX) + "," + std::to_string(start.offsetY);
            break;
        }
        case kHfcListContext: {
            const auto& at = *reinterpret_cast<const POINT*>(b);
            line += " at " + std::to_string(at.x) + "," + std::to_string(at.y);
            break;
        }
        case kHfcListOtherKey: {
            const auto& key = *reinterpret_cast<const SHfcListKey*>(b);
            line += " key " + std::to_string(key.code);
            break;
        }
        default: break;
        }
        Events().push_back(line);
        return false;
    }
    bool OnControlRightButtonUp(CHfcControl*, int x, int y, int) override
    {
        Events().push_back("owner:right up " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }
    bool grant = true;
};

class ListControl : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillSolidFont(font, 0xFF0000AA);
    }
    // Creates the list with count items "0", "1", ... and places it.
    void Make(int flags, int count)
    {
        ASSERT_TRUE(list.Create(ListWords(&font, flags).data(), 1, 0));
        for (int i = 0; i < count; ++i)
            list.AddItem()->SetText(std::to_string(i).c_str());
        Place(list);
        list.SetOwner(&items);
        Events().clear();
    }
    // The control point at the middle of a visible cell (row order).
    static POINT Cell(int column, int row) { return {column * 30 + 15, row * 20 + 10}; }
    // A press late enough after the last one never makes a double click.
    void Down(POINT at, int modifiers = 0)
    {
        input::AdvanceClock(1000);
        Press(list, at.x, at.y, modifiers);
    }
    void Click(int column, int row, int modifiers = 0)
    {
        const POINT at = Cell(column, row);
        Down(at, modifiers);
        Release(list, at.x, at.y, modifiers);
    }
    std::vector<int> Selected() const
    {
        std::vector<int> selected;
        for (int i = 0; i < list.GetItemCount(); ++i)
            if (list.IsItemSelected(i))
                selected.push_back(i);
        return selected;
    }
    // The list reports only, without the mouse reports around them.
    static std::vector<std::string> ListReports()
    {
        std::vector<std::string> reports;
        for (const std::string& event : Events())
            if (event.rfind("owner:list", 0) == 0)
                reports.push_back(event);
        return reports;
    }
    void Key(UINT key)
    {
        Events().clear();
        input::TypeKey(key);
        Pump();
    }

    input::ScopedFakeClock clock{100000};
    CHfcBmp font;
    CHfcCtrlList list;
    CListOwner items;
};

using Reports = std::vector<std::string>;

TEST_F(ListControl, CellsRunAlongRowsOrDownColumns)
{
    struct Case
    {
        int flags;
        int cell, column, row;
        int perLine, visibleLines;
    };
    // Row order: lines are rows of 4, two of them visible; column order:
    // lines are columns of 2, four of them visible.
    const Case cases[] = {{0, 0, 0, 0, 4, 2},
                          {0, 3, 3, 0, 4, 2},
                          {0, 5, 1, 1, 4, 2},
                          {kHfcListColumnOrder, 1, 0, 1, 2, 4},
                          {kHfcListColumnOrder, 5, 2, 1, 2, 4},
                          {kHfcListColumnOrder, 6, 3, 0, 2, 4}};
    for (const Case& c : cases) {
        CHfcCtrlList grid;
        ASSERT_TRUE(grid.Create(ListWords(&font, c.flags).data(), 1, 0));
        int column = -1;
        int row = -1;
        grid.IndexToCell(c.cell, column, row);
        EXPECT_EQ(column, c.column) << c.flags << " cell " << c.cell;
        EXPECT_EQ(row, c.row) << c.flags << " cell " << c.cell;
        EXPECT_EQ(grid.GetItemsPerLine(), c.perLine);
        EXPECT_EQ(grid.GetVisibleLineCount(), c.visibleLines);
        POINT offset{};
        EXPECT_EQ(grid.PointToCell(column * 30 + 7, row * 20 + 3, &offset), c.cell) << c.flags;
        EXPECT_EQ(offset.x, 7);
        EXPECT_EQ(offset.y, 3);
        const POINT origin = grid.GetCellOrigin(column, row);
        EXPECT_EQ(origin.x, 10 + column * 30);
        EXPECT_EQ(origin.y, 10 + row * 20);
    }
    CHfcCtrlList grid;
    ASSERT_TRUE(grid.Create(ListWords(&font, 0).data(), 1, 0));
    EXPECT_EQ(grid.PointToCell(120, 5, nullptr), -1) << "right of the last column";
    EXPECT_EQ(grid.PointToCell(5, 40, nullptr), -1);
    EXPECT_EQ(grid.PointToCell(-1, 5, nullptr), -1);
}

TEST_F(ListControl, LinesRoundHalfUpAndScrollingKeepsToThem)
{
    Make(0, 5);
    // Five items in lines of four make one line (1.25 rounded).
    EXPECT_EQ(list.GetLineCount(), 1);
    list.SetTopLine(1);
    EXPECT_EQ(list.GetTopLine(), 0);
    EXPECT_EQ(list.CellToItem(4), 4);
    EXPECT_EQ(list.CellToItem(5), -1);

    for (int i = 5; i < 18; ++i)
        list.AddItem();
    EXPECT_EQ(list.GetLineCount(), 5) << "18 / 4 = 4.5 rounds up";
    list.SetTopLine(9);
    EXPECT_EQ(list.GetTopLine(), 4);
    EXPECT_EQ(list.CellToItem(0), 16);
    EXPECT_EQ(list.CellToItem(2), -1);
    EXPECT_EQ(list.ItemToCell(17), 1);
    EXPECT_EQ(list.ItemToCell(15), -1);
    EXPECT_EQ(list.GetItemOrigin(17).x, 40);
    list.SetTopLine(-3);
    EXPECT_EQ(list.GetTopLine(), 0);

    // Mode 0 scrolls the least; mode 1 shows the page.
    list.EnsureVisible(13, 0);
    EXPECT_EQ(list.GetTopLine(), 2);
    list.EnsureVisible(9, 0);
    EXPECT_EQ(list.GetTopLine(), 2) << "already in sight";
    list.EnsureVisible(1, 0);
    EXPECT_EQ(list.GetTopLine(), 0);
    list.EnsureVisible(13, 1);
    EXPECT_EQ(list.GetTopLine(), 2);
    list.EnsureVisible(17, 1);
    EXPECT_EQ(list.GetTopLine(), 4);

    for (int i = 0; i < list.GetItemCount(); ++i)
        list.GetItem(i)->SetDirty(false);
    list.SetTopLine(1);
    EXPECT_TRUE(list.GetItem(0)->IsDirty()) << "a new top line repaints every item";
    EXPECT_TRUE(list.GetItem(17)->IsDirty());
}

TEST_F(ListControl, ItemsKeepToTheLimitAndTheirTextBounds)
{
    ASSERT_TRUE(list.Create(ListWords(&font, 0, 3).data(), 1, 0));
    EXPECT_EQ(list.GetMaximum(), 3);
    for (int i = 0; i < 3; ++i)
        ASSERT_NE(list.AddItem(), nullptr);
    EXPECT_EQ(list.AddItem(), nullptr) << "the limit is reached";
    EXPECT_EQ(list.GetItem(2)->GetIndex(), 2);
    EXPECT_EQ(list.GetItem(3), nullptr);
    EXPECT_EQ(list.GetItem(-1), nullptr);

    CHfcCtrlListItem* item = list.GetItem(0);
    const std::string longText(300, 'x');
    item->SetText(longText.c_str());
    EXPECT_EQ(item->GetText().size(), 256u);
    item->SetDirty(false);
    item->SetText((longText + "more").c_str());
    EXPECT_FALSE(item->IsDirty()) << "the first 256 characters are the same";
    char small[8];
    std::memset(small, '#', sizeof small);
    item->GetText(small, sizeof small);
    EXPECT_STREQ(small, "xxxxxxx") << "cut to the buffer with its terminator";
    item->SetText(nullptr);
    EXPECT_TRUE(item->GetText().empty());

    list.RemoveAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_NE(list.AddItem(), nullptr);
}

TEST_F(ListControl, APlainClickAsksTheOwnerToSelectTheItemAlone)
{
    Make(0, 6);
    Click(1, 0);
    EXPECT_EQ(ListReports(),
              (Reports{"owner:list 0 1 1", "owner:list 1 0", "owner:list 0 0 1", "owner:list 0 1 1", "owner:list 1 0"}))
        << "selected on the press, and once more alone on the release";
    EXPECT_EQ(Selected(), std::vector<int>{1});
    Events().clear();
    Click(1, 1);
    EXPECT_EQ(Selected(), std::vector<int>{5});
    EXPECT_EQ(ListReports().front(), "owner:list 0 0 1");

    // The owner may refuse: the control shows what the owner set.
    items.grant = false;
    Events().clear();
    Click(0, 0);
    EXPECT_EQ(ListReports().front(), "owner:list 0 0 5");
    EXPECT_EQ(Selected(), std::vector<int>{5});

    // Nothing is asked for a disabled item, nor for an empty cell.
    items.grant = true;
    list.GetItem(2)->SetEnabled(false);
    Events().clear();
    Click(2, 0);
    Click(3, 1);
    EXPECT_TRUE(ListReports().empty());
    EXPECT_EQ(Selected(), std::vector<int>{5});
}

TEST_F(ListControl, MultipleSelectionKeepsAPressedSelectionUntilRelease)
{
    Make(kHfcListMultiple, 4);
    list.SetItemSelected(1, true);
    list.SetItemSelected(3, true);
    Down(Cell(3, 0));
    EXPECT_TRUE(ListReports().empty()) << "a press inside the selection asks nothing";
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
    Release(list, Cell(3, 0).x, Cell(3, 0).y);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 0 1", "owner:list 0 0 3", "owner:list 0 1 3", "owner:list 1 0"}));
    EXPECT_EQ(Selected(), std::vector<int>{3});

    // Ctrl toggles on the release.
    Events().clear();
    Down(Cell(0, 0), kHfcModifierCtrl);
    EXPECT_TRUE(ListReports().empty());
    Release(list, Cell(0, 0).x, Cell(0, 0).y, kHfcModifierCtrl);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 1 0", "owner:list 1 0"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 3}));
    Events().clear();
    Click(3, 0, kHfcModifierCtrl);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 0 3", "owner:list 1 0"}));
    EXPECT_EQ(Selected(), std::vector<int>{0});

    // Shift asks for every enabled item from the first selected one.
    list.GetItem(1)->SetEnabled(false);
    Events().clear();
    Down(Cell(3, 0), kHfcModifierShift);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 1 2", "owner:list 0 1 3", "owner:list 1 0"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2, 3}));
    Release(list, Cell(3, 0).x, Cell(3, 0).y, kHfcModifierShift);
}

TEST_F(ListControl, ASingleSelectionListIgnoresCtrlAndShift)
{
    Make(0, 4);
    list.SetItemSelected(0, true);
    Click(2, 0, kHfcModifierCtrl);
    Click(3, 0, kHfcModifierShift);
    EXPECT_EQ(Selected(), std::vector<int>{3});
}

TEST_F(ListControl, MovingAPressedItemMoreThanThreePixelsStartsADrag)
{
    Make(kHfcListMultiple | kHfcListDragAllowed, 6);
    list.SetItemSelected(1, true);
    list.SetItemSelected(2, true);
    Press(list, 40, 12);
    MoveTo(list, 42, 13);
    EXPECT_TRUE(ListReports().empty()) << "3 pixels is not yet a drag";
    MoveTo(list, 43, 13);
    POINT screen{43, 13};
    list.ControlToScreen(screen);
    EXPECT_EQ(ListReports(), Reports{"owner:list 5 1 at " + std::to_string(screen.x) + "," + std::to_string(screen.y) +
                                     " offset 13,13"});
    Events().clear();
    MoveTo(list, 50, 13);
    Release(list, 50, 13);
    EXPECT_TRUE(ListReports().empty()) << "the drag took the press: no reduction on release";
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2}));

    // Without drags allowed the move still ends the press.
    CHfcCtrlList still;
    std::vector<HfcWord> below = ListWords(&font, kHfcListMultiple);
    below[kHfcListY] = 60;
    ASSERT_TRUE(still.Create(below.data(), 2, 0));
    still.AddItem();
    still.AddItem();
    Place(still);
    still.SetOwner(&items);
    still.SetItemSelected(0, true);
    still.SetItemSelected(1, true);
    Events().clear();
    input::AdvanceClock(1000);
    Press(still, 35, 5);
    MoveTo(still, 45, 5);
    Release(still, 45, 5);
    EXPECT_TRUE(ListReports().empty());
    still.Destroy();
}

TEST_F(ListControl, TheContextRequestComesWithTheReleaseOrThePress)
{
    Make(0, 3);
    RightPress(list, Cell(1, 0).x, Cell(1, 0).y);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 1 1", "owner:list 1 0"})) << "selected first";
    Events().clear();
    POINT screen = Cell(1, 0);
    list.ControlToScreen(screen);
    input::ReleaseMouse(input::MouseButton::Right, screen.x, screen.y);
    Pump();
    EXPECT_EQ(Events(), (Reports{"owner:right up 45,10", "owner:list 6 1 at 55,20"}));
    Events().clear();
    list.OnHfcMouseRButtonUp(mouse, Cell(3, 1).x, Cell(3, 1).y, 0);
    EXPECT_EQ(ListReports(), Reports{"owner:list 6 -1 at 115,40"}) << "no item under the pointer";

    list.SetContextOnPress(true);
    Events().clear();
    list.OnHfcMouseRButtonDown(mouse, Cell(2, 0).x, Cell(2, 0).y, 0);
    list.OnHfcMouseRButtonUp(mouse, Cell(2, 0).x, Cell(2, 0).y, 0);
    EXPECT_EQ(ListReports(),
              (Reports{"owner:list 0 0 1", "owner:list 0 1 2", "owner:list 1 0", "owner:list 6 2 at 85,20"}));
    Events().clear();
    list.OnHfcMouseRButtonDown(mouse, Cell(3, 1).x, Cell(3, 1).y, 0);
    EXPECT_TRUE(ListReports().empty()) << "on the press only over an item";

    items.swallow = {"right down"};
    Events().clear();
    list.OnHfcMouseRButtonDown(mouse, Cell(0, 0).x, Cell(0, 0).y, 0);
    EXPECT_TRUE(ListReports().empty());
}

TEST_F(ListControl, ADoubleClickOrEnterActivatesTheItem)
{
    Make(0, 3);
    EXPECT_TRUE(DoubleClick(list, Cell(2, 0).x, Cell(2, 0).y));
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 1 2", "owner:list 2 2 item"}));
    EXPECT_FALSE(DoubleClick(list, Cell(3, 1).x, Cell(3, 1).y)) << "no item";

    CHfcKey::GetInstance()->SetFocus(&list, window->GetHandle());
    Key(VK_RETURN);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 0 2", "owner:list 0 1 2", "owner:list 2 2 item"}));
    CHfcKey::GetInstance()->ClearFocus();
}

TEST_F(ListControl, ArrowsMoveTheSelectionAndReportLeavingTheVisibleLines)
{
    Make(0, 10);
    CHfcKey::GetInstance()->SetFocus(&list, window->GetHandle());
    Key(VK_DOWN);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 1 0", "owner:list 1 0"})) << "no selection: item 0";
    struct Step
    {
        UINT key;
        int selected;
        bool outOfSight;
    };
    const Step steps[] = {
        {VK_RIGHT, 1, false}, {VK_DOWN, 5, false}, {VK_DOWN, 9, true},  // line 2 is below the two shown
        {VK_DOWN, 9, true},   // no line below: the focus stays, still out of sight
        {VK_RIGHT, 9, true},  // the last item
        {VK_UP, 5, false},    {VK_LEFT, 4, false}, {VK_UP, 0, false},  {VK_UP, 0, false}, {VK_LEFT, 0, false},
    };
    for (const Step& step : steps) {
        Key(step.key);
        EXPECT_EQ(Selected(), std::vector<int>{step.selected}) << step.key;
        const Reports reports = ListReports();
        const bool reported =
            std::find(reports.begin(), reports.end(), "owner:list 4 " + std::to_string(step.selected)) != reports.end();
        EXPECT_EQ(reported, step.outOfSight) << step.key << " to " << step.selected;
        EXPECT_EQ(reports.back(), "owner:list 1 0");
    }

    // Down on the last visible line with no line below keeps the item, in sight.
    list.SetTopLine(1);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), std::vector<int>{8});
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 0 8", "owner:list 0 1 8", "owner:list 1 0"}));

    // Other keys go to the owner with their code.
    Key('A');
    EXPECT_EQ(ListReports(), Reports{"owner:list 7 8 key 97"});
    CHfcKey::GetInstance()->ClearFocus();
}

TEST_F(ListControl, ColumnOrderSwapsTheArrows)
{
    Make(kHfcListColumnOrder, 8);
    list.SetItemSelected(2, true);
    CHfcKey::GetInstance()->SetFocus(&list, window->GetHandle());
    // Lines are columns of two: Right jumps a column, Down steps one item.
    struct Step
    {
        UINT key;
        int selected;
    };
    for (const Step& step : {Step{VK_RIGHT, 4}, Step{VK_DOWN, 5}, Step{VK_DOWN, 6}, Step{VK_LEFT, 4}, Step{VK_UP, 3},
                             Step{VK_RIGHT, 5}, Step{VK_RIGHT, 7}, Step{VK_RIGHT, 7}}) {
        Key(step.key);
        EXPECT_EQ(Selected(), std::vector<int>{step.selected}) << step.key;
    }
    CHfcKey::GetInstance()->ClearFocus();
}

TEST_F(ListControl, MarkedOnlyModeMovesBetweenMarkedItems)
{
    Make(0, 8);
    list.SetMarkedOnly(true);
    for (int i : {2, 3, 6})
        list.GetItem(i)->SetMarked(true);
    CHfcKey::GetInstance()->SetFocus(&list, window->GetHandle());
    Key(VK_RIGHT);
    EXPECT_EQ(ListReports(), Reports{"owner:list 7 -1 key 39"}) << "only Enter, Up and Down";
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), std::vector<int>{2}) << "the first marked item";
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), std::vector<int>{3});
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), std::vector<int>{6});
    Key(VK_DOWN);
    EXPECT_TRUE(ListReports().empty()) << "no further marked item: nothing changes";
    Key(VK_UP);
    EXPECT_EQ(Selected(), std::vector<int>{3});
    Key(VK_LEFT);
    EXPECT_EQ(ListReports(), Reports{"owner:list 7 3 key 37"});
    CHfcKey::GetInstance()->ClearFocus();
}

TEST_F(ListControl, CtrlClicksInMarkedOnlyModeToggleOnlyMarkedItems)
{
    Make(kHfcListMultiple, 4);
    list.SetMarkedOnly(true);
    list.GetItem(1)->SetMarked(true);
    list.SetItemSelected(1, true);
    Events().clear();
    Click(0, 0, kHfcModifierCtrl);
    EXPECT_TRUE(ListReports().empty());
    Click(2, 0, kHfcModifierCtrl);
    EXPECT_TRUE(ListReports().empty());
    // Shift reaches only marked items too.
    list.GetItem(3)->SetMarked(true);
    Down(Cell(3, 0), kHfcModifierShift);
    EXPECT_EQ(ListReports(), (Reports{"owner:list 0 1 3", "owner:list 1 0"}));
    Release(list, Cell(3, 0).x, Cell(3, 0).y, kHfcModifierShift);
}

TEST_F(ListControl, FewerThanFiveChangedItemsRepaintOnlyTheirCells)
{
    Make(0, 8);
    window->invalidated.clear();
    list.Redraw(false, true);
    EXPECT_EQ(window->invalidated, (std::vector<RECT>{RECT{20, 30, 140, 70}})) << "the first picture is whole";
    for (int changed = 1; changed <= 5; ++changed) {
        window->invalidated.clear();
        for (int i = 0; i < changed; ++i)
            list.GetItem(i)->SetText(("x" + std::to_string(changed)).c_str());
        list.SetDirty(true);
        list.Redraw(false, true);
        if (changed < 5) {
            ASSERT_EQ(window->invalidated.size(), static_cast<std::size_t>(changed)) << changed;
            // The layer is at (10, 20) of the window; cell 0 at (10, 10) of the layer.
            EXPECT_EQ(window->invalidated[0], (RECT{20, 30, 50, 50})) << changed;
        } else {
            EXPECT_EQ(window->invalidated, (std::vector<RECT>{RECT{20, 30, 140, 70}})) << changed;
        }
    }
    // Emptied cells are painted over once, also cell by cell.
    list.RemoveAllItems();
    for (int i = 0; i < 3; ++i)
        list.AddItem();
    window->invalidated.clear();
    list.Redraw(false, true);
    EXPECT_EQ(window->invalidated.size(), 3u + 5u);
    window->invalidated.clear();
    list.Redraw(true, false);
    window->invalidated.clear();
    list.SetDirty(true);
    list.Redraw(false, true);
    EXPECT_TRUE(window->invalidated.empty()) << "nothing changed, nothing painted";

    // A forced redraw paints everything.
    window->invalidated.clear();
    list.Redraw(true, true);
    EXPECT_EQ(window->invalidated, (std::vector<RECT>{RECT{20, 30, 140, 70}}));
}

TEST_F(ListControl, ItemsShowTheirStatesInTheirCells)
{
    CHfcBmp selectedFont;
    CHfcBmp dimFont;
    FillSolidFont(selectedFont, 0xFF00AA00);
    FillSolidFont(dimFont, 0xFFAA0000);
    std::vector<HfcWord> words = ListWords(&font, kHfcListMultiple);
    words[kHfcListSelectedFont] = HfcBitmapWord(&selectedFont);
    words[kHfcListDisabledFont] = HfcBitmapWord(&dimFont);
    ASSERT_TRUE(list.Create(words.data(), 1, 0));
    EXPECT_EQ(list.GetWord(kHfcListGlyphWidth), 6);
    EXPECT_EQ(list.GetWord(kHfcListGlyphHeight), 9);
    EXPECT_EQ(list.GetWord(kHfcListLabelY), 20 / 2 - 9 / 2) << "worked out from the cell";
    for (const char* text : {"ABC", "SELECTED", "M", "F", "D"})
        list.AddItem()->SetText(text);
    list.GetItem(1)->SetSelected(true);
    list.GetItem(2)->SetMarked(true);
    list.GetItem(3)->SetFramed(true);
    list.GetItem(4)->SetEnabled(false);
    Place(list);
    Render(list);
    SaveCrop({10, 10, 130, 50}, "list_solid_fonts");

    // Cell 0 at (10, 10): "ABC" centred, 18 wide in 30 from 6, rows 6 .. 14.
    EXPECT_TRUE(Blank(Pixel(10 + 5, 10 + 10)));
    EXPECT_EQ(Pixel(10 + 6, 10 + 10), 0xFF0000AAu);
    EXPECT_EQ(Pixel(10 + 23, 10 + 10), 0xFF0000AAu);
    EXPECT_TRUE(Blank(Pixel(10 + 24, 10 + 10)));
    EXPECT_TRUE(Blank(Pixel(10 + 10, 10 + 5)));
    // Cell 1: filled, its label cut to 30 / 6 = 5 characters of the selected font.
    EXPECT_EQ(Pixel(40 + 1, 10 + 1), kSelected);
    EXPECT_EQ(Pixel(40 + 0, 10 + 10), 0xFF00AA00u);
    EXPECT_EQ(Pixel(40 + 29, 10 + 10), 0xFF00AA00u);
    // Cell 2: marked fill; cell 3: framed; item 4 in the second row, dim.
    EXPECT_EQ(Pixel(70 + 1, 10 + 1), kMarked);
    EXPECT_EQ(Pixel(100, 10 + 1), kFramed);
    EXPECT_TRUE(Blank(Pixel(100 + 1, 10 + 1)));
    EXPECT_EQ(Pixel(10 + 12, 30 + 10), 0xFFAA0000u);

    // A deselected item repaints its cell without the fill.
    list.SetItemSelected(1, false);
    list.Redraw(false, true);
    EXPECT_TRUE(Blank(Pixel(40 + 1, 10 + 1)));
    EXPECT_EQ(Pixel(40 + 0, 10 + 10), 0xFF0000AAu);
}

TEST_F(ListControl, IconsComeBeforeTheLabel)
{
    CHfcBmp icon;
    FillSolidFont(icon, 0xFF00FFFF);  // 6 wide, taller than the cell: cut and centred
    std::vector<HfcWord> words = ListWords(&font, 0);
    words[kHfcListIcons] = 1;
    words[kHfcListLabelX] = 2;
    ASSERT_TRUE(list.Create(words.data(), 1, 0));
    CHfcCtrlListItem* item = list.AddItem();
    item->SetText("AB");
    item->SetIcon(&icon);
    Place(list);
    Render(list);
    EXPECT_TRUE(Blank(Pixel(10 + 1, 10 + 5)));
    EXPECT_EQ(Pixel(10 + 2, 10 + 0), 0xFF00FFFFu);
    EXPECT_EQ(Pixel(10 + 7, 10 + 19), 0xFF00FFFFu);
    EXPECT_EQ(Pixel(10 + 8, 10 + 10), 0xFF0000AAu) << "the label starts after the icon";
    EXPECT_EQ(Pixel(10 + 19, 10 + 10), 0xFF0000AAu);
    EXPECT_TRUE(Blank(Pixel(10 + 20, 10 + 10)));
}

TEST_F(ListControl, CreateRefusesWhatItCannotDivideOrDraw)
{
    struct Case
    {
        const char* what;
        int word;
        HfcWord value;
    };
    const Case cases[] = {{"no font", kHfcListFont, 0},     {"no width", kHfcListWidth, 0},
                          {"no height", kHfcListHeight, 0}, {"no columns", kHfcListColumns, 0},
                          {"no rows", kHfcListRows, 0},     {"cells under a pixel", kHfcListColumns, 121}};
    for (const Case& c : cases) {
        std::vector<HfcWord> words = ListWords(&font, 0);
        words[c.word] = c.value;
        EXPECT_FALSE(list.Create(words.data(), 1, 0)) << c.what;
        EXPECT_FALSE(list.IsCreated()) << c.what;
    }
    EXPECT_FALSE(list.Create(nullptr, 1, 0));
    ASSERT_TRUE(list.Create(ListWords(&font, 0).data(), 4, 9));
    EXPECT_EQ(list.GetId(), 4u);
    EXPECT_EQ(list.GetEventCode(), 9u);
    list.AddItem();
    Place(list);
    list.Destroy();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetWord(kHfcListFont), 0);
    EXPECT_TRUE(layer.GetControls().empty());
}

TEST_F(ListControl, DragsOverTheListGoToTheOwner)
{
    Make(0, 2);
    items.dragEffect = 2;
    int effect = 0;
    EXPECT_FALSE(list.OnHfcDragEnter(nullptr, nullptr, 3, 4, 0, &effect));
    EXPECT_FALSE(list.OnHfcDragOver(nullptr, nullptr, 5, 6, 0, &effect));
    EXPECT_FALSE(list.OnHfcDrop(nullptr, nullptr, 7, 8, 0, &effect));
    EXPECT_FALSE(list.OnHfcDragLeave(nullptr));
    EXPECT_EQ(Events(), (Reports{"owner:drag enter 3,4 effect 0", "owner:drag over 5,6 effect 2",
                                 "owner:drop 7,8 effect 2", "owner:drag leave"}));
    EXPECT_EQ(effect, 2);
    list.SetOwner(nullptr);
    EXPECT_FALSE(list.OnHfcDrop(nullptr, nullptr, 7, 8, 0, &effect));
}

TEST_F(ListControl, RenderedListWithTheSkinFont)
{
    CHfcBmp white;
    CHfcBmp dim;
    ASSERT_TRUE(white.LoadPngResource("LcdCharWhite"));
    ASSERT_TRUE(dim.LoadPngResource("LcdCharWhiteDim"));
    // Two columns of eight rows, top to bottom, labels 6 pixels in.
    std::vector<HfcWord> words = {4,          4,
                                  190,        128,
                                  0,          0,
                                  0,          HfcBitmapWord(&white),
                                  0,          HfcBitmapWord(&dim),
                                  6,          9,
                                  0,          2,
                                  8,          0,
                                  0,          6,
                                  4,          1,
                                  0,          0xFF4A4A55,
                                  0xFF3A5A3A, 0x77FF5555};
    ASSERT_TRUE(list.Create(words.data(), 1, 0));
    const char* names[] = {"CC#  1 MOD WHEEL",  "CC#  2 BREATH", "CC#  7 VOLUME",     "CC# 10 PAN",
                           "CC# 11 EXPRESSION", "CC# 64 DAMPER", "CC# 65 PORTAMENTO", "CC# 71 RESONANCE",
                           "CC# 74 CUTOFF",     "CC# 91 REVERB", "CC# 93 CHORUS"};
    for (const char* name : names)
        list.AddItem()->SetText(name);
    list.GetItem(2)->SetSelected(true);
    list.GetItem(5)->SetMarked(true);
    list.GetItem(9)->SetFramed(true);
    list.GetItem(10)->SetEnabled(false);
    layer.GetContext()->SetFillColor(0xFF202020);
    layer.GetContext()->FillRectangle(0, 0, 198, 136);
    Place(list);
    Render(list);
    SaveCrop({0, 0, 198, 136}, "list_skin");
}

}  // namespace
}  // namespace ui_test
