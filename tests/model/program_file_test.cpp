// The single-program and program-set files against layouts built byte by
// byte, and the converter that brings older programs up to date.
#include "framework/services/HfcMemoryStreams.h"
#include "model/ProgramFile.h"
#include "model/ProgramParameterConverter.h"
#include "model/Q3917InitialProgram.h"
#include "model/VpException.h"
#include "support/EditorFileLayouts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

FileBytes Write(CProgram& program)
{
    CHfcMemoryOutputStream stream(16, 1024);
    EXPECT_TRUE(WriteProgramFile(program, stream));
    return FileBytes(stream.GetBuffer(), stream.GetBuffer() + stream.GetDataSize());
}

// The code of the CVpFileException the read throws; -1 when it succeeds.
template <class Target>
int ReadCode(Target& target, const FileBytes& bytes, bool (*read)(Target&, CHfcInputStream&))
{
    CHfcMemoryInputStream stream(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    try {
        read(target, stream);
    } catch (const CVpFileException& e) {
        return e.GetCode();
    }
    return -1;
}

int ReadProgram(CProgram& program, const FileBytes& bytes)
{
    return ReadCode<CProgram>(program, bytes, &ReadProgramFile);
}

ProgramRecordLayout Distinctive()
{
    ProgramRecordLayout record;
    record.image = PatternImage("Lead 01 ", 1);
    record.programmer = "A programmer with 24 chr";
    record.comment = std::string(64, 'c');
    record.priority = 4;
    record.category = 9;
    return record;
}

FileBytes Image(const CProgram& program)
{
    return FileBytes(program.GetRegion().image, program.GetRegion().image + 352);
}

TEST(ProgramFile, WritesTheInitialProgramAsItsLayout)
{
    CProgram program;
    program.Initialize();
    program.GetRegion().image[0] = 'X';
    ProgramRecordLayout layout;
    layout.image = Image(program);
    const FileBytes written = Write(program);
    EXPECT_EQ(written.size(), 528u);
    EXPECT_EQ(written, ProgramFileBytes(layout));
    EXPECT_FALSE(program.IsModified());
}

TEST(ProgramFile, ReadsARecordIntoTheRegion)
{
    const ProgramRecordLayout layout = Distinctive();
    CProgram program;
    program.Initialize();
    program.SetVersion(0);
    ASSERT_EQ(ReadProgram(program, ProgramFileBytes(layout)), -1);

    const ProgramRegion& region = program.GetRegion();
    FileBytes expected = layout.image;
    expected[105] = expected[201] = 12;
    expected[106] = expected[202] = 7;
    EXPECT_EQ(Image(program), expected);
    EXPECT_STREQ(region.name, "Lead 01");
    EXPECT_EQ(std::string(region.programmerName), layout.programmer);
    EXPECT_EQ(std::string(region.comment), layout.comment);
    EXPECT_EQ(region.priority, 4);
    EXPECT_EQ(region.category, 9);
    EXPECT_EQ(program.GetVersion(), 1);
    EXPECT_EQ(program.GetKind(), 3);
    EXPECT_FALSE(program.IsModified());

    // Read back, the record writes the same bytes, patch 6 included.
    ProgramRecordLayout again = layout;
    again.image = expected;
    EXPECT_EQ(Write(program), ProgramFileBytes(again));
}

TEST(ProgramFile, ReadVariants)
{
    struct Case
    {
        const char* what;
        void (*change)(ProgramRecordLayout&);
        std::int32_t priority, category;
    };
    const Case cases[] = {
        {"plain", [](ProgramRecordLayout&) {}, 4, 9},
        {"negative priority and category", [](ProgramRecordLayout& r) { r.priority = r.category = 0xFF; }, -1, 0},
        {"a corrupted digest", [](ProgramRecordLayout& r) { r.digest = FileBytes(16, 0x5A); }, 4, 9},
    };
    for (const Case& c : cases) {
        ProgramRecordLayout layout = Distinctive();
        c.change(layout);
        CProgram program;
        ASSERT_EQ(ReadProgram(program, ProgramFileBytes(layout)), -1) << c.what;
        EXPECT_EQ(program.GetRegion().priority, c.priority) << c.what;
        EXPECT_EQ(program.GetRegion().category, c.category) << c.what;
        EXPECT_EQ(program.GetRegion().image[105], 12) << c.what;
        EXPECT_EQ(program.GetRegion().image[202], 7) << c.what;
    }
}

TEST(ProgramFile, OlderKindsAreConverted)
{
    for (std::uint16_t kind : {0, 1, 2, 3}) {
        ProgramRecordLayout layout = Distinctive();
        layout.kind = kind;
        CProgram program;
        ASSERT_EQ(ReadProgram(program, ProgramFileBytes(layout)), -1);
        EXPECT_EQ(program.GetKind(), 3);
        const std::uint8_t* image = program.GetRegion().image;
        if (kind < 3) {
            const std::uint8_t moved[] = {1, layout.image[15], layout.image[9], layout.image[10], layout.image[11], 0};
            EXPECT_EQ(FileBytes(image + 346, image + 352), FileBytes(std::begin(moved), std::end(moved))) << kind;
        } else {
            EXPECT_EQ(FileBytes(image + 346, image + 352), FileBytes(&layout.image[346], &layout.image[352]));
        }
    }
}

TEST(ProgramFile, HeaderAndBodySizes)
{
    const ProgramRecordLayout layout = Distinctive();
    ByteBuilder longer;
    AppendHeader(longer, {"47300PgD", 40, 500, 1, 3, 0, 1, 496});
    FileBytes record = ProgramFileBytes(layout);
    longer.Bytes(FileBytes(record.begin() + 32, record.end())).Fill(0xEE, 4).Text("NEXT");
    CProgram program;
    CHfcMemoryInputStream stream(longer.Get().data(), static_cast<std::int64_t>(longer.Size()));
    ASSERT_TRUE(ReadProgramFile(program, stream));
    EXPECT_STREQ(program.GetRegion().name, "Lead 01");
    EXPECT_EQ(stream.GetPosition(), 40 + 500);

    struct Case
    {
        const char* what;
        FileBytes bytes;
        int code;
    };
    FileBytes shortHeader = record;
    shortHeader[8] = 16;  // header size 16 would read the header as the image
    FileBytes shortBody = record;
    shortBody[10] = 0xEF;
    shortBody[11] = 0x01;  // 495
    FileBytes wrongMagic = record;
    wrongMagic[7] = 'S';
    const Case cases[] = {
        {"header size 16", shortHeader, CVpFileException::DataSize},
        {"body size 495", shortBody, CVpFileException::DataSize},
        {"wrong magic", wrongMagic, CVpFileException::InvalidId},
        {"cut in the magic", FileBytes(record.begin(), record.begin() + 5), CVpFileException::ReadData},
        {"cut in the body size", FileBytes(record.begin(), record.begin() + 12), CVpFileException::ReadData},
        {"cut at 20 bytes", FileBytes(record.begin(), record.begin() + 20), CVpFileException::ReadData},
        {"cut at 400 bytes", FileBytes(record.begin(), record.begin() + 400), CVpFileException::ReadData},
    };
    for (const Case& c : cases) {
        CProgram untouched;
        untouched.Initialize();
        EXPECT_EQ(ReadProgram(untouched, c.bytes), c.code) << c.what;
        EXPECT_EQ(std::memcmp(untouched.GetRegion().image, kQ3917InitialProgramImage, 352), 0) << c.what;
    }
}

TEST(ProgramSetFile, WritesTwoHundredProgramFiles)
{
    auto bank = std::make_unique<ProgramBank>();
    std::vector<ProgramRecordLayout> layouts;
    for (int i = 0; i < kProgramBankSize; ++i) {
        CProgram& program = (*bank)[static_cast<std::size_t>(i)];
        program.Initialize();
        program.GetRegion().image[300] = static_cast<std::uint8_t>(i);
        program.GetRegion().priority = i % 6;
        ProgramRecordLayout layout;
        layout.image = Image(program);
        layout.priority = static_cast<std::uint8_t>(i % 6);
        layouts.push_back(layout);
    }
    CHfcMemoryOutputStream stream(16, 4096);
    ASSERT_TRUE(WriteProgramSetFile(*bank, stream));
    const FileBytes written(stream.GetBuffer(), stream.GetBuffer() + stream.GetDataSize());
    EXPECT_EQ(written.size(), 105632u);
    EXPECT_EQ(written, ProgramSetBytes(layouts, 200));
}

TEST(ProgramSetFile, ReadsTheCountItHolds)
{
    struct Case
    {
        std::int32_t count;
        std::size_t records;
        int code;
        int changed;  // programs 1 to changed come from the file
    };
    const Case cases[] = {{0, 0, -1, 0},       {10, 10, -1, 10},
                          {200, 200, -1, 200}, {201, 201, CVpFileException::DataSize, 0},
                          {-3, 0, -1, 0},      {10, 9, CVpFileException::ReadData, 0}};
    for (const Case& c : cases) {
        std::vector<ProgramRecordLayout> layouts(c.records, Distinctive());
        auto bank = std::make_unique<ProgramBank>();
        for (CProgram& program : *bank)
            program.Initialize();
        EXPECT_EQ(ReadCode<ProgramBank>(*bank, ProgramSetBytes(layouts, c.count), &ReadProgramSetFile), c.code)
            << c.count;
        for (int i = 0; i < kProgramBankSize; ++i)
            EXPECT_STREQ((*bank)[static_cast<std::size_t>(i)].GetRegion().name, i < c.changed ? "Lead 01" : "INITPROG")
                << c.count << " program " << i + 1;
    }
}

TEST(ProgramParameterConverter, MovesRibbonBytesOnceForOlderKinds)
{
    for (std::int32_t kind : {0, 1, 2, 3, 4}) {
        CProgram program;
        program.Initialize();
        std::uint8_t* image = program.GetRegion().image;
        image[9] = 0x41;
        image[10] = 0x42;
        image[11] = 0x43;
        image[15] = 0x44;
        std::memset(image + 346, 0x99, 6);
        program.SetKind(kind);
        const FileBytes before = Image(program);

        const bool converted = CProgramParameterConverter(program).Convert();
        EXPECT_EQ(converted, kind < 3) << kind;
        EXPECT_EQ(program.GetKind(), kind < 3 ? 3 : kind);
        if (kind < 3) {
            const std::uint8_t expected[] = {1, 0x44, 0x41, 0x42, 0x43, 0};
            EXPECT_EQ(FileBytes(image + 346, image + 352), FileBytes(std::begin(expected), std::end(expected)));
            EXPECT_EQ(FileBytes(image + 9, image + 16), FileBytes(before.begin() + 9, before.begin() + 16));
        } else {
            EXPECT_EQ(Image(program), before);
        }
        const FileBytes once = Image(program);
        EXPECT_FALSE(CProgramParameterConverter(program).Convert());
        EXPECT_EQ(Image(program), once);
    }
}

}  // namespace
