#include "tool_window_fixture.h"

#include "app/SkinTable.h"
#include "framework/ui/HfcCtrlCharStaticText.h"
#include "support/ReferencePng.h"

namespace editor_test {
namespace {

void NineFiftyNine(int& hour, int& minute, int& second)
{
    hour = 9;
    minute = 59;
    second = 7;
}

}  // namespace

void ToolWindowTest::SetUp()
{
    EditorBaseTest::SetUp();
    log = std::make_unique<CLogManager>(&shell->windowManager, &NineFiftyNine);
    tools = std::make_unique<CEditorToolWindows>();
}

void ToolWindowTest::TearDown()
{
    tools.reset();
    log.reset();
    SetColourTheme(0);
    EditorBaseTest::TearDown();
}

ToolWindowSetup ToolWindowTest::At(int x, int y)
{
    return {&frame, &childBar, &owner, x, y};
}

void ToolWindowTest::ShowWindow(CBaseWindow* window)
{
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->Show());
    window->Activate();
    Pump();
}

void ToolWindowTest::Tick(int count)
{
    for (int i = 0; i < count; ++i) {
        shell->Tick();
        Pump();
    }
}

SIZE ToolWindowTest::ClientSize(CBaseWindow& window)
{
    RECT client{};
    EXPECT_TRUE(window.GetClientRect(client));
    return {client.right - client.left, client.bottom - client.top};
}

std::string ToolWindowTest::Text(const CHfcCtrlCharStaticText* text)
{
    if (text == nullptr || text->GetText() == nullptr)
        return "<none>";
    const auto columns = static_cast<std::size_t>(text->GetWord(kHfcStaticTextColumns));
    return std::string(text->GetText(), strnlen(text->GetText(), columns));
}

::testing::AssertionResult ToolWindowTest::MatchesReference(CBaseWindow& window, const std::string& name)
{
    CHfcWindowLayer* layer = window.GetMainLayer();
    if (layer == nullptr)
        return ::testing::AssertionFailure() << "no page";
    return MatchesReferencePng("editor/reference", name, layer->GetWidth(), layer->GetHeight(),
                               [&](int x, int y) { return Pixel(*layer, x, y); });
}

}  // namespace editor_test
