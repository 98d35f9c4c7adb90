// The main window: its placement memory, the save questions on closing, and
// files dropped on it from the desktop.
#include "app_main_fixture.h"

#include "app/CustomMenu.h"

#include <platform/testing.h>

#include <fstream>

namespace app_test {
namespace {

namespace fs = std::filesystem;

class MdiFrameTest : public AppMainTest
{
protected:
    HWND Frame() { return app->GetFrame()->GetHandle(); }
    bool QuitPosted()
    {
        MSG quit{};
        return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
    }
};

TEST_F(MdiFrameTest, OnlyTheNormalStateIsRemembered)
{
    ASSERT_TRUE(Start());
    MoveWindow(Frame(), 50, 60, 700, 500, TRUE);
    Pump();
    RECT client{};
    GetClientRect(Frame(), &client);
    const CMdiFrameWindow::Placement normal{50, 60, static_cast<int>(client.right), static_cast<int>(client.bottom)};
    EXPECT_EQ(app->GetFrame()->GetPlacement(), normal) << "screen position and client size";
    EXPECT_EQ(app->Settings().mainWindowX, 50);
    EXPECT_EQ(app->Settings().mainWindowHeight, client.bottom);

    ShowWindow(Frame(), SW_MAXIMIZE);
    Pump();
    MoveWindow(Frame(), 5, 5, 900, 700, TRUE);
    Pump();
    EXPECT_EQ(app->GetFrame()->GetPlacement(), normal) << "moving or sizing a maximised window keeps the place";
    ShowWindow(Frame(), SW_MINIMIZE);
    Pump();
    EXPECT_EQ(app->GetFrame()->GetPlacement(), normal);
}

TEST_F(MdiFrameTest, ClosingAsksForEachModifiedLibraryWindowAndCancelKeepsEverything)
{
    ASSERT_TRUE(Start());
    app->NewLibraryWindow(false);
    app->NewLibraryWindow(false);
    Library(0)->modified = true;
    Library(2)->modified = true;
    Log().clear();
    platform::testing::QueueMessageBoxAnswers({IDNO, IDCANCEL});
    SendMessageA(Frame(), WM_CLOSE, 0, 0);
    Pump();
    const auto boxes = platform::testing::TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u) << "the unmodified window is not asked about";
    EXPECT_NE(boxes[0].text.find("library1"), std::string::npos);
    EXPECT_NE(boxes[1].text.find("library3"), std::string::npos);
    EXPECT_TRUE(IsWindow(Frame())) << "the program goes on";
    EXPECT_EQ(app->GetFrame()->GetLibraryWindowCount(), 3);
    EXPECT_TRUE(Log().empty()) << "nothing saved";
}

TEST_F(MdiFrameTest, AFailedSaveStopsTheWalk)
{
    ASSERT_TRUE(Start());
    app->NewLibraryWindow(false);
    Library(0)->modified = true;
    Library(0)->saveResult = false;
    Library(1)->modified = true;
    Log().clear();
    platform::testing::QueueMessageBoxAnswers({IDYES, IDYES});
    EXPECT_FALSE(app->GetFrame()->CloseAllLibraryWindows());
    EXPECT_EQ(platform::testing::TakeShownMessageBoxes().size(), 1u);
    EXPECT_EQ(Log(), std::vector<std::string>{"library1:SaveAllData"});
}

TEST_F(MdiFrameTest, FileExitAsksOnceSavesWhatTheUserSaysAndEndsTheLoop)
{
    ASSERT_TRUE(Start());
    app->NewLibraryWindow(false);
    Library(0)->modified = true;
    Library(1)->modified = true;
    Log().clear();
    platform::testing::QueueMessageBoxAnswers({IDYES, IDNO});
    EXPECT_EQ(Command(kCommandExit), 0);
    Pump();
    EXPECT_EQ(platform::testing::TakeShownMessageBoxes().size(), 2u) << "one question per window, once";
    EXPECT_EQ(Log(), std::vector<std::string>{"library1:SaveAllData"});
    EXPECT_FALSE(IsWindow(Frame()));
    EXPECT_TRUE(QuitPosted());
}

TEST_F(MdiFrameTest, DroppedFilesOpenOnlyOnceTheFirstLibraryWindowIsReadyAndOnlyWithTheMagic)
{
    Preset("ReceiveOnStartup", 1);
    ASSERT_TRUE(Start());
    const fs::path folder = registry / "drops";
    fs::create_directories(folder);
    std::ofstream(folder / "good.all", std::ios::binary) << "47300AlD rest";
    std::ofstream(folder / "other.all", std::ios::binary) << "47300AlX rest";
    std::ofstream(folder / "tiny.all", std::ios::binary) << "4730";
    const std::vector<std::string> files = {(folder / "good.all").string(), (folder / "other.all").string(),
                                            (folder / "tiny.all").string()};
    RECT frame{};
    GetWindowRect(Frame(), &frame);
    Log().clear();
    // The drop becomes a posted message, which the next pass takes.
    platform::testing::DropFiles(files, frame.left + 100, frame.top + 100);
    Pump();
    Pump();
    EXPECT_TRUE(Log().empty()) << "the first library window is still receiving";

    Library(0)->receiveEnded();
    platform::testing::DropFiles(files, frame.left + 100, frame.top + 100);
    Pump();
    Pump();
    EXPECT_EQ(Log(), (std::vector<std::string>{"library2:made", "library2:OpenAllDataFile good.all", "library2:Show"}));
}

TEST_F(MdiFrameTest, DroppedFilesOpenWhateverTheirNameAndHoweverLongTheirPath)
{
    ASSERT_TRUE(Start());
    fs::path deep = registry / "drops";
    while (deep.string().size() <= 300)
        deep /= "a-folder-on-a-long-way-down";
    fs::create_directories(deep);
    std::ofstream(deep / "long.all", std::ios::binary) << "47300AlD";
    std::ofstream(registry / "drops" / "\xFF\xFE.all", std::ios::binary) << "47300AlD";
    RECT frame{};
    GetWindowRect(Frame(), &frame);
    Log().clear();
    platform::testing::DropFiles({(deep / "long.all").string(), (registry / "drops" / "\xFF\xFE.all").string()},
                                 frame.left + 100, frame.top + 100);
    Pump();
    Pump();
    EXPECT_EQ(Log(), (std::vector<std::string>{"library2:made", "library2:OpenAllDataFile long.all", "library2:Show",
                                               "library3:made", "library3:OpenAllDataFile \xEF\x9F\xBF\xEF\x9F\xBE.all",
                                               "library3:Show"}));
}

TEST_F(MdiFrameTest, ActivatingTheFrameSetsTheActiveWindowsMenuAgain)
{
    ASSERT_TRUE(Start());
    Library(0)->SetLibraryPage(0);
    app->ApplyMenuKind(15);
    app->GetFrame()->OnActivate();
    EXPECT_EQ(app->GetCustomMenu()->GetKind(), CEditorShell::kLibraryProgramMenu);
}

TEST_F(MdiFrameTest, TheLibraryWindowListKeepsItsOrderWhenOneLeaves)
{
    ASSERT_TRUE(Start());
    app->NewLibraryWindow(false);
    app->NewLibraryWindow(false);
    CMdiFrameWindow& frame = *app->GetFrame();
    frame.RemoveChildWindow(Library(1));
    ASSERT_EQ(frame.GetLibraryWindowCount(), 2);
    EXPECT_EQ(frame.GetLibraryWindow(0), Library(0));
    EXPECT_EQ(frame.GetLibraryWindow(1), Library(2));
    EXPECT_EQ(frame.GetLibraryWindow(2), nullptr);
    EXPECT_EQ(frame.GetLibraryWindow(-1), nullptr);
    frame.AddLibraryWindow(Library(1));
}

}  // namespace
}  // namespace app_test
