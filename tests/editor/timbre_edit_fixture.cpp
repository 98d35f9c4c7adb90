#include "timbre_edit_fixture.h"

#include "app/WindowEvents.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <platform/testing.h>

namespace editor_test {

namespace input = platform::testing;

void TimbreEditTest::SetUp()
{
    EditorBaseTest::SetUp();
    SetUpLibrary();
    // Layered, so that timbre 2 can be edited too.
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[kProgram], {0, 35, 0}, 1);
    shell->Connect();
    HfcSetKnobMode(kHfcKnobModeVertical);
    ASSERT_TRUE(shell->windowManager.AddListener(&m_recorder));
}

void TimbreEditTest::TearDown()
{
    shell->windowManager.RemoveListener(&m_recorder);
    input::QueuePopupMenuAnswers({});
    input::TakeShownPopupMenus();
    if (window != nullptr && window->GetHandle() != nullptr)
        window->Destroy();
    Pump();
    window.reset();
    EditorBaseTest::TearDown();
}

EditWindowContext TimbreEditTest::Context()
{
    EditWindowContext context;
    context.documentId = libraryWindow->GetDocumentId();
    context.owner = libraryWindow.get();
    context.dataContainer = library.FindItem(LibraryDataItem::kProgramBank);
    context.documentList = &library;
    context.menuBar = &childBar;
    context.frame = &frame;
    return context;
}

CTimbreEditWindow* TimbreEditTest::Open(int whichTimbre, int x, int y)
{
    timbre = whichTimbre;
    window = std::make_unique<CTimbreEditWindow>();
    EXPECT_TRUE(window->CreateMdiWindow(Context(), x, y, kProgram, whichTimbre));
    window->Show();
    window->Activate();
    Pump();
    // What the activation sent is no part of what the tests take.
    m_heard = shell->device->Received().size();
    TakeEvents();
    return window.get();
}

CHfcControl& TimbreEditTest::Control(int id) const
{
    CHfcControl* control = Page().GetControl(id);
    EXPECT_NE(control, nullptr) << id;
    return *control;
}

CCustomControl& TimbreEditTest::Binding(int id) const
{
    CCustomControl* binding = Page().GetBoundControl(id);
    EXPECT_NE(binding, nullptr) << id;
    return *binding;
}

std::int32_t TimbreEditTest::Value(std::uint32_t group, std::uint32_t index) const
{
    return CQ3917ProgramAccessor::PeekInstance()->GetValue(&(*bank)[kProgram],
                                                           {group, index, static_cast<std::uint32_t>(timbre)});
}

void TimbreEditTest::Set(std::uint32_t group, std::uint32_t index, std::int32_t value)
{
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[kProgram],
                                                    {group, index, static_cast<std::uint32_t>(timbre)}, value);
    Page().UpdateAllControls();
}

void TimbreEditTest::Click(CHfcControl& control, int x, int y)
{
    Press(control, x, y);
    Release(control, x, y);
}

std::vector<DeviceSimulator::Bytes> TimbreEditTest::TakeHeard(std::size_t count)
{
    shell->device->WaitForReceived(m_heard + count);
    // Time for one more to arrive, which would be one too many.
    shell->device->WaitForReceived(m_heard + count + 1, std::chrono::milliseconds(100));
    const std::vector<DeviceSimulator::Bytes> heard = shell->device->Received();
    std::vector<DeviceSimulator::Bytes> fresh(heard.begin() + static_cast<std::ptrdiff_t>(m_heard), heard.end());
    m_heard = heard.size();
    return fresh;
}

std::vector<std::string> TimbreEditTest::TakeEvents()
{
    Pump();
    std::vector<std::string> events;
    events.swap(m_recorder.events);
    return events;
}

void TimbreEditTest::EventRecorder::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2,
                                                           LONG_PTR p3, LONG_PTR p4, CWindowManagerListener*)
{
    if (event == kEventMessageLine)
        return;
    events.push_back(std::to_string(event) + " " + std::to_string(p1) + " " + std::to_string(p2) + " " +
                     std::to_string(p3) + " " + std::to_string(p4));
}

}  // namespace editor_test
