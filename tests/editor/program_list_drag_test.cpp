// Programs and favourite slots dragged on the program page and between two
// library windows: the four-pixel start, the effects of the modifier keys,
// the page tabs that take no drop, the rest that shows a page or brings the
// window to the front, and payloads of the wrong size.
#include "editor/ProgramDragItems.h"
#include "editor/ProgramListDrag.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcOle.h"
#include "model/Q3917GlobalAccessor.h"
#include "program_list_fixture.h"

#include <platform/testing.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace program_list_test {
namespace {

namespace input = platform::testing;
using input::MouseButton;

constexpr int kShift = 1;
constexpr int kAlt = 4;

class ProgramListDragTest : public ProgramListTest
{
protected:
    void SetUp() override
    {
        // Presses on one row are no double click when the clock moved between them.
        clock_ = std::make_unique<input::ScopedFakeClock>(1000);
        ProgramListTest::SetUp();
        ASSERT_TRUE(HfcOleInitialize());
        // The window came before drag and drop was up.
        ASSERT_TRUE(window->RegisterDropTarget());
        NameEveryProgram(*window);
    }
    void TearDown() override
    {
        EXPECT_EQ(input::DiscardDragScripts(), 0u);
        ProgramListTest::TearDown();
        HfcOleUninitialize();
        clock_.reset();
    }

    // Program n of the window is named "<tag>n", three digits.
    static void NameEveryProgram(CLibraryWindow& library, const char* tag = "PROG")
    {
        for (int n = 0; n < kProgramBankSize; ++n) {
            char name[16];
            std::snprintf(name, sizeof name, "%s%03d", tag, n);
            SetProgramRecordName((*library.GetLibraryData()->GetProgramBank())[n], name);
        }
    }
    static CProgramListLayer& ListOf(CLibraryWindow& library)
    {
        return *dynamic_cast<CProgramListLayer*>(library.GetProgramListLayer());
    }
    static POINT OnScreen(CProgramListLayer& layer, POINT point)
    {
        layer.LayerToScreen(point);
        return point;
    }
    // A point inside the program's row of the layer, which shows its page.
    static POINT RowOf(const CProgramListLayer& layer, int program)
    {
        const POINT corner = program_list::RowCorner(layer.GetGeometry(), program);
        return {corner.x + 30, corner.y + 5};
    }
    POINT TabPoint(int page) const
    {
        return {program_list::kTabX + program_list::kTabPitch * page + 10, program_list::kTabY + 7};
    }
    // The names of the programs from to to, without the padding.
    static std::vector<std::string> Names(CLibraryWindow& library, int from, int to)
    {
        std::vector<std::string> names;
        for (int n = from; n <= to; ++n)
            names.emplace_back((*library.GetLibraryData()->GetProgramBank())[n].GetRegion().name);
        return names;
    }
    // With the keys held, presses on the layer point of from, moves the
    // pointer four pixels and lets the drag go to the layer point of target
    // and release there.
    static void Drag(CProgramListLayer& from, POINT press, CProgramListLayer& target, POINT drop,
                     const std::vector<UINT>& keys = {})
    {
        const POINT start = OnScreen(from, press);
        input::QueueDragScript([&target, drop] {
            target.GetWindow()->Activate();
            const POINT end = OnScreen(target, drop);
            input::MoveMouse(end.x, end.y);
            input::ReleaseMouse(MouseButton::Left, end.x, end.y);
        });
        for (UINT key : keys)
            input::PressKey(key);
        input::AdvanceClock(1000);
        input::PressMouse(MouseButton::Left, start.x, start.y);
        input::MoveMouse(start.x + 4, start.y);
        Pump();
        // A key between makes letting go of Alt no call for the menu bar.
        if (!keys.empty())
            input::TypeKey(VK_SHIFT);
        for (UINT key : keys)
            input::ReleaseKey(key);
        Pump();
    }
    // Programs 2 and 3 selected, ready to be dragged from 2.
    void SelectTwoAndThree()
    {
        Click(2);
        Click(3, kShift);
        ASSERT_EQ(Selected(), (std::vector<int>{2, 3}));
    }
    int Favourite(int slot) const
    {
        return CQ3917GlobalAccessor::PeekInstance()->GetValue(window->GetLibraryData()->GetGlobal(), 6,
                                                              static_cast<std::uint32_t>(slot));
    }

private:
    std::unique_ptr<input::ScopedFakeClock> clock_;
};

// A payload of program records as another window would offer it.
class ProgramPayload
{
public:
    explicit ProgramPayload(const std::vector<ProgramClipboardRecord>& records, std::uint32_t size = 648)
        : records_(records)
    {
        data_.Begin(1, 1);
        for (const ProgramClipboardRecord& record : records_)
            data_.AddItem(GetProgramDragFormat(), reinterpret_cast<const BYTE*>(&record), size, -1);
    }
    CHfcDragData* get() { return &data_; }

private:
    std::vector<ProgramClipboardRecord> records_;
    CHfcDragData data_;
};

TEST_F(ProgramListDragTest, ADragStartsFourPixelsFromThePress)
{
    SelectTwoAndThree();
    const POINT press = OnScreen(*list, RowPoint(2));
    bool started = false;
    input::QueueDragScript([&] {
        started = true;
        const POINT end = OnScreen(*list, RowPoint(10));
        input::MoveMouse(end.x, end.y);
        input::ReleaseMouse(MouseButton::Left, end.x, end.y);
    });
    input::PressMouse(MouseButton::Left, press.x, press.y);
    input::MoveMouse(press.x + 2, press.y + 1);
    Pump();
    EXPECT_FALSE(started) << "three pixels are still a click";
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3})) << "and the press holds the selection";
    input::MoveMouse(press.x + 2, press.y + 2);
    Pump();
    EXPECT_TRUE(started);
    EXPECT_EQ(list->GetPressIndex(), -1);

    // The drop inserted the two at the row.
    EXPECT_EQ(Names(*window, 0, 11),
              (std::vector<std::string>{"PROG000", "PROG001", "PROG004", "PROG005", "PROG006", "PROG007", "PROG008",
                                        "PROG009", "PROG010", "PROG002", "PROG003", "PROG011"}));
    EXPECT_EQ(Selected(), (std::vector<int>{9, 10}));
    EXPECT_TRUE(window->IsModified());
}

TEST_F(ProgramListDragTest, PlainCtrlAndAltDropsMoveCopyAndExchange)
{
    struct Case
    {
        const char* what;
        std::vector<UINT> keys;
        int target;
        std::vector<std::string> rows2to3;
        std::vector<std::string> rowsAtTarget;
        std::vector<int> selected;
    };
    const Case cases[] = {
        {"move", {}, 12, {"PROG004", "PROG005"}, {"PROG002", "PROG003"}, {11, 12}},
        {"copy", {VK_CONTROL}, 12, {"PROG002", "PROG003"}, {"PROG002", "PROG003"}, {12, 13}},
        {"link", {VK_MENU}, 12, {"PROG012", "PROG013"}, {"PROG002", "PROG003"}, {12, 13}},
    };
    for (const Case& c : cases) {
        NameEveryProgram(*window);
        window->SetModified(false);
        SelectTwoAndThree();
        Drag(*list, RowPoint(2), *list, RowPoint(c.target), c.keys);
        const int at = c.selected.front();
        EXPECT_EQ(Names(*window, 2, 3), c.rows2to3) << c.what;
        EXPECT_EQ(Names(*window, at, at + 1), c.rowsAtTarget) << c.what;
        EXPECT_EQ(Selected(), c.selected) << c.what;
        EXPECT_TRUE(window->IsModified()) << c.what;
    }
}

TEST_F(ProgramListDragTest, TheEffectOfferedOverEachTarget)
{
    // A drag of program 2 from this page, checked from inside its loop.
    struct Case
    {
        const char* what;
        POINT at;
        int modifiers;
        int effect;
    };
    const Case cases[] = {
        {"row", RowPoint(10), 0, 1},
        {"row with Ctrl", RowPoint(10), kCtrl, 2},
        {"row with Alt", RowPoint(10), kAlt, 3},
        {"row with Shift", RowPoint(10), kShift, 1},
        {"favourite slot", FavouritePoint(3), 0, 1},
        {"favourite slot with Ctrl", FavouritePoint(3), kCtrl, 2},
        {"page tab", TabPoint(1), 0, 0},
        {"current page tab", TabPoint(0), kCtrl, 0},
        {"nothing", {5, 5}, 0, 0},
    };
    Click(2);
    ProgramPayload payload({MakeProgramClipboardRecord(*window->GetLibraryData()->GetProgramBank(), 2)});
    input::QueueDragScript([&] {
        for (const Case& c : cases) {
            int effect = -1;
            list->OnHfcDragOver(nullptr, payload.get(), c.at.x, c.at.y, c.modifiers, &effect);
            EXPECT_EQ(effect, c.effect) << c.what;
        }
        int marked = -1;
        list->OnHfcDragOver(nullptr, payload.get(), RowPoint(10).x, RowPoint(10).y, 0, &marked);
        EXPECT_NE(list->GetProgramFlags(10) & CProgramListLayer::kDropTarget, 0u) << "the row under the drag is marked";
        input::TypeKey(VK_ESCAPE);
    });
    const POINT press = OnScreen(*list, RowPoint(2));
    input::PressMouse(MouseButton::Left, press.x, press.y);
    input::MoveMouse(press.x, press.y + 4);
    Pump();
    EXPECT_EQ(list->GetProgramFlags(10) & CProgramListLayer::kDropTarget, 0u) << "markers go with the drag";
    EXPECT_FALSE(window->IsModified());

    // The same programs from elsewhere are copied onto rows only, and
    // programs of the wrong size are taken nowhere.
    ProgramPayload broken({MakeProgramClipboardRecord(*window->GetLibraryData()->GetProgramBank(), 2)}, 647);
    for (const Case& c : cases) {
        int effect = -1;
        list->OnHfcDragOver(nullptr, payload.get(), c.at.x, c.at.y, c.modifiers, &effect);
        EXPECT_EQ(effect, c.at.y >= program_list::kListY ? 2 : 0) << "from elsewhere: " << c.what;
        list->OnHfcDragOver(nullptr, broken.get(), c.at.x, c.at.y, c.modifiers, &effect);
        EXPECT_EQ(effect, 0) << "broken: " << c.what;
    }
    list->OnHfcDragLeave(nullptr);
}

TEST_F(ProgramListDragTest, ThePagesTabsTakeNoDrop)
{
    SelectTwoAndThree();
    Drag(*list, RowPoint(2), *list, TabPoint(1));
    EXPECT_EQ(Names(*window, 0, 4), (std::vector<std::string>{"PROG000", "PROG001", "PROG002", "PROG003", "PROG004"}));
    EXPECT_FALSE(window->IsModified());
    EXPECT_EQ(list->GetPage(), 0) << "a drop is no click on the tab";

    ProgramPayload payload({MakeProgramClipboardRecord(*window->GetLibraryData()->GetProgramBank(), 7)});
    int effect = -1;
    list->OnHfcDrop(nullptr, payload.get(), TabPoint(2).x, TabPoint(2).y, 0, &effect);
    EXPECT_EQ(effect, 0);
    EXPECT_FALSE(window->IsModified());
}

TEST_F(ProgramListDragTest, RestingOnATabShowsItsPageAfter300Ms)
{
    ProgramPayload payload({MakeProgramClipboardRecord(*window->GetLibraryData()->GetProgramBank(), 7)});
    int effect = -1;
    list->OnHfcDragEnter(nullptr, payload.get(), TabPoint(2).x, TabPoint(2).y, 0, &effect);
    for (int tick = 0; tick < 5; ++tick)
        shell->Tick();
    EXPECT_EQ(list->GetPage(), 0) << "300 ms are not past";
    shell->Tick();
    EXPECT_EQ(list->GetPage(), 2);

    // Away from the tabs the time starts again.
    list->OnHfcDragOver(nullptr, payload.get(), RowPoint(80).x, RowPoint(80).y, 0, &effect);
    shell->Tick();
    list->OnHfcDragOver(nullptr, payload.get(), TabPoint(4).x, TabPoint(4).y, 0, &effect);
    for (int tick = 0; tick < 5; ++tick)
        shell->Tick();
    EXPECT_EQ(list->GetPage(), 2);
    shell->Tick();
    EXPECT_EQ(list->GetPage(), 4);

    // Once the drag has gone, resting means nothing.
    list->OnHfcDragOver(nullptr, payload.get(), TabPoint(1).x, TabPoint(1).y, 0, &effect);
    list->OnHfcDragLeave(nullptr);
    for (int tick = 0; tick < 10; ++tick)
        shell->Tick();
    EXPECT_EQ(list->GetPage(), 4);
}

TEST_F(ProgramListDragTest, RestingOnAWindowBringsItToTheFrontAfter300Ms)
{
    CLibraryWindow& other = NewWindow();
    other.Activate();
    Pump();
    ASSERT_EQ(frame.GetActiveChild(), &other);

    ProgramPayload payload({MakeProgramClipboardRecord(*other.GetLibraryData()->GetProgramBank(), 7)});
    int effect = -1;
    list->OnHfcDragEnter(nullptr, payload.get(), RowPoint(5).x, RowPoint(5).y, 0, &effect);
    for (int tick = 0; tick < 5; ++tick)
        shell->Tick();
    list->OnHfcDragOver(nullptr, payload.get(), RowPoint(6).x, RowPoint(6).y, 0, &effect);
    shell->Tick();
    EXPECT_EQ(frame.GetActiveChild(), &other) << "a moving drag keeps restarting the time";
    for (int tick = 0; tick < 4; ++tick)
        shell->Tick();
    EXPECT_EQ(frame.GetActiveChild(), &other);
    shell->Tick();
    EXPECT_EQ(frame.GetActiveChild(), window);

    // Only once per entering drag.
    other.Activate();
    Pump();
    for (int tick = 0; tick < 10; ++tick)
        shell->Tick();
    EXPECT_EQ(frame.GetActiveChild(), &other);
    list->OnHfcDragLeave(nullptr);
}

TEST_F(ProgramListDragTest, ProgramsDraggedToAnotherLibraryAreCopiedThere)
{
    CLibraryWindow& other = NewWindow();
    NameEveryProgram(other, "OTHR");
    CProgramListLayer& otherList = ListOf(other);
    window->Activate();
    Pump();
    SelectTwoAndThree();

    // Without a key, with Alt: from elsewhere it is a copy either way.
    Drag(*list, RowPoint(2), otherList, RowPoint(5));
    EXPECT_EQ(Names(other, 4, 7), (std::vector<std::string>{"OTHR004", "PROG002", "PROG003", "OTHR007"}));
    EXPECT_TRUE(other.IsModified());
    EXPECT_EQ(Names(*window, 2, 3), (std::vector<std::string>{"PROG002", "PROG003"}));
    EXPECT_FALSE(window->IsModified()) << "the source keeps its programs";
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3}));
    for (int n : {5, 6})
        EXPECT_NE(otherList.GetProgramFlags(n) & CProgramListLayer::kSelected, 0u) << n;

    otherList.SetListMode(1);
    window->Activate();
    Pump();
    Drag(*list, RowPoint(2), otherList, RowOf(otherList, 199), {VK_MENU});
    EXPECT_EQ(Names(other, 198, 199), (std::vector<std::string>{"OTHR198", "PROG002"}))
        << "no row past the last program";
    EXPECT_EQ(Names(*window, 2, 3), (std::vector<std::string>{"PROG002", "PROG003"}));

    // Favourite slots take programs of their own page only.
    const int before = CQ3917GlobalAccessor::PeekInstance()->GetValue(other.GetLibraryData()->GetGlobal(), 6, 3);
    window->Activate();
    Pump();
    Drag(*list, RowPoint(2), otherList, FavouritePoint(3));
    EXPECT_EQ(CQ3917GlobalAccessor::PeekInstance()->GetValue(other.GetLibraryData()->GetGlobal(), 6, 3), before);
}

TEST_F(ProgramListDragTest, ProgramsFromElsewhereAreTakenOnlyAtTheirSize)
{
    const ProgramBank& bank = *window->GetLibraryData()->GetProgramBank();
    for (std::uint32_t size : {0u, 4u, 644u, 647u, 649u, 1040u}) {
        ProgramPayload payload({MakeProgramClipboardRecord(bank, 7)}, size);
        int effect = -1;
        list->OnHfcDrop(nullptr, payload.get(), RowPoint(20).x, RowPoint(20).y, 0, &effect);
        EXPECT_EQ(effect, 0) << size;
    }
    EXPECT_EQ(Names(*window, 20, 20)[0], "PROG020");
    EXPECT_FALSE(window->IsModified());

    // Good ones are copied; the edit windows of the rows written close, and
    // the window comes to the front.
    std::vector<std::unique_ptr<editor_test::CRecordingWindow>> edits;
    for (int n : {20, 21, 22}) {
        edits.push_back(std::make_unique<editor_test::CRecordingWindow>("edit"));
        edits.back()->SetOwnerWindow(window);
        ASSERT_TRUE(Open(*edits.back(), 10, 10, 200, 100));
        window->SetProgramEditWindow(n, edits.back().get());
    }
    ASSERT_NE(frame.GetActiveChild(), window);
    ProgramPayload payload({MakeProgramClipboardRecord(bank, 7), MakeProgramClipboardRecord(bank, 9)});
    int effect = -1;
    list->OnHfcDrop(nullptr, payload.get(), RowPoint(20).x, RowPoint(20).y, kAlt, &effect);
    Pump();
    EXPECT_EQ(effect, 2);
    EXPECT_EQ(Names(*window, 19, 22), (std::vector<std::string>{"PROG019", "PROG007", "PROG009", "PROG022"}));
    EXPECT_EQ(Selected(), (std::vector<int>{20, 21}));
    EXPECT_EQ(window->GetProgramEditWindow(20), nullptr);
    EXPECT_EQ(window->GetProgramEditWindow(21), nullptr);
    EXPECT_EQ(window->GetProgramEditWindow(22), edits[2].get());
    EXPECT_EQ(frame.GetActiveChild(), window);
    EXPECT_TRUE(window->IsModified());
    window->SetProgramEditWindow(22, nullptr);
    edits[2]->Destroy();
    Pump();
}

TEST_F(ProgramListDragTest, AnInsertPastTheLastRowIsRefused)
{
    // 5, 198 and 199 onto 198: the run of three would end past 199.
    list->SetListMode(1);
    Click(5);
    Click(198, kCtrl);
    Click(199, kCtrl);
    ASSERT_EQ(Selected(), (std::vector<int>{5, 198, 199}));
    Drag(*list, RowPoint(5), *list, RowPoint(198));
    EXPECT_EQ(Names(*window, 197, 199), (std::vector<std::string>{"PROG197", "PROG198", "PROG199"}));
    EXPECT_EQ(Names(*window, 5, 5)[0], "PROG005");
    EXPECT_FALSE(window->IsModified());
}

TEST_F(ProgramListDragTest, ProgramsBecomeFavouritesAndSlotsTradePrograms)
{
    Click(7);
    Drag(*list, RowPoint(7), *list, FavouritePoint(3));
    EXPECT_EQ(Favourite(3), 7);
    EXPECT_TRUE(window->IsModified());
    EXPECT_NE(list->GetFavouriteFlags(3) & CProgramListLayer::kSelected, 0u);

    const int first = Favourite(0);
    Drag(*list, FavouritePoint(3), *list, FavouritePoint(0));
    EXPECT_EQ(Favourite(0), 7);
    EXPECT_EQ(Favourite(3), first);
    EXPECT_NE(list->GetFavouriteFlags(0) & CProgramListLayer::kSelected, 0u);

    // A slot dropped on a row does nothing.
    window->SetModified(false);
    Drag(*list, FavouritePoint(0), *list, RowPoint(20));
    EXPECT_EQ(Names(*window, 20, 20)[0], "PROG020");
    EXPECT_FALSE(window->IsModified());
}

}  // namespace
}  // namespace program_list_test
