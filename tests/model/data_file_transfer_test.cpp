// A data object's stream form written to and read from an open file at its
// current position: the file stays open where the chunk ends, and the data's
// file exceptions reach the caller.
#include "model/DataFileTransfer.h"

#include "model/Global.h"
#include "model/VpException.h"
#include "services/ScratchFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A four-byte image behind an eight-byte magic, failing the way the data
// objects do.
class TinyData final : public CVpData
{
public:
    std::uint8_t image[4] = {};

    bool WriteToStream(CHfcOutputStream& stream) const override
    {
        if (!stream.Write(GetMagic(), 8) || !stream.Write(image, sizeof image))
            throw CVpFileException(CVpFileException::WriteData);
        return true;
    }
    bool ReadFromStream(CHfcInputStream& stream) override
    {
        char magic[8];
        if (stream.Read(magic, sizeof magic) != 8)
            throw CVpFileException(CVpFileException::ReadData);
        if (std::memcmp(magic, GetMagic(), 8) != 0)
            throw CVpFileException(CVpFileException::InvalidId);
        return stream.Read(image, sizeof image) == sizeof image;
    }
    std::int32_t GetStreamSize() const override { return 12; }
    const char* GetMagic() const override { return "TinyData"; }
    std::uint8_t* GetData() override { return image; }
    const std::uint8_t* GetData() const override { return image; }
    std::int32_t GetDataSize() const override { return sizeof image; }
};

std::int32_t PositionOf(const CHfcFile& file)
{
    std::int32_t position = -1;
    EXPECT_TRUE(file.GetPosition(position));
    return position;
}

class DataFileTransferTest : public testing::Test
{
protected:
    ScratchFolder folder;
    std::string path = folder.File("chunks.bin");
};

TEST_F(DataFileTransferTest, ChunksFollowWhatIsAlreadyInTheFile)
{
    TinyData first, second;
    std::memcpy(first.image, "\x01\x02\x03\x04", 4);
    std::memcpy(second.image, "\xAA\xBB\xCC\xDD", 4);
    {
        CHfcFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kWrite | CHfcFile::kBinary));
        ASSERT_EQ(file.Write("HEAD", 4), 4);
        EXPECT_TRUE(WriteDataToFile(first, file));
        EXPECT_EQ(PositionOf(file), 16);
        EXPECT_TRUE(WriteDataToFile(second, file));
        EXPECT_TRUE(file.IsOpen());
        EXPECT_EQ(PositionOf(file), 28);
    }
    const std::vector<unsigned char> expected = {'H', 'E', 'A', 'D', 'T',  'i',  'n',  'y', 'D', 'a',
                                                 't', 'a', 1,   2,   3,    4,    'T',  'i', 'n', 'y',
                                                 'D', 'a', 't', 'a', 0xAA, 0xBB, 0xCC, 0xDD};
    EXPECT_EQ(ScratchFolder::ReadFile(path), expected);

    CHfcFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
    ASSERT_TRUE(file.Seek(16, CHfcFile::kFromStart));
    TinyData read;
    EXPECT_TRUE(ReadDataFromFile(read, file));
    EXPECT_EQ(std::memcmp(read.image, second.image, 4), 0);
    EXPECT_EQ(PositionOf(file), 28);
}

TEST_F(DataFileTransferTest, FileExceptionsPassThroughAndLeaveTheFileOpen)
{
    folder.WriteFile("chunks.bin", {'H', 'E', 'A', 'D', 'O', 't', 'h', 'e', 'r', 'M', 'a', 'g', 1, 2, 3, 4});
    CHfcFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
    ASSERT_TRUE(file.Seek(4, CHfcFile::kFromStart));
    TinyData data;
    try {
        ReadDataFromFile(data, file);
        ADD_FAILURE() << "a wrong magic must raise";
    } catch (const CVpFileException& exception) {
        EXPECT_EQ(exception.GetCode(), CVpFileException::InvalidId);
    }
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(PositionOf(file), 12) << "left where the stream stopped";

    // A file open for reading refuses the write.
    try {
        WriteDataToFile(data, file);
        ADD_FAILURE() << "a failed write must raise";
    } catch (const CVpFileException& exception) {
        EXPECT_EQ(exception.GetCode(), CVpFileException::WriteData);
    }
    EXPECT_TRUE(file.IsOpen());
}

// The all-data files carry the global data as such a chunk: 224 bytes
// behind the magic "47300GbD".
TEST_F(DataFileTransferTest, TheGlobalDataChunkGoesThroughAFile)
{
    CGlobal written;
    written.Initialize();
    written.GetData()[17] = 0x5A;
    {
        CHfcFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kWrite | CHfcFile::kBinary));
        ASSERT_EQ(file.Write("HEAD", 4), 4);
        EXPECT_TRUE(WriteDataToFile(written, file));
        EXPECT_EQ(PositionOf(file), 4 + 224);
    }
    const std::vector<unsigned char> bytes = ScratchFolder::ReadFile(path);
    ASSERT_EQ(bytes.size(), 4u + 224u);
    EXPECT_EQ(std::string(bytes.begin() + 4, bytes.begin() + 12), "47300GbD");

    CHfcFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
    ASSERT_TRUE(file.Seek(4, CHfcFile::kFromStart));
    CGlobal read;
    EXPECT_TRUE(ReadDataFromFile(read, file));
    EXPECT_EQ(std::memcmp(read.GetData(), written.GetData(), CGlobal::kImageSize), 0);
}

}  // namespace
