// Global and library-properties chunks and the all-data file through real
// files: layouts built byte by byte, round trips, chunk order, damaged files.
#include "framework/services/HfcMemoryStreams.h"
#include "model/AllDataFile.h"
#include "model/DataFileTransfer.h"
#include "model/LibraryPropertiesChunk.h"
#include "model/VpException.h"
#include "services/ScratchFile.h"
#include "support/EditorFileLayouts.h"

#include <platform/file_names.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

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

    struct Case
    {
        const char* what;
        FileBytes bytes;
        int code;
    };

    // Each file is refused with its code and leaves a library, its path and
    // its modified flag as they were.
    template <std::size_t N>
    void ExpectRefused(const Case (&cases)[N]) const
    {
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
    const auto cut = [&](std::size_t size) {
        return FileBytes(written.begin(), written.begin() + static_cast<long>(size));
    };
    const FileBytes properties(written.end() - 160, written.end());

    ByteBuilder zeroHeader;
    AppendHeader(zeroHeader, {"47300XyZ", 0, 0, 1, 3, 0, 1, 0});
    ByteBuilder hugeBody;
    AppendHeader(hugeBody, {"47300XyZ", 32, -64, 1, 3, 0, 1, 0});
    ByteBuilder pastTheEnd;
    AppendHeader(pastTheEnd, {"47300XyZ", 32, 5000, 1, 3, 0, 1, 0});
    FileBytes wrongMagic = written;
    wrongMagic[5] = 'p';

    // A file that ends early failed to be read; its sizes may be right.
    const Case cases[] = {
        {"empty", {}, CVpFileException::ReadData},
        {"cut in the magic", cut(4), CVpFileException::ReadData},
        {"cut in the header", cut(20), CVpFileException::ReadData},
        {"cut after the header", cut(32), CVpFileException::ReadData},
        {"cut in the first program", cut(32 + 32 + 100), CVpFileException::ReadData},
        {"cut in the global chunk", cut(32 + 105632 + 100), CVpFileException::ReadData},
        {"cut before the last chunk", cut(written.size() - 160), CVpFileException::ReadData},
        {"cut in the last chunk", cut(written.size() - 1), CVpFileException::ReadData},
        {"wrong magic", wrongMagic, CVpFileException::InvalidId},
        {"chunk header of 0", AllDataBytes({zeroHeader.Get(), properties}, 2), CVpFileException::DataSize},
        {"chunk body of 2^32 - 64", AllDataBytes({hugeBody.Get(), properties}, 2), CVpFileException::DataSize},
        {"chunk past the end", AllDataBytes({pastTheEnd.Get(), properties}, 2), CVpFileException::DataSize},
    };
    ExpectRefused(cases);
}

TEST_F(AllDataFileTest, SizesThatDoNotAddUpAreRefused)
{
    LibraryData source;
    FillDistinctive(source);
    const FileBytes written = WriteLibrary(source);
    const FileBytes set(written.begin() + 32, written.begin() + 32 + 105632);
    const FileBytes global(written.begin() + 32 + 105632, written.begin() + 32 + 105632 + 224);
    const FileBytes properties(written.end() - 160, written.end());

    // The written chunks behind a header whose body size or count lies.
    const auto behind = [&](std::uint32_t bodySize, std::int32_t count) {
        ByteBuilder bytes;
        AppendHeader(bytes, {"47300AlD", 32, static_cast<std::int32_t>(bodySize), 1, 3, 0, count, 0});
        return bytes.Bytes(set).Bytes(global).Bytes(properties).Get();
    };
    // A chunk whose own body size swallows the chunk after it.
    const auto swallowing = [](FileBytes chunk, std::uint32_t bodySize) {
        for (int i = 0; i < 4; ++i)
            chunk[static_cast<std::size_t>(10 + i)] = static_cast<std::uint8_t>(bodySize >> (8 * i));
        return chunk;
    };
    ByteBuilder trailing;
    trailing.Bytes(set).Bytes(global).Bytes(properties).Fill(0xFF, 10);

    const Case cases[] = {
        {"file body of 0", behind(0, 3), CVpFileException::DataSize},
        {"file body of the set only", behind(105632, 3), CVpFileException::DataSize},
        {"file body of the set and global", behind(105856, 3), CVpFileException::DataSize},
        {"file body of 2^31", behind(0x80000000u, 3), CVpFileException::ReadData},
        {"file body of 2^32 - 1", behind(0xFFFFFFFFu, 3), CVpFileException::ReadData},
        {"set body over the global chunk", AllDataBytes({swallowing(set, 105600 + 224), global, properties}, 3),
         CVpFileException::DataSize},
        {"global body over the properties", AllDataBytes({set, swallowing(global, 192 + 160), properties}, 3),
         CVpFileException::DataSize},
        {"count below the chunks", AllDataBytes({set, global, properties}, 2), CVpFileException::DataSize},
        {"count above the chunks", AllDataBytes({set, global, properties}, 4), CVpFileException::DataSize},
        {"count far above the chunks", AllDataBytes({properties}, 1000000), CVpFileException::DataSize},
        {"negative count", AllDataBytes({properties}, -1), CVpFileException::DataSize},
        {"count 0 with a chunk", AllDataBytes({properties}, 0), CVpFileException::DataSize},
        {"bytes after the last chunk", AllDataBytes({trailing.Get()}, 3), CVpFileException::DataSize},
    };
    ExpectRefused(cases);

    // The same chunks with honest sizes load.
    LibraryData read;
    ASSERT_EQ(ReadLibrary(read, behind(105632 + 224 + 160, 3)), -1);
    EXPECT_EQ(WriteLibrary(read), written);
}

}  // namespace

namespace {

TEST(AllDataFileProblem, SaysWhyAFileIsNoLibraryToOpen)
{
    ScratchFolder folder;
    const FileBytes magic = {'4', '7', '3', '0', '0', 'A', 'l', 'D'};
    struct Case
    {
        const char* what;
        std::string path;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"a library", folder.WriteFile("good", magic), ""},
        {"a library named by bytes that are not UTF-8",
         platform::FileNameText(folder.WriteFile("\xFF\xFE.vq700z_all", magic)), ""},
        {"missing", folder.File("missing"), "No such file or directory"},
        {"a folder", folder.path().string(), "Is a directory"},
        {"too short", folder.WriteFile("short", FileBytes(magic.begin(), magic.end() - 1)),
         "Not a VQ-700Z library file"},
        {"another magic", folder.WriteFile("other", {'3', '9', '1', '8', 'A', 'l', 'l', 'D'}),
         "Not a VQ-700Z library file"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AllDataFileProblem(c.path.c_str()), c.problem) << c.what;
        EXPECT_EQ(IsAllDataFile(c.path.c_str()), c.problem.empty()) << c.what;
    }

    const std::string locked = folder.WriteFile("locked", magic);
    ::chmod(locked.c_str(), 0);
    if (::access(locked.c_str(), R_OK) != 0) {  // not when the tests run as root
        EXPECT_EQ(AllDataFileProblem(locked.c_str()), "Permission denied");
    }
}

}  // namespace
