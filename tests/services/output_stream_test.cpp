#include "ScratchFile.h"

#include "framework/services/HfcFileStreams.h"
#include "framework/services/HfcMemoryStreams.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct WriteCase
{
    const char* what;
    std::function<void(CHfcOutputStream&)> write;
    Bytes bytes;
};

const std::vector<WriteCase>& WriteCases()
{
    static const std::vector<WriteCase> cases = {
        {"UInt8", [](CHfcOutputStream& s) { s.WriteUInt8(0x9C); }, {0x9C}},
        {"UInt16", [](CHfcOutputStream& s) { s.WriteUInt16(0x1234); }, {0x34, 0x12}},
        {"UInt16BE", [](CHfcOutputStream& s) { s.WriteUInt16BE(0x1234); }, {0x12, 0x34}},
        {"UInt32", [](CHfcOutputStream& s) { s.WriteUInt32(0x89ABCDEFu); }, {0xEF, 0xCD, 0xAB, 0x89}},
        {"UInt32BE", [](CHfcOutputStream& s) { s.WriteUInt32BE(0x89ABCDEFu); }, {0x89, 0xAB, 0xCD, 0xEF}},
        {"Float", [](CHfcOutputStream& s) { s.WriteFloat(-2.0f); }, {0x00, 0x00, 0x00, 0xC0}},
        {"Double", [](CHfcOutputStream& s) { s.WriteDouble(1.5); }, {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}},
        {"Bool true", [](CHfcOutputStream& s) { s.WriteBool(true); }, {0xFF}},
        {"Bool false", [](CHfcOutputStream& s) { s.WriteBool(false); }, {0x00}},
        {"RepeatedByte", [](CHfcOutputStream& s) { s.WriteRepeatedByte(0x5A, 3); }, {0x5A, 0x5A, 0x5A}},
        {"RepeatedByte none", [](CHfcOutputStream& s) { s.WriteRepeatedByte(0x5A, 0); }, {}},
        {"Printf", [](CHfcOutputStream& s) { PrintfToStream(s, "%d\t", 7); }, {'7', '\t'}},
    };
    return cases;
}

TEST(OutputStreams, TypedWritesIntoMemory)
{
    for (const WriteCase& c : WriteCases()) {
        CHfcMemoryOutputStream stream(0, 16);
        c.write(stream);
        EXPECT_EQ(Bytes(stream.GetBuffer(), stream.GetBuffer() + stream.GetDataSize()), c.bytes) << c.what;
        EXPECT_EQ(stream.GetSize(), static_cast<std::int64_t>(c.bytes.size())) << c.what;
    }
}

TEST(OutputStreams, TypedWritesIntoAFile)
{
    ScratchFolder folder;
    for (const WriteCase& c : WriteCases()) {
        const std::string path = folder.File("output");
        {
            CHfcFile file;
            ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kWrite | CHfcFile::kBinary));
            CHfcFileOutputStream stream(file);
            c.write(stream);
            EXPECT_EQ(stream.GetSize(), static_cast<std::int64_t>(c.bytes.size())) << c.what;
        }
        EXPECT_EQ(ScratchFolder::ReadFile(path), c.bytes) << c.what;
    }
}

TEST(OutputStreams, FileStreamCountsFromItsStartPosition)
{
    ScratchFolder folder;
    const std::string path = folder.WriteFile("output", Bytes{'h', 'e', 'a', 'd', ':'});
    CHfcFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kReadWrite | CHfcFile::kBinary));
    ASSERT_TRUE(file.Seek(0, CHfcFile::kFromEnd));
    CHfcFileOutputStream stream(file);
    EXPECT_EQ(stream.GetSize(), 0);
    EXPECT_EQ(stream.GetPosition(), 5);

    EXPECT_TRUE(stream.Write("abc", 3));
    EXPECT_EQ(stream.GetSize(), 3);
    EXPECT_EQ(stream.GetPosition(), 8);
    EXPECT_TRUE(stream.SetPosition(6));  // absolute, inside what was written
    EXPECT_TRUE(stream.Write("X", 1));
    EXPECT_EQ(stream.GetSize(), 3) << "rewriting inside does not grow";
    EXPECT_TRUE(stream.Write("YZW", 3));
    EXPECT_EQ(stream.GetSize(), 5);
    file.Close();
    EXPECT_EQ(ScratchFolder::ReadFile(path), (Bytes{'h', 'e', 'a', 'd', ':', 'a', 'X', 'Y', 'Z', 'W'}));

    EXPECT_FALSE(stream.Write("x", 1));
    EXPECT_FALSE(stream.SetPosition(0));
    EXPECT_EQ(stream.GetPosition(), 0);
}

TEST(OutputStreams, FileStreamReportsAFailedWrite)
{
    ScratchFolder folder;
    const std::string path = folder.WriteFile("readonly", Bytes{1, 2});
    CHfcFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
    CHfcFileOutputStream stream(file);
    EXPECT_FALSE(stream.WriteUInt16(7));
    EXPECT_EQ(stream.GetSize(), 0);
}

TEST(OutputStreams, MemoryStreamGrowsInSteps)
{
    struct Case
    {
        std::int64_t step;
        std::vector<int> writes;
        std::vector<int> capacities;  // after each write
    };
    const Case cases[] = {
        {16, {10, 5}, {16, 32}},             // 10 + 1 -> 16; 15 + 1 = 16 -> 32
        {4, {10, 5}, {16, 32}},              // steps below 16 are raised to 16
        {100, {1, 97, 1}, {100, 100, 200}},  // 99 fits in 100; 100 needs 200
        {16, {0}, {16}},
    };
    for (const Case& c : cases) {
        CHfcMemoryOutputStream stream(0, c.step);
        for (std::size_t i = 0; i < c.writes.size(); ++i) {
            const Bytes bytes(static_cast<std::size_t>(c.writes[i]), 0xEE);
            EXPECT_TRUE(stream.Write(bytes.data(), c.writes[i]));
            EXPECT_EQ(stream.GetCapacity(), c.capacities[i]) << "step " << c.step << " write " << i;
        }
    }
}

TEST(OutputStreams, MemoryStreamPositions)
{
    CHfcMemoryOutputStream stream(0, 16);
    ASSERT_TRUE(stream.Write("abc", 3));
    EXPECT_FALSE(stream.SetPosition(5));
    EXPECT_FALSE(stream.SetPosition(-1));
    EXPECT_EQ(stream.GetPosition(), 3);
    EXPECT_TRUE(stream.SetPosition(1));
    EXPECT_TRUE(stream.Write("Z", 1));
    EXPECT_EQ(stream.GetSize(), 3);
    EXPECT_TRUE(stream.SetPosition(3));
    EXPECT_TRUE(stream.Write("de", 2));
    EXPECT_EQ(stream.GetSize(), 5);
    EXPECT_STREQ(reinterpret_cast<const char*>(stream.GetBuffer()), "aZcde");
    EXPECT_FALSE(stream.Write("x", -1));
}

TEST(OutputStreams, MemoryBufferIsTerminatedEvenWhenNeverWritten)
{
    CHfcMemoryOutputStream empty(0, 16);
    ASSERT_NE(empty.GetBuffer(), nullptr);
    EXPECT_EQ(empty.GetBuffer()[0], 0);
    EXPECT_EQ(empty.GetDataSize(), 0);

    CHfcMemoryOutputStream preset(8, 16);  // capacity given, contents undefined
    EXPECT_EQ(preset.GetBuffer()[0], 0);
}

TEST(OutputStreams, PrintfWritesAtMost1023Characters)
{
    CHfcMemoryOutputStream stream(0, 256);
    const std::string longText(2000, 'q');
    EXPECT_TRUE(PrintfToStream(stream, "%s", longText.c_str()));
    EXPECT_EQ(stream.GetSize(), 1023);
}

}  // namespace
