// Files dropped from the desktop: one drop at the pointer, as WM_DROPFILES
// to a window that accepts files or as CF_HDROP to a drop target, and the
// reading of the drop block.
#include "dragdrop_fixture.h"

#include <platform/file_names.h>

#include <cstring>

namespace dragdrop_test {
namespace {

using display_test::LoggedOf;
namespace input = platform::testing;

const std::vector<std::string> kTwoFiles = {"/home/user/bank one.syx", "/tmp/caf\xC3\xA9.lib"};

std::u16string WideName(HDROP drop, UINT index)
{
    std::u16string name(DragQueryFileW(drop, index, nullptr, 0), u'\0');
    EXPECT_EQ(DragQueryFileW(drop, index, name.data(), UINT(name.size() + 1)), name.size());
    return name;
}

class FileDropTest : public DragDropTest
{};

TEST_F(FileDropTest, TwoFilesArriveAsOneDropFilesMessageAtTheNearestAcceptingWindow)
{
    HWND top = MakeTop({100, 100, 400, 400});
    HWND child = MakeChild(top, {50, 50, 150, 150});
    DragAcceptFiles(top, TRUE);
    const POINT at = OnScreen(child, 10, 20);
    input::DropFiles(kTwoFiles, at.x, at.y);
    Pump();
    auto drops = LoggedOf(WM_DROPFILES);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].window, top);
    HDROP drop = reinterpret_cast<HDROP>(drops[0].wParam);

    EXPECT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    EXPECT_EQ(WideName(drop, 0), u"/home/user/bank one.syx");
    EXPECT_EQ(WideName(drop, 1), u"/tmp/caf\u00E9.lib");
    char narrow[64];
    EXPECT_EQ(DragQueryFileA(drop, 1, nullptr, 0), 14u) << "bytes of the UTF-8 path";
    EXPECT_EQ(DragQueryFileA(drop, 1, narrow, sizeof narrow), 14u);
    EXPECT_STREQ(narrow, kTwoFiles[1].c_str());
    EXPECT_EQ(DragQueryFileA(drop, 1, narrow, 10), 8u) << "cut before the character that does not fit whole";
    EXPECT_STREQ(narrow, "/tmp/caf");
    EXPECT_EQ(DragQueryFileW(drop, 2, nullptr, 0), 0u);

    // The block as a receiver that reads it itself sees it.
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(drop));
    DWORD fields[5];
    std::memcpy(fields, bytes, sizeof fields);
    EXPECT_EQ(fields[0], 20u) << "paths follow the header";
    EXPECT_EQ(LONG(fields[1]), 60);
    EXPECT_EQ(LONG(fields[2]), 70) << "the point in the receiver's client coordinates";
    EXPECT_EQ(fields[3], 0u);
    EXPECT_EQ(fields[4], 1u) << "wide paths";
    EXPECT_EQ(DragQueryFileW(static_cast<HDROP>(const_cast<BYTE*>(bytes)), 0xFFFFFFFF, nullptr, 0), 2u)
        << "the locked address reads as the handle";
    GlobalUnlock(drop);

    DragFinish(drop);
    EXPECT_EQ(GlobalSize(drop), 0u) << "finished drops are freed";
}

TEST_F(FileDropTest, AnyNameTheSystemHoldsAndPathsOfAnyLengthArriveWhole)
{
    HWND top = MakeTop({100, 100, 400, 400});
    DragAcceptFiles(top, TRUE);
    std::string deep = "/tmp";
    while (deep.size() <= 600)
        deep += "/folder-of-a-long-path";
    const std::vector<std::string> files = {"/tmp/\xFF\xFE.lib", deep + "/bank.lib"};
    const POINT at = OnScreen(top, 10, 20);
    input::DropFiles(files, at.x, at.y);
    Pump();
    auto drops = LoggedOf(WM_DROPFILES);
    ASSERT_EQ(drops.size(), 1u);
    HDROP drop = reinterpret_cast<HDROP>(drops[0].wParam);
    ASSERT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    const std::u16string name = WideName(drop, 0);
    EXPECT_EQ(name, u"/tmp/\uF7FF\uF7FE.lib") << "each byte that is no character stands for itself";
    std::string narrow(DragQueryFileA(drop, 0, nullptr, 0), '\0');
    DragQueryFileA(drop, 0, narrow.data(), UINT(narrow.size() + 1));
    EXPECT_EQ(platform::SystemFileName(narrow), files[0]) << "the name comes back as the system holds it";
    const std::u16string whole = WideName(drop, 1);
    EXPECT_EQ(whole.size(), files[1].size());
    EXPECT_EQ(std::string(whole.begin(), whole.end()), files[1]);
    DragFinish(drop);
}

TEST_F(FileDropTest, ARegisteredTargetGetsTheFilesAsOneDataObject)
{
    HWND top = MakeTop({100, 100, 400, 400});
    RecordingTarget target;
    target.answer = DROPEFFECT_COPY;
    ASSERT_EQ(RegisterDragDrop(top, &target), S_OK);
    input::DropFiles(kTwoFiles, 150, 160);
    Pump();
    EXPECT_EQ(target.Names(), (std::vector<std::string>{"enter", "drop"}));
    EXPECT_EQ(target.calls[1].point.x, 150);
    EXPECT_EQ(target.calls[1].point.y, 160);
    EXPECT_EQ(target.droppedFiles, (std::vector<std::u16string>{u"/home/user/bank one.syx", u"/tmp/caf\u00E9.lib"}));
    EXPECT_TRUE(LoggedOf(WM_DROPFILES).empty());

    target.calls.clear();
    target.answer = DROPEFFECT_NONE;
    input::DropFiles(kTwoFiles, 150, 160);
    Pump();
    EXPECT_EQ(target.Names(), (std::vector<std::string>{"enter", "leave"})) << "a refusing target gets no drop";
    EXPECT_EQ(RevokeDragDrop(top), S_OK);
    EXPECT_EQ(target.references, 1u);
}

TEST_F(FileDropTest, DroppedFilesGoToTheAcceptingWindowBeforeANearerTarget)
{
    HWND top = MakeTop({100, 100, 400, 400});
    HWND child = MakeChild(top, {50, 50, 150, 150});
    DragAcceptFiles(top, TRUE);
    RecordingTarget target;
    ASSERT_EQ(RegisterDragDrop(child, &target), S_OK);
    const POINT at = OnScreen(child, 10, 10);
    input::DropFiles(kTwoFiles, at.x, at.y);
    Pump();
    ASSERT_EQ(LoggedOf(WM_DROPFILES).size(), 1u);
    DragFinish(reinterpret_cast<HDROP>(LoggedOf(WM_DROPFILES)[0].wParam));
    EXPECT_TRUE(target.calls.empty());

    // Once the window no longer accepts files, the target has them.
    DragAcceptFiles(top, FALSE);
    input::DropFiles(kTwoFiles, at.x, at.y);
    Pump();
    EXPECT_EQ(LoggedOf(WM_DROPFILES).size(), 1u);
    EXPECT_EQ(target.Names(), (std::vector<std::string>{"enter", "drop"}));
    EXPECT_EQ(RevokeDragDrop(child), S_OK);
}

TEST(DragQueryFile, ReadsOnlyWhatIsInsideAWellFormedBlock)
{
    EXPECT_EQ(DragQueryFileW(nullptr, 0xFFFFFFFF, nullptr, 0), 0u);
    int notABlock = 0;
    EXPECT_EQ(DragQueryFileA(reinterpret_cast<HDROP>(&notABlock), 0xFFFFFFFF, nullptr, 0), 0u);

    // 8-bit paths as another program might write them, the last one without its end.
    const char paths[] = "a.syx\0b.lib\0c";
    struct Case
    {
        DWORD start;
        std::size_t pathBytes;
        UINT count;
    } cases[] = {{20, sizeof paths - 1, 2}, {20, 6, 1}, {19, sizeof paths - 1, 0}, {200, sizeof paths - 1, 0}};
    for (const Case& c : cases) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 20 + c.pathBytes);
        auto* bytes = static_cast<BYTE*>(GlobalLock(block));
        std::memcpy(bytes, &c.start, 4);
        std::memcpy(bytes + 20, paths, c.pathBytes);
        GlobalUnlock(block);
        EXPECT_EQ(DragQueryFileA(block, 0xFFFFFFFF, nullptr, 0), c.count) << c.start << " " << c.pathBytes;
        if (c.count > 0) {
            WCHAR name[8];
            EXPECT_EQ(DragQueryFileW(block, 0, name, 8), 5u);
            EXPECT_EQ(std::u16string(name), u"a.syx");
        }
        DragFinish(block);
    }
}

}  // namespace
}  // namespace dragdrop_test
