// The application with the editor's own library windows: the first one
// opens in the frame's list at start-up and leaves it when it closes, and
// a gone window is deleted once the next one opens.
#include "app_main_fixture.h"

#include "app/CustomMenu.h"
#include "editor/EditorLibraryWindows.h"
#include "editor/LibraryWindow.h"

namespace app_test {
namespace {

TEST_F(AppMainTest, StartUpOpensTheEditorsUntitledLibraryWindowAndClosingRemovesIt)
{
    CEditorLibraryWindows editorLibraries;
    ASSERT_TRUE(Start());
    CMdiFrameWindow* frame = app->GetFrame();
    ASSERT_EQ(frame->GetLibraryWindowCount(), 1);
    CLibraryWindowInterface* library = frame->GetLibraryWindow(0);
    EXPECT_EQ(library->GetDocumentName(), "Untitled");
    auto* window = dynamic_cast<CLibraryWindow*>(library->GetWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->AreLayersBuilt());
    EXPECT_TRUE(IsWindowVisible(window->GetHandle()));
    EXPECT_EQ(frame->GetActiveChild(), window);
    EXPECT_EQ(app->GetLibraryWindows(), std::vector<CBaseWindow*>{window});
    EXPECT_TRUE(app->IsFirstLibraryWindowReady());
    EXPECT_TRUE(Log().empty()) << "the stand-in factory made a window";

    EXPECT_TRUE(window->CloseWindow(false));
    Pump();
    EXPECT_EQ(frame->GetLibraryWindowCount(), 0);
    EXPECT_TRUE(app->GetLibraryWindows().empty());
    EXPECT_TRUE(window->IsGone());
    EXPECT_EQ(editorLibraries.GetWindowCount(), 1);

    // The next window takes the gone one's place in the factory.
    EXPECT_EQ(Command(kCommandNew), 0);
    Pump();
    EXPECT_EQ(editorLibraries.GetWindowCount(), 1);
    ASSERT_EQ(frame->GetLibraryWindowCount(), 1);
    EXPECT_EQ(frame->GetLibraryWindow(0)->GetDocumentName(), "Untitled");
}

}  // namespace
}  // namespace app_test
