// Importing N6 library files built from their byte layouts: programs and
// their attributes, set and chunk order, and damaged or hostile files.
#include "model/N6Import.h"

#include "model/VpException.h"
#include "services/ScratchFile.h"
#include "support/ImportFileLayouts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr std::size_t kRecordSize = 32 + 0x900;

N6ProgramLayout Program(const char* name, std::uint8_t seed)
{
    N6ProgramLayout program;
    std::memcpy(program.data.data(), name, std::strlen(name));
    program.data[21] = 0x05;       // scale bits, ORed into the octave
    program.data[48 + 73] = seed;  // timbre 1 level
    program.programmer = std::string("N6 programmer ") + name;
    program.comment = std::string("N6 comment ") + name;
    return program;
}

ProgramRegion InitialRegion()
{
    CProgram program;
    program.Initialize();
    return program.GetRegion();
}

class N6Import : public testing::Test
{
protected:
    // The thrown code, or nothing when the import returned true.
    std::optional<std::int32_t> Run(const FileBytes& bytes)
    {
        const std::string path = m_folder.WriteFile("library.n6l", bytes);
        CHfcFile file;
        EXPECT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
        try {
            EXPECT_TRUE(ReadN6LibraryFile(library, file));
            return {};
        } catch (const CVpFileException& e) {
            return e.GetCode();
        }
    }

    ProgramBank& Bank() { return *library.GetProgramBank(); }
    bool IsInitialFrom(int first)
    {
        const ProgramRegion initial = InitialRegion();
        for (int i = first; i < kProgramBankSize; ++i) {
            if (!(Bank()[static_cast<std::size_t>(i)].GetRegion() == initial))
                return false;
        }
        return true;
    }
    std::uint8_t Level(int program) { return Bank()[static_cast<std::size_t>(program)].GetRegion().image[16 + 52]; }

    ScratchFolder m_folder;
    LibraryData library;
};

TEST_F(N6Import, ProgramsWithTheirAttributesAndRibbonValues)
{
    N6ProgramLayout first = Program("FIRST   ", 11);
    first.priority = 0xFE;
    first.category = 0xFD;
    first.kind = 0xFFFF;
    first.version = 0x8000;
    first.headerWord = 7;
    N6ProgramLayout second = Program("TWO", 22);
    second.priority = 3;
    second.category = 12;
    library.SetModified(true);
    ASSERT_EQ(Run(N6Library({N6ProgramSet({first, second}, 2)}, 1)), std::nullopt);
    EXPECT_TRUE(library.IsModified()) << "the import leaves the flag to its caller";

    const CProgram& one = Bank()[0];
    EXPECT_STREQ(one.GetRegion().name, "FIRST");
    EXPECT_STREQ(one.GetRegion().programmerName, "N6 programmer FIRST   ");
    EXPECT_STREQ(one.GetRegion().comment, "N6 comment FIRST   ");
    EXPECT_EQ(one.GetRegion().priority, -2);
    EXPECT_EQ(one.GetRegion().category, -3) << "a negative category stays";
    EXPECT_EQ(one.GetKind(), -1);
    EXPECT_EQ(one.GetVersion(), -32768);
    EXPECT_EQ(one.GetHeaderWord(), 7);
    EXPECT_EQ(Level(0), 11);
    EXPECT_FALSE(one.IsModified());

    const std::uint8_t* image = one.GetRegion().image;
    EXPECT_EQ(image[8], 0x05) << "byte 8 takes the scale bits after the conversion";
    EXPECT_EQ(image[15], 0x50);
    for (int block : {16, 112}) {
        EXPECT_EQ(image[block + 89], 12);
        EXPECT_EQ(image[block + 90], 7);
        EXPECT_EQ(image[block + 91], 127);
    }
    const std::uint8_t ribbon[] = {0x01, 0xA0, 0x01, 0x43, 0x43, 0x00};
    EXPECT_EQ(std::memcmp(image + 346, ribbon, sizeof ribbon), 0);
    EXPECT_EQ(image[288], 31);
    EXPECT_EQ(image[312], 31);

    EXPECT_STREQ(Bank()[1].GetRegion().name, "TWO");
    EXPECT_EQ(Bank()[1].GetRegion().category, 12);
    EXPECT_EQ(Level(1), 22);
    EXPECT_TRUE(IsInitialFrom(2));
    CGlobal initial;
    initial.Initialize();
    EXPECT_EQ(std::memcmp(library.GetGlobal()->GetData(), initial.GetData(), 164), 0);
}

TEST_F(N6Import, SetsAndChunks)
{
    const FileBytes firstSet = N6ProgramSet({Program("A", 1), Program("B", 2), Program("C", 3)}, 3);
    const FileBytes secondSet = N6ProgramSet({Program("X", 9)}, 1);
    const FileBytes foreign = N6ForeignChunk("862Z", 16, 40);
    // A set whose body runs past its records: the next chunk is where the body ends.
    FileBytes paddedSet = N6ProgramSet({Program("P", 5)}, 1, 128, static_cast<std::int32_t>(kRecordSize + 8));
    paddedSet.insert(paddedSet.end(), 8, 0xAB);
    struct Case
    {
        const char* what;
        std::vector<FileBytes> chunks;
        std::string names;  // first letters of programs 0-2; '-' for an initial program
    };
    const Case cases[] = {
        {"no programs", {N6ProgramSet({}, 0)}, "---"},
        {"another chunk is stepped over", {foreign, firstSet, foreign}, "ABC"},
        {"a second set starts again at program 0", {firstSet, secondSet}, "XBC"},
        {"a set's end is its body's end", {paddedSet, secondSet}, "X--"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Run(N6Library(c.chunks, static_cast<std::int32_t>(c.chunks.size()))), std::nullopt) << c.what;
        std::string names;
        const ProgramRegion initial = InitialRegion();
        for (int i = 0; i < 3; ++i) {
            const ProgramRegion& region = Bank()[static_cast<std::size_t>(i)].GetRegion();
            names += region == initial ? '-' : region.name[0];
        }
        EXPECT_EQ(names, c.names) << c.what;
        EXPECT_TRUE(IsInitialFrom(3)) << c.what;
    }
}

TEST_F(N6Import, BadHeadersLeaveTheLibraryAlone)
{
    const FileBytes set = N6ProgramSet({Program("A", 1)}, 1);
    FileBytes wrongMagic = N6Library({set}, 1);
    wrongMagic[3] = 'l';
    const std::pair<FileBytes, std::int32_t> cases[] = {
        {wrongMagic, CVpFileException::InvalidId},
        {N6Library({set}, 1, 63), CVpFileException::DataSize},
        {N6Library({set}, 1, 0), CVpFileException::DataSize},
        {FileBytes{'8', '6', '2'}, CVpFileException::ReadData},
    };
    for (const auto& [bytes, code] : cases) {
        library.Clear();
        library.AddItem(LibraryDataItem::kGlobal);
        EXPECT_EQ(Run(bytes), code);
        EXPECT_EQ(library.GetItemCount(), 1);
    }
}

TEST_F(N6Import, DamagedAndHostileFilesEndQuickly)
{
    const N6ProgramLayout good = Program("GOOD", 1);
    const auto withRecord = [&](const N6ProgramLayout& bad) { return N6Library({N6ProgramSet({good, bad}, 2)}, 1); };
    N6ProgramLayout wrongId = good;
    N6ProgramLayout oddSizes = good;
    oddSizes.headerSize = 31;
    oddSizes.bodySize = 0x8FF;
    N6ProgramLayout tinyHeader = good;
    tinyHeader.headerSize = 16;  // accepted for its body size alone
    N6ProgramLayout negativeHeader = good;
    negativeHeader.headerSize = 0xFFFFFFE0;
    N6ProgramLayout wideHeader = good;
    wideHeader.headerSize = 0x10020;  // only the low 16 bits count: 32
    FileBytes renamed = withRecord(good);
    renamed[64 + 128 + kRecordSize + 3] = 'q';
    const FileBytes whole = withRecord(good);
    struct Case
    {
        const char* what;
        FileBytes bytes;
        std::optional<std::int32_t> code;
        bool firstRead;  // program 0 came in before the failure
    };
    const Case cases[] = {
        {"a record of another id", renamed, CVpFileException::InvalidId, true},
        {"a record neither 32 bytes nor of body 0x900", withRecord(oddSizes), CVpFileException::DataSize, true},
        {"a record header too small for its fields", withRecord(tinyHeader), CVpFileException::DataSize, true},
        {"a negative record header", withRecord(negativeHeader), CVpFileException::DataSize, true},
        {"a header size read by its low 16 bits", withRecord(wideHeader), {}, true},
        {"201 programs", N6Library({N6ProgramSet({good}, 201)}, 1), CVpFileException::DataSize, false},
        {"a set header of 127", N6Library({N6ProgramSet({good}, 1, 127, static_cast<std::int32_t>(kRecordSize))}, 1),
         CVpFileException::DataSize, false},
        {"a set of negative body", N6Library({N6ProgramSet({good}, 1, 128, -128)}, 0x7FFFFFFF),
         CVpFileException::DataSize, false},
        {"a set claiming more than the file", N6Library({N6ProgramSet({good}, 1, 128, 0x7FFFFF00)}, 1),
         CVpFileException::DataSize, true},
        {"a chunk of header 0, counted 2^31 - 1 times", N6Library({N6ForeignChunk("JUNK", 0, 0)}, 0x7FFFFFFF),
         CVpFileException::DataSize, false},
        {"a chunk of negative body", N6Library({N6ForeignChunk("JUNK", 12, -12)}, 0x7FFFFFFF),
         CVpFileException::DataSize, false},
        {"a chunk claiming more than the file", N6Library({N6ForeignChunk("JUNK", 12, 0x7FFF0000)}, 2),
         CVpFileException::DataSize, false},
        {"more chunks counted than there are", N6Library({N6ForeignChunk("JUNK", 12, 4)}, 0x7FFFFFFF),
         CVpFileException::ReadData, false},
        {"cut inside the second program's data", FileBytes(whole.begin(), whole.end() - 2000),
         CVpFileException::ReadData, true},
        {"cut inside the second program's comment", FileBytes(whole.begin(), whole.end() - 350),
         CVpFileException::ReadData, true},
        {"cut inside the second program's padding", FileBytes(whole.begin(), whole.end() - 10),
         CVpFileException::ReadData, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.bytes), c.code) << c.what;
        EXPECT_EQ(std::string(Bank()[0].GetRegion().name), c.firstRead ? "GOOD" : InitialRegion().name) << c.what;
        if (c.code) {
            EXPECT_TRUE(IsInitialFrom(1)) << c.what;
        }
    }
}

TEST(N6ImportParts, SetAndRecordReadersCheckTheirIds)
{
    ScratchFolder folder;
    const FileBytes set = N6ProgramSet({Program("A", 1)}, 1);
    const std::string path = folder.WriteFile("set.bin", set);
    CHfcFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
    ProgramBank bank;
    EXPECT_TRUE(ReadN6ProgramSet(bank, file));
    EXPECT_STREQ(bank[0].GetRegion().name, "A");
    std::int32_t position = 0;
    ASSERT_TRUE(file.GetPosition(position));
    EXPECT_EQ(position, static_cast<std::int32_t>(set.size()));

    ASSERT_TRUE(file.Seek(0, CHfcFile::kFromStart));
    try {
        ReadN6Program(bank[1], file);
        ADD_FAILURE() << "a set is not a program";
    } catch (const CVpFileException& e) {
        EXPECT_EQ(e.GetCode(), CVpFileException::InvalidId);
    }
    ASSERT_TRUE(file.Seek(128, CHfcFile::kFromStart));
    try {
        ReadN6ProgramSet(bank, file);
        ADD_FAILURE() << "a program is not a set";
    } catch (const CVpFileException& e) {
        EXPECT_EQ(e.GetCode(), CVpFileException::InvalidId);
    }
}

}  // namespace
