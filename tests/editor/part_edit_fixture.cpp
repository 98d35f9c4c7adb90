#include "part_edit_fixture.h"

#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOle.h"
#include "model/Q3917IdConverter.h"
#include "model/Q3917ProgramAccessor.h"
#include "support/ParameterChangeBytes.h"
#include "support/ReferencePng.h"

#include <platform/testing.h>

#include <algorithm>
#include <chrono>

namespace editor_test {

namespace input = platform::testing;

void PartEditTest::SetUp()
{
    EditorBaseTest::SetUp();
    ASSERT_TRUE(HfcOleInitialize());
    services.engine = &shell->engine;
    SetLibraryWindowServices(&services);
    SetUpLibrary();
    shell->Connect();
    HfcSetKnobMode(kHfcKnobModeVertical);
    blocks = std::make_unique<CBlockAccessor>();
    CBlockAccessor::SetInstance(blocks.get());
    opener = std::make_unique<CRecordingOpener>();
    opener->SetKind(CBaseWindow::kProgramEditWindow);
    opener->SetOwnerWindow(libraryWindow.get());
    ASSERT_TRUE(shell->windowManager.AddListener(&recorder));
}

void PartEditTest::TearDown()
{
    input::QueuePopupMenuAnswers({});
    input::TakeShownPopupMenus();
    input::DiscardDragScripts();
    shell->windowManager.RemoveListener(&recorder);
    for (auto& window : windows)
        window->Destroy();
    Pump();
    windows.clear();
    opener.reset();
    CBlockAccessor::SetInstance(nullptr);
    blocks.reset();
    SetLibraryWindowServices(nullptr);
    EditorBaseTest::TearDown();
    EXPECT_TRUE(HfcOleUninitialize());
}

EditWindowContext PartEditTest::Context()
{
    EditWindowContext context;
    context.documentId = libraryWindow->GetDocumentId();
    context.owner = opener.get();
    context.dataContainer = library.FindItem(LibraryDataItem::kProgramBank);
    context.documentList = &library;
    context.menuBar = &childBar;
    context.frame = &frame;
    return context;
}

void PartEditTest::CloseWindow(CBaseWindow* window)
{
    window->Destroy();
    Pump();
    windows.erase(std::remove_if(windows.begin(), windows.end(), [&](auto& held) { return held.get() == window; }),
                  windows.end());
}

::testing::AssertionResult PartEditTest::MatchesMainLayer(CBaseWindow& window, const std::string& name)
{
    CHfcWindowLayer* layer = window.GetMainLayer();
    if (layer == nullptr)
        return ::testing::AssertionFailure() << "no main layer";
    return MatchesReferencePng("editor/reference", name, layer->GetWidth(), layer->GetHeight(),
                               [&](int x, int y) { return Pixel(*layer, x, y); });
}

std::int32_t PartEditTest::Value(const ParameterAddress& address, int program)
{
    return CQ3917ProgramAccessor::PeekInstance()->GetValue(&(*bank)[static_cast<std::size_t>(program)], address);
}

void PartEditTest::SetValue(const ParameterAddress& address, std::int32_t value, int program)
{
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[static_cast<std::size_t>(program)], address, value);
}

std::vector<DeviceSimulator::Bytes> PartEditTest::ReceivedChanges(std::size_t count)
{
    constexpr std::size_t kChangeSize = 14;
    constexpr std::uint8_t kChangeFunction = 0x41;
    const auto changes = [this] {
        std::vector<DeviceSimulator::Bytes> found;
        for (const auto& bytes : shell->device->Received())
            if (bytes.size() == kChangeSize && bytes[6] == kChangeFunction)
                found.push_back(bytes);
        return found;
    };
    // Time for one more to arrive, which would be one too many.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (changes().size() < count && std::chrono::steady_clock::now() < deadline)
        shell->device->WaitForReceived(shell->device->Received().size() + 1, std::chrono::milliseconds(50));
    shell->device->WaitForReceived(shell->device->Received().size() + 1, std::chrono::milliseconds(100));
    return changes();
}

DeviceSimulator::Bytes PartEditTest::ChangeBytes(const ParameterAddress& address, std::int32_t value)
{
    return ParameterChangeBytes(address, value);
}

std::vector<library_test::Post> PartEditTest::TakePosts(int event)
{
    Pump();
    std::vector<library_test::Post> taken;
    std::copy_if(recorder.posts.begin(), recorder.posts.end(), std::back_inserter(taken),
                 [event](const library_test::Post& post) { return post.event == event; });
    recorder.posts.clear();
    return taken;
}

}  // namespace editor_test
