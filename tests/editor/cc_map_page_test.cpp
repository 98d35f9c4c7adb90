// The CC number map page: its line texts, the one page of 64 lines in two
// columns, what a stored number outside the dialog's list shows, and the
// value dialog that writes, broadcasts and marks on OK.
#include "app/GlobalMapValueDialog.h"
#include "app/controls/CustomList.h"
#include "app/controls/CustomPageButton.h"
#include "framework/ui/HfcCtrlListItem.h"
#include "global_page_fixture.h"
#include "model/Q3917GlobalAccessor.h"

#include <platform/testing.h>

#include <optional>

namespace library_test {
namespace {

namespace input = platform::testing;
using Page = CGlobalEditCcMapPageLayer;

// The byte of a map entry as the device stores it.
void Store(CGlobal& global, int line, std::uint8_t byte)
{
    const ParameterRow* row = CQ3917GlobalAccessor::PeekInstance()->GetRow(ParameterAddress{5, std::uint32_t(line), 0});
    global.GetData()[row->offset] = byte;
}

std::int32_t Read(CGlobal& global, int line)
{
    return CQ3917GlobalAccessor::PeekInstance()->GetRawValue(&global, ParameterAddress{5, std::uint32_t(line), 0});
}

struct DialogSeen
{
    std::string title;
    std::string label;
    int selection = -1;
    int entries = 0;
};

// The user's part in the dialog: note what it shows, choose, press a button.
void AnswerDialog(std::optional<DialogSeen>& seen, int choose, int button)
{
    input::QueueDialogScript([&seen, choose, button](HWND dialog) {
        DialogSeen shown;
        char text[128] = {};
        GetWindowTextA(dialog, text, sizeof text);
        shown.title = text;
        GetDlgItemTextA(dialog, CGlobalMapValueDialog::kIdLabel, text, sizeof text);
        shown.label = text;
        shown.selection =
            static_cast<int>(SendDlgItemMessageA(dialog, CGlobalMapValueDialog::kIdList, CB_GETCURSEL, 0, 0));
        shown.entries =
            static_cast<int>(SendDlgItemMessageA(dialog, CGlobalMapValueDialog::kIdList, CB_GETCOUNT, 0, 0));
        seen = shown;
        if (choose >= 0)
            SendDlgItemMessageA(dialog, CGlobalMapValueDialog::kIdList, CB_SETCURSEL, static_cast<WPARAM>(choose), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
}

class CcMapPageTest : public GlobalPageTest
{
protected:
    static std::string Line(CLibraryWindow& window, int line)
    {
        return CcMap(window).GetList()->GetItem(line)->GetText();
    }
    void Refresh(CLibraryWindow& window)
    {
        shell->windowManager.PostMessageToAll(17, window.GetWindowNumber(), -1, -1, 0, nullptr);
        TakePosts(17);
    }
};

TEST_F(CcMapPageTest, LineTextsCutTheNameAndShowOffAbove119)
{
    const struct
    {
        const char* name;
        std::int32_t value;
        const char* text;
    } cases[] = {
        {"Portamento", 0, "Portamento               : CC# 00"},
        {"Portamento", 7, "Portamento               : CC# 07"},
        {"Portamento", 99, "Portamento               : CC# 99"},
        {"Portamento", 119, "Portamento               : CC# 119"},
        {"Portamento", 120, "Portamento               : Off"},
        {"Portamento", -1, "Portamento               : Off"},
        {"Portamento", -128, "Portamento               : Off"},
        {"A name of more than twenty-four letters", 5, "A name of more than twen : CC# 05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Page::LineText(c.name, c.value), c.text) << c.value;
}

TEST_F(CcMapPageTest, SixtyFourLinesInTwoColumnsOfThirtyTwoOnOnePage)
{
    CLibraryWindow& window = OpenGlobalPage();
    Page& page = CcMap(window);
    CCustomList& list = *page.GetList();
    EXPECT_EQ(page.GetRect(), (RECT{530, 182, 970, 640}));
    EXPECT_EQ(list.GetRect(), (RECT{0, 0, 430, 450}));
    ASSERT_EQ(list.GetItemCount(), 64);
    EXPECT_EQ(list.GetVisibleItemCount(), 64);
    EXPECT_EQ(list.GetTopLine(), 0);
    EXPECT_EQ(list.GetItemOrigin(31).x, list.GetItemOrigin(0).x) << "down the first column";
    EXPECT_GT(list.GetItemOrigin(31).y, list.GetItemOrigin(30).y);
    EXPECT_EQ(list.GetItemOrigin(32).y, list.GetItemOrigin(0).y) << "the second column starts at the top";
    EXPECT_EQ(list.GetItemOrigin(32).x, list.GetItemOrigin(0).x + 215);
    EXPECT_TRUE(list.IsItemSelected(0));
    EXPECT_FALSE(page.GetTabs()->IsVisible());
    ASSERT_EQ(page.GetTabs()->GetTabCount(), 1);
    EXPECT_EQ(std::string(page.GetTabs()->GetTab(0)->label), "Page 0");
    EXPECT_EQ(Line(window, 0).substr(0, 27), "Portamento               : ");
    EXPECT_EQ(Line(window, 63).substr(0, 27), "Vocoder E.F.Sens         : ");
    EXPECT_FALSE(window.IsModified()) << "building the page marks nothing";
}

// Each piece of a control's background comes from the place under it.
TEST_F(CcMapPageTest, BackgroundPiecesComeFromUnderTheirControls)
{
    CLibraryWindow& window = OpenGlobalPage();
    Page& page = CcMap(window);
    const RECT& area = page.GetRect();
    const int pageTop = CLibraryWindow::kStripHeight;
    for (CHfcControl* control :
         {static_cast<CHfcControl*>(page.GetList()), static_cast<CHfcControl*>(page.GetTabs())}) {
        const auto* list = dynamic_cast<CHfcCtrlList*>(control);
        const HfcWord backX = list != nullptr ? list->GetWord(kHfcListBackX) : page.GetTabs()->GetWord(kHfcPageBackX);
        const HfcWord backY = list != nullptr ? list->GetWord(kHfcListBackY) : page.GetTabs()->GetWord(kHfcPageBackY);
        EXPECT_EQ(backX, area.left + control->GetRect().left);
        EXPECT_EQ(backY, area.top + control->GetRect().top - pageTop);
    }
}

TEST_F(CcMapPageTest, StoredNumbersShowAsTheyAreAndOffAbove119)
{
    CLibraryWindow& window = OpenGlobalPage();
    Store(Global(window), 0, 0xFF);  // -1, Off
    Store(Global(window), 1, 98);    // not offered by the dialog
    Store(Global(window), 2, 120);
    Store(Global(window), 3, 119);
    Refresh(window);
    EXPECT_EQ(Line(window, 0), "Portamento               : Off");
    EXPECT_EQ(Line(window, 1), "Unison SW                : CC# 98");
    EXPECT_EQ(Line(window, 2), "OSC 1 Wave               : Off");
    EXPECT_EQ(Line(window, 3), "OSC 1 Mod                : CC# 119");
}

TEST_F(CcMapPageTest, TheDialogOpensAtTheLinesNumberAndOkWritesIt)
{
    CLibraryWindow& window = OpenGlobalPage();
    Store(Global(window), 3, 102);
    Refresh(window);
    std::optional<DialogSeen> seen;
    AnswerDialog(seen, 114, CGlobalMapValueDialog::kIdOk);
    DoubleClick(*CcMap(window).GetList(), 20, 3 * 14 + 6);
    ASSERT_TRUE(seen.has_value()) << "activating line 3 opens the dialog";
    EXPECT_EQ(seen->title, "CC# Map");
    EXPECT_EQ(seen->label, "OSC 1 Mod");
    EXPECT_EQ(seen->entries, 115);
    EXPECT_EQ(seen->selection, 97) << "CC# 102";
    EXPECT_EQ(Read(Global(window), 3), 119);
    EXPECT_EQ(Line(window, 3), "OSC 1 Mod                : CC# 119");
    EXPECT_TRUE(window.IsModified());
    ExpectGlobalChangedOnce(window);
}

TEST_F(CcMapPageTest, NumbersOutsideTheListOpenAtOffAndOkStoresEvenAnUnchangedChoice)
{
    const struct
    {
        std::uint8_t stored;
        int selection;
    } cases[] = {{0xFF, 0}, {96, 0}, {101, 0}, {120, 0}, {0, 1}, {95, 96}};
    for (const auto& c : cases) {
        CLibraryWindow& window = OpenGlobalPage();
        Store(Global(window), 7, c.stored);
        Refresh(window);
        std::optional<DialogSeen> seen;
        AnswerDialog(seen, -1, CGlobalMapValueDialog::kIdOk);
        CcMap(window).OpenValueDialog(7);
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(seen->selection, c.selection) << int(c.stored);
        EXPECT_EQ(Read(Global(window), 7), c.selection == 0 ? -1 : c.stored) << int(c.stored);
        EXPECT_TRUE(window.IsModified()) << int(c.stored);
        EXPECT_EQ(TakePosts(CGlobalBaseLayer::kEventGlobalChanged).size(), 1u) << int(c.stored);
    }
}

TEST_F(CcMapPageTest, CancelChangesNothing)
{
    CLibraryWindow& window = OpenGlobalPage();
    Store(Global(window), 9, 40);
    std::optional<DialogSeen> seen;
    AnswerDialog(seen, 5, CGlobalMapValueDialog::kIdCancel);
    CcMap(window).OpenValueDialog(9);
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(Read(Global(window), 9), 40);
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(TakePosts(CGlobalBaseLayer::kEventGlobalChanged).empty());
}

}  // namespace
}  // namespace library_test
