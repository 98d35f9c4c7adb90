// The program edit window as the user reaches it: a double-click on a row
// of a library window's program page opens it through the editor's factory,
// its buttons open the part windows that exist, and closing the library
// window takes them all down, those that refuse to close too.
#include "app/WindowEvents.h"
#include "editor/EditorEditWindows.h"
#include "editor/MasterFxEditWindow.h"
#include "editor/ProgramEditWindow.h"
#include "editor/VocoderEditWindow.h"
#include "framework/ui/HfcMouse.h"
#include "program_list_fixture.h"

#include <gtest/gtest.h>

namespace program_list_test {
namespace {

TEST_F(ProgramListTest, ADoubleClickedProgramOpensItsEditWindowAndItsPartWindowsFollow)
{
    CEditorEditWindows editWindows;
    const POINT row = RowPoint(17);
    list->OnHfcMouseLButtonDblClk(nullptr, row.x, row.y, 0);
    Pump();
    auto* edit = dynamic_cast<CProgramEditWindow*>(window->GetProgramEditWindow(17));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->IsShown());
    EXPECT_EQ(edit->GetWindowTitle(), "Untitled [018:" + Name(17) + "]");
    EXPECT_EQ(edit->GetOwnerWindow(), window);

    edit->OpenDependentWindow(CProgramEditWindow::kVocoder);
    edit->OpenDependentWindow(CProgramEditWindow::kMasterEffect);
    Pump();
    auto* vocoder = dynamic_cast<CVocoderEditWindow*>(edit->GetDependentWindow(CProgramEditWindow::kVocoder));
    auto* effects = dynamic_cast<CMasterFxEditWindow*>(edit->GetDependentWindow(CProgramEditWindow::kMasterEffect));
    ASSERT_NE(vocoder, nullptr);
    ASSERT_NE(effects, nullptr);
    EXPECT_EQ(vocoder->GetProgramIndex(), 17);
    EXPECT_EQ(editWindows.GetWindowCount(), 3);

    // The vocoder closed by itself: its opener forgets it through the library.
    ASSERT_TRUE(vocoder->CloseWindow(false));
    EXPECT_EQ(edit->GetDependentWindow(CProgramEditWindow::kVocoder), nullptr);

    window->Destroy();
    Pump();
    EXPECT_EQ(window->GetProgramEditWindow(17), nullptr);
    EXPECT_EQ(edit->GetHandle(), nullptr);
    EXPECT_EQ(effects->GetHandle(), nullptr);
}

// A window holds the mouse while one of its controls is turned; it refuses
// to close meanwhile.
void HoldTheMouse(CBaseWindow& window)
{
    CHfcMouse::GetInstance()->SetCapture(static_cast<CHfcMouseListener*>(window.GetMainLayer()->GetControls()[0]),
                                         &window);
    ASSERT_TRUE(window.IsLayerCapturing());
}

class EditWindowLifetimeTest : public ProgramListTest
{
protected:
    CProgramEditWindow* OpenEditWindow(int program)
    {
        list->OpenEditWindow(program);
        Pump();
        return dynamic_cast<CProgramEditWindow*>(window->GetProgramEditWindow(program));
    }
    void TearDown() override
    {
        CHfcMouse::GetInstance()->ReleaseCapture();
        ProgramListTest::TearDown();
    }
    CEditorEditWindows editWindows;
};

// Nothing is left showing a library's data once the library is gone; the
// timer's tick and a broadcast then reach only windows over live data.
TEST_F(EditWindowLifetimeTest, APartWindowThatRefusesToCloseKeepsItsProgramWindowAndLibraryOpen)
{
    CProgramEditWindow* edit = OpenEditWindow(17);
    ASSERT_NE(edit, nullptr);
    edit->OpenDependentWindow(CProgramEditWindow::kMasterEffect);
    Pump();
    CBaseWindow* effects = edit->GetDependentWindow(CProgramEditWindow::kMasterEffect);
    ASSERT_NE(effects, nullptr);
    HoldTheMouse(*effects);

    EXPECT_FALSE(window->CloseWindow(false));
    EXPECT_NE(effects->GetHandle(), nullptr);
    EXPECT_EQ(edit->GetDependentWindow(CProgramEditWindow::kMasterEffect), effects) << "the refusal is remembered";
    EXPECT_EQ(window->GetProgramEditWindow(17), edit);
    EXPECT_NE(window->GetHandle(), nullptr);

    // Taken down unasked, as at the editor's end, the library takes both along.
    window->Destroy();
    Pump();
    EXPECT_EQ(edit->GetHandle(), nullptr);
    EXPECT_EQ(effects->GetHandle(), nullptr);
    shell->Tick();
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, 17, -1, window->GetDocumentId(), 0, nullptr);
    Pump();
}

// Next Program from program 17's window while program 18's window holds
// the mouse: 18's window stays, and still closes with the library.
TEST_F(EditWindowLifetimeTest, AWindowThatRefusesToMakeRoomForASwitchedWindowStillClosesWithTheLibrary)
{
    CProgramEditWindow* switched = OpenEditWindow(17);
    CProgramEditWindow* holding = OpenEditWindow(18);
    ASSERT_NE(switched, nullptr);
    ASSERT_NE(holding, nullptr);
    HoldTheMouse(*holding);
    shell->windowManager.PostMessageToAll(kEventProgramSwitch, window->GetDocumentId(), 1, 17, 18, nullptr);
    Pump();
    EXPECT_EQ(window->GetProgramEditWindow(18), switched);
    EXPECT_EQ(window->GetProgramEditWindow(17), nullptr);
    EXPECT_NE(holding->GetHandle(), nullptr);

    EXPECT_FALSE(window->CloseWindow(false)) << "the held window refuses, so the library stays";
    EXPECT_NE(holding->GetHandle(), nullptr);
    CHfcMouse::GetInstance()->ReleaseCapture();
    EXPECT_TRUE(window->CloseWindow(false));
    Pump();
    EXPECT_EQ(switched->GetHandle(), nullptr);
    EXPECT_EQ(holding->GetHandle(), nullptr);
    shell->Tick();
    Pump();
}

// The same refusal met by a library taken down unasked.
TEST_F(EditWindowLifetimeTest, AnUnslottedWindowIsTakenDownWithItsLibrary)
{
    CProgramEditWindow* switched = OpenEditWindow(17);
    CProgramEditWindow* holding = OpenEditWindow(18);
    ASSERT_NE(holding, nullptr);
    HoldTheMouse(*holding);
    shell->windowManager.PostMessageToAll(kEventProgramSwitch, window->GetDocumentId(), 1, 17, 18, nullptr);
    Pump();
    window->Destroy();
    Pump();
    EXPECT_EQ(switched->GetHandle(), nullptr);
    EXPECT_EQ(holding->GetHandle(), nullptr);
    shell->Tick();
    Pump();
}

}  // namespace
}  // namespace program_list_test
