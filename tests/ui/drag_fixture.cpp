#include "drag_fixture.h"

#include "framework/ui/HfcOle.h"

#include <platform/clipboard.h>
#include <platform/input.h>

namespace ui_test {

std::ostream& operator<<(std::ostream& out, const SSeenItem& item)
{
    return out << "{" << item.format << ", \"" << item.bytes << "\", " << item.index << ", \"" << item.name << "\"}";
}

bool CDropWindow::Record(const char* what, CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers,
                         int* effect, int code)
{
    EXPECT_EQ(ole, HfcGetOleToken()) << "every event carries the token";
    SDragEvent event{what, x, y, modifiers, {}};
    for (const SHfcDragItem& item : data->GetItems()) {
        const auto* bytes = reinterpret_cast<const char*>(item.data);
        event.items.push_back(
            {item.format, bytes != nullptr ? std::string(bytes, item.size) : std::string(), item.index, item.name});
    }
    events.push_back(event);
    *effect = code;
    return true;
}

bool CDropWindow::OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    return Record("enter", ole, data, x, y, modifiers, effect, answer);
}

bool CDropWindow::OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    Record("over", ole, data, x, y, modifiers, effect, answer);
    if (onOver)
        onOver();
    return true;
}

bool CDropWindow::OnHfcDragLeave(CHfcOleToken* ole)
{
    EXPECT_EQ(ole, HfcGetOleToken());
    events.push_back({"leave", 0, 0, 0, {}});
    return true;
}

bool CDropWindow::OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    return Record("drop", ole, data, x, y, modifiers, effect, dropAnswer);
}

std::vector<std::string> CDropWindow::Names() const
{
    std::vector<std::string> names;
    for (const SDragEvent& event : events)
        names.push_back(event.what);
    return names;
}

void DragDropTest::SetUp()
{
    WindowTest::SetUp();
    ASSERT_TRUE(HfcOleInitialize());
    format_ = RegisterClipboardFormatA("q47300DragProgram");
}

void DragDropTest::TearDown()
{
    for (auto& window : windows_)
        window->Destroy();
    Pump();
    windows_.clear();
    EXPECT_TRUE(HfcOleUninitialize());
    EXPECT_EQ(HfcGetOleToken(), nullptr);
    EXPECT_EQ(platform::testing::DiscardDragScripts(), 0u);
    WindowTest::TearDown();
}

CDropWindow& DragDropTest::MakeDropWindow(int x, int y, int width, int height)
{
    windows_.push_back(std::make_unique<CDropWindow>());
    CDropWindow& window = *windows_.back();
    EXPECT_TRUE(window.Create("drop", x, y, width, height, 0, nullptr, nullptr));
    window.Show();
    Pump();
    return window;
}

void DragDropTest::PressAt(int x, int y)
{
    // A button that an earlier test left held would end the drag at once;
    // it is let go over the window, which the release then reaches.
    namespace input = platform::testing;
    const std::pair<int, input::MouseButton> buttons[] = {{VK_LBUTTON, input::MouseButton::Left},
                                                          {VK_RBUTTON, input::MouseButton::Right},
                                                          {VK_MBUTTON, input::MouseButton::Middle}};
    for (const auto& [key, button] : buttons)
        if (GetKeyState(key) < 0 || GetAsyncKeyState(key) < 0)
            input::ReleaseMouse(button, x, y);
    input::PressMouse(input::MouseButton::Left, x, y);
    Pump();
}

}  // namespace ui_test
