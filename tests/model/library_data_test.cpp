// Program documents with their saved copies, the initial program, and the
// library data that holds a bank and a global.
#include "model/LibraryData.h"
#include "model/Q3917InitialProgram.h"
#include "model/Q3917ParameterTable.h"
#include "model/Q3917ProgramAccessor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string ImageText(const CProgram& program, int from, int count)
{
    return std::string(reinterpret_cast<const char*>(program.GetRegion().image) + from,
                       static_cast<std::size_t>(count));
}

TEST(InitialProgram, EveryStoredValueLiesInItsRange)
{
    CProgram program;
    program.Initialize();
    CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::GetInstance();
    const CQ3917ParameterTable table;
    int checked = 0;
    for (std::uint32_t group = 0; group < 9; ++group)
        for (std::uint32_t index = 0; index < table.GetCount(group); ++index)
            for (std::uint32_t timbre = 0; timbre < 2; ++timbre) {
                const ParameterAddress address{group, index, timbre};
                if (!accessor->IsSupported(&program, address))
                    continue;
                const std::int32_t raw = accessor->GetRawValue(&program, address);
                EXPECT_GE(raw, accessor->GetMinimum(&program, address)) << accessor->GetName(&program, address);
                EXPECT_LE(raw, accessor->GetMaximum(&program, address)) << accessor->GetName(&program, address);
                ++checked;
            }
    EXPECT_GT(checked, 274);

    // The sound itself: a single saw timbre, open filter, full sustain, no arpeggio.
    struct Case
    {
        ParameterAddress address;
        std::int32_t value;
    };
    const Case cases[] = {
        {{0, 35, 0}, 0},   {{2, 19, 0}, 0},  {{2, 30, 0}, 127}, {{2, 36, 0}, 127}, {{2, 37, 0}, 0},
        {{2, 65, 1}, 127}, {{7, 0, 0}, 120}, {{7, 1, 0}, 0},    {{6, 1, 0}, 0},    {{6, 25, 0}, 0},
        {{2, 98, 0}, 12},  {{2, 104, 1}, 7}, {{5, 0, 0}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(accessor->GetValue(&program, c.address), c.value)
            << c.address.group << "/" << c.address.index << "/" << c.address.timbre;
    CQ3917ProgramAccessor::ReleaseInstance();
}

TEST(ProgramDocument, NewBankHoldsSavedInitialPrograms)
{
    LibraryData library;
    ProgramBank& bank = *library.AddItem(LibraryDataItem::kProgramBank)->bank;
    for (const CProgram& program : bank) {
        EXPECT_STREQ(program.GetRegion().name, "INITPROG");
        EXPECT_EQ(std::memcmp(program.GetRegion().image, kQ3917InitialProgramImage, 352), 0);
        EXPECT_STREQ(program.GetRegion().programmerName, "");
        EXPECT_STREQ(program.GetRegion().comment, "");
        EXPECT_EQ(program.GetRegion().priority, 0);
        EXPECT_EQ(program.GetRegion().category, 0);
        EXPECT_FALSE(program.IsModified());
        EXPECT_EQ(program.GetKind(), 3);
    }
    // Accessors and digests reach the region's image, not the data's own.
    EXPECT_EQ(bank[0].GetData(), bank[0].GetRegion().image);
    EXPECT_EQ(bank[0].GetDataSize(), 352);
}

TEST(ProgramDocument, NamesAreEightBlankPaddedCharacters)
{
    CProgram program;
    program.Initialize();
    SetProgramRecordName(program, "Bass");
    EXPECT_EQ(ImageText(program, 0, 8), "Bass    ");
    EXPECT_STREQ(program.GetRegion().name, "Bass");
    EXPECT_STREQ(program.GetProgramName(), "Bass");

    SetProgramRecordName(program, "Analog Brass");
    EXPECT_EQ(ImageText(program, 0, 8), "Analog B");
    EXPECT_STREQ(program.GetRegion().name, "Analog B");
    EXPECT_TRUE(program.IsModified());
}

TEST(ProgramDocument, RevertRestoresTheSavedRegion)
{
    CProgram program;
    program.Initialize();
    const ProgramRegion saved = program.GetRegion();
    SetProgramRecordName(program, "Edited");
    program.GetRegion().image[40] = 99;
    std::strcpy(program.GetRegion().comment, "changed");
    program.GetRegion().priority = 3;
    EXPECT_TRUE(program.IsModified());

    EXPECT_TRUE(RevertProgramRecord(program));
    EXPECT_TRUE(program.GetRegion() == saved);
    EXPECT_FALSE(program.IsModified());

    // The Initialize command resets the region and keeps the saved copy.
    program.GetRegion().image[40] = 99;
    program.MarkSaved();
    InitializeProgramRecord(program);
    EXPECT_NE(program.GetSavedCopy().image[40], program.GetRegion().image[40]);
}

TEST(ProgramDocument, CopiesImageOrWholeRegion)
{
    CProgram source;
    source.Initialize();
    SetProgramRecordName(source, "Source");
    std::strcpy(source.GetRegion().comment, "from source");
    source.GetRegion().category = 5;
    source.SetKind(2);
    source.SetHeaderWord(9);

    CProgram target;
    target.Initialize();
    std::strcpy(target.GetRegion().comment, "kept");
    CopyProgramImage(target, source);
    EXPECT_STREQ(target.GetRegion().name, "Source");
    EXPECT_STREQ(target.GetRegion().comment, "kept");
    EXPECT_EQ(target.GetRegion().category, 0);
    EXPECT_EQ(target.GetKind(), 2);
    EXPECT_EQ(target.GetHeaderWord(), 9);

    CProgram other;
    other.Initialize();
    CopyProgramRegion(source, other);
    EXPECT_TRUE(other.GetRegion() == source.GetRegion());
    EXPECT_EQ(other.GetKind(), 2);
    EXPECT_EQ(GetProgramFileSize(), 528);
}

TEST(LibraryData, ItemsByType)
{
    LibraryData library;
    EXPECT_EQ(library.AddItem(3), nullptr);
    EXPECT_EQ(library.GetItemCount(), 0);
    EXPECT_EQ(library.FindItem(3), nullptr);
    EXPECT_EQ(library.FindItem(LibraryDataItem::kProgramBank), nullptr);

    LibraryDataItem* none = library.AddItem(LibraryDataItem::kNone);
    EXPECT_EQ(none->type, LibraryDataItem::kNone);
    EXPECT_EQ(none->selection2, -1);
    LibraryDataItem* bank = library.AddItem(LibraryDataItem::kProgramBank);
    LibraryDataItem* global = library.AddItem(LibraryDataItem::kGlobal);
    EXPECT_EQ(library.FindItem(LibraryDataItem::kProgramBank), bank);
    EXPECT_EQ(library.GetProgramBank(), bank->bank.get());
    EXPECT_EQ(library.GetGlobal(), global->global.get());
    EXPECT_EQ(bank->global, nullptr);

    global->selection1 = 7;
    global->SetType(LibraryDataItem::kProgramBank);
    EXPECT_NE(global->bank, nullptr);
    EXPECT_EQ(global->global, nullptr);
    EXPECT_EQ(global->selection1, 0);
    global->SetType(9);
    EXPECT_EQ(global->type, LibraryDataItem::kNone);
    EXPECT_EQ(global->bank, nullptr);
}

TEST(LibraryData, ClearDropsItemsAndViewButKeepsTheModifiedFlag)
{
    LibraryData library;
    EXPECT_FALSE(library.IsModified());
    library.AddItem(LibraryDataItem::kProgramBank);
    library.AddItem(LibraryDataItem::kGlobal);
    for (int i = 0; i < 4; ++i)
        library.SetViewWord(i, 50 + i);
    library.SetPath("/music/a.vq700z_all");
    library.SetModified(true);

    library.Clear();
    EXPECT_EQ(library.GetItemCount(), 0);
    const std::int32_t defaults[] = {0, 0, 1, 127};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(library.GetViewWord(i), defaults[i]);
    EXPECT_TRUE(library.GetPath().isEmpty());
    EXPECT_TRUE(library.IsModified());
}

TEST(LibraryData, TitlesShortenLongFileNames)
{
    struct Case
    {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"", "Untitled"},
        {"/home/user/Lead.vq700z_all", "Lead.vq700z_all"},
        {"C:\\Sounds\\Pads.vq700z_all", "Pads.vq700z_all"},
        {"/x/abcdefghijklmnopqrstuvwxyz012345", "abcdefghijklmnopqrstuvwxyz012345"},
        {"/x/abcdefghijklmnopqrstuvwxyz0123456789ABCD", "abcdefghijklmnopqrstuvwxyz012..."},
    };
    for (const Case& c : cases) {
        LibraryData library;
        library.SetPath(c.path);
        EXPECT_EQ(MakeDocumentTitle(library), juce::String(c.title)) << c.path;
    }
}

}  // namespace
