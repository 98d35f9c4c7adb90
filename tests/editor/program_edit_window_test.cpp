// The program edit window: its size and title, the part windows it opens
// and closes, and when it may close.
#include "program_edit_fixture.h"

#include "app/WindowEvents.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"

#include <gmock/gmock.h>
#include <platform/display.h>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using W = CProgramEditWindow;
using F = CEditWindowFactory;

TEST_F(ProgramEditTest, TheWindowShowsItsProgramAt594By482TitledByDocumentNumberAndName)
{
    CTitleCountingWindow& edit = OpenWindow();
    EXPECT_EQ(edit.GetKind(), CBaseWindow::kProgramEditWindow);
    RECT client{};
    ASSERT_TRUE(edit.GetClientRect(client));
    EXPECT_EQ(client.right - client.left, 594);
    EXPECT_EQ(client.bottom - client.top, 482);
    EXPECT_EQ(edit.GetWindowTitle(), "Untitled [004:Lead]");
    EXPECT_EQ(Page().GetProgramRecord(), &Program());

    // Broadcasts that leave the title as it is set nothing.
    const int titles = edit.titlesSet;
    for (int event : {0, 1, 2})
        shell->windowManager.PostMessageToAll(event, 0, 0, 0, 0, nullptr);
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, kProgram, -1, 5, -1, nullptr);
    Pump();
    EXPECT_EQ(edit.titlesSet, titles);

    // A new name of another program, or of another library, is not this one.
    SetProgramRecordName(Program(), "Pad");
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, kProgram + 1, -1, 5, -1, nullptr);
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, kProgram, -1, 6, -1, nullptr);
    Pump();
    EXPECT_EQ(edit.GetWindowTitle(), "Untitled [004:Lead]");
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, kProgram, -1, 5, -1, nullptr);
    Pump();
    EXPECT_EQ(edit.GetWindowTitle(), "Untitled [004:Pad]");
    EXPECT_EQ(edit.titlesSet, titles + 1);
}

TEST_F(ProgramEditTest, PartWindowsOpenOnceThirtyPixelsFromWhereTheWindowWasMadeWithItsContext)
{
    struct Case
    {
        W::Dependent which;
        F::Kind kind;
        int timbre;
    };
    const Case cases[] = {
        {W::kTimbre1Synth, F::kTimbreSynth, 0}, {W::kTimbre1Eq, F::kTimbreEq, 0},
        {W::kTimbre2Synth, F::kTimbreSynth, 1}, {W::kTimbre2Eq, F::kTimbreEq, 1},
        {W::kArpeggiator, F::kArpeggiator, -1}, {W::kMasterEffect, F::kMasterEffect, -1},
        {W::kVocoder, F::kVocoder, -1},
    };
    CTitleCountingWindow& edit = OpenWindow();
    // Where the window is now does not count.
    ASSERT_TRUE(MoveWindow(edit.GetHandle(), 300, 200, 600, 500, FALSE));
    for (const Case& c : cases) {
        factory.calls.clear();
        Log().clear();
        edit.OpenDependentWindow(c.which);
        ASSERT_EQ(factory.calls.size(), 1u) << c.which;
        const RecordingEditFactory::Call& call = factory.calls[0];
        EXPECT_EQ(call.kind, c.kind);
        EXPECT_EQ(call.timbre, c.timbre);
        EXPECT_EQ(call.program, kProgram);
        EXPECT_EQ(call.x, kX + 30);
        EXPECT_EQ(call.y, kY + 30);
        const EditWindowContext context = Context();
        EXPECT_EQ(call.context.documentId, context.documentId);
        EXPECT_EQ(call.context.owner, context.owner);
        EXPECT_EQ(call.context.dataContainer, context.dataContainer);
        EXPECT_EQ(call.context.documentList, context.documentList);
        EXPECT_EQ(call.context.menuBar, context.menuBar);
        EXPECT_EQ(call.context.frame, context.frame);
        const std::string name = RecordingEditFactory::NameOf(c.kind, c.timbre);
        EXPECT_THAT(Log(), ElementsAre(name + ":Show", name + ":Activate"));

        // Open already: brought forward, not made again.
        factory.calls.clear();
        Log().clear();
        edit.OpenDependentWindow(c.which);
        EXPECT_TRUE(factory.calls.empty());
        EXPECT_THAT(Log(), ElementsAre(name + ":Show", name + ":Activate"));
        EXPECT_EQ(edit.GetDependentWindow(c.which), factory.windows.back().get());
    }
}

TEST_F(ProgramEditTest, PartWindowsCloseInTheirOrderAndAPartClosedByItselfIsMadeAfresh)
{
    CTitleCountingWindow& edit = OpenWindow();
    for (W::Dependent which : {W::kVocoder, W::kMasterEffect, W::kArpeggiator, W::kTimbre2Eq, W::kTimbre2Synth,
                               W::kTimbre1Eq, W::kTimbre1Synth})
        edit.OpenDependentWindow(which);

    // One closed by itself: the window stays and makes a new one next time.
    CBaseWindow* arpeggiator = edit.GetDependentWindow(W::kArpeggiator);
    ASSERT_TRUE(arpeggiator->CloseWindow(false));
    EXPECT_EQ(edit.GetDependentWindow(W::kArpeggiator), nullptr);
    EXPECT_NE(edit.GetHandle(), nullptr);
    factory.calls.clear();
    edit.OpenDependentWindow(W::kArpeggiator);
    EXPECT_EQ(factory.calls.size(), 1u);

    Log().clear();
    edit.CloseDependentWindows();
    EXPECT_THAT(Log(), ElementsAre("synth 1:close", "eq 1:close", "synth 2:close", "eq 2:close", "arpeggiator:close",
                                   "master effect:close", "vocoder:close"));
    for (int which = 0; which < W::kDependentCount; ++which)
        EXPECT_EQ(edit.GetDependentWindow(static_cast<W::Dependent>(which)), nullptr);
}

TEST_F(ProgramEditTest, ClosingIsRefusedDuringADragAndOtherwiseClosesThePartsAndLeavesTheOwner)
{
    CTitleCountingWindow& edit = OpenWindow();
    edit.OpenDependentWindow(W::kTimbre1Synth);
    edit.OpenDependentWindow(W::kVocoder);
    Log().clear();

    CHfcMouse::GetInstance()->SetCapture(&Control(0), nullptr);
    EXPECT_FALSE(edit.CanClose());
    EXPECT_TRUE(Log().empty()) << "nothing closed";
    CHfcMouse::GetInstance()->ReleaseCapture();

    EXPECT_TRUE(edit.CanClose());
    EXPECT_THAT(Log(), ElementsAre("synth 1:close", "vocoder:close", "library:ForgetDependentWindow"));
    EXPECT_EQ(owner->forgotten, &edit);
}

TEST_F(ProgramEditTest, AWindowTakenDownUnaskedStillClosesItsPartsAndLeavesItsOwner)
{
    CTitleCountingWindow& edit = OpenWindow();
    edit.OpenDependentWindow(W::kArpeggiator);
    Log().clear();
    ASSERT_TRUE(edit.Destroy());
    Pump();
    EXPECT_THAT(Log(), ElementsAre("arpeggiator:close", "library:ForgetDependentWindow"));
    EXPECT_EQ(owner->forgotten, &edit);
}

TEST_F(ProgramEditTest, ActivationSendsTheProgramToTheDeviceOnce)
{
    Program().GetRegion().image[20] = 33;
    CTitleCountingWindow& edit = OpenWindow();
    EXPECT_EQ(CurrentProgramDumps(), 1);
    Received(1);
    EXPECT_EQ(shell->device->CurrentProgram()[20], 33);
    edit.OnActivate();
    edit.OnActivate();
    EXPECT_EQ(CurrentProgramDumps(), 1) << "the same program is not sent again";
}

}  // namespace
}  // namespace editor_test
