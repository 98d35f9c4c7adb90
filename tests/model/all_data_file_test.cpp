// Global and library-properties chunks and the all-data file through real
// files: layouts built byte by byte, round trips, chunk order, damaged files.
#include "framework/services/HfcMemoryStreams.h"
#include "model/AllDataFile.h"
#include "model/DataFileTransfer.h"
#include "model/LibraryPropertiesChunk.h"
#include "model/VpException.h"
#include "services/ScratchFile.h"
#include "support/EditorFileLayouts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::int32_t kViewWords[4] = {3, -1, 2, 90};

FileBytes DefaultGlobalImage()
{
    const CQ3917GlobalData data;
    return FileBytes(data.GetData(), data.GetData() + 164);
}

// A library whose every part can be told from the defaults.
void FillDistinctive(LibraryData& library)
{
    ProgramBank& bank = *library.AddItem(LibraryDataItem::kProgramBank)->bank;
    for (std::size_t i = 0; i < bank.size(); ++i) {
        bank[i].GetRegion().image[300] = static_cast<std::uint8_t>(i);
        bank[i].GetRegion().category = static_cast<std::int32_t>(i % 16);
        bank[i].MarkSaved();
    }
    CGlobal& global = *library.AddItem(LibraryDataItem::kGlobal)->global;
    global.GetData()[0] = 0x10;
    for (int i = 0; i < 4; ++i)
        library.SetViewWord(i, kViewWords[i]);
}

std::vector<ProgramRecordLayout> BankLayouts(const ProgramBank& bank)
{
    std::vector<ProgramRecordLayout> layouts;
    for (const CProgram& program : bank) {
        ProgramRecordLayout layout;
        layout.image.assign(program.GetRegion().image, program.GetRegion().image + 352);
        layout.category = static_cast<std::uint8_t>(program.GetRegion().category);
        layouts.push_back(layout);
    }
    return layouts;
}

class AllDataFileTest : public testing::Test
{
protected:
    FileBytes WriteLibrary(LibraryData& library) const
    {
        const std::string path = m_folder.File("written.vq700z_all");
        CHfcFile file;
        EXPECT_TRUE(file.Open(path.c_str(), CHfcFile::kWrite | CHfcFile::kBinary));
        EXPECT_TRUE(WriteAllDataFile(library, file));
        file.Close();
        return ScratchFolder::ReadFile(path);
    }

    // The code of the CVpFileException the read throws; -1 when it succeeds.
    int ReadLibrary(LibraryData& library, const FileBytes& bytes) const
    {
        const std::string path = m_folder.WriteFile("read.vq700z_all", bytes);
        CHfcFile file;
        EXPECT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
        try {
            ReadAllDataFile(library, file);
        } catch (const CVpFileException& e) {
            return e.GetCode();
        }
        return -1;
    }

    ScratchFolder m_folder;
};

TEST(GlobalFile, WritesAndReadsItsLayout)
{
    CQ3917GlobalData data;
    data.GetData()[9] = 0x21;
    FileBytes image = DefaultGlobalImage();
    image[9] = 0x21;

    CHfcMemoryOutputStream out(16, 256);
    ASSERT_TRUE(data.WriteToStream(out));
    const FileBytes written(out.GetBuffer(), out.GetBuffer() + out.GetDataSize());
    EXPECT_EQ(written.size(), 224u);
    EXPECT_EQ(written, GlobalFileBytes(image, 0, 0));

    FileBytes other = GlobalFileBytes(image, 2, 5);
    std::memset(&other[32 + 176], 0, 16);  // the stored digest is not trusted
    CQ3917GlobalData read;
    CHfcMemoryInputStream in(other.data(), static_cast<std::int64_t>(other.size()));
    ASSERT_TRUE(read.ReadFromStream(in));
    EXPECT_EQ(FileBytes(read.GetData(), read.GetData() + 164), image);
    EXPECT_EQ(read.GetVersion(), 2);
    EXPECT_EQ(read.GetKind(), 5);
    EXPECT_EQ(FileBytes(read.GetDigest(), read.GetDigest() + 16), Md5Of(image));

    for (const std::size_t cut : {std::size_t{6}, std::size_t{100}, std::size_t{200}}) {
        CQ3917GlobalData untouched;
        CHfcMemoryInputStream shortStream(other.data(), static_cast<std::int64_t>(cut));
        EXPECT_THROW(untouched.ReadFromStream(shortStream), CVpFileException) << cut;
        EXPECT_EQ(FileBytes(untouched.GetData(), untouched.GetData() + 164), DefaultGlobalImage()) << cut;
    }
    // The stream form stays out of memory blocks for global data.
    EXPECT_EQ(data.SaveToMemoryBlock(), nullptr);
}

TEST(LibraryPropertiesChunk, WritesAndReadsItsLayout)
{
    LibraryData library;
    for (int i = 0; i < 4; ++i)
        library.SetViewWord(i, kViewWords[i]);
    CHfcMemoryOutputStream out(16, 256);
    ASSERT_TRUE(WriteLibraryPropertiesChunk(out, library));
    const FileBytes written(out.GetBuffer(), out.GetBuffer() + out.GetDataSize());
    EXPECT_EQ(written, LibraryPropertiesBytes(kViewWords));

    LibraryData read;
    CHfcMemoryInputStream in(written.data(), static_cast<std::int64_t>(written.size()));
    ASSERT_TRUE(ReadLibraryPropertiesChunk(in, read));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(read.GetViewWord(i), kViewWords[i]);
}

TEST_F(AllDataFileTest, WritesItsLayoutWithTheChunksPresent)
{
    LibraryData library;
    FillDistinctive(library);
    library.GetProgramBank()->at(5).GetRegion().image[40] = 1;  // unsaved
    EXPECT_EQ(GetAllDataFileSize(library), 106048);
    FileBytes globalImage = DefaultGlobalImage();
    globalImage[0] = 0x10;
    const FileBytes expected = AllDataBytes({ProgramSetBytes(BankLayouts(*library.GetProgramBank()), 200),
                                             GlobalFileBytes(globalImage, 0, 0), LibraryPropertiesBytes(kViewWords)},
                                            3);
    const FileBytes written = WriteLibrary(library);
    EXPECT_EQ(written.size(), 106048u);
    EXPECT_EQ(written, expected);
    EXPECT_FALSE(library.GetProgramBank()->at(5).IsModified());

    // Without a bank or a global the header counts the chunks really there.
    LibraryData onlyGlobal;
    onlyGlobal.AddItem(LibraryDataItem::kGlobal);
    EXPECT_EQ(GetAllDataFileSize(onlyGlobal), 32 + 224 + 160);
    const std::int32_t defaults[4] = {0, 0, 1, 127};
    EXPECT_EQ(WriteLibrary(onlyGlobal),
              AllDataBytes({GlobalFileBytes(DefaultGlobalImage(), 0, 0), LibraryPropertiesBytes(defaults)}, 2));
    LibraryData empty;
    EXPECT_EQ(WriteLibrary(empty), AllDataBytes({LibraryPropertiesBytes(defaults)}, 1));
}

TEST_F(AllDataFileTest, RoundTripsAndReadsChunksInAnyOrder)
{
    LibraryData library;
    FillDistinctive(library);
    const FileBytes written = WriteLibrary(library);
    const FileBytes set(written.begin() + 32, written.begin() + 32 + 105632);
    const FileBytes global(written.begin() + 32 + 105632, written.begin() + 32 + 105632 + 224);
    const FileBytes properties(written.end() - 160, written.end());
    ByteBuilder unknown;
    AppendHeader(unknown, {"47300XyZ", 36, 10, 1, 3, 0, 1, 10});
    unknown.Fill(0x42, 10);

    struct Case
    {
        const char* what;
        FileBytes bytes;
    };
    const Case cases[] = {
        {"written order", written},
        {"reordered", AllDataBytes({properties, global, set}, 3)},
        {"unknown chunk first", AllDataBytes({unknown.Get(), set, global, properties}, 4)},
    };
    for (const Case& c : cases) {
        LibraryData read;
        read.SetModified(true);
        ASSERT_EQ(ReadLibrary(read, c.bytes), -1) << c.what;
        EXPECT_FALSE(read.IsModified()) << c.what;
        EXPECT_EQ(WriteLibrary(read), written) << c.what;
        EXPECT_EQ(read.GetProgramBank()->at(7).GetRegion().image[300], 7) << c.what;
        EXPECT_FALSE(read.GetProgramBank()->at(7).IsModified()) << c.what;
    }
}

TEST_F(AllDataFileTest, CountZeroGivesDefaults)
{
    LibraryData read;
    FillDistinctive(read);
    ASSERT_EQ(ReadLibrary(read, AllDataBytes({}, 0)), -1);
    ASSERT_EQ(read.GetItemCount(), 2);
    EXPECT_STREQ(read.GetProgramBank()->at(199).GetRegion().name, "INITPROG");
    EXPECT_EQ(FileBytes(read.GetGlobal()->GetData(), read.GetGlobal()->GetData() + 164), DefaultGlobalImage());
    EXPECT_EQ(read.GetViewWord(3), 127);
}

TEST_F(AllDataFileTest, DamagedFilesFailAndLeaveTheLibraryAlone)
{
    LibraryData source;
    FillDistinctive(source);
    const FileBytes written = WriteLibrary(source);
    const auto cut = [&](std::size_t size) { return FileBytes(written.begin(), written.begin() + static_cast<long>(size)); };
    const FileBytes properties(written.end() - 160, written.end());

    ByteBuilder zeroHeader;
    AppendHeader(zeroHeader, {"47300XyZ", 0, 0, 1, 3, 0, 1, 0});
    ByteBuilder negativeBody;
    AppendHeader(negativeBody, {"47300XyZ", 32, -64, 1, 3, 0, 1, 0});
    ByteBuilder pastTheEnd;
    AppendHeader(pastTheEnd, {"47300XyZ", 32, 5000, 1, 3, 0, 1, 0});
    FileBytes wrongMagic = written;
    wrongMagic[5] = 'p';

    struct Case
    {
        const char* what;
        FileBytes bytes;
        int code;
    };
    const Case cases[] = {
        {"empty", {}, CVpFileException::ReadData},
        {"cut in the magic", cut(4), CVpFileException::ReadData},
        {"cut in the header", cut(20), CVpFileException::DataSize},
        {"cut in the first program", cut(32 + 32 + 100), CVpFileException::DataSize},
        {"cut in the global chunk", cut(32 + 105632 + 100), CVpFileException::DataSize},
        {"cut before the last chunk", cut(written.size() - 160), CVpFileException::DataSize},
        {"cut in the last chunk", cut(written.size() - 1), CVpFileException::DataSize},
        {"wrong magic", wrongMagic, CVpFileException::InvalidId},
        {"chunk header of 0", AllDataBytes({zeroHeader.Get(), properties}, 2), CVpFileException::DataSize},
        {"negative chunk body", AllDataBytes({negativeBody.Get(), properties}, 2), CVpFileException::DataSize},
        {"chunk past the end", AllDataBytes({pastTheEnd.Get(), properties}, 2), CVpFileException::DataSize},
    };
    for (const Case& c : cases) {
        LibraryData library;
        library.AddItem(LibraryDataItem::kGlobal)->global->GetData()[3] = 0x55;
        library.SetPath("/kept/path");
        library.SetModified(true);
        EXPECT_EQ(ReadLibrary(library, c.bytes), c.code) << c.what;
        EXPECT_EQ(library.GetItemCount(), 1) << c.what;
        EXPECT_EQ(library.GetGlobal()->GetData()[3], 0x55) << c.what;
        EXPECT_TRUE(library.IsModified()) << c.what;
        EXPECT_EQ(library.GetPath(), juce::String("/kept/path")) << c.what;
    }
}

TEST_F(AllDataFileTest, ReadingStopsAtTheEndOfTheBody)
{
    LibraryData source;
    FillDistinctive(source);
    const FileBytes written = WriteLibrary(source);
    const FileBytes properties(written.end() - 160, written.end());
    // A count larger than the chunks: reading ends with the body, not past it.
    LibraryData read;
    ASSERT_EQ(ReadLibrary(read, AllDataBytes({properties}, 1000000)), -1);
    EXPECT_EQ(read.GetViewWord(0), kViewWords[0]);
}

}  // namespace
