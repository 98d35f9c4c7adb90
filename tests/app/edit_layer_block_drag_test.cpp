// Program parts dragged out of an edit layer's drop areas and dropped on
// them: the start past 5 pixels, the block carried, the effect shown under
// the modifier keys, and the paste mode of a drop from here or elsewhere.
#include "edit_layer_fixture.h"

#include "app/BlockDropEffect.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"
#include "model/BlockAccessor.h"

#include <gmock/gmock.h>
#include <platform/testing.h>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace input = platform::testing;

constexpr int kCtrl = kHfcModifierCtrl;
constexpr int kAlt = kHfcModifierAlt;

TEST(BlockDropEffectTest, TheEffectFollowsWhatTheLayerCanTakeAndTheKeysHeld)
{
    struct Case
    {
        int possible, modifiers, effect;
    };
    const Case cases[] = {
        {1, 0, kBlockEffectCopy},     {1, kAlt, kBlockEffectCopy},
        {1, kCtrl, kBlockEffectCopy}, {2, 0, kBlockEffectMove},
        {2, kCtrl, kBlockEffectMove}, {2, kAlt, kBlockEffectMove},
        {3, 0, kBlockEffectMove},     {3, kCtrl, kBlockEffectCopy},
        {3, kAlt, kBlockEffectMove},  {3, kAlt | kCtrl, kBlockEffectMove},
        {0, 0, kBlockEffectNone},     {0, kAlt, kBlockEffectNone},
        {0, kCtrl, kBlockEffectNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlockDragEffect(c.possible, c.modifiers), c.effect) << c.possible << " with " << c.modifiers;

    EXPECT_EQ(BlockDropMode(false, 0), CEditLayerBase::kDropFromOutside);
    EXPECT_EQ(BlockDropMode(false, kCtrl), CEditLayerBase::kDropFromOutside);
    EXPECT_EQ(BlockDropMode(true, kCtrl), CEditLayerBase::kDropCopy);
    EXPECT_EQ(BlockDropMode(true, 0), CEditLayerBase::kDropMove);
    EXPECT_EQ(BlockDropResult(CEditLayerBase::kDropCopy), kBlockEffectCopy);
    EXPECT_EQ(BlockDropResult(CEditLayerBase::kDropMove), kBlockEffectMove);
    EXPECT_EQ(BlockDropResult(CEditLayerBase::kDropFromOutside), kBlockEffectNone);
}

class EditLayerBlockDragTest : public EditLayerTest
{
protected:
    void SetUp() override
    {
        EditLayerTest::SetUp();
        accessor = std::make_unique<CBlockAccessor>();
        CBlockAccessor::SetInstance(accessor.get());
    }
    void TearDown() override
    {
        input::DiscardDragScripts();
        CBlockAccessor::SetInstance(nullptr);
        EditLayerTest::TearDown();
    }
    CTestDropArea* AddDropArea(const RECT& rect, std::uint32_t kind, std::uint32_t part,
                               std::uint32_t eventCode = CEditLayerBase::kEventBlockHandle)
    {
        auto area = std::make_unique<CTestDropArea>();
        EXPECT_TRUE(area->Create(rect, kind, part, static_cast<std::uint32_t>(NextId()), eventCode));
        return Attach(std::move(area), ParameterAddress{});
    }
    // A drag payload of blocks of the kinds, as another window offers them.
    void Fill(CHfcDragData& data, std::vector<CBlockData>& blocks, std::initializer_list<std::uint32_t> kinds)
    {
        data.Begin(10, 10);
        for (std::uint32_t kind : kinds) {
            blocks.emplace_back();
            CBlockAccessor::CopyBlock(3, blocks.back(), library, kind, 0, 0);
        }
        for (const CBlockData& block : blocks)
            data.AddItem(CBlockAccessor::GetBlockFormat(block.GetKind()), block.GetData(),
                         static_cast<std::uint32_t>(block.GetSize()), -1);
    }
    static std::vector<std::string> Pastes()
    {
        std::vector<std::string> pastes;
        for (const std::string& line : Log())
            if (line.find("paste") != std::string::npos || line.find("start drag") != std::string::npos)
                pastes.push_back(line);
        return pastes;
    }

    std::unique_ptr<CBlockAccessor> accessor;
};

TEST_F(EditLayerBlockDragTest, ADragStartsPastFivePixelsAndItsSourceLastsThroughTheDropOnTheLayer)
{
    CTestDropArea* timbre = AddDropArea({40, 40, 140, 90}, kBlockTimbre, 1);
    layer->acceptedKinds = {kBlockTimbre};
    layer->dropAnswer = CEditLayerBase::kDropCanCopy | CEditLayerBase::kDropCanMove;
    MoveTo(*timbre, 10, 10);
    Press(*timbre, 10, 10);
    EXPECT_TRUE(layer->IsDragArmed());
    EXPECT_EQ(layer->GetDragSource(), 0);
    MoveTo(*timbre, 13, 12);
    EXPECT_TRUE(layer->IsDragArmed()) << "|dx| + |dy| = 5 starts nothing";
    EXPECT_THAT(Pastes(), IsEmpty());

    // The drag holds the pointer until the script lets go over the area.
    POINT drop{60, 30};
    timbre->ControlToScreen(drop);
    input::QueueDragScript([drop] {
        input::MoveMouse(drop.x, drop.y);
        input::ReleaseMouse(input::MouseButton::Left, drop.x, drop.y);
    });
    MoveTo(*timbre, 14, 12);
    EXPECT_THAT(Pastes(), ElementsAre("layer:start drag 0 at 10,10", "layer:paste kind 3 mode 2 on 0"));
    EXPECT_EQ(layer->sourceDuringDrag, 0) << "the drop still knew the drag began here";
    EXPECT_FALSE(layer->IsDragArmed());
    EXPECT_EQ(layer->GetDragSource(), -1);
    Release(*timbre, 60, 30);
}

TEST_F(EditLayerBlockDragTest, OnlyADropAreaOfItsOwnCodeStartsADragAndAReleaseDisarms)
{
    CTestDropArea* other = AddDropArea({40, 40, 140, 90}, kBlockTimbre, 0, CCustomControl::kEventPosition);
    CTestDropArea* timbre = AddDropArea({200, 40, 300, 90}, kBlockTimbre, 0);
    MoveTo(*other, 10, 10);
    Press(*other, 10, 10);
    MoveTo(*other, 30, 10);
    EXPECT_FALSE(layer->IsDragArmed()) << "tried once, then disarmed";
    EXPECT_THAT(Pastes(), ElementsAre("layer:start drag 0 at 10,10"));
    Release(*other, 30, 10);

    Log().clear();
    MoveTo(*timbre, 10, 10);
    Press(*timbre, 10, 10);
    Release(*timbre, 10, 10);
    EXPECT_FALSE(layer->IsDragArmed());
    EXPECT_EQ(layer->GetDragSource(), -1);
    MoveTo(*timbre, 40, 10);
    EXPECT_THAT(Pastes(), IsEmpty());

    // A press while no control is hovered arms nothing.
    layer->OnHfcMouseMove(CHfcMouse::GetInstance(), 0, 0, 0);
    layer->OnControlMouseDown(timbre, 10, 10, 0);
    EXPECT_FALSE(layer->IsDragArmed());
}

TEST_F(EditLayerBlockDragTest, TheDraggedBlockIsThePartOfTheLayersProgramUnderItsKindsFormat)
{
    CTestDropArea* timbre = AddDropArea({40, 40, 140, 90}, kBlockTimbre, 1);
    CBlockData expected;
    CBlockAccessor::CopyBlock(3, expected, library, kBlockTimbre, 1, 0);
    layer->acceptedKinds = {kBlockTimbre};
    layer->dropAnswer = CEditLayerBase::kDropCanCopy;
    // The drop lands on this very area: its item is what was dragged.
    POINT drop{50, 20};
    timbre->ControlToScreen(drop);
    input::QueueDragScript([drop] {
        input::MoveMouse(drop.x, drop.y);
        input::ReleaseMouse(input::MouseButton::Left, drop.x, drop.y);
    });
    MoveTo(*timbre, 5, 5);
    Press(*timbre, 5, 5);
    MoveTo(*timbre, 20, 5);
    ASSERT_THAT(Pastes(), ElementsAre("layer:start drag 0 at 5,5", "layer:paste kind 3 mode 2 on 0"));
    ASSERT_EQ(layer->droppedItems.size(), 1u);
    EXPECT_EQ(layer->droppedItems[0].first, CBlockAccessor::GetBlockFormat(kBlockTimbre));
    EXPECT_EQ(layer->droppedItems[0].second,
              std::vector<std::uint8_t>(expected.GetData(), expected.GetData() + expected.GetSize()));
    Release(*timbre, 50, 20);
}

TEST_F(EditLayerBlockDragTest, ADropPastesTheFirstAcceptedItemAndReportsTheEffectOfItsMode)
{
    CTestDropArea* area = AddDropArea({40, 40, 140, 90}, kBlockTimbre, 0);
    CHfcDragData data;
    std::vector<CBlockData> blocks;
    Fill(data, blocks, {kBlockProgram, kBlockTimbre, kBlockArp});
    layer->acceptedKinds = {kBlockTimbre, kBlockArp};

    int effect = -1;
    EXPECT_FALSE(layer->OnControlDrop(area, &data, 5, 5, kCtrl, &effect));
    EXPECT_EQ(effect, kBlockEffectNone) << "from another window: its source deletes nothing";
    EXPECT_THAT(Pastes(), ElementsAre("layer:paste kind 2 mode 3 on 0", "layer:paste kind 3 mode 3 on 0"));

    // With the drag begun on this layer, Ctrl copies and no key moves.
    layer->OnControlMouseMove(area, 5, 5, 0);
    layer->OnControlMouseDown(area, 5, 5, 0);
    Log().clear();
    EXPECT_FALSE(layer->OnControlDrop(area, &data, 5, 5, kCtrl, &effect));
    EXPECT_EQ(effect, kBlockEffectCopy);
    EXPECT_FALSE(layer->OnControlDrop(area, &data, 5, 5, 0, &effect));
    EXPECT_EQ(effect, kBlockEffectMove);
    EXPECT_THAT(Pastes(), ElementsAre("layer:paste kind 2 mode 1 on 0", "layer:paste kind 3 mode 1 on 0",
                                      "layer:paste kind 2 mode 2 on 0", "layer:paste kind 3 mode 2 on 0"));

    // Nothing taken: no effect.
    layer->acceptedKinds.clear();
    EXPECT_FALSE(layer->OnControlDrop(area, &data, 5, 5, 0, &effect));
    EXPECT_EQ(effect, kBlockEffectNone);
}

TEST_F(EditLayerBlockDragTest, ADragOverAControlShowsTheEffectOfWhatTheLayerCanTake)
{
    CTestDropArea* area = AddDropArea({40, 40, 140, 90}, kBlockTimbre, 0);
    CHfcDragData data;
    std::vector<CBlockData> blocks;
    Fill(data, blocks, {kBlockTimbre});
    int effect = -1;
    layer->dropAnswer = 0;
    EXPECT_FALSE(layer->OnControlDragEnter(area, &data, 5, 5, 0, &effect));
    EXPECT_EQ(effect, kBlockEffectNone);
    layer->dropAnswer = 3;
    EXPECT_TRUE(layer->OnControlDragOver(area, &data, 5, 5, kCtrl, &effect));
    EXPECT_EQ(effect, kBlockEffectCopy);
    EXPECT_TRUE(layer->OnControlDragOver(area, &data, 5, 5, 0, &effect));
    EXPECT_EQ(effect, kBlockEffectMove);
    // The base layer takes no drop at all.
    CEditLayerBase plain;
    EXPECT_FALSE(plain.OnControlDragEnter(area, &data, 5, 5, 0, &effect));
    EXPECT_EQ(effect, kBlockEffectNone);
}

}  // namespace
}  // namespace editor_test
