// Popup menus: command id = position + 1 and back with one subtraction,
// "&" shown as itself, "-" a separator, a column every 32 items, the point
// taken to the screen, and submenus that outlive their parent menu.
#include "app/PopupMenu.h"
#include "dialog_fixture.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcMouseListener.h"
#include "services/TraceRecorder.h"

namespace {

using platform::testing::QueuePopupMenuAnswers;
using platform::testing::TakeShownPopupMenus;

class PopupMenuTest : public DialogTest
{};

UINT TypeAt(HMENU menu, int position)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
    return info.fType;
}

std::vector<int> ColumnStarts(HMENU menu)
{
    std::vector<int> starts;
    for (int position = 0; position < GetMenuItemCount(menu); ++position)
        if (TypeAt(menu, position) & MFT_MENUBARBREAK)
            starts.push_back(position);
    return starts;
}

CPopupMenu& Filled(CPopupMenu& menu, int count)
{
    EXPECT_TRUE(menu.Create());
    for (int position = 0; position < count; ++position)
        EXPECT_TRUE(menu.AppendIndexedItem("Value " + std::to_string(position), position));
    return menu;
}

TEST_F(PopupMenuTest, TheChosenItemComesBackAsItsIndexAndACancelAsMinus1)
{
    CPopupMenu menu;
    Filled(menu, 5);
    QueuePopupMenuAnswers({1, 5, 0});
    EXPECT_EQ(menu.TrackPopup(owner, 10, 20), 0);
    EXPECT_EQ(menu.Track(owner, 10, 20), 4);
    EXPECT_EQ(menu.TrackPopup(owner, 10, 20), -1);
    const auto shown = TakeShownPopupMenus();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].owner, owner);
    EXPECT_EQ(shown[0].flags & (TPM_RETURNCMD | TPM_NONOTIFY), TPM_RETURNCMD | TPM_NONOTIFY);
    POINT screen{10, 20};
    ClientToScreen(owner, &screen);
    EXPECT_EQ(shown[0].at.x, screen.x);
    EXPECT_EQ(shown[0].at.y, screen.y);
    ASSERT_EQ(shown[0].items.size(), 5u);
    for (int position = 0; position < 5; ++position)
        EXPECT_EQ(shown[0].items[static_cast<std::size_t>(position)].id, static_cast<UINT>(position + 1));
}

TEST_F(PopupMenuTest, WithoutAMenuTrackingAnswersMinus1AtOnce)
{
    CPopupMenu menu;
    QueuePopupMenuAnswers({1});
    EXPECT_EQ(menu.TrackPopup(owner, 0, 0), -1);
    EXPECT_TRUE(TakeShownPopupMenus().empty()) << "nothing was shown";
}

TEST_F(PopupMenuTest, AmpersandsShowAsThemselvesAndADashIsASeparator)
{
    CPopupMenu menu;
    ASSERT_TRUE(menu.Create());
    menu.AppendIndexedItem("Rock & Roll", 0);
    menu.AppendIndexedItem("-", 1);
    menu.AppendItemA("&&", 2, 77);
    QueuePopupMenuAnswers({77});
    EXPECT_EQ(menu.TrackPopup(owner, 0, 0), 76);
    const auto shown = TakeShownPopupMenus();
    ASSERT_EQ(shown.size(), 1u);
    ASSERT_EQ(shown[0].items.size(), 3u);
    EXPECT_EQ(shown[0].items[0].text, "Rock && Roll");
    EXPECT_FALSE(shown[0].items[0].separator);
    EXPECT_TRUE(shown[0].items[1].separator);
    EXPECT_EQ(shown[0].items[2].text, "&&&&");
    EXPECT_EQ(shown[0].items[2].id, 77u);
}

TEST_F(PopupMenuTest, ANewColumnStartsAtEveryNonZeroMultipleOf32)
{
    CPopupMenu hundred;
    EXPECT_EQ(ColumnStarts(Filled(hundred, 100).GetHandle()), (std::vector<int>{32, 64, 96}))
        << "columns of 32, 32, 32 and 4";
    CPopupMenu small;
    EXPECT_TRUE(ColumnStarts(Filled(small, 32).GetHandle()).empty());
}

TEST_F(PopupMenuTest, A200ItemListIsUsableToTheLastItem)
{
    CPopupMenu menu;
    Filled(menu, 200);
    EXPECT_EQ(ColumnStarts(menu.GetHandle()).size(), 6u);
    QueuePopupMenuAnswers({200, 33});
    EXPECT_EQ(menu.TrackPopup(owner, 0, 0), 199);
    EXPECT_EQ(menu.TrackPopup(owner, 0, 0), 32);
    const auto shown = TakeShownPopupMenus();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].items.size(), 200u);
    EXPECT_EQ(shown[0].items.back().text, "Value 199");
}

TEST_F(PopupMenuTest, CheckMarksFollowCheckItem)
{
    CPopupMenu menu;
    Filled(menu, 3);
    EXPECT_TRUE(menu.CheckItem(1, true));
    EXPECT_TRUE(menu.CheckItem(2, true));
    EXPECT_TRUE(menu.CheckItem(2, false));
    QueuePopupMenuAnswers({0});
    menu.TrackPopup(owner, 0, 0);
    const auto shown = TakeShownPopupMenus();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].items[0].checked);
    EXPECT_TRUE(shown[0].items[1].checked);
    EXPECT_FALSE(shown[0].items[2].checked);

    TraceRecorder trace;
    CPopupMenu none;
    EXPECT_FALSE(none.CheckItem(0, true));
    EXPECT_FALSE(menu.CheckItem(9, true));
    const std::vector<std::string> expected = {"CPopupMenu::CheckItem() - HMENU = 0.",
                                               "CPopupMenu::CheckItem() - Failed to call GetMenuItemInfo()."};
    EXPECT_EQ(trace.lines(), expected);
}

TEST_F(PopupMenuTest, ASecondCreateIsRefusedAndTheMenuKnowsItsObject)
{
    CPopupMenu menu;
    ASSERT_TRUE(menu.Create());
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_MENUDATA;
    ASSERT_TRUE(GetMenuInfo(menu.GetHandle(), &info));
    EXPECT_EQ(info.dwMenuData, reinterpret_cast<ULONG_PTR>(&menu));
    TraceRecorder trace;
    EXPECT_FALSE(menu.Create());
    EXPECT_EQ(trace.lines(), std::vector<std::string>{"CPopupMenu::Create() - Already created."});
}

TEST_F(PopupMenuTest, ASubmenuOutlivesTheMenuItWasIn)
{
    CPopupMenu submenu;
    Filled(submenu, 2);
    HMENU subHandle = submenu.GetHandle();
    {
        CPopupMenu menu;
        Filled(menu, 2);
        ASSERT_TRUE(menu.SetSubMenu(1, submenu));
        QueuePopupMenuAnswers({0});
        menu.TrackPopup(owner, 0, 0);
        const auto shown = TakeShownPopupMenus();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_TRUE(shown[0].items[1].hasSubmenu);
    }
    EXPECT_TRUE(IsMenu(subHandle));
    EXPECT_EQ(GetMenuItemCount(subHandle), 2);
}

class Knob final : public CHfcMouseListener
{
public:
    int released = 0;
    bool OnHfcMouseCaptureReleased(CHfcMouse*) override
    {
        ++released;
        return true;
    }
};

// A knob that holds the mouse when its popup opens must not keep dragging.
TEST_F(PopupMenuTest, TheMouseCaptureIsReleasedBeforeTheMenuShows)
{
    ASSERT_TRUE(CHfcMouse::Acquire());
    Knob knob;
    CHfcMouse::GetInstance()->SetCapture(&knob, nullptr);
    SetCapture(owner);
    CPopupMenu menu;
    Filled(menu, 3);
    QueuePopupMenuAnswers({2});
    EXPECT_EQ(menu.TrackPopup(owner, 0, 0), 1);
    EXPECT_EQ(knob.released, 1);
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(CHfcMouse::Release());
}

}  // namespace
