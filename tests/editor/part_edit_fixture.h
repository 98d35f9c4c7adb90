#pragma once
// The part edit windows over program 3 of a library, opened
// as a program edit window opens them, with the test device on the MIDI
// ports, the library services' "TimerSemaphore" and drag and drop up.
#include "app/SkinTable.h"
#include "editor/EditWindowContext.h"
#include "editor_base_fixture.h"
#include "library_window_fixture.h"
#include "model/BlockAccessor.h"

#include <memory>
#include <string>
#include <vector>

namespace editor_test {

// The program edit window that opened the window under test.
class CRecordingOpener : public CRecordingWindow
{
public:
    CRecordingOpener() : CRecordingWindow("opener") {}
    void ForgetDependentWindow(CBaseWindow* window) override { forgotten.push_back(window); }
    std::vector<CBaseWindow*> forgotten;
};

class PartEditTest : public EditorBaseTest
{
protected:
    static constexpr int kProgram = 3;

    void SetUp() override;
    void TearDown() override;

    EditWindowContext Context();
    // Made, shown and activated through its own CreateMdiWindow, which
    // takes the extra arguments after the program.
    template <class Window, class... Extra>
    Window* OpenWindow(int program = kProgram, int x = 40, int y = 30, Extra... extra)
    {
        auto window = std::make_unique<Window>();
        Window* made = window.get();
        EXPECT_TRUE(made->CreateMdiWindow(Context(), x, y, program, extra...));
        made->Show();
        made->Activate();
        Pump();
        windows.push_back(std::move(window));
        return made;
    }
    // Closes the window as the frame does and forgets it.
    void CloseWindow(CBaseWindow* window);

    std::int32_t Value(const ParameterAddress& address, int program = kProgram);
    void SetValue(const ParameterAddress& address, std::int32_t value, int program = kProgram);
    // The parameter changes the device received once count of them came,
    // and a moment more.
    std::vector<DeviceSimulator::Bytes> ReceivedChanges(std::size_t count);
    // A 14-byte parameter change on channel 1 with the device's id of the address.
    static DeviceSimulator::Bytes ChangeBytes(const ParameterAddress& address, std::int32_t value);
    // The main layer of a window of each colour theme, opened as make
    // opens it, against tests/editor/reference/<name>_theme<n>.png.
    template <class Make>
    void ExpectRendersInEachTheme(const std::string& name, Make make)
    {
        for (int theme = 0; theme < 3; ++theme) {
            SetColourTheme(theme);
            CBaseWindow* window = make();
            EXPECT_TRUE(MatchesMainLayer(*window, name + "_theme" + std::to_string(theme)));
            CloseWindow(window);
        }
        SetColourTheme(0);
    }
    static ::testing::AssertionResult MatchesMainLayer(CBaseWindow& window, const std::string& name);
    // The broadcasts of one event since the last call.
    std::vector<library_test::Post> TakePosts(int event);

    library_test::FakeLibraryServices services;
    library_test::BroadcastRecorder recorder;
    std::unique_ptr<CRecordingOpener> opener;
    std::unique_ptr<CBlockAccessor> blocks;
    std::vector<std::unique_ptr<CBaseWindow>> windows;
};

}  // namespace editor_test
