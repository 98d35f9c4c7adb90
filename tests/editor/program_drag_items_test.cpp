// What the program page's drags carry and which effect they offer: drags of
// programs or favourite slots told apart by format, items of any other size
// refusing the whole drag, and the modifier keys' effects.
#include "editor/ProgramDragItems.h"
#include "editor/ProgramDropEffect.h"
#include "framework/services/HfcClipboard.h"
#include "framework/ui/HfcDragData.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Item
{
    UINT format;
    std::size_t size;
};

// A payload of the items, each filled with its index.
class Payload
{
public:
    explicit Payload(const std::vector<Item>& items)
    {
        data_.Begin(1, 1);
        for (std::size_t i = 0; i < items.size(); ++i) {
            bytes_.emplace_back(items[i].size, static_cast<BYTE>(i));
            data_.AddItem(items[i].format, bytes_.back().data(), static_cast<std::uint32_t>(items[i].size), -1);
        }
    }
    CHfcDragData* operator->() { return &data_; }
    CHfcDragData* get() { return &data_; }

private:
    std::vector<std::vector<BYTE>> bytes_;
    CHfcDragData data_;
};

TEST(ProgramDragItems, TheFormatsAndSizesDecideWhatADragCarries)
{
    const UINT program = GetProgramDragFormat();
    const UINT favorite = GetFavoriteDragFormat();
    const UINT other = CHfcClipboard::RegisterFormat("q47300Timbre");
    ASSERT_NE(program, 0u);
    ASSERT_NE(favorite, 0u);
    EXPECT_EQ(program, CHfcClipboard::RegisterFormat("q47300DragProgram"));
    EXPECT_EQ(favorite, CHfcClipboard::RegisterFormat("q47300DragFavorite"));

    struct Case
    {
        const char* what;
        std::vector<Item> items;
        ProgramDragKind kind;
        std::size_t programs;
    };
    const Case cases[] = {
        {"two programs", {{program, 648}, {program, 648}}, ProgramDragKind::kPrograms, 2},
        {"programs among other items", {{other, 1040}, {program, 648}}, ProgramDragKind::kPrograms, 1},
        {"a favourite slot", {{favorite, 4}}, ProgramDragKind::kFavorites, 0},
        {"a short program", {{program, 648}, {program, 647}}, ProgramDragKind::kNothing, 0},
        {"a long program", {{program, 649}}, ProgramDragKind::kNothing, 0},
        {"a program as a block record", {{program, 1040}}, ProgramDragKind::kNothing, 0},
        {"an empty program", {{program, 0}}, ProgramDragKind::kNothing, 0},
        {"a long favourite", {{favorite, 8}}, ProgramDragKind::kNothing, 0},
        {"broken programs beside a favourite", {{program, 10}, {favorite, 4}}, ProgramDragKind::kNothing, 0},
        {"something else", {{other, 648}}, ProgramDragKind::kNothing, 0},
        {"nothing", {}, ProgramDragKind::kNothing, 0},
    };
    for (const Case& c : cases) {
        Payload payload(c.items);
        EXPECT_EQ(KindOfProgramDrag(payload.get()), c.kind) << c.what;
        EXPECT_EQ(ReadProgramItems(payload.get()).size(), c.programs) << c.what;
    }
    EXPECT_EQ(KindOfProgramDrag(nullptr), ProgramDragKind::kNothing);
    EXPECT_TRUE(ReadProgramItems(nullptr).empty());

    // The records come in list order with their numbers.
    Payload payload({{program, 648}, {other, 4}, {program, 648}});
    const auto records = ReadProgramItems(payload.get());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].number, 0u);
    EXPECT_EQ(records[1].number, 0x02020202u);
    EXPECT_EQ(records[1].region.image[0], 2);
}

TEST(ProgramDropEffect, ElsewhereOrCtrlCopiesAltLinksElseMoves)
{
    struct Case
    {
        bool fromThisPage;
        int modifiers;
        int effect;
    };
    const Case cases[] = {
        {true, 0, kProgramDropMove},  {true, 1, kProgramDropMove},  {true, 2, kProgramDropCopy},
        {true, 4, kProgramDropLink},  {true, 6, kProgramDropCopy},  {false, 0, kProgramDropCopy},
        {false, 4, kProgramDropCopy}, {false, 2, kProgramDropCopy},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramDragEffect(c.fromThisPage, c.modifiers), c.effect) << c.fromThisPage << " " << c.modifiers;
}

}  // namespace
