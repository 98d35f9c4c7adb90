#pragma once
// A timbre synth edit window over program 3 of a library in the editor
// base's shell and frame on the headless display, with the test device on
// the MIDI ports and every broadcast recorded.
#include "editor/EditWindowContext.h"
#include "editor/TimbreEditLayer.h"
#include "editor/TimbreEditWindow.h"
#include "editor_base_fixture.h"

#include <memory>
#include <string>
#include <vector>

namespace editor_test {

class TimbreEditTest : public EditorBaseTest
{
protected:
    static constexpr int kProgram = 3;

    void SetUp() override;
    void TearDown() override;

    // A shown window of the timbre (0 or 1) of program 3.
    CTimbreEditWindow* Open(int timbre, int x = 10, int y = 10);
    EditWindowContext Context();
    CTimbreEditLayer& Page() const { return *static_cast<CTimbreEditLayer*>(window->GetMainLayer()); }
    CHfcControl& Control(int id) const;
    CCustomControl& Binding(int id) const;

    // Program 3's value of the window's timbre.
    std::int32_t Value(std::uint32_t group, std::uint32_t index) const;
    // Written straight into program 3, then the page refreshed as after a
    // broadcast.
    void Set(std::uint32_t group, std::uint32_t index, std::int32_t value);

    void Click(CHfcControl& control, int x = 3, int y = 3);

    // What the device heard since the last call, once count messages came
    // and a moment more for any extra.
    std::vector<DeviceSimulator::Bytes> TakeHeard(std::size_t count);
    // The broadcasts since the last call as "event p1 p2 p3 p4", without
    // the message line's own.
    std::vector<std::string> TakeEvents();

    std::unique_ptr<CTimbreEditWindow> window;
    int timbre = 0;

private:
    struct EventRecorder : CWindowManagerListener
    {
        void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                    CWindowManagerListener*) override;
        std::vector<std::string> events;
    } m_recorder;
    std::size_t m_heard = 0;
};

}  // namespace editor_test
