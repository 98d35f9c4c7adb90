// Importing the sibling models' all-data files, from files built from their
// byte layouts: programs, fixed ribbon values, chunk order, and damaged files.
#include "model/SiblingImport.h"

#include "model/VpException.h"
#include "services/ScratchFile.h"
#include "support/ImportFileLayouts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kImageSize = 352;

FileBytes GlobalImage()
{
    FileBytes image(164);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(200 - i);
    return image;
}

ProgramRegion InitialRegion()
{
    CProgram program;
    program.Initialize();
    return program.GetRegion();
}

FileBytes InitialGlobalImage()
{
    CGlobal global;
    global.Initialize();
    return {global.GetData(), global.GetData() + global.GetDataSize()};
}

// The image a program of the file becomes.
FileBytes Imported(FileBytes image)
{
    for (int block : {16, 112}) {
        image[block + 89] = 12;
        image[block + 90] = 7;
        image[block + 91] = 127;
    }
    image[8] = static_cast<std::uint8_t>(image[8] | (image[15] >> 4));
    image[288] = 31;
    image[289] = 0;
    image[312] = 31;
    image[313] = 0;
    const std::uint8_t ribbon[] = {0x01, 0xA0, 0x01, 0x43, 0x43, 0x00};
    std::memcpy(&image[346], ribbon, sizeof ribbon);
    return image;
}

FileBytes ImageOf(const CProgram& program)
{
    return {program.GetRegion().image, program.GetRegion().image + kImageSize};
}

class SiblingImport : public testing::TestWithParam<std::string>
{
protected:
    // The importer's message key; the thrown code, when it throws, in thrown.
    std::string Run(const FileBytes& bytes)
    {
        const std::string path = m_folder.WriteFile("import.srqt_all", bytes);
        CHfcFile file;
        EXPECT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
        thrown.reset();
        try {
            std::unique_ptr<CSiblingFileImporter> importer;
            if (GetParam() == "3917")
                importer = std::make_unique<Q3917FileImporter>(library, file);
            else
                importer = std::make_unique<Q3918FileImporter>(library, file);
            return importer->Import().toStdString();
        } catch (const CVpFileException& e) {
            thrown = e.GetCode();
            return "(thrown)";
        }
    }

    std::string OtherModel() const { return GetParam() == "3917" ? "3918" : "3917"; }
    FileBytes ProgramChunk(int seed = 0, std::int32_t count = 128) const
    {
        return SiblingProgramChunk(GetParam(), SiblingPrograms(seed), count);
    }
    ProgramBank& Bank() { return *library.GetProgramBank(); }
    FileBytes GlobalBytes() { return {library.GetGlobal()->GetData(), library.GetGlobal()->GetData() + 164}; }
    void ExpectInitialBankFrom(int first)
    {
        const ProgramRegion initial = InitialRegion();
        for (int i = first; i < kProgramBankSize; ++i)
            ASSERT_TRUE(Bank()[static_cast<std::size_t>(i)].GetRegion() == initial) << "program " << i;
    }

    ScratchFolder m_folder;
    LibraryData library;
    std::optional<std::int32_t> thrown;
};

TEST_P(SiblingImport, ProgramsGetTheFixedRibbonValues)
{
    library.SetModified(true);
    const auto programs = SiblingPrograms(5);
    ASSERT_EQ(Run(SiblingAllData(GetParam(), {SiblingProgramChunk(GetParam(), programs, 128)}, 1)), "");
    EXPECT_FALSE(library.IsModified());
    ASSERT_EQ(library.GetItemCount(), 2);
    for (int i = 0; i < 128; ++i) {
        const CProgram& program = Bank()[static_cast<std::size_t>(i)];
        const SiblingProgramLayout& source = programs[static_cast<std::size_t>(i)];
        ASSERT_EQ(ImageOf(program), Imported(source.image)) << "program " << i;
        EXPECT_STREQ(program.GetRegion().name, ("SIB " + std::to_string(1000 + i).substr(1)).c_str());
        EXPECT_EQ(program.GetRegion().programmerName, source.programmer);
        EXPECT_EQ(program.GetRegion().comment, source.comment);
        EXPECT_EQ(program.GetRegion().priority, source.priority);
        EXPECT_EQ(program.GetRegion().category, source.category);
        EXPECT_FALSE(program.IsModified()) << "the saved copy is the imported program";
    }
    ExpectInitialBankFrom(128);
    EXPECT_EQ(GlobalBytes(), InitialGlobalImage());
}

TEST_P(SiblingImport, OctaveTakesTheUpperBitsOfByte15)
{
    auto programs = SiblingPrograms(0);
    programs[0].image[8] = 0x40;
    programs[0].image[15] = 0xB7;
    programs[1].image[8] = 0x4F;
    programs[1].image[15] = 0x00;
    ASSERT_EQ(Run(SiblingAllData(GetParam(), {SiblingProgramChunk(GetParam(), programs, 128)}, 1)), "");
    EXPECT_EQ(Bank()[0].GetRegion().image[8], 0x4B);
    EXPECT_EQ(Bank()[0].GetRegion().image[15], 0xB7);
    EXPECT_EQ(Bank()[1].GetRegion().image[8], 0x4F);
}

TEST_P(SiblingImport, PriorityIsSignedAndANegativeCategoryBecomesZero)
{
    struct Case
    {
        std::uint8_t byte;
        std::int32_t priority;
        std::int32_t category;
    };
    const Case cases[] = {{0x00, 0, 0}, {0x05, 5, 5}, {0x7F, 127, 127}, {0x80, -128, 0}, {0xFF, -1, 0}};
    auto programs = SiblingPrograms(0);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        programs[i].priority = cases[i].byte;
        programs[i].category = cases[i].byte;
    }
    ASSERT_EQ(Run(SiblingAllData(GetParam(), {SiblingProgramChunk(GetParam(), programs, 128)}, 1)), "");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Bank()[i].GetRegion().priority, cases[i].priority) << "byte " << int(cases[i].byte);
        EXPECT_EQ(Bank()[i].GetRegion().category, cases[i].category) << "byte " << int(cases[i].byte);
    }
}

TEST_P(SiblingImport, ChunkOrder)
{
    const FileBytes programs = ProgramChunk(1);
    const FileBytes global = SiblingGlobalChunk(GetParam(), GlobalImage());
    const FileBytes foreign = ForeignChunk(GetParam() + "LibD", 48, 100);
    const FileBytes secondSet = ProgramChunk(9);
    struct Case
    {
        const char* what;
        std::vector<FileBytes> chunks;
        bool globalTaken;
    };
    const Case cases[] = {
        {"as the models write them: the global after the programs is not read", {programs, global}, false},
        {"global first", {global, programs}, true},
        {"another chunk is stepped over by its sizes", {foreign, global, foreign, programs}, true},
        {"a second program set is not read", {programs, secondSet}, false},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Run(SiblingAllData(GetParam(), c.chunks, static_cast<std::int32_t>(c.chunks.size()))), "") << c.what;
        EXPECT_EQ(GlobalBytes(), c.globalTaken ? GlobalImage() : InitialGlobalImage()) << c.what;
        EXPECT_EQ(ImageOf(Bank()[7]), Imported(SiblingPrograms(1)[7].image)) << c.what;
        if (c.globalTaken) {
            CGlobal expected;
            expected.Initialize();
            std::memcpy(expected.GetData(), GlobalImage().data(), 164);
            expected.UpdateDigest();
            EXPECT_EQ(std::memcmp(library.GetGlobal()->GetDigest(), expected.GetDigest(), 16), 0) << c.what;
        }
    }
}

TEST_P(SiblingImport, FailuresLeaveAFreshTarget)
{
    struct Case
    {
        const char* what;
        FileBytes bytes;
        std::string key;
    };
    const Case cases[] = {
        {"the other model's file", SiblingAllData(OtherModel(), {ProgramChunk()}, 1), "FileErrorInvalidId"},
        {"127 programs", SiblingAllData(GetParam(), {SiblingProgramChunk(GetParam(), SiblingPrograms(0), 127)}, 1),
         "FileErrorDataSize"},
        {"129 programs", SiblingAllData(GetParam(), {ProgramChunk(0, 129)}, 1), "FileErrorDataSize"},
        {"no chunks", SiblingAllData(GetParam(), {ProgramChunk()}, 0), ""},
        {"negative chunk count", SiblingAllData(GetParam(), {ProgramChunk()}, -1), ""},
    };
    for (const Case& c : cases) {
        library.Clear();
        library.AddItem(LibraryDataItem::kGlobal);
        EXPECT_EQ(Run(c.bytes), c.key) << c.what;
        ASSERT_EQ(library.GetItemCount(), 2) << c.what;
        EXPECT_EQ(library.GetItem(0)->type, LibraryDataItem::kProgramBank) << c.what;
        EXPECT_EQ(library.GetItem(1)->type, LibraryDataItem::kGlobal) << c.what;
        ExpectInitialBankFrom(0);
        EXPECT_EQ(GlobalBytes(), InitialGlobalImage()) << c.what;
    }
}

TEST_P(SiblingImport, FileCutShortThrowsAfterTheProgramsBeforeIt)
{
    const FileBytes whole = SiblingAllData(GetParam(), {ProgramChunk(3)}, 1);
    // Inside program 50's image, inside its comment, and inside its final padding.
    for (std::size_t inRecord : {100u, 450u, 520u}) {
        const std::size_t cut = 64 + 50 * 528 + inRecord;
        library.SetModified(true);
        EXPECT_EQ(Run(FileBytes(whole.begin(), whole.begin() + static_cast<long>(cut))), "(thrown)");
        EXPECT_EQ(thrown, CVpFileException::ReadData) << "cut at " << cut;
        EXPECT_TRUE(library.IsModified()) << "a failed import leaves the flag";
        EXPECT_EQ(ImageOf(Bank()[49]), Imported(SiblingPrograms(3)[49].image));
        ExpectInitialBankFrom(50);
    }
    // Too short for the magic.
    EXPECT_EQ(Run(FileBytes(whole.begin(), whole.begin() + 5)), "(thrown)");
    EXPECT_EQ(thrown, CVpFileException::ReadData);
}

TEST_P(SiblingImport, HostileSizesEndQuickly)
{
    const std::string model = GetParam();
    const auto all = [&](std::vector<FileBytes> chunks, std::int32_t count) {
        return SiblingAllData(model, chunks, count);
    };
    FileBytes shortHeader = all({ProgramChunk()}, 1);
    shortHeader[8] = 8;  // the file header claims 8 bytes
    FileBytes negativeHeader = shortHeader;
    negativeHeader[8] = 0xE0;
    negativeHeader[9] = 0xFF;
    FileBytes negativeRecord = all({ProgramChunk()}, 1);
    negativeRecord[64 + 528 * 3 + 10] = 0xFF;  // record 3's body size gets its sign bit
    negativeRecord[64 + 528 * 3 + 13] = 0xFF;
    struct Case
    {
        const char* what;
        FileBytes bytes;
        std::string key;
        std::optional<std::int32_t> code;
    };
    const Case cases[] = {
        {"file header under 32 bytes", shortHeader, "FileErrorDataSize", {}},
        {"negative file header", negativeHeader, "FileErrorDataSize", {}},
        {"chunk of header 0, counted 2^31 - 1 times",
         all({ForeignChunk("JUNKJUNK", 0, 0)}, 0x7FFFFFFF),
         "FileErrorDataSize",
         {}},
        {"chunk of negative header", all({ForeignChunk("JUNKJUNK", -32, 0)}, 0x7FFFFFFF), "FileErrorDataSize", {}},
        {"chunk of negative body", all({ForeignChunk("JUNKJUNK", 32, -32)}, 0x7FFFFFFF), "FileErrorDataSize", {}},
        {"chunk claiming more than the file",
         all({ForeignChunk("JUNKJUNK", 32, 0x7FFF0000)}, 2),
         "FileErrorDataSize",
         {}},
        {"more chunks counted than there are", all({ForeignChunk("JUNKJUNK", 32, 8)}, 0x7FFFFFFF), "(thrown)",
         CVpFileException::ReadData},
        {"program chunk of negative header", all({ForeignChunk(model + "PrgS", -1, 0)}, 1), "FileErrorDataSize", {}},
        {"program record of negative body", negativeRecord, "FileErrorDataSize", {}},
        {"global chunk of header 0", all({ForeignChunk(model + "GlbD", 0, 202)}, 1), "FileErrorDataSize", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.bytes), c.key) << c.what;
        EXPECT_EQ(thrown, c.code) << c.what;
    }
}

TEST_P(SiblingImport, TargetWithoutBankOrGlobal)
{
    const std::string magic = GetParam() + "AllD";
    const std::string programs = GetParam() + "PrgS";
    const std::string global = GetParam() + "GlbD";
    const SiblingFileIds ids = {magic.c_str(), programs.c_str(), global.c_str()};
    const FileBytes files[] = {SiblingAllData(GetParam(), {ProgramChunk()}, 1),
                               SiblingAllData(GetParam(), {SiblingGlobalChunk(GetParam(), GlobalImage())}, 1)};
    for (const FileBytes& bytes : files) {
        const std::string path = m_folder.WriteFile("import.srqt_all", bytes);
        CHfcFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
        LibraryData empty;
        CSiblingFileImporter importer(empty, file, ids);
        EXPECT_EQ(importer.ReadAllData().toStdString(), "FileErrorInternalError");
    }
}

INSTANTIATE_TEST_SUITE_P(BothModels, SiblingImport, testing::Values("3917", "3918"));

}  // namespace
