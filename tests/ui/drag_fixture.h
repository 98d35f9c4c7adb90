#pragma once
// Framework windows as drop targets: a window that records every drag
// event with a copy of the payload it was given and answers with the
// effects the test sets, and a fixture with drag and drop up.
#include "window_fixture.h"

#include "framework/ui/HfcDragData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui_test {

// One payload item as the listener saw it.
struct SSeenItem
{
    std::uint32_t format;
    std::string bytes;
    std::int32_t index;
    std::string name;

    bool operator==(const SSeenItem&) const = default;
};
std::ostream& operator<<(std::ostream& out, const SSeenItem& item);

struct SDragEvent
{
    std::string what;  // "enter", "over", "leave", "drop"
    int x = 0;         // client coordinates
    int y = 0;
    int modifiers = 0;
    std::vector<SSeenItem> items;
};

class CDropWindow : public CHfcWindow
{
public:
    bool OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragLeave(CHfcOleToken* ole) override;
    bool OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    IDropTarget* GetDropTarget() const { return m_pDropTarget; }
    std::vector<std::string> Names() const;

    // The effect codes written back: on enter and over, and on the drop.
    int answer = 1;
    int dropAnswer = 1;
    std::vector<SDragEvent> events;
    // Runs inside every drag-over, after it was recorded.
    std::function<void()> onOver;

private:
    bool Record(const char* what, CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect,
                int code);
};

class DragDropTest : public WindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;
    // A shown window whose client area is width x height at the screen point.
    CDropWindow& MakeDropWindow(int x, int y, int width, int height);
    // The left button pressed at the screen point and retrieved, as when a
    // drag starts, with no other button held.
    static void PressAt(int x, int y);
    // A registered format of the tests.
    UINT format_ = 0;

private:
    std::vector<std::unique_ptr<CDropWindow>> windows_;
};

}  // namespace ui_test
