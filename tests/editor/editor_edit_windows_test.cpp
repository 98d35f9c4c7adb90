// The editor's edit-window factory: registered while it lives, it makes
// the program edit windows and owns every window it made.
#include "program_edit_fixture.h"

#include "editor/EditorEditWindows.h"

#include <gmock/gmock.h>

namespace editor_test {
namespace {

TEST_F(ProgramEditTest, TheEditorsFactoryMakesProgramEditWindowsAndKeepsThemWhileTheyLast)
{
    {
        CEditorEditWindows editWindows;
        ASSERT_EQ(GetEditWindowFactory(), &editWindows);
        CBaseWindow* made =
            editWindows.CreateEditWindow(CEditWindowFactory::kProgramEdit, Context(), 60, 70, kProgram, -1);
        auto* edit = dynamic_cast<CProgramEditWindow*>(made);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->GetProgramIndex(), kProgram);
        EXPECT_EQ(edit->GetOwnerWindow(), owner.get());
        EXPECT_EQ(edit->GetCreationPosition().x, 60);
        EXPECT_EQ(edit->GetCreationPosition().y, 70);
        EXPECT_FALSE(edit->IsShown()) << "the opener shows it";
        EXPECT_EQ(edit->GetWindowTitle(), "Untitled [004:Lead]");

        // A closed window goes at the next opening.
        ASSERT_TRUE(edit->CloseWindow(false));
        Pump();
        ASSERT_NE(editWindows.CreateEditWindow(CEditWindowFactory::kProgramEdit, Context(), 0, 0, 4, -1), nullptr);
        EXPECT_EQ(editWindows.GetWindowCount(), 1);
    }
    EXPECT_EQ(GetEditWindowFactory(), nullptr) << "the last window was taken down with the factory";
}

}  // namespace
}  // namespace editor_test
