#include "program_edit_fixture.h"

#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcOle.h"
#include "model/LibraryData.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <platform/testing.h>

#include <chrono>

namespace editor_test {

bool CPartWindowDouble::Show()
{
    Log().push_back(name + ":Show");
    return CBaseWindow::Show();
}

bool CPartWindowDouble::Activate()
{
    Log().push_back(name + ":Activate");
    return CBaseWindow::Activate();
}

bool CPartWindowDouble::CanClose()
{
    Log().push_back(name + ":close");
    if (opener != nullptr)
        opener->ForgetDependentWindow(this);
    return CBaseWindow::CanClose();
}

std::string RecordingEditFactory::NameOf(Kind kind, int timbre)
{
    const char* names[] = {"program", "synth", "eq", "arpeggiator", "vocoder", "master effect"};
    return names[kind] + (timbre >= 0 ? " " + std::to_string(timbre + 1) : std::string());
}

CBaseWindow* RecordingEditFactory::CreateEditWindow(Kind kind, const EditWindowContext& context, int x, int y,
                                                    int program, int timbre)
{
    calls.push_back({kind, context, x, y, program, timbre});
    auto part = std::make_unique<CPartWindowDouble>(NameOf(kind, timbre));
    part->opener = opener;
    if (!part->Create(part->name.c_str(), x, y, 200, 100, CHfcWindow::kCaption, context.menuBar, context.frame))
        return nullptr;
    windows.push_back(std::move(part));
    return windows.back().get();
}

LRESULT CTitleCountingWindow::Win32SetText(UINT message, WPARAM wParam, LPARAM lParam)
{
    ++titlesSet;
    return CProgramEditWindow::Win32SetText(message, wParam, lParam);
}

void COwnerWindow::ForgetDependentWindow(CBaseWindow* window)
{
    Record("ForgetDependentWindow");
    forgotten = window;
}

void ProgramEditTest::SetUp()
{
    EditorBaseTest::SetUp();
    ASSERT_TRUE(HfcOleInitialize());
    library.AddItem(LibraryDataItem::kProgramBank);
    library.AddItem(LibraryDataItem::kGlobal);
    bank = library.GetProgramBank();
    for (CProgram& program : *bank)
        program.Initialize();
    SetProgramRecordName(Program(), "Lead");
    owner = std::make_unique<COwnerWindow>("library");
    owner->SetKind(CBaseWindow::kLibraryWindow);
    owner->SetDocumentId(5);
    owner->SetDocumentList(&library);
    blocks = std::make_unique<CBlockAccessor>();
    CBlockAccessor::SetInstance(blocks.get());
    SetEditWindowFactory(&factory);
    shell->Connect();
    ASSERT_TRUE(shell->windowManager.AddListener(&m_recorder));
}

void ProgramEditTest::TearDown()
{
    shell->windowManager.RemoveListener(&m_recorder);
    platform::testing::DiscardDragScripts();
    for (auto& part : factory.windows)
        if (part->GetHandle() != nullptr)
            part->Destroy();
    if (window != nullptr && window->GetHandle() != nullptr)
        window->Destroy();
    Pump();
    window.reset();
    factory.windows.clear();
    SetEditWindowFactory(nullptr);
    CBlockAccessor::SetInstance(nullptr);
    blocks.reset();
    owner.reset();
    EditorBaseTest::TearDown();
    EXPECT_TRUE(HfcOleUninitialize());
}

EditWindowContext ProgramEditTest::Context()
{
    return {5, owner.get(), library.FindItem(LibraryDataItem::kProgramBank), &library, &childBar, &frame};
}

CTitleCountingWindow& ProgramEditTest::OpenWindow()
{
    window = std::make_unique<CTitleCountingWindow>();
    EXPECT_TRUE(window->CreateMdiWindow(Context(), kX, kY, kProgram));
    factory.opener = window.get();
    window->Show();
    window->Activate();
    Pump();
    Log().clear();
    m_recorder.events.clear();
    return *window;
}

CHfcControl& ProgramEditTest::Control(int id)
{
    CHfcControl* control = Page().GetControl(id);
    EXPECT_NE(control, nullptr) << id;
    return *control;
}

CCustomControl& ProgramEditTest::Binding(int id)
{
    CCustomControl* binding = Page().GetBoundControl(id);
    EXPECT_NE(binding, nullptr) << id;
    return *binding;
}

std::int32_t ProgramEditTest::Value(std::uint32_t group, std::uint32_t index, std::uint32_t timbre)
{
    return CQ3917ProgramAccessor::PeekInstance()->GetValue(&Program(), ParameterAddress{group, index, timbre});
}

void ProgramEditTest::SetValue(std::uint32_t group, std::uint32_t index, std::int32_t value, std::uint32_t timbre)
{
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&Program(), ParameterAddress{group, index, timbre}, value);
}

std::vector<std::string> ProgramEditTest::TakeEvents()
{
    Pump();
    std::vector<std::string> events;
    events.swap(m_recorder.events);
    return events;
}

std::vector<std::vector<std::uint8_t>> ProgramEditTest::Received(std::size_t count)
{
    shell->device->WaitForReceived(count);
    shell->device->WaitForReceived(count + 1, std::chrono::milliseconds(100));
    return shell->device->Received();
}

int ProgramEditTest::CurrentProgramDumps()
{
    int dumps = 0;
    for (const auto& message : shell->device->Received())
        dumps += message.size() > 7 && message[6] == 0x40;
    return dumps;
}

void ProgramEditTest::EventRecorder::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2,
                                                            LONG_PTR p3, LONG_PTR p4, CWindowManagerListener*)
{
    events.push_back(std::to_string(event) + " " + std::to_string(p1) + " " + std::to_string(p2) + " " +
                     std::to_string(p3) + " " + std::to_string(p4));
}

}  // namespace editor_test
