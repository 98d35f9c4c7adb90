// The editor's base layer: it binds to its window's data by kind, reaches a
// program's parameters by the device's ids, replaces the timbre of its
// controls' addresses, and sends its program to the device.
#include "editor_base_fixture.h"

#include "app/WindowEvents.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"
#include "model/Q3917IdConverter.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>

#include <cstddef>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const CQ3917ProgramAccessor& Accessor()
{
    return *CQ3917ProgramAccessor::PeekInstance();
}

TEST_F(EditorBaseTest, ALayerBindsToItsProgramsRecordInTheBankAndToThatRecordsImage)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 3);
    edit->SetViewWord(0, 11);
    edit->SetViewWord(2, 13);
    CRecordingLayer* layer = edit->BindMainLayer();
    ASSERT_EQ(layer->GetProgramRecord(), &(*bank)[3]);
    // The bank's records lie one after another: the third is three records in.
    const auto* bankStart = reinterpret_cast<const std::byte*>(bank->data());
    EXPECT_EQ(reinterpret_cast<const std::byte*>(layer->GetProgramRecord()) - bankStart,
              static_cast<std::ptrdiff_t>(3 * sizeof(CProgram)));
    // The parameter region is the record's program image, where the accessor works.
    EXPECT_EQ(layer->GetParameterRegion(), (*bank)[3].GetRegion().image);
    EXPECT_EQ(layer->GetParameterRegion() - reinterpret_cast<std::uint8_t*>(layer->GetProgramRecord()),
              (*bank)[0].GetData() - reinterpret_cast<std::uint8_t*>(&(*bank)[0]));
    EXPECT_EQ(layer->GetBoundDataKind(), CBaseLayer::kProgramBankData);
    EXPECT_EQ(layer->GetContainer(), library.FindItem(LibraryDataItem::kProgramBank));
    EXPECT_EQ(layer->GetDocumentList(), &library);
    EXPECT_EQ(layer->GetDocumentId(), 5);
    EXPECT_EQ(layer->GetViewWord(0), 11);
    EXPECT_EQ(layer->GetViewWord(1), 3) << "the window keeps its program in the second view word";
    EXPECT_EQ(layer->GetViewWord(2), 13);
    EXPECT_EQ(layer->GetWindowKind(), CBaseWindow::kProgramEditWindow) << "copied when any data will do";
    EXPECT_EQ(layer->GetGlobalData(), nullptr);

    // A switch moves the binding to another record of the same bank.
    layer->SelectProgram(7);
    EXPECT_EQ(layer->GetProgramRecord(), &(*bank)[7]);
    EXPECT_EQ(layer->GetParameterRegion(), (*bank)[7].GetData());
    EXPECT_EQ(layer->GetViewWord(1), 7);
}

TEST_F(EditorBaseTest, ALayerAskingForGlobalDataBindsToTheGlobalOfTheDocumentListAndHasNoProgram)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 3);
    CRecordingLayer global("global", CBaseLayer::kGlobalData);
    ASSERT_TRUE(global.Create(0, 0, 100, 100, edit.get()));
    EXPECT_EQ(global.GetGlobalData(), library.GetGlobal());
    EXPECT_EQ(global.GetProgramRecord(), nullptr);
    EXPECT_EQ(global.GetBoundDataKind(), CBaseLayer::kGlobalData);
    EXPECT_EQ(global.GetWindowKind(), 0) << "a layer that asks for a kind keeps no window kind";
    EXPECT_EQ(global.GetParameterValue(0, 0), -1);
    EXPECT_EQ(global.SetParameterValue(0, 0, 1), -1);

    // A window without a program: the bank, but no record.
    auto unbound = MakeEditWindow("unbound", -1);
    CRecordingLayer bankLayer("bank", CBaseLayer::kProgramBankData);
    ASSERT_TRUE(bankLayer.Create(0, 0, 100, 100, unbound.get()));
    EXPECT_EQ(bankLayer.GetContainer(), library.FindItem(LibraryDataItem::kProgramBank));
    EXPECT_EQ(bankLayer.GetProgramRecord(), nullptr);
    EXPECT_EQ(bankLayer.GetParameterRegion(), nullptr);
    global.Destroy();
    bankLayer.Destroy();
}

TEST_F(EditorBaseTest, TheTimbreOverrideReplacesTheTimbreOfEveryControlsAddress)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 0);
    CRecordingLayer* layer = edit->BindMainLayer();
    CTestControl knob(*layer, {10, 10, 40, 40}, {{2, 10, 0}, 0, 0});
    EXPECT_EQ(layer->GetControlParameter(&knob), (ParameterAddress{2, 10, 0}));
    layer->SetTimbreOverride(1);
    const ParameterAddress address = layer->GetControlParameter(&knob);
    EXPECT_EQ(address, (ParameterAddress{2, 10, 1}));
    EXPECT_EQ(layer->GetControlParameter(nullptr), (ParameterAddress{0, 0, 0}));

    // What the layer reads and writes through such an address is timbre 1's.
    CProgram& program = (*bank)[0];
    CTestControl level(*layer, {50, 10, 80, 40}, {{2, 22, 0}, 0, 0});
    const ParameterAddress levelAddress = layer->GetControlParameter(&level);
    ASSERT_EQ(levelAddress, (ParameterAddress{2, 22, 1}));
    const std::int32_t timbre0 = Accessor().GetValue(&program, {2, 22, 0});
    const std::int32_t written = timbre0 == 100 ? 101 : 100;
    Accessor().SetValue(&program, levelAddress, written);
    EXPECT_EQ(Accessor().GetValue(&program, {2, 22, 1}), written);
    EXPECT_EQ(Accessor().GetValue(&program, {2, 22, 0}), timbre0);
    EXPECT_EQ(layer->GetBoundControl(0), &knob);
    EXPECT_EQ(layer->GetBoundControl(1), &level);
    EXPECT_EQ(layer->GetBoundControl(2), nullptr);
    EXPECT_TRUE(layer->RemoveBoundControl(&knob));
    EXPECT_FALSE(layer->RemoveBoundControl(&knob));
    EXPECT_EQ(layer->GetBoundControl(0), &level) << "the gap closes";
}

TEST_F(EditorBaseTest, SetParameterValueAnswersMinusOneTrueOrFalse)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 2);
    CRecordingLayer* layer = edit->BindMainLayer();
    DeviceParameterId id{};
    ASSERT_TRUE(CQ3917IdConverter::PeekInstance()->ToDeviceId({0, 35, 0}, id));
    const std::int32_t before = layer->GetParameterValue(id.high, id.low);
    const std::int32_t value = before == 1 ? 2 : 1;

    EXPECT_EQ(layer->SetParameterValue(id.high, id.low, value), 1);
    EXPECT_EQ(Accessor().GetValue(&(*bank)[2], {0, 35, 0}), value);
    EXPECT_EQ(layer->GetParameterValue(id.high, id.low), value);
    EXPECT_EQ(layer->SetParameterValue(0x7F, 0x7F, 1), 0) << "an id without a parameter";
    EXPECT_EQ(layer->GetParameterValue(0x7F, 0x7F), 0);
    layer->SetEditable(false);
    EXPECT_EQ(layer->SetParameterValue(id.high, id.low, before), -1);
    EXPECT_EQ(Accessor().GetValue(&(*bank)[2], {0, 35, 0}), value) << "refused";
}

TEST_F(EditorBaseTest, TransmitShownProgramSendsOnlyWhenConnectedAndActivatesTheWindowWhateverComesOfIt)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 6);
    CRecordingLayer* layer = edit->BindMainLayer();
    (*bank)[6].GetRegion().image[30] = 44;

    Log().clear();
    EXPECT_FALSE(layer->TransmitShownProgram());
    EXPECT_EQ(shell->host.target.program, nullptr) << "nothing stored while not connected";
    EXPECT_THAT(Log(), IsEmpty());
    EXPECT_THAT(shell->device->Received(), IsEmpty());

    shell->Connect();
    EXPECT_TRUE(layer->TransmitShownProgram());
    EXPECT_THAT(Log(), ElementsAre("edit:Activate"));
    EXPECT_EQ(shell->device->CurrentProgram()[30], 44);
    EXPECT_EQ(shell->host.target.program, &(*bank)[6]);
    EXPECT_EQ(shell->host.target.programNumber, 6);

    // The device refuses: reported, and the window is active again all the same.
    shell->device->SetFault(DeviceSimulator::Fault::WriteErrorReply);
    Log().clear();
    EXPECT_FALSE(layer->TransmitShownProgram());
    EXPECT_THAT(Log(), ElementsAre("edit:Activate"));
    EXPECT_FALSE(shell->host.boxes.empty()) << "a failure of an asked-for send is reported";
}

TEST_F(EditorBaseTest, TransmitToCurrentStoresTheProgramBeforeSendingAndReportsAFailure)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 8);
    CBaseLayer layer;
    ASSERT_TRUE(layer.Create(0, 0, 50, 50, edit.get()));
    layer.TransmitToCurrent();
    EXPECT_EQ(shell->host.target.program, &(*bank)[8]);
    EXPECT_EQ(shell->host.target.owner, 5);
    EXPECT_EQ(shell->host.boxes.size(), 1u) << "not connected, said to the user";
    layer.Destroy();
}

TEST_F(EditorBaseTest, ReceiveFromCurrentFillsTheProgramThenPostsTheChangeAndTheReceipt)
{
    struct Listener : CWindowManagerListener
    {
        void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR,
                                    CWindowManagerListener*) override
        {
            received.push_back({event, p1, p2, p3});
        }
        std::vector<std::vector<LONG_PTR>> received;
    } listener;
    ASSERT_TRUE(shell->windowManager.AddListener(&listener));
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 9);
    CBaseLayer layer;
    ASSERT_TRUE(layer.Create(0, 0, 50, 50, edit.get()));
    shell->Connect();
    DeviceSimulator::ProgramImage image = shell->device->CurrentProgram();
    image[40] = 77;
    shell->device->SetCurrentProgram(image);
    layer.ReceiveFromCurrent();
    Pump();
    EXPECT_EQ((*bank)[9].GetData()[40], 77);
    EXPECT_THAT(listener.received, ElementsAre(std::vector<LONG_PTR>{kEventProgramDataChanged, 9, 32768, 5},
                                               std::vector<LONG_PTR>{kEventProgramReceived, 9, -1, 0}));
    EXPECT_EQ(shell->host.target.program, &(*bank)[9]);
    shell->windowManager.RemoveListener(&listener);
    layer.Destroy();
}

TEST_F(EditorBaseTest, TheLayerKnowsWhenOneOfItsControlsHoldsTheMouseAndTakesTheKeysBackAfterAGesture)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 0);
    CRecordingLayer* layer = edit->BindMainLayer();
    CRecordingLayer other("other");
    CTestControl knob(*layer, {10, 10, 40, 40}, {{2, 10, 0}, 0, 0});
    EXPECT_FALSE(layer->IsCapturingControl());
    CHfcMouse::GetInstance()->SetCapture(&knob, nullptr);
    EXPECT_TRUE(layer->IsCapturingControl());
    EXPECT_TRUE(edit->IsLayerCapturing());
    CHfcMouse::GetInstance()->SetCapture(&other, nullptr);
    EXPECT_FALSE(layer->IsCapturingControl()) << "the layer itself is not one of its controls";
    CHfcMouse::GetInstance()->ReleaseCapture();

    CHfcKey::GetInstance()->ClearFocus();
    layer->OnControlEditEnd(&knob);
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), static_cast<CHfcKeyListener*>(layer));
}

TEST_F(EditorBaseTest, ADragOverTheLayerIsRememberedWithoutAnEffectOfItsOwn)
{
    CRecordingWindow window("window");
    CRecordingLayer* layer = window.BindMainLayer();
    int effect = 0;
    EXPECT_FALSE(layer->OnHfcDragEnter(nullptr, nullptr, 5, 6, 0, &effect));
    EXPECT_TRUE(layer->IsDragHover());
    EXPECT_FALSE(layer->OnHfcDragOver(nullptr, nullptr, 7, 8, 0, &effect));
    EXPECT_FALSE(layer->OnHfcDrop(nullptr, nullptr, 7, 8, 0, &effect));
    EXPECT_FALSE(layer->IsDragHover());
    EXPECT_EQ(effect, 0);
}

TEST_F(EditorBaseTest, PostDataChangedBroadcastsEventSevenWithTheLayerAsSender)
{
    struct Listener : CWindowManagerListener
    {
        void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                    CWindowManagerListener* from) override
        {
            received.push_back({event, p1, p2, p3, p4});
            sender = from;
        }
        std::vector<std::vector<LONG_PTR>> received;
        CWindowManagerListener* sender = nullptr;
    } listener;
    ASSERT_TRUE(shell->windowManager.AddListener(&listener));
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 4);
    CRecordingLayer* layer = edit->BindMainLayer();
    layer->PostDataChanged(true);
    layer->PostDataChanged(false);
    Pump();
    EXPECT_THAT(listener.received,
                ElementsAre(std::vector<LONG_PTR>{7, 4, 32768, 5, -1}, std::vector<LONG_PTR>{7, 4, -1, 5, -1}));
    EXPECT_EQ(listener.sender, static_cast<CWindowManagerListener*>(layer));
    shell->windowManager.RemoveListener(&listener);
}

}  // namespace
}  // namespace editor_test
