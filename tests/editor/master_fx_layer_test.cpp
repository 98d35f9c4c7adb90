// The master effect layer: its controls and where the rows of each type go,
// the long ribbon's assignment by menu position, the popups, and whole
// effects dragged between the panels, each change checked on the wire.
#include "part_edit_fixture.h"

#include "app/WindowEvents.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomStaticText.h"
#include "editor/MasterFxEditLayer.h"
#include "editor/MasterFxEditWindow.h"
#include "editor/MasterFxKnobAssignTable.h"
#include "framework/ui/HfcDragData.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>
#include <platform/testing.h>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace input = platform::testing;
using L = CMasterFxEditLayer;

constexpr int kDelay = 6;
constexpr int kChorus = 11;
constexpr int kEffectOff = 0;

const ParameterAddress kType1 = GetMasterFxAddress(0);
const ParameterAddress kType2 = GetMasterFxAddress(23);
const ParameterAddress kAssign1 = GetMasterFxAddress(1);
const ParameterAddress kPolarity1 = GetMasterFxAddress(2);

class MasterFxLayerTest : public PartEditTest
{
protected:
    void SetUp() override
    {
        PartEditTest::SetUp();
        SetValue(kType1, kDelay);
        SetValue(kType2, kChorus);
    }
    L* Open()
    {
        window = OpenWindow<CMasterFxEditWindow>();
        return static_cast<L*>(window->GetMainLayer());
    }
    static std::string Text(CCustomControl* control)
    {
        char text[256] = {};
        control->GetText(text, sizeof text);
        return text;
    }
    static const CQ3917ProgramAccessor& Accessor() { return *CQ3917ProgramAccessor::PeekInstance(); }
    CProgram* Program() { return &(*bank)[kProgram]; }
    // The visible parameter rows of an effect as "k:label@x,y field@x,y".
    std::vector<std::string> Rows(L& layer, int effect)
    {
        std::vector<std::string> rows;
        for (int k = 0; k < 20; ++k) {
            CCustomStaticText* label = layer.GetLabel(L::LabelId(effect, k));
            CCustomEditText* field = layer.GetField(L::FieldId(effect, k));
            if (!label->IsVisible())
                continue;
            rows.push_back(std::to_string(k) + ":" + Text(label) + "@" + std::to_string(label->GetRect().left) + "," +
                           std::to_string(label->GetRect().top) + " " + (field->IsVisible() ? "field" : "none") + "@" +
                           std::to_string(field->GetRect().left) + "," + std::to_string(field->GetRect().top));
        }
        return rows;
    }

    CMasterFxEditWindow* window = nullptr;
};

TEST_F(MasterFxLayerTest, TheAssignTableListsTheAvailableParametersAndMapsPositions)
{
    const CMasterFxKnobAssignTable table(Program(), 0);
    ASSERT_EQ(table.GetType(), kDelay);
    ASSERT_GT(table.GetCount(), 0);
    int previous = -1;
    for (int position = 1; position <= table.GetCount(); ++position) {
        const std::int32_t parameter = table.ParameterAt(position);
        EXPECT_GT(parameter, previous) << "ascending";
        EXPECT_TRUE(Accessor().IsAvailable(Program(), GetMasterFxAddress(3 + parameter)));
        EXPECT_EQ(table.PositionOf(parameter), position);
        EXPECT_EQ(table.GetItemText(position), Accessor().GetName(Program(), GetMasterFxAddress(3 + parameter)));
        previous = parameter;
    }
    EXPECT_EQ(table.ParameterAt(0), 31);
    EXPECT_EQ(table.ParameterAt(table.GetCount() + 1), -1);
    EXPECT_EQ(table.ParameterAt(-1), -1);
    EXPECT_EQ(table.PositionOf(31), 0);
    EXPECT_EQ(table.GetAssignText(31), "\"Assign Off\"");
    EXPECT_EQ(table.GetItemText(0), "\"Assign Off\"");
    EXPECT_EQ(table.GetAssignText(20), "(null)");
    EXPECT_EQ(table.GetItemText(table.GetCount() + 1), "(null)");

    // A parameter the type has but does not offer now: unsynchronised
    // times while the delay follows the tempo.
    for (int k = 0; k < 20; ++k) {
        const ParameterAddress address = GetMasterFxAddress(3 + k);
        if (Accessor().IsSupported(Program(), address) && !Accessor().IsAvailable(Program(), address)) {
            EXPECT_EQ(table.PositionOf(k), 0) << k;
            EXPECT_EQ(table.GetAssignText(k), "\"Assign Off\"") << k;
        }
    }
    EXPECT_EQ(CMasterFxKnobAssignTable(Program(), 1).GetType(), kChorus);
}

TEST_F(MasterFxLayerTest, NinetyTwoControlsAndEachPanelsRowsInTwoColumnsOfTen)
{
    L* layer = Open();
    ASSERT_EQ(layer->GetBoundControlCount(), L::kControlCount);
    EXPECT_EQ(layer->GetControls().size(), 92u);
    for (int effect = 0; effect < 2; ++effect) {
        const int top = effect == 0 ? 103 : 326;
        int shown = 0;
        for (int k = 0; k < 20; ++k) {
            CHfcControl* label = layer->GetControl(L::LabelId(effect, k));
            CHfcControl* field = layer->GetControl(L::FieldId(effect, k));
            if (!Accessor().IsSupported(Program(), GetMasterFxAddress(23 * effect + 3 + k)))
                continue;
            EXPECT_EQ(label->GetRect().left, 39 + 275 * (k / 10)) << effect << " " << k;
            EXPECT_EQ(label->GetRect().top, top + 13 * (k % 10)) << effect << " " << k;
            EXPECT_EQ(field->GetRect().left, label->GetRect().left + 140);
            EXPECT_EQ(field->GetRect().top, label->GetRect().top);
            shown += label->IsVisible() ? 1 : 0;
            if (label->IsVisible())
                EXPECT_EQ(Text(layer->GetLabel(L::LabelId(effect, k))),
                          Accessor().GetName(Program(), GetMasterFxAddress(23 * effect + 3 + k)));
        }
        EXPECT_GT(shown, 0) << effect;
    }
    EXPECT_EQ(Text(layer->GetField(L::kTypeField)), "Delay");
    EXPECT_EQ(Text(layer->GetField(L::kTypeField + 1)), "Chorus");
    EXPECT_EQ(Text(layer->GetLabel(L::RibbonFieldId(0, 0) + 1)), "Long Ribbon (Filter)");
    EXPECT_EQ(Text(layer->GetLabel(L::RibbonFieldId(0, 1) + 1)), "Long Ribbon Polarity");
}

TEST_F(MasterFxLayerTest, ATypeChangeLaysOutOnlyItsPanelAndTheShownValuesFollow)
{
    L* layer = Open();
    const auto before2 = Rows(*layer, 1);
    // Clicking the type field offers the 18 types; choosing Chorus writes it.
    input::QueuePopupMenuAnswers({kChorus + 1});
    Press(*layer->GetControl(L::kTypeField), 3, 3);
    Release(*layer->GetControl(L::kTypeField), 3, 3);
    const auto menus = input::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 18u);
    EXPECT_EQ(menus[0].items[0].text, "Effect Off");
    EXPECT_TRUE(menus[0].items[kDelay].checked);
    EXPECT_EQ(Value(kType1), kChorus);
    EXPECT_THAT(ReceivedChanges(1), ElementsAre(ChangeBytes(kType1, kChorus)));
    Pump();
    EXPECT_EQ(Text(layer->GetField(L::kTypeField)), "Chorus");
    EXPECT_EQ(
        Rows(*layer, 0), Rows(*layer, 1).empty() ? Rows(*layer, 0) : [&] {
            // Effect 1 now shows effect 2's rows, 223 pixels higher.
            std::vector<std::string> moved;
            for (std::string row : before2) {
                for (const char* from : {"@39,", "@314,", "@179,", "@454,"}) {
                    const auto at = row.find(from);
                    if (at == std::string::npos)
                        continue;
                    const auto comma = row.find(',', at);
                    const auto end = row.find(' ', comma) == std::string::npos ? row.size() : row.find(' ', comma);
                    const int y = std::stoi(row.substr(comma + 1, end - comma - 1)) - 223;
                    row.replace(comma + 1, end - comma - 1, std::to_string(y));
                }
                moved.push_back(row);
            }
            return moved;
        }());
    EXPECT_EQ(Rows(*layer, 1), before2) << "effect 2 untouched";
    for (int k = 0; k < 20; ++k) {
        CCustomEditText* field = layer->GetField(L::FieldId(0, k));
        if (!field->IsVisible())
            continue;
        char text[256] = {};
        Accessor().GetValueText(Program(), GetMasterFxAddress(3 + k), text, sizeof text);
        EXPECT_EQ(Text(field), text) << k;
    }
}

TEST_F(MasterFxLayerTest, APanelIsLaidOutAgainOnlyWhenItsTypeTextChanges)
{
    L* layer = Open();
    // Moved by hand: a rebuild for another reason leaves it where it is.
    CHfcControl* label = layer->GetControl(L::LabelId(0, 0));
    label->Move(5, 5, false);
    SetValue(GetMasterFxAddress(3), 10);
    layer->RebuildParameterControls();
    EXPECT_EQ(label->GetRect().left, 5);
    SetValue(kType1, kChorus);
    layer->RebuildParameterControls();
    EXPECT_EQ(label->GetRect().left, 39);
    EXPECT_EQ(label->GetRect().top, 103);
}

TEST_F(MasterFxLayerTest, TheRibbonRowsGoWithEffectOffAndComeBackWithAType)
{
    L* layer = Open();
    for (int id :
         {L::RibbonFieldId(0, 0), L::RibbonFieldId(0, 0) + 1, L::RibbonFieldId(0, 1), L::RibbonFieldId(0, 1) + 1})
        EXPECT_TRUE(layer->GetControl(id)->IsVisible()) << id;
    SetValue(kType1, kEffectOff);
    layer->RebuildParameterControls();
    for (int id :
         {L::RibbonFieldId(0, 0), L::RibbonFieldId(0, 0) + 1, L::RibbonFieldId(0, 1), L::RibbonFieldId(0, 1) + 1})
        EXPECT_FALSE(layer->GetControl(id)->IsVisible()) << id;
    EXPECT_TRUE(layer->GetControl(L::RibbonFieldId(1, 0))->IsVisible()) << "effect 2 keeps its rows";
    SetValue(kType1, kChorus);
    layer->RebuildParameterControls();
    EXPECT_TRUE(layer->GetControl(L::RibbonFieldId(0, 0))->IsVisible());
    EXPECT_EQ(Text(layer->GetLabel(L::RibbonFieldId(0, 0) + 1)), "Long Ribbon (Filter)");
}

TEST_F(MasterFxLayerTest, TheAssignmentFieldCountsMenuPositionsAndPositionZeroIsAssignOff)
{
    L* layer = Open();
    CCustomEditText* field = layer->GetField(L::RibbonFieldId(0, 0));
    const CMasterFxKnobAssignTable table(Program(), 0);
    ASSERT_GE(table.GetCount(), 2);
    EXPECT_EQ(field->GetMax(), table.GetCount());

    SetValue(kAssign1, 31);
    layer->RebuildParameterControls();
    EXPECT_EQ(field->GetValue(), 0);
    EXPECT_EQ(Text(field), "\"Assign Off\"");

    // A drag reports positions: position 2 is the second assignable parameter.
    layer->OnControlValueChanged(field, field->ValueToPosition(2));
    EXPECT_EQ(Value(kAssign1), table.ParameterAt(2));
    Pump();
    EXPECT_EQ(field->GetValue(), 2);
    EXPECT_EQ(Text(field), table.GetAssignText(table.ParameterAt(2)));
    // Past the table's end nothing is written; back to 0 stores 31.
    layer->OnControlValueChanged(field, field->ValueToPosition(table.GetCount() + 1));
    EXPECT_EQ(Value(kAssign1), table.ParameterAt(2));
    layer->OnControlValueChanged(field, field->ValueToPosition(0));
    EXPECT_EQ(Value(kAssign1), 31);
    EXPECT_THAT(ReceivedChanges(2),
                ElementsAre(ChangeBytes(kAssign1, table.ParameterAt(2)), ChangeBytes(kAssign1, 31)));

    // An assignment the type does not offer shows Assign Off at position 0.
    for (int k = 0; k < 20; ++k) {
        const ParameterAddress address = GetMasterFxAddress(3 + k);
        if (Accessor().IsSupported(Program(), address) && !Accessor().IsAvailable(Program(), address)) {
            SetValue(kAssign1, k);
            layer->RebuildParameterControls();
            EXPECT_EQ(field->GetValue(), 0) << k;
            EXPECT_EQ(Text(field), "\"Assign Off\"") << k;
            break;
        }
    }
}

TEST_F(MasterFxLayerTest, TheAssignmentAndPolarityPopupsOfferTheirChoicesAndSendTheOneChosen)
{
    L* layer = Open();
    const CMasterFxKnobAssignTable table(Program(), 0);
    SetValue(kAssign1, table.ParameterAt(1));
    layer->RebuildParameterControls();
    input::QueuePopupMenuAnswers({1});
    Press(*layer->GetControl(L::RibbonFieldId(0, 0)), 2, 2);
    Release(*layer->GetControl(L::RibbonFieldId(0, 0)), 2, 2);
    auto menus = input::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), static_cast<std::size_t>(table.GetCount() + 1));
    EXPECT_EQ(menus[0].items[0].text, "\"Assign Off\"");
    EXPECT_TRUE(menus[0].items[1].checked);
    EXPECT_EQ(menus[0].items[1].text, table.GetItemText(1));
    EXPECT_EQ(Value(kAssign1), 31) << "item 1 is position 0";

    input::QueuePopupMenuAnswers({2});
    Press(*layer->GetControl(L::RibbonFieldId(0, 1)), 2, 2);
    Release(*layer->GetControl(L::RibbonFieldId(0, 1)), 2, 2);
    menus = input::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 2u);
    EXPECT_EQ(menus[0].items[0].text, "Forward");
    EXPECT_EQ(menus[0].items[1].text, "Reverse");
    EXPECT_EQ(Value(kPolarity1), 1);
    EXPECT_THAT(ReceivedChanges(2), ElementsAre(ChangeBytes(kAssign1, 31), ChangeBytes(kPolarity1, 1)));

    // Choosing the current value again sends nothing.
    input::QueuePopupMenuAnswers({2});
    Press(*layer->GetControl(L::RibbonFieldId(0, 1)), 2, 2);
    Release(*layer->GetControl(L::RibbonFieldId(0, 1)), 2, 2);
    EXPECT_EQ(ReceivedChanges(2).size(), 2u);
}

TEST_F(MasterFxLayerTest, ANumericFieldIsDraggedNotPoppedUpAndItsValueIsSent)
{
    L* layer = Open();
    int k = 0;
    while (Accessor().GetControlKind(Program(), GetMasterFxAddress(3 + k)) != 1 ||
           !layer->GetControl(L::FieldId(0, k))->IsVisible())
        ++k;
    const ParameterAddress address = GetMasterFxAddress(3 + k);
    CCustomEditText* field = layer->GetField(L::FieldId(0, k));
    input::QueuePopupMenuAnswers({1});
    EXPECT_FALSE(layer->OnControlMouseDown(field, 1, 1, 0));
    EXPECT_THAT(input::TakeShownPopupMenus(), IsEmpty());
    const std::int32_t next =
        Value(address) == Accessor().GetMaximum(Program(), address) ? Value(address) - 1 : Value(address) + 1;
    layer->OnControlValueChanged(field, field->ValueToPosition(next));
    EXPECT_EQ(Value(address), next);
    EXPECT_THAT(ReceivedChanges(1), ElementsAre(ChangeBytes(address, next)));
    EXPECT_THAT(Log(), ::testing::Contains("opener:SetModified 1"));
}

TEST_F(MasterFxLayerTest, ASwitchParameterOpensItsValuesAndEveryListOrSwitchSlotStartsAtZero)
{
    // The popups list values from the minimum up; every list and switch
    // slot of every type starts at 0, so its items are its values.
    for (int type = 0; type < 18; ++type) {
        SetValue(kType1, type);
        for (int k = 0; k < 20; ++k) {
            const ParameterAddress address = GetMasterFxAddress(3 + k);
            const std::int32_t kind = Accessor().GetControlKind(Program(), address);
            if (Accessor().IsSupported(Program(), address) && (kind == 3 || kind == 4))
                EXPECT_EQ(Accessor().GetMinimum(Program(), address), 0) << type << " " << k;
        }
    }
    SetValue(kType1, kDelay);
    L* layer = Open();
    int k = 0;
    while (k < 20 && (Accessor().GetControlKind(Program(), GetMasterFxAddress(3 + k)) != 4 ||
                      !layer->GetControl(L::FieldId(0, k))->IsVisible()))
        ++k;
    ASSERT_LT(k, 20) << "the delay has a tempo sync switch";
    const ParameterAddress address = GetMasterFxAddress(3 + k);
    const std::int32_t was = Value(address);
    input::QueuePopupMenuAnswers({static_cast<UINT>(2 - was)});
    Press(*layer->GetControl(L::FieldId(0, k)), 2, 2);
    Release(*layer->GetControl(L::FieldId(0, k)), 2, 2);
    const auto menus = input::TakeShownPopupMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 2u);
    EXPECT_TRUE(menus[0].items[static_cast<std::size_t>(was)].checked);
    char off[256] = {};
    Accessor().ValueToText(Program(), address, 0, off, sizeof off);
    EXPECT_EQ(menus[0].items[0].text, off);
    EXPECT_EQ(Value(address), 1 - was);
    EXPECT_THAT(ReceivedChanges(1), ElementsAre(ChangeBytes(address, 1 - was)));
    // The rows that follow the switch come and go with it.
    Pump();
    const auto shown = Rows(*layer, 0);
    for (const std::string& row : shown)
        EXPECT_EQ(row.find("none"), std::string::npos) << row;
}

class MasterFxDragTest : public MasterFxLayerTest
{
protected:
    // The bytes of an effect of the program.
    std::vector<std::uint8_t> Effect(int effect)
    {
        CBlockData block;
        CBlockAccessor::CopyBlock(kProgram, block, library, kBlockMfx, static_cast<std::uint32_t>(effect), 0);
        const auto* end = static_cast<const std::uint8_t*>(block.GetData()) + block.GetSize();
        return {block.GetPayload(), end};
    }
    // Presses panel `from` of layer at x and lets go over panel `to` of target.
    void DragPanel(L& layer, int from, L& target, int to, bool ctrl, int x = 300)
    {
        CHfcControl& source = *layer.GetControl(L::kDropArea + from);
        POINT drop{300, 5};
        target.GetControl(L::kDropArea + to)->ControlToScreen(drop);
        input::QueueDragScript([drop, ctrl] {
            if (ctrl)
                input::PressKey(VK_CONTROL);
            input::MoveMouse(drop.x, drop.y);
            input::ReleaseMouse(input::MouseButton::Left, drop.x, drop.y);
            if (ctrl)
                input::ReleaseKey(VK_CONTROL);
        });
        MoveTo(source, x, 5);
        Press(source, x, 5);
        MoveTo(source, x + 3, 7);
        EXPECT_EQ(layer.GetPressedControl(), L::kDropArea + from) << "5 pixels start nothing";
        MoveTo(source, x + 4, 7);
        Pump();
    }
};

TEST_F(MasterFxDragTest, APanelMovedOntoTheOtherSwapsTheEffectsAndTransmitsTheProgram)
{
    L* layer = Open();
    const auto first = Effect(0);
    const auto second = Effect(1);
    DragPanel(*layer, 0, *layer, 1, false);
    EXPECT_EQ(Effect(0), second);
    EXPECT_EQ(Effect(1), first);
    EXPECT_EQ(layer->GetPressedControl(), -1);
    const auto pastes = TakePosts(kEventPartDropped);
    ASSERT_EQ(pastes.size(), 1u);
    EXPECT_EQ(pastes[0].p1, 5);
    EXPECT_EQ(pastes[0].p2, kProgram);
    EXPECT_EQ(Text(layer->GetField(L::kTypeField)), "Chorus");
    EXPECT_THAT(Log(), ::testing::Contains("opener:SetModified 1"));
    // The whole program went to the device's edit buffer.
    EXPECT_FALSE(shell->device->Received().empty());
}

TEST_F(MasterFxDragTest, WithCtrlTheTargetBecomesACopyAndOntoItselfNothingIsMarkedOrSent)
{
    L* layer = Open();
    const auto first = Effect(0);
    DragPanel(*layer, 0, *layer, 1, true);
    EXPECT_EQ(Effect(0), first);
    EXPECT_EQ(Effect(1), first);
    EXPECT_EQ(TakePosts(kEventPartDropped).size(), 1u);

    Log().clear();
    const auto received = shell->device->Received().size();
    DragPanel(*layer, 1, *layer, 1, false);
    EXPECT_EQ(Effect(1), first);
    EXPECT_THAT(TakePosts(kEventPartDropped), IsEmpty());
    EXPECT_THAT(Log(), ::testing::Not(::testing::Contains("opener:SetModified 1")));
    EXPECT_EQ(shell->device->Received().size(), received);
}

TEST_F(MasterFxDragTest, AnEffectFromAnotherProgramsWindowIsAlwaysCopied)
{
    L* layer = Open();
    SetValue(kType1, kDelay, 8);
    auto* other = OpenWindow<CMasterFxEditWindow>(8, 360, 150);
    auto* otherLayer = static_cast<L*>(other->GetMainLayer());
    const auto mine = Effect(1);
    DragPanel(*layer, 1, *otherLayer, 0, false, 100);
    EXPECT_EQ(Effect(1), mine) << "the source keeps its effect";
    EXPECT_EQ(Value(kType1, 8), kChorus);
}

TEST_F(MasterFxDragTest, APressOnAFieldInsideAPanelDragsTheFieldNotTheEffect)
{
    L* layer = Open();
    int k = 0;
    while (Accessor().GetControlKind(Program(), GetMasterFxAddress(3 + k)) != 1 ||
           !layer->GetControl(L::FieldId(0, k))->IsVisible())
        ++k;
    CHfcControl& field = *layer->GetControl(L::FieldId(0, k));
    const auto second = Effect(1);
    MoveTo(field, 5, 4);
    Press(field, 5, 4);
    EXPECT_EQ(layer->GetPressedControl(), L::FieldId(0, k)) << "the press reached the field under the panel";
    MoveTo(field, 5, -40);
    Release(field, 5, -40);
    EXPECT_THAT(TakePosts(kEventPartDropped), IsEmpty()) << "no effect was dragged";
    EXPECT_EQ(Effect(1), second);
    EXPECT_EQ(layer->GetPressedControl(), -1);
}

TEST_F(MasterFxDragTest, QueryAnswersThreeWhileThisLayerHasAPressAndRefusesOtherBlocks)
{
    L* layer = Open();
    CHfcControl* panel = layer->GetControl(L::kDropArea);
    CBlockData effect;
    CBlockAccessor::CopyBlock(kProgram, effect, library, kBlockMfx, 0, 0);
    CBlockData timbre;
    CBlockAccessor::CopyBlock(kProgram, timbre, library, kBlockTimbre, 0, 0);
    CHfcDragData data;
    data.Begin(4, 4);
    data.AddItem(CBlockAccessor::GetBlockFormat(kBlockTimbre), timbre.GetData(),
                 static_cast<std::uint32_t>(timbre.GetSize()), -1);
    EXPECT_EQ(layer->QueryEffectDrop(panel, &data), L::kRefused);
    data.AddItem(CBlockAccessor::GetBlockFormat(kBlockMfx), effect.GetData(),
                 static_cast<std::uint32_t>(effect.GetSize()), -1);
    EXPECT_EQ(layer->QueryEffectDrop(panel, &data), L::kFromElsewhere);
    EXPECT_EQ(layer->QueryEffectDrop(layer->GetControl(L::kTypeField), &data), L::kRefused);
    MoveTo(*panel, 200, 40);
    Press(*panel, 200, 40);
    EXPECT_EQ(layer->QueryEffectDrop(panel, &data), L::kFromHere);
    Release(*panel, 200, 40);
    EXPECT_EQ(layer->QueryEffectDrop(panel, &data), L::kFromElsewhere);

    // A block that is no effect is refused, and nothing is marked or sent.
    EXPECT_FALSE(layer->DropEffectBlock(panel, &data, timbre, 3));
    CBlockData torn;
    torn.Append(effect.GetData(), 40);
    EXPECT_FALSE(layer->DropEffectBlock(panel, &data, torn, 3));
    EXPECT_THAT(TakePosts(kEventPartDropped), IsEmpty());
    EXPECT_THAT(Log(), ::testing::Not(::testing::Contains("opener:SetModified 1")));
    data.End();
}

}  // namespace
}  // namespace editor_test
