// The program page's selection: plain clicks reduce only on release,
// Shift takes a range from the lowest selected program, Ctrl toggles on
// release; the arrow keys stay within the bank and step between
// highlighted programs; the header follows a single selection; the info
// columns per mode; which broadcasts the page follows; and automatic dump
// sends exactly the selected program.
#include "program_list_fixture.h"

#include "app/AppSettings.h"
#include "app/WindowEvents.h"
#include "editor/ProgramListDragHandler.h"
#include "editor/ProgramListInfo.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/SysExProtocol.h"

#include <platform/input.h>
#include <platform/testing.h>

#include <gmock/gmock.h>

namespace program_list_test {
namespace {

using editor_test::CRecordingWindow;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kShift = 1;

const CQ3917ProgramAccessor& Accessor()
{
    return *CQ3917ProgramAccessor::PeekInstance();
}

TEST_F(ProgramListTest, StartsWithTheFirstProgramAndSlotSelectedAndTheStoredView)
{
    EXPECT_THAT(Selected(), ElementsAre(0));
    EXPECT_NE(list->GetFavouriteFlags(0) & CProgramListLayer::kSelected, 0u);
    EXPECT_EQ(list->GetListMode(), 0);
    EXPECT_EQ(list->GetInfoMask(), 127u) << "the library's mode-0 mask";
    EXPECT_EQ(FieldText(list->GetNameField()), "001:" + Name(0));
    EXPECT_FALSE(window->IsModified()) << "building the page marks nothing";
}

TEST_F(ProgramListTest, PlainClicksSelectAtPressAndReduceAtRelease)
{
    Click(5);
    EXPECT_THAT(Selected(), ElementsAre(5));
    Click(9, kShift);
    EXPECT_THAT(Selected(), ElementsAre(5, 6, 7, 8, 9));

    // A press on a selected row keeps the selection, so that it can be dragged.
    Press(7);
    EXPECT_THAT(Selected(), ElementsAre(5, 6, 7, 8, 9));
    Release(7);
    EXPECT_THAT(Selected(), ElementsAre(7));
    EXPECT_EQ(list->GetPressIndex(), -1);

    // Released over another row: the selection goes to the row under the pointer.
    Press(7);
    Release(12);
    EXPECT_THAT(Selected(), ElementsAre(12));
    // Released beside the list: nothing is reduced, nothing read out of range.
    Click(3, kShift);
    Press(4);
    list->OnHfcMouseLButtonUp(nullptr, 980, 620, 0);
    EXPECT_THAT(Selected(), ElementsAre(3, 4, 5, 6, 7, 8, 9, 10, 11, 12));
}

TEST_F(ProgramListTest, ShiftTakesTheRangeFromTheLowestSelectedProgramInEitherDirection)
{
    Click(20);
    Click(14, kShift);
    EXPECT_THAT(Selected(), ElementsAre(14, 15, 16, 17, 18, 19, 20)) << "from the click up to it";
    Click(16, kCtrl);
    Click(18, kShift);
    EXPECT_THAT(Selected(), ElementsAre(14, 15, 16, 17, 18, 19, 20)) << "others stay";

    // With nothing selected the range starts at program 0.
    list->ClearSelection();
    Click(3, kShift);
    EXPECT_THAT(Selected(), ElementsAre(0, 1, 2, 3));
}

TEST_F(ProgramListTest, CtrlTogglesARowOnRelease)
{
    Click(2);
    Press(6, kCtrl);
    EXPECT_THAT(Selected(), ElementsAre(2)) << "nothing yet";
    Release(6);
    EXPECT_THAT(Selected(), ElementsAre(2, 6));
    Click(2, kCtrl);
    EXPECT_THAT(Selected(), ElementsAre(6));
}

TEST_F(ProgramListTest, AHeldPressPastTheThresholdIsHandedToTheDrag)
{
    class RecordingDrag : public CProgramListDragHandler
    {
    public:
        explicit RecordingDrag(std::vector<std::string>& log) : log(log) {}
        void StartDrag(int x, int y, int) override
        {
            log.push_back("start " + std::to_string(x) + "," + std::to_string(y));
        }
        bool DragEnter(CHfcDragData*, int, int, int, int*) override { return false; }
        bool DragOver(CHfcDragData*, int, int, int, int*) override { return false; }
        bool DragLeave() override { return false; }
        bool Drop(CHfcDragData*, int, int, int, int*) override { return false; }
        void OnTick(int) override {}
        std::vector<std::string>& log;
    };
    std::vector<std::string> log;
    list->SetDragHandler(std::make_unique<RecordingDrag>(log));
    Click(4);
    Click(6, kShift);
    const POINT at = RowPoint(5);
    Press(5);
    list->OnHfcMouseMove(nullptr, at.x + 2, at.y + 1, 0);
    EXPECT_THAT(log, IsEmpty()) << "three pixels";
    list->OnHfcMouseMove(nullptr, at.x + 2, at.y + 2, 0);
    EXPECT_THAT(log, ElementsAre("start " + std::to_string(at.x + 2) + "," + std::to_string(at.y + 2)));
    EXPECT_EQ(list->GetPressIndex(), -1);
    Release(5);
    EXPECT_THAT(Selected(), ElementsAre(4, 5, 6)) << "the release after a drag reduces nothing";
}

TEST_F(ProgramListTest, FavouriteSlotsSelectAloneAndPageTabsSwitchPages)
{
    const POINT slot = FavouritePoint(11);
    list->OnHfcMouseLButtonDown(nullptr, slot.x, slot.y, 0);
    list->OnHfcMouseLButtonUp(nullptr, slot.x, slot.y, 0);
    EXPECT_NE(list->GetFavouriteFlags(11) & CProgramListLayer::kSelected, 0u);
    EXPECT_EQ(list->GetFavouriteFlags(0) & CProgramListLayer::kSelected, 0u);
    EXPECT_THAT(Selected(), ElementsAre(0)) << "the programs keep theirs";

    list->OnHfcMouseLButtonDown(nullptr, 580 + 76 * 3 + 10, 115, 0);
    EXPECT_EQ(list->GetPage(), 3);
    Click(125);
    EXPECT_THAT(Selected(), ElementsAre(125));
}

TEST_F(ProgramListTest, ArrowKeysStayWithinTheBankAndSwitchPages)
{
    const struct
    {
        int from, key, to;
    } cases[] = {
        {0, VK_UP, 0},        {199, VK_DOWN, 199},  {10, VK_DOWN, 11}, {10, VK_UP, 9},
        {39, VK_LEFT, 39},    {0, VK_LEFT, 0},      {45, VK_LEFT, 5},  {160, VK_RIGHT, 160},
        {199, VK_RIGHT, 199}, {150, VK_RIGHT, 190}, {39, VK_DOWN, 40},
    };
    for (const auto& c : cases) {
        list->SelectProgram(c.from);
        Key(c.key);
        EXPECT_THAT(Selected(), ElementsAre(c.to)) << c.from << " key " << c.key;
        EXPECT_EQ(list->GetPage(), c.to / 40) << "the page follows the selection";
    }
}

TEST_F(ProgramListTest, HighlightModesStepOnlyBetweenProgramsOfTheSameKey)
{
    for (int program : {3, 8, 30})
        std::copy_n("SOMEONE", 7, Program(program).GetRegion().programmerName);
    list->SelectProgram(8);
    list->SetHighlightMode(CProgramListLayer::kHighlightProgrammer);
    EXPECT_THAT(Highlighted(), ElementsAre(3, 8, 30));
    EXPECT_EQ(window->GetLibraryData()->GetViewWord(CProgramListLayer::kViewHighlightMode), 3);

    Key(VK_DOWN);
    EXPECT_THAT(Selected(), ElementsAre(30));
    Key(VK_DOWN);
    EXPECT_THAT(Selected(), ElementsAre(30)) << "none further: the key does nothing";
    Key(VK_LEFT);
    EXPECT_THAT(Selected(), ElementsAre(30));
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_THAT(Selected(), ElementsAre(3));

    // Shift and Ctrl take only highlighted programs.
    Click(10, kShift);
    EXPECT_THAT(Selected(), ElementsAre(3, 8));
    Click(12, kCtrl);
    EXPECT_THAT(Selected(), ElementsAre(3, 8));

    // Another kind selected alone moves the highlight.
    list->SelectProgram(50);
    EXPECT_EQ(Highlighted().size(), 197u) << "every program with an empty programmer";
    list->SetHighlightMode(CProgramListLayer::kHighlightOff);
    EXPECT_THAT(Highlighted(), IsEmpty());
}

TEST_F(ProgramListTest, TheHeaderShowsOneSelectedProgramAndDashesOtherwise)
{
    SetProgramRecordName(Program(41), "BRIGHT");
    Accessor().SetValue(&Program(41), {0, 53, 0}, 5);
    list->SelectProgram(41);
    EXPECT_EQ(FieldText(list->GetNameField()), "042:BRIGHT");
    EXPECT_EQ(FieldText(list->GetCategoryField()), "Bass");
    Click(42, kCtrl);
    EXPECT_EQ(FieldText(list->GetCategoryField()), "------");
    EXPECT_EQ(FieldText(list->GetNameField()), "------------");
}

TEST_F(ProgramListTest, InfoColumnsToggleAsEachModeAllowsAndAreStored)
{
    // Mode 0: up to eight columns; a ninth drops the highest of those shown.
    EXPECT_THAT(program_list::ShownInfoColumns(127, 0), ElementsAre(0, 1, 2, 3, 4, 5, 6));
    list->ToggleInfoColumn(program_list::kInfoProgrammer);
    EXPECT_EQ(list->GetInfoMask(), 255u);
    list->ToggleInfoColumn(program_list::kInfoComment);
    EXPECT_EQ(list->GetInfoMask(), 127u | 256u) << "the programmer column made room";
    list->ToggleInfoColumn(program_list::kInfoCategory);
    EXPECT_EQ(list->GetInfoMask(), 127u - 2u + 256u) << "a shown column hides";
    EXPECT_EQ(window->GetLibraryData()->GetViewWord(CProgramListLayer::kViewMaskMode0), 127 - 2 + 256);
    EXPECT_EQ(shell->settings.programListShowInfo2Lines, 127 - 2 + 256);
    EXPECT_EQ(shell->settings.programListShowInfo, 127 - 2 + 256);

    // Mode 1: one column, chosen alone.
    list->SetListMode(1);
    EXPECT_EQ(list->GetInfoMask(), 1u) << "the library's mode-1 mask";
    EXPECT_EQ(shell->settings.programListMode, 1);
    EXPECT_EQ(window->GetLibraryData()->GetViewWord(CProgramListLayer::kViewListMode), 1);
    list->ToggleInfoColumn(program_list::kInfoScaleRange);
    EXPECT_EQ(list->GetInfoMask(), 16u);
    EXPECT_EQ(shell->settings.programListShowInfo4Lines, 16);
    list->ToggleInfoColumn(program_list::kInfoScaleRange);
    EXPECT_EQ(list->GetInfoMask(), 0u);
    list->SetListMode(0);
    EXPECT_EQ(list->GetInfoMask(), 127u - 2u + 256u) << "each mode keeps its own";
    EXPECT_FALSE(window->IsModified()) << "the view is no change of the data";

    // The priority column is never shown.
    EXPECT_THAT(program_list::ShownInfoColumns(512 | 1, 0), ElementsAre(0));
}

TEST_F(ProgramListTest, InfoColumnTextsFollowTheirParameters)
{
    CProgram& program = Program(0);
    Accessor().SetValue(&program, {0, 46, 0}, -2);
    Accessor().SetValue(&program, {0, 47, 0}, 3);
    Accessor().SetValue(&program, {2, 110, 0}, 0);
    Accessor().SetValue(&program, {7, 1, 0}, 1);
    Accessor().SetValue(&program, {0, 53, 0}, 5);
    std::copy_n("A PROGRAMMER WITH A LONG NAME", 24, program.GetRegion().programmerName);
    using namespace program_list;
    const struct
    {
        int column, storedMode, listMode;
        std::string text;
    } cases[] = {
        {kInfoScaleRange, 0, 0, "Scale: 2 Oct(Rev)"},
        {kInfoPitchRange, 0, 0, "Pitch: 3 Oct"},
        {kInfoFilterIntensity, 0, 0, "\"FILTER\"Int: +0"},
        {kInfoFilterIntensity, 1, 1, "FILTER: +0"},
        {kInfoArpeggiator, 0, 0, "ARP ON"},
        {kInfoCategory, 0, 0, "Bass"},
        {kInfoProgrammer, 0, 0, "A PROGRAMMER WIT"},
        {kInfoComment, 0, 0, ""},
        {kInfoProgrammer, 1, 1, "A PROGRAMMER"},
        {kInfoScaleRange, 1, 1, "Scale: 2 Oct"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InfoColumnText(c.column, program, c.storedMode, c.listMode), c.text) << c.column;
    Accessor().SetValue(&program, {2, 110, 0}, -7);
    EXPECT_EQ(InfoColumnText(kInfoFilterIntensity, program, 1, 1), "FILTER: -7");
    Accessor().SetValue(&program, {7, 1, 0}, 0);
    EXPECT_EQ(InfoColumnText(kInfoArpeggiator, program, 0, 0), "");
}

TEST_F(ProgramListTest, BroadcastsMarkRowsOnlyWhenTheyConcernThisPage)
{
    // Program 46 lies on page B while page A shows: its mark stays until it is drawn.
    const LONG_PTR id = window->GetWindowNumber();
    const struct
    {
        int event;
        LONG_PTR p1, p2, p3;
        bool fromList;
        bool marks;
    } cases[] = {
        {7, 46, -1, id, false, true},   {7, 46, -1, id + 1, false, false},  // another library's program
        {7, 46, -1, id, true, false},                                       // the page's own
        {2, 46, -1, 0, false, true},    {3, 46, -1, 0, false, true},       {14, 46, 0x60, 1, false, true},
        {14, 46, 0x40, 0, false, true}, {14, 46, 0, 25, false, true},      {14, 46, 0, 24, false, false},
        {2, 250, -1, 0, false, false},  // no such program: nothing
        {26, 46, 0, 0, false, true},    {18, id, -1, 0, false, true},      {18, id + 1, -1, 0, false, false},
    };
    for (const auto& c : cases) {
        ClearRedrawMarks();
        list->OnWindowManagerMessage(nullptr, c.event, c.p1, c.p2, c.p3, 0,
                                     c.fromList ? static_cast<CWindowManagerListener*>(list) : &recorder);
        EXPECT_EQ((list->GetProgramFlags(46) & CProgramListLayer::kNeedsRedraw) != 0, c.marks)
            << "event " << c.event << " p1 " << c.p1 << " p2 " << c.p2 << " p3 " << c.p3;
    }
    // A shown row is drawn at once and loses its mark.
    ClearRedrawMarks();
    list->OnWindowManagerMessage(nullptr, 2, 6, -1, 0, 0, &recorder);
    EXPECT_EQ(list->GetProgramFlags(6) & CProgramListLayer::kNeedsRedraw, 0u);
}

TEST_F(ProgramListTest, ReplacedDataClosesEditWindowsAndSwitchesMoveThem)
{
    CRecordingWindow six("six");
    CRecordingWindow seven("seven");
    ASSERT_TRUE(Open(six, 10, 10, 100, 80));
    ASSERT_TRUE(Open(seven, 20, 20, 100, 80));
    window->SetProgramEditWindow(6, &six);
    window->SetProgramEditWindow(7, &seven);
    const LONG_PTR id = window->GetWindowNumber();

    // Program 6's window passes to 7; 7's own window closes first.
    list->OnWindowManagerMessage(nullptr, kEventProgramSwitch, id, 1, 6, 7, &recorder);
    EXPECT_EQ(window->GetProgramEditWindow(6), nullptr);
    EXPECT_EQ(window->GetProgramEditWindow(7), &six);
    EXPECT_EQ(seven.GetHandle(), nullptr) << "closed";
    EXPECT_NE(six.GetHandle(), nullptr);
    list->OnWindowManagerMessage(nullptr, kEventProgramSwitch, id + 1, 1, 7, 8, &recorder);
    EXPECT_EQ(window->GetProgramEditWindow(7), &six) << "another library's switch";

    list->OnWindowManagerMessage(nullptr, 18, id + 1, -1, 0, 0, &recorder);
    EXPECT_EQ(window->GetProgramEditWindow(7), &six);
    list->OnWindowManagerMessage(nullptr, 18, id, -1, 0, 0, &recorder);
    EXPECT_EQ(window->GetProgramEditWindow(7), nullptr);
    EXPECT_EQ(six.GetHandle(), nullptr);
}

TEST_F(ProgramListTest, AutomaticDumpSendsTheNewlySelectedProgramToTheCurrentProgram)
{
    ASSERT_EQ(list->GetControl(CProgramListLayer::kAutoDumpSwitch)->GetValue(), 1) << "from the preference";
    // Without the ports nothing is sent and the selection stays as the click made it.
    Click(3);
    EXPECT_THAT(Selected(), ElementsAre(3));

    shell->Connect();
    Program(4).GetRegion().image[30] = 0x33;
    Click(4);
    ASSERT_FALSE(shell->device->Received().empty());
    const auto expected =
        BuildSysExMessage(CurrentProgramDump, 0, 0, std::span<const std::uint8_t>(Program(4).GetData(), 352));
    EXPECT_EQ(shell->device->Received().back(), expected) << "the program's whole image, nothing more";
    EXPECT_EQ(shell->device->CurrentProgram()[30], 0x33);

    // A click on the one selected program sends nothing again.
    const std::size_t heard = shell->device->Received().size();
    Click(4);
    EXPECT_EQ(shell->device->Received().size(), heard);
    // Reducing a selection of several sends the one left.
    Click(6, kShift);
    Click(5);
    EXPECT_EQ(shell->device->Received().back(),
              BuildSysExMessage(CurrentProgramDump, 0, 0, std::span<const std::uint8_t>(Program(5).GetData(), 352)));
    // A key move sends the target.
    Key(VK_DOWN);
    EXPECT_EQ(shell->device->Received().back(),
              BuildSysExMessage(CurrentProgramDump, 0, 0, std::span<const std::uint8_t>(Program(6).GetData(), 352)));

    // Switched off (and stored), nothing goes out.
    CHfcControl* toggle = list->GetControl(CProgramListLayer::kAutoDumpSwitch);
    list->OnControlValueChanged(toggle, toggle->GetValue() | kHfcValuePressed);
    list->OnControlValueChanged(toggle, toggle->GetValue());
    EXPECT_EQ(toggle->GetValue(), 0);
    EXPECT_FALSE(shell->settings.autoDumpEnabled);
    const std::size_t before = shell->device->Received().size();
    Click(9);
    Key(VK_DOWN);
    EXPECT_EQ(shell->device->Received().size(), before);
}

TEST_F(ProgramListTest, InputIsDroppedWhileATransferHoldsTheProgressSemaphore)
{
    ASSERT_EQ(services.progressSemaphore.Wait(), true);
    Click(5);
    Key(VK_DOWN);
    EXPECT_THAT(Selected(), ElementsAre(0));
    services.progressSemaphore.Release();
    Click(5);
    EXPECT_THAT(Selected(), ElementsAre(5));
}

}  // namespace
}  // namespace program_list_test
