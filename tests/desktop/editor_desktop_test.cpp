// The editor program itself on a virtual X server: it comes up with its
// main window and its first library window, opens the version window from
// the Help menu, and ends through File > Exit and through the desktop's
// close request, saving where its window was.
#include "desktop_editor_fixture.h"

#include <unistd.h>

#include <fstream>

namespace desktop_test {
namespace {

using namespace std::chrono_literals;

TEST_F(EditorOnDesktop, FileExitEndsTheEditorAndKeepsTheWindowsPlace)
{
    const fs::path log = fs::path(VQ_TEST_OUTPUT_DIR) / "editor_desktop.log";
    const RgbImage empty = CaptureScreen(x_);
    auto editor = StartEditor(MakeRegistry("editor_exit", 40, 30, 640, 420), log);
    ASSERT_TRUE(editor->Started());
    const Window frame = WaitForFrame();
    ASSERT_NE(frame, 0u) << "the main window did not come up";
    // Looked at once the first frame and the library window are painted.
    const RgbImage started = WaitForChange(empty);
    EXPECT_TRUE(SavePng(started, fs::path(VQ_TEST_OUTPUT_DIR) / "editor_desktop.png"));

    // Help > Version opens the version window inside the frame.
    ChooseMenuItem(frame, {"alt+h", "v"});
    EXPECT_TRUE(SavePng(WaitForChange(started), fs::path(VQ_TEST_OUTPUT_DIR) / "editor_desktop_version.png"));

    ChooseMenuItem(frame, {"alt+f", "x"});
    EXPECT_EQ(editor->Wait(kPatience), 0) << ReadText(log);
    const auto saved = ReadSettingsDwords(registry_);
    EXPECT_EQ(saved.at("MainWindowX"), 40);
    EXPECT_EQ(saved.at("MainWindowY"), 30);
    EXPECT_EQ(saved.at("MainWindowWidth"), 640);
    EXPECT_EQ(saved.at("MainWindowHeight"), 420);
}

TEST_F(EditorOnDesktop, TheDesktopsCloseRequestEndsTheEditorAndKeepsTheWindowsPlace)
{
    const RgbImage empty = CaptureScreen(x_);
    auto editor = StartEditor(MakeRegistry("editor_close", 60, 50, 500, 350));
    ASSERT_TRUE(editor->Started());
    const Window frame = WaitForFrame();
    ASSERT_NE(frame, 0u) << "the main window did not come up";
    WaitForChange(empty);
    RequestClose(frame);
    EXPECT_EQ(editor->Wait(kPatience), 0);
    const auto saved = ReadSettingsDwords(registry_);
    EXPECT_EQ(saved.at("MainWindowX"), 60);
    EXPECT_EQ(saved.at("MainWindowY"), 50);
    EXPECT_EQ(saved.at("MainWindowWidth"), 500);
    EXPECT_EQ(saved.at("MainWindowHeight"), 350);
}

TEST_F(EditorOnDesktop, ASettingsStoreThatCannotBeReadEndsTheEditorWithAFailureAfterTwoBoxes)
{
    const fs::path blocked = fs::temp_directory_path() / ("editor_blocked_" + std::to_string(getpid()));
    fs::remove_all(blocked);
    std::ofstream(blocked) << "not a folder";
    auto editor = StartEditor(blocked);
    ASSERT_TRUE(editor->Started());
    // Each box is answered with Return as it comes.
    for (int box = 0; box < 2; ++box) {
        const Window shown = WaitForDialog("^Error$", DialogKind::MessageBox);
        ASSERT_NE(shown, 0u) << "box " << box + 1 << " did not come";
        ASSERT_TRUE(Answer(shown, "Return")) << "box " << box + 1 << " stayed";
    }
    EXPECT_EQ(editor->Wait(kPatience), 1);
}

}  // namespace
}  // namespace desktop_test
