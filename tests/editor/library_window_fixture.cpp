#include "library_window_fixture.h"

#include "model/FileSave.h"

#include <platform/testing.h>

#include <algorithm>

namespace library_test {

void FakeLibraryServices::RemoveLibraryWindow(CBaseWindow* window)
{
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void LibraryWindowTest::SetUp()
{
    EditorBaseTest::SetUp();
    platform::testing::SetUserLocale("en_US.UTF-8");
    services.engine = &shell->engine;
    SetLibraryWindowServices(&services);
    SetStatusLog(&log);
    ASSERT_TRUE(shell->windowManager.AddListener(&recorder));
}

void LibraryWindowTest::TearDown()
{
    EXPECT_EQ(platform::testing::DiscardDialogScripts(), 0u);
    platform::testing::TakeShownMessageBoxes();
    platform::testing::TakeShownFileDialogs();
    for (auto& window : windows)
        window->Destroy();
    Pump();
    windows.clear();
    shell->windowManager.RemoveListener(&recorder);
    SetStatusLog(nullptr);
    SetLibraryWindowServices(nullptr);
    EditorBaseTest::TearDown();
    platform::testing::SetUserLocale(nullptr);
}

CLibraryWindow& LibraryWindowTest::MakeWindow()
{
    windows.push_back(std::make_unique<CLibraryWindow>());
    CLibraryWindow& window = *windows.back();
    EXPECT_TRUE(window.CreateMdiWindow("Untitled", 0, 0, &childBar, &frame));
    Pump();
    return window;
}

CLibraryWindow& LibraryWindowTest::NewWindow()
{
    CLibraryWindow& window = MakeWindow();
    EXPECT_TRUE(window.NewAllData());
    window.Show();
    Pump();
    recorder.posts.clear();
    return window;
}

std::vector<Post> LibraryWindowTest::TakePosts(int event)
{
    Pump();
    std::vector<Post> taken;
    std::copy_if(recorder.posts.begin(), recorder.posts.end(), std::back_inserter(taken),
                 [event](const Post& post) { return post.event == event; });
    recorder.posts.clear();
    return taken;
}

std::string LibraryWindowTest::WriteAllDataFile(const char* fileName, const char* programName)
{
    LibraryData library;
    library.AddItem(LibraryDataItem::kProgramBank);
    library.AddItem(LibraryDataItem::kGlobal);
    SetProgramRecordName((*library.GetProgramBank())[1], programName);
    const std::string path = folder.File(fileName);
    SaveAllDataFile(library, path.c_str());
    return path;
}

std::string LibraryWindowTest::ProgramName(const LibraryData& library, int program)
{
    const ProgramBank* bank = library.GetProgramBank();
    if (bank == nullptr)
        return {};
    const auto* name = reinterpret_cast<const char*>((*bank)[static_cast<std::size_t>(program)].GetData());
    return std::string(name, 8);
}

}  // namespace library_test
