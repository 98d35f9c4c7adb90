// How the program page looks: rows plain, selected and highlighted, the
// number cell and the rule after every five, favourite cells plain and
// selected; and the whole page in each colour theme, written for a person
// to look at.
#include "program_list_fixture.h"

#include "app/SkinTable.h"
#include "support/ReferencePng.h"

namespace program_list_test {
namespace {

class ProgramListRenderTest : public ProgramListTest
{
protected:
    void TearDown() override
    {
        SetColourTheme(0);
        ProgramListTest::TearDown();
    }

    // The page as the window shows it after a tick.
    ::testing::AssertionResult Matches(const std::string& name, const RECT& area)
    {
        shell->Tick();
        Pump();
        return MatchesReferencePng("editor/reference", name, area.right - area.left, area.bottom - area.top,
                                   [&](int x, int y) { return Pixel(*list, area.left + x, area.top + y); });
    }
};

TEST_F(ProgramListRenderTest, RowsAndFavouritesShowTheirStates)
{
    SetProgramRecordName(Program(3), "PLAIN");
    SetProgramRecordName(Program(4), "SELECTED");
    SetProgramRecordName(Program(5), "LIT");
    std::copy_n("NOBODY", 6, Program(5).GetRegion().programmerName);
    std::copy_n("NOBODY", 6, Program(4).GetRegion().programmerName);
    list->SelectProgram(4);
    // Program 4 and 5 share a programmer: 5 is highlighted, 4 selected.
    list->SetHighlightMode(CProgramListLayer::kHighlightProgrammer);
    list->SetFavouriteFlags(2, CProgramListLayer::kSelected);
    list->SetFavouriteFlags(0, 0);
    list->RedrawAll();
    EXPECT_EQ(list->GetProgramFlags(5) & CProgramListLayer::kHighlighted, CProgramListLayer::kHighlighted);
    // Rows 3 to 6 (number, name, the first two info columns) and the first
    // favourite row.
    EXPECT_TRUE(Matches("program_list_rows", RECT{20, 164, 340, 210}));
    EXPECT_TRUE(Matches("program_list_favourites", RECT{576, 34, 780, 52}));
}

TEST_F(ProgramListRenderTest, ThePageInEveryTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        CLibraryWindow& themed = NewWindow();
        auto* page = dynamic_cast<CProgramListLayer*>(themed.GetProgramListLayer());
        ASSERT_NE(page, nullptr);
        SetProgramRecordName((*themed.GetLibraryData()->GetProgramBank())[1], "THEMED");
        page->SelectProgram(1);
        list = page;
        EXPECT_TRUE(Matches("program_list_theme" + std::to_string(theme), RECT{0, 0, 982, 630}));
    }
}

}  // namespace
}  // namespace program_list_test
