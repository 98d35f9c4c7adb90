#pragma once
// Library windows in the editor base's shell and frame on the headless
// display: the application's library services with a real file manager,
// the status log's lines, every broadcast of the window manager, and files
// in a private temporary folder.
#include "app/FileManager.h"
#include "app/LibraryWindowServices.h"
#include "editor/LibraryWindow.h"
#include "editor_base_fixture.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/LogPrintf.h"
#include "services/ScratchFile.h"

#include <memory>
#include <string>
#include <vector>

namespace library_test {

class FakeLibraryServices : public CLibraryWindowServices
{
public:
    CFileManager* GetFileManager() override { return &files; }
    CPslMessageDispatchEngine* GetDispatchEngine() override { return engine; }
    CEfSemaphore* GetTimerSemaphore() override { return &timerSemaphore; }
    CEfSemaphore* GetProgressSemaphore() override { return &progressSemaphore; }
    void AddLibraryWindow(CBaseWindow* window) override { windows.push_back(window); }
    void RemoveLibraryWindow(CBaseWindow* window) override;
    std::vector<CBaseWindow*> GetLibraryWindows() override { return windows; }

    CFileManager files;
    CPslMessageDispatchEngine* engine = nullptr;
    CEfSemaphore timerSemaphore{1, "TimerSemaphore"};
    CEfSemaphore progressSemaphore{1, "ProgressSemaphore"};
    std::vector<CBaseWindow*> windows;
};

class StatusLines : public CStatusLogTarget
{
public:
    bool AddLine(const char* text) override
    {
        lines.emplace_back(text);
        return true;
    }
    std::vector<std::string> lines;
};

struct Post
{
    int event;
    LONG_PTR p1, p2, p3, p4;
    CWindowManagerListener* sender;
};

class BroadcastRecorder : public CWindowManagerListener
{
public:
    void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override
    {
        posts.push_back({event, p1, p2, p3, p4, sender});
    }
    std::vector<Post> posts;
};

class LibraryWindowTest : public editor_test::EditorBaseTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A library window made as the shell makes one, with no data yet.
    CLibraryWindow& MakeWindow();
    // A made window holding a new data set, shown.
    CLibraryWindow& NewWindow();
    // The broadcasts of one event since the last call, delivered first.
    std::vector<Post> TakePosts(int event);
    // An all-data file of a library whose program 1 has that name.
    std::string WriteAllDataFile(const char* fileName, const char* programName);
    static std::string ProgramName(const LibraryData& library, int program);

    FakeLibraryServices services;
    StatusLines log;
    BroadcastRecorder recorder;
    ScratchFolder folder;
    std::vector<std::unique_ptr<CLibraryWindow>> windows;
};

}  // namespace library_test
