#pragma once
// A program edit window of program 3 of a library, on the headless display
// with the test device connected, and an edit-window factory double that
// makes plain windows for the part windows it is asked for and records the
// asking; each of those windows logs being shown, activated and closed.
#include "editor/EditWindows.h"
#include "editor/ProgramEditLayer.h"
#include "editor/ProgramEditWindow.h"
#include "editor_base_fixture.h"
#include "model/BlockAccessor.h"

#include <memory>
#include <string>
#include <vector>

namespace editor_test {

// A part window: its opener forgets it when it closes.
class CPartWindowDouble : public CBaseWindow
{
public:
    explicit CPartWindowDouble(std::string name) : name(std::move(name)) {}

    bool Show() override;
    bool Activate() override;
    bool CanClose() override;

    std::string name;
    CBaseWindow* opener = nullptr;
};

class RecordingEditFactory : public CEditWindowFactory
{
public:
    struct Call
    {
        Kind kind;
        EditWindowContext context;
        int x, y, program, timbre;
    };

    CBaseWindow* CreateEditWindow(Kind kind, const EditWindowContext& context, int x, int y, int program,
                                  int timbre) override;
    static std::string NameOf(Kind kind, int timbre);

    std::vector<Call> calls;
    std::vector<std::unique_ptr<CPartWindowDouble>> windows;
    CBaseWindow* opener = nullptr;
};

// Counts the captions the system window is given.
class CTitleCountingWindow : public CProgramEditWindow
{
public:
    LRESULT Win32SetText(UINT message, WPARAM wParam, LPARAM lParam) override;
    int titlesSet = 0;
};

// The library window as the edit window's owner: it logs what it is told.
class COwnerWindow : public CRecordingWindow
{
public:
    using CRecordingWindow::CRecordingWindow;
    void ForgetDependentWindow(CBaseWindow* window) override;
    CBaseWindow* forgotten = nullptr;
};

class ProgramEditTest : public EditorBaseTest
{
protected:
    static constexpr int kProgram = 3;
    static constexpr int kX = 40;
    static constexpr int kY = 50;

    void SetUp() override;
    void TearDown() override;

    EditWindowContext Context();
    // The window made at (kX, kY), shown.
    CTitleCountingWindow& OpenWindow();
    CProgramEditLayer& Page() { return *window->GetPageLayer(); }
    CHfcControl& Control(int id);
    CCustomControl& Binding(int id);

    std::int32_t Value(std::uint32_t group, std::uint32_t index, std::uint32_t timbre = 0);
    void SetValue(std::uint32_t group, std::uint32_t index, std::int32_t value, std::uint32_t timbre = 0);
    CProgram& Program() { return (*bank)[kProgram]; }
    // The events the window manager delivered, as "event p1 p2 p3 p4".
    std::vector<std::string> TakeEvents();
    // What the device has heard once count messages came, and a moment
    // more for any extra.
    std::vector<std::vector<std::uint8_t>> Received(std::size_t count);
    // Whole programs the device was sent into its edit buffer.
    int CurrentProgramDumps();

    RecordingEditFactory factory;
    std::unique_ptr<COwnerWindow> owner;
    std::unique_ptr<CTitleCountingWindow> window;
    std::unique_ptr<CBlockAccessor> blocks;

private:
    struct EventRecorder : CWindowManagerListener
    {
        void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                    CWindowManagerListener*) override;
        std::vector<std::string> events;
    } m_recorder;
};

}  // namespace editor_test
