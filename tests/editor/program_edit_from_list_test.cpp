// The program edit window as the user reaches it: a double-click on a row
// of a library window's program page opens it through the editor's factory,
// its buttons open the part windows that exist, and closing the library
// window takes them all down.
#include "editor/EditorEditWindows.h"
#include "editor/MasterFxEditWindow.h"
#include "editor/ProgramEditWindow.h"
#include "editor/VocoderEditWindow.h"
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

}  // namespace
}  // namespace program_list_test
