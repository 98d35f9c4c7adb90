// Whole program parts dropped on the program page: what each drop area
// takes, the exchange of the two timbres, and the program sent once a
// part was pasted.
#include "program_edit_fixture.h"

#include "app/BlockDropEffect.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>
#include <platform/testing.h>

namespace editor_test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kTimbre1Area = 59;
constexpr int kTimbre2Area = 60;
constexpr int kArpeggiatorArea = 61;
constexpr int kVocoderArea = 62;
constexpr int kEffectsArea = 63;
constexpr int kRibbonArea = 64;
constexpr int kCopy = CEditLayerBase::kDropCopy;
constexpr int kMove = CEditLayerBase::kDropMove;
constexpr int kOutside = CEditLayerBase::kDropFromOutside;

class ProgramEditDropTest : public ProgramEditTest
{
protected:
    void SetUp() override
    {
        ProgramEditTest::SetUp();
        SetValue(0, 35, 1);
        // Another program whose parts are told apart by their values.
        for (std::uint32_t timbre : {0u, 1u})
            CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[7], ParameterAddress{2, 36, timbre}, 11);
        OpenWindow();
    }

    // The block of a part of a program, as a drag carries it.
    CBlockData Block(std::uint32_t kind, int program, std::uint32_t part = 0)
    {
        CBlockData block;
        EXPECT_TRUE(CBlockAccessor::CopyBlock(static_cast<std::uint32_t>(program), block, library, kind, part, 0));
        return block;
    }
    static void Carry(CHfcDragData& data, const CBlockData& block)
    {
        data.AddItem(CBlockAccessor::GetBlockFormat(block.GetKind()), block.GetData(),
                     static_cast<std::uint32_t>(block.GetSize()), -1);
    }
    // A drag begun on this page, as a press on an area arms it.
    void PressOnPage(int area)
    {
        Page().OnControlMouseMove(&Control(area), 5, 5, 0);
        Page().OnControlMouseDown(&Control(area), 5, 5, 0);
        ASSERT_NE(Page().GetDragSource(), -1);
    }
    // The drops' traces: modified marks and the broadcasts.
    std::vector<std::string> Traces()
    {
        std::vector<std::string> traces;
        for (const std::string& line : Log())
            if (line == "library:SetModified 1")
                traces.push_back("modified");
        for (const std::string& event : TakeEvents())
            traces.push_back(event);
        return traces;
    }
};

TEST_F(ProgramEditDropTest, EachAreaOffersToTakeItsOwnKindAndTimbresMayMoveWithinThePage)
{
    struct Case
    {
        int area;
        std::uint32_t kind;
        bool fromPage;
        int voiceMode;
        int answer;
    };
    const Case cases[] = {
        {kTimbre1Area, kBlockTimbre, false, 1, 1},
        {kTimbre1Area, kBlockTimbre, true, 1, 3},
        {kTimbre2Area, kBlockTimbre, true, 1, 3},
        {kTimbre2Area, kBlockTimbre, true, 0, 0},
        {kTimbre2Area, kBlockTimbre, false, 0, 0},
        {kTimbre1Area, kBlockTimbre, true, 0, 3},
        {kArpeggiatorArea, kBlockArp, true, 1, 1},
        {kArpeggiatorArea, kBlockTimbre, false, 1, 0},
        {kVocoderArea, kBlockVocoder, false, 1, 1},
        {kEffectsArea, kBlockMfxSet, false, 1, 1},
        {kEffectsArea, kBlockMfx, false, 1, 0},
        {kRibbonArea, kBlockRibbon, true, 1, 1},
        {19, kBlockTimbre, false, 1, 0},
    };
    for (const Case& c : cases) {
        SetValue(0, 35, c.voiceMode);
        if (c.fromPage)
            PressOnPage(kTimbre1Area);
        else
            Page().OnWindowDeactivate();
        CHfcDragData data;
        Carry(data, Block(c.kind, 7));
        EXPECT_EQ(Page().QueryBlockDrop(&Control(c.area), &data), c.answer)
            << c.area << " kind " << c.kind << (c.fromPage ? " from the page" : "");
    }
}

TEST_F(ProgramEditDropTest, ATimbreMovedOntoTheOtherExchangesThemAndTheProgramIsSentOnce)
{
    SetValue(2, 36, 10, 0);
    SetValue(2, 36, 90, 1);
    PressOnPage(kTimbre1Area);
    CHfcDragData data;
    const CBlockData timbre1 = Block(kBlockTimbre, kProgram, 0);
    Carry(data, timbre1);
    Log().clear();
    TakeEvents();
    const int dumps = CurrentProgramDumps();

    // Onto itself: nothing.
    EXPECT_FALSE(Page().PasteBlock(&Control(kTimbre1Area), &data, timbre1, kMove));
    EXPECT_THAT(Traces(), IsEmpty());

    EXPECT_TRUE(Page().PasteBlock(&Control(kTimbre2Area), &data, timbre1, kMove));
    EXPECT_EQ(Value(2, 36, 0), 90);
    EXPECT_EQ(Value(2, 36, 1), 10);
    EXPECT_THAT(Traces(), ElementsAre("modified", "7 3 -1 5 -1", "21 5 3 0 0"));
    Received(1);
    EXPECT_EQ(CurrentProgramDumps(), dumps + 1) << "event 21 came back: the program went to the device";
    EXPECT_EQ(shell->device->CurrentProgram()[0], Program().GetRegion().image[0]);

    // A copy within the page, or from elsewhere, overwrites the target only.
    EXPECT_TRUE(Page().PasteBlock(&Control(kTimbre2Area), &data, timbre1, kCopy));
    EXPECT_EQ(Value(2, 36, 1), 10);
    EXPECT_EQ(Value(2, 36, 0), 90);
    const CBlockData other = Block(kBlockTimbre, 7, 1);
    EXPECT_TRUE(Page().PasteBlock(&Control(kTimbre1Area), &data, other, kOutside));
    EXPECT_EQ(Value(2, 36, 0), 11);
}

TEST_F(ProgramEditDropTest, OtherPartsArePastedOnlyFromOutsideThePageIntoTheirOwnArea)
{
    struct Case
    {
        int area;
        std::uint32_t kind;
        std::uint32_t group, index;
    };
    const Case cases[] = {
        {kArpeggiatorArea, kBlockArp, 8, 1},
        {kVocoderArea, kBlockVocoder, 5, 6},
        {kEffectsArea, kBlockMfxSet, 6, 1},
        {kRibbonArea, kBlockRibbon, 0, 45},
    };
    for (const Case& c : cases) {
        CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[7], ParameterAddress{c.group, c.index, 0}, 1);
        SetValue(c.group, c.index, 0);
        const CBlockData block = Block(c.kind, 7);
        CHfcDragData data;
        Carry(data, block);
        PressOnPage(c.area);
        Log().clear();
        TakeEvents();
        for (int mode : {kCopy, kMove})
            EXPECT_FALSE(Page().PasteBlock(&Control(c.area), &data, block, mode)) << c.kind << " mode " << mode;
        EXPECT_EQ(Value(c.group, c.index), 0);
        EXPECT_THAT(Traces(), IsEmpty()) << "a drop that pasted nothing is no change";

        Page().OnWindowDeactivate();
        EXPECT_TRUE(Page().PasteBlock(&Control(c.area), &data, block, kOutside)) << c.kind;
        EXPECT_EQ(Value(c.group, c.index), 1) << c.kind;
        EXPECT_THAT(Traces(), ElementsAre("modified", "7 3 -1 5 -1", "21 5 3 0 0"));
    }
}

TEST_F(ProgramEditDropTest, AnItemThatPastesNothingLeavesTheDropToALaterOne)
{
    SetValue(8, 1, 0);
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[7], ParameterAddress{8, 1, 0}, 3);
    // An arpeggiator block cut short, then a whole one.
    const CBlockData whole = Block(kBlockArp, 7);
    CBlockData cut;
    cut.Append(whole.GetData(), kBlockHeaderSize + 4);
    CHfcDragData data;
    Carry(data, cut);
    Carry(data, whole);
    Page().OnWindowDeactivate();
    Log().clear();
    TakeEvents();
    int effect = -1;
    Page().OnControlDrop(&Control(kArpeggiatorArea), &data, 5, 5, 0, &effect);
    EXPECT_EQ(Value(8, 1), 3) << "the second item was taken";
    EXPECT_THAT(Traces(), ElementsAre("modified", "7 3 -1 5 -1", "21 5 3 0 0"));
}

TEST_F(ProgramEditDropTest, DraggingTimbreOneOntoTimbreTwoWithTheMouseExchangesThem)
{
    SetValue(2, 36, 10, 0);
    SetValue(2, 36, 90, 1);
    CHfcControl& from = Control(kTimbre1Area);
    POINT drop{20, 7};
    Control(kTimbre2Area).ControlToScreen(drop);
    platform::testing::QueueDragScript([drop] {
        platform::testing::MoveMouse(drop.x, drop.y);
        platform::testing::ReleaseMouse(platform::testing::MouseButton::Left, drop.x, drop.y);
    });
    MoveTo(from, 10, 7);
    Press(from, 10, 7);
    MoveTo(from, 20, 7);
    Release(from, 20, 7);
    EXPECT_EQ(Value(2, 36, 0), 90);
    EXPECT_EQ(Value(2, 36, 1), 10);
    EXPECT_THAT(TakeEvents(), Contains("21 5 3 0 0"));
}

TEST_F(ProgramEditDropTest, TimbreTwoGivesNoDragWhileTheVoiceModeLeavesItUnused)
{
    SetValue(0, 35, 0);
    EXPECT_FALSE(Page().StartBlockDrag(&Control(kTimbre2Area), 5, 5));
    EXPECT_FALSE(Page().StartBlockDrag(&Control(19), 5, 5)) << "only drop areas give parts";
}

}  // namespace
}  // namespace editor_test
