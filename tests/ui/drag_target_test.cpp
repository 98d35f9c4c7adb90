// A window as a drop target: registration while drag and drop is up, the
// payload read from what is dragged over it, the effect codes both ways,
// and files dropped from the desktop.
#include "drag_fixture.h"

#include "framework/ui/HfcDropEffect.h"
#include "framework/ui/HfcMdiChildWindow.h"
#include "framework/ui/HfcMdiFrameWindow.h"
#include "framework/ui/HfcOle.h"

#include <platform/input.h>
#include <platform/mdi.h>
#include <platform/shellapi.h>

#include <cstring>

namespace ui_test {
namespace {

namespace input = platform::testing;

// A data object as another program would hand one over.
struct SForeignData
{
    SForeignData() : data(input::NewDataObject()) {}
    ~SForeignData() { data->Release(); }
    void Offer(UINT format, LONG index, const std::string& bytes)
    {
        ASSERT_TRUE(input::OfferData(data, format, index, bytes.data(), bytes.size()));
    }
    IDataObject* data;
};

// A drop block as the desktop writes one: 8-bit paths after the header.
std::string DropBlock(const std::vector<std::string>& paths)
{
    DROPFILES header{sizeof(DROPFILES), {0, 0}, FALSE, FALSE};
    std::string block(reinterpret_cast<const char*>(&header), sizeof(header));
    for (const std::string& path : paths)
        block += path + '\0';
    return block + '\0';
}

TEST(DropEffects, CodesMapToSingleEffectsAndBack)
{
    const std::pair<int, DWORD> toEffect[] = {{0, DROPEFFECT_NONE}, {1, DROPEFFECT_MOVE}, {2, DROPEFFECT_COPY},
                                              {3, DROPEFFECT_LINK}, {4, DROPEFFECT_NONE}, {7, DROPEFFECT_NONE},
                                              {-1, DROPEFFECT_NONE}};
    for (const auto& [code, effect] : toEffect)
        EXPECT_EQ(HfcDropEffectFromCode(code), effect) << code;
    const std::pair<DWORD, int> toCode[] = {{DROPEFFECT_NONE, 0},
                                            {DROPEFFECT_MOVE, 1},
                                            {DROPEFFECT_COPY, 2},
                                            {DROPEFFECT_LINK, 3},
                                            {DROPEFFECT_COPY | DROPEFFECT_MOVE, 0},
                                            {DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, 0},
                                            {8, 0}};
    for (const auto& [effect, code] : toCode)
        EXPECT_EQ(HfcCodeFromDropEffect(effect), code) << effect;
}

TEST(OleToken, ExistsWhileTheUseCountIsRaised)
{
    EXPECT_EQ(HfcGetOleToken(), nullptr);
    EXPECT_FALSE(HfcOleUninitialize()) << "nothing to lower";
    ASSERT_TRUE(HfcOleInitialize());
    CHfcOleToken* token = HfcGetOleToken();
    ASSERT_NE(token, nullptr);
    EXPECT_TRUE(HfcOleInitialize());
    EXPECT_EQ(HfcGetOleToken(), token) << "one token for every user";
    EXPECT_TRUE(HfcOleUninitialize());
    EXPECT_EQ(HfcGetOleToken(), token) << "still one user";
    EXPECT_TRUE(HfcOleUninitialize());
    EXPECT_EQ(HfcGetOleToken(), nullptr);
    EXPECT_FALSE(HfcOleUninitialize());
}

using DropTarget = DragDropTest;

TEST_F(DropTarget, WindowsRegisterWhileDragAndDropIsUpAndLetGoWithTheirLayers)
{
    CDropWindow& window = MakeDropWindow(100, 100, 200, 150);
    ASSERT_NE(window.GetDropTarget(), nullptr);
    EXPECT_FALSE(window.RegisterDropTarget()) << "one target per window";
    HWND handle = window.GetHandle();
    EXPECT_EQ(RegisterDragDrop(handle, window.GetDropTarget()), DRAGDROP_E_ALREADYREGISTERED);

    window.DestroyLayers();
    EXPECT_EQ(window.GetDropTarget(), nullptr);
    EXPECT_EQ(RevokeDragDrop(handle), DRAGDROP_E_NOTREGISTERED) << "the registration went with the target";
    EXPECT_TRUE(window.RegisterDropTarget());

    // A window made while drag and drop is down is no target.
    EXPECT_TRUE(HfcOleUninitialize());
    CDropWindow plain;
    ASSERT_TRUE(plain.Create("plain", 0, 0, 50, 50, 0, nullptr, nullptr));
    EXPECT_EQ(plain.GetDropTarget(), nullptr);
    EXPECT_FALSE(plain.RegisterDropTarget());
    plain.Destroy();
    EXPECT_TRUE(HfcOleInitialize());
}

// The listener's code becomes the drop effect: one of the three effects,
// or none for anything else.
TEST_F(DropTarget, TheListenersCodeIsTheDropEffect)
{
    CDropWindow& window = MakeDropWindow(100, 100, 200, 150);
    IDropTarget* target = window.GetDropTarget();
    ASSERT_NE(target, nullptr);
    SForeignData dragged;
    dragged.Offer(format_, 0, "program 7");
    const std::pair<int, DWORD> cases[] = {
        {0, DROPEFFECT_NONE}, {1, DROPEFFECT_MOVE}, {2, DROPEFFECT_COPY}, {3, DROPEFFECT_LINK}, {7, DROPEFFECT_NONE}};
    for (const auto& [code, expected] : cases) {
        window.answer = code;
        window.dropAnswer = code;
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(target->DragEnter(dragged.data, MK_LBUTTON, {150, 130}, &effect), S_OK);
        EXPECT_EQ(effect, expected) << "enter " << code;
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(target->DragOver(MK_LBUTTON, {150, 130}, &effect), S_OK);
        EXPECT_EQ(effect, expected) << "over " << code;
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(target->Drop(dragged.data, 0, {150, 130}, &effect), S_OK);
        EXPECT_EQ(effect, expected) << "drop " << code;
    }
    EXPECT_EQ(window.events.size(), 15u);
}

// Each event reads the dragged data afresh, in the window's coordinates,
// with the modifiers of the moment.
TEST_F(DropTarget, EveryEventReadsTheDataAgain)
{
    CDropWindow& window = MakeDropWindow(100, 100, 200, 150);
    IDropTarget* target = window.GetDropTarget();
    SForeignData dragged;
    dragged.Offer(format_, 4, "first");
    DWORD effect = DROPEFFECT_MOVE;
    target->DragEnter(dragged.data, MK_LBUTTON | MK_SHIFT, {110, 120}, &effect);
    target->DragOver(MK_LBUTTON | MK_CONTROL, {111, 121}, &effect);
    dragged.Offer(format_, 4, "second, longer");
    target->DragOver(MK_LBUTTON | MK_SHIFT | MK_CONTROL, {112, 122}, &effect);
    target->DragLeave();
    ASSERT_EQ(window.Names(), (std::vector<std::string>{"enter", "over", "over", "leave"}));
    const POINT origin = OnScreen(window, 0, 0);
    EXPECT_EQ(window.events[0].x, 110 - origin.x);
    EXPECT_EQ(window.events[2].y, 122 - origin.y);
    EXPECT_EQ(window.events[0].modifiers, 1) << "Shift";
    EXPECT_EQ(window.events[1].modifiers, 2) << "Ctrl";
    EXPECT_EQ(window.events[2].modifiers, 3);
    EXPECT_EQ(window.events[1].items, (std::vector<SSeenItem>{{format_, "first", 4, ""}}));
    EXPECT_EQ(window.events[2].items, (std::vector<SSeenItem>{{format_, "second, longer", 4, ""}}))
        << "the payload is read again on every drag-over";

    // Alt comes from the keyboard, not from the key state.
    input::PressKey(VK_MENU);
    Pump();
    target->DragEnter(dragged.data, MK_LBUTTON, {110, 120}, &effect);
    input::ReleaseKey(VK_MENU);
    Pump();
    EXPECT_EQ(window.events.back().modifiers, 4);
    target->DragLeave();
}

// Dropped files come as one item each; nothing else the data offers is read.
TEST_F(DropTarget, DroppedFilesWinOverEveryOtherFormat)
{
    CDropWindow& window = MakeDropWindow(100, 100, 200, 150);
    SForeignData dragged;
    dragged.Offer(CF_TEXT, -1, "some text");
    dragged.Offer(CF_HDROP, -1, DropBlock({"/home/user/a.syx", "/tmp/b one.lib"}));
    dragged.Offer(format_, 0, "program");
    window.answer = 2;
    DWORD effect = DROPEFFECT_COPY;
    window.GetDropTarget()->DragEnter(dragged.data, MK_LBUTTON, {150, 150}, &effect);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    window.GetDropTarget()->Drop(dragged.data, 0, {150, 150}, &effect);
    ASSERT_EQ(window.Names(), (std::vector<std::string>{"enter", "drop"}));
    const std::vector<SSeenItem> files{{CF_HDROP, "", 0, "/home/user/a.syx"}, {CF_HDROP, "", 1, "/tmp/b one.lib"}};
    EXPECT_EQ(window.events[0].items, files);
    EXPECT_EQ(window.events[1].items, files);

    // Without the files every format is read, an index of -1 counting as the position.
    SForeignData other;
    other.Offer(CF_TEXT, -1, "some text");
    other.Offer(format_, 9, "program");
    other.Offer(format_ + 1, -1, "part");
    window.GetDropTarget()->DragEnter(other.data, MK_LBUTTON, {150, 150}, &effect);
    window.GetDropTarget()->DragLeave();
    EXPECT_EQ(window.events[2].items,
              (std::vector<SSeenItem>{
                  {CF_TEXT, "some text", 0, ""}, {format_, "program", 9, ""}, {format_ + 1, "part", 2, ""}}));
}

// The desktop drops two files on an editor window: one drop of two items.
TEST_F(DropTarget, TwoFilesFromTheDesktopReachAnMdiChild)
{
    CHfcMdiFrameWindow frame;
    ASSERT_TRUE(frame.Create("Frame", 50, 50, 700, 500, 0, nullptr));
    struct CChild : public CHfcMdiChildWindow
    {
        bool OnHfcDragEnter(CHfcOleToken*, CHfcDragData*, int, int, int, int* effect) override
        {
            *effect = 2;
            return true;
        }
        bool OnHfcDrop(CHfcOleToken*, CHfcDragData* data, int x, int y, int, int* effect) override
        {
            for (const SHfcDragItem& item : data->GetItems())
                items.push_back({item.format, "", item.index, item.name});
            at = {x, y};
            *effect = 2;
            return true;
        }
        std::vector<SSeenItem> items;
        POINT at{};
    } child;
    ASSERT_TRUE(child.Create("library", 10, 10, 300, 200, CHfcWindow::kCaption, nullptr, &frame));
    child.Show();
    Pump();
    const POINT at = OnScreen(child, 40, 30);
    input::DropFiles({"/home/user/bank one.syx", "/tmp/caf\xC3\xA9.lib"}, at.x, at.y);
    Pump();
    EXPECT_EQ(child.items, (std::vector<SSeenItem>{{CF_HDROP, "", 0, "/home/user/bank one.syx"},
                                                   {CF_HDROP, "", 1, "/tmp/caf\xC3\xA9.lib"}}));
    EXPECT_EQ(child.at.x, 40);
    EXPECT_EQ(child.at.y, 30);

    HWND handle = child.GetHandle();
    child.Destroy();
    Pump();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(RevokeDragDrop(handle), DRAGDROP_E_NOTREGISTERED) << "the child's target went with its layers";
    frame.Destroy();
    MSG quit{};
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(DropTarget, NothingReachesTheListenerWhileDragAndDropIsDown)
{
    CDropWindow& window = MakeDropWindow(100, 100, 200, 150);
    IDropTarget* target = window.GetDropTarget();
    target->AddRef();
    SForeignData dragged;
    dragged.Offer(format_, 0, "program");
    EXPECT_TRUE(HfcOleUninitialize());
    DWORD effect = DROPEFFECT_LINK;
    EXPECT_EQ(target->DragEnter(dragged.data, MK_LBUTTON, {150, 150}, &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_LINK) << "left as it was";
    EXPECT_EQ(target->DragLeave(), S_OK);
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(HfcOleInitialize());
    target->Release();
}

}  // namespace
}  // namespace ui_test
