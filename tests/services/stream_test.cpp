#include "ScratchFile.h"
#include "TraceRecorder.h"

#include "framework/services/HfcFileStreams.h"
#include "framework/services/HfcMemoryStreams.h"
#include "framework/services/HfcResourceFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// The same bytes as the "StreamBytes" resource.
const Bytes kStreamBytes = {
    0x12, 0x34, 0x56, 0x78,                          // 0: integers
    0x00, 0x00, 0xC0, 0x3F,                          // 4: 1.5f
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F,  // 8: 1.5
    0x00, 0x01, 0xFF,                                // 16: booleans
    0xAB,                                            // 19: the last byte
};

// An input stream over kStreamBytes together with whatever it reads from.
struct Source
{
    virtual ~Source() = default;
    virtual CHfcInputStream& stream() = 0;
};

struct FileSource : Source
{
    explicit FileSource(const Bytes& bytes) : path(folder.WriteFile("input", bytes)) {}
    CHfcInputStream& stream() override { return input; }
    ScratchFolder folder;
    std::string path;
    CHfcFile file;
    bool opened = file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary);
    CHfcFileInputStream input{file};
};

struct ResourceSource : Source
{
    explicit ResourceSource(const char* name) : opened(file.OpenResource("TESTDATA", name, 0)) {}
    CHfcInputStream& stream() override { return input; }
    CHfcResourceFile file;
    bool opened;
    CHfcFileInputStream input{file};
};

struct MemorySource : Source
{
    explicit MemorySource(const Bytes& bytes) : bytes(bytes) {}
    CHfcInputStream& stream() override { return input; }
    Bytes bytes;
    CHfcMemoryInputStream input{bytes.data(), static_cast<std::int64_t>(bytes.size())};
};

struct SourceKind
{
    const char* name;
    std::function<std::unique_ptr<Source>()> make;
    std::int64_t size;  // file streams report the length minus one
};

const SourceKind kSources[] = {
    {"file", [] { return std::make_unique<FileSource>(kStreamBytes); }, 19},
    {"resource", [] { return std::make_unique<ResourceSource>("StreamBytes"); }, 19},
    {"memory", [] { return std::make_unique<MemorySource>(kStreamBytes); }, 20},
};

TEST(InputStreams, ResourceFixtureMatchesTheBytes)
{
    CHfcResourceFile file;
    ASSERT_TRUE(file.OpenResource("TESTDATA", "StreamBytes", 0));
    Bytes bytes(32);
    bytes.resize(static_cast<std::size_t>(file.Read(bytes.data(), 32)));
    EXPECT_EQ(bytes, kStreamBytes);
}

TEST(InputStreams, TypedReadsAgreeOverEverySource)
{
    struct Case
    {
        const char* what;
        std::int64_t start;
        std::function<double(CHfcInputStream&)> read;
        double expected;
        std::int64_t after;
    };
    const Case cases[] = {
        {"UInt8", 0, [](CHfcInputStream& s) { return s.ReadUInt8(); }, 0x12, 1},
        {"UInt16", 0, [](CHfcInputStream& s) { return s.ReadUInt16(); }, 0x3412, 2},
        {"UInt16BE", 0, [](CHfcInputStream& s) { return s.ReadUInt16BE(); }, 0x1234, 2},
        {"UInt32", 0, [](CHfcInputStream& s) { return s.ReadUInt32(); }, 0x78563412u, 4},
        {"UInt32BE", 0, [](CHfcInputStream& s) { return s.ReadUInt32BE(); }, 0x12345678u, 4},
        {"UInt32 high bit", 16, [](CHfcInputStream& s) { return s.ReadUInt32(); }, 0xABFF0100u, 20},
        {"Float", 4, [](CHfcInputStream& s) { return s.ReadFloat(); }, 1.5, 8},
        {"Double", 8, [](CHfcInputStream& s) { return s.ReadDouble(); }, 1.5, 16},
        {"Bool 00", 16, [](CHfcInputStream& s) { return s.ReadBool(); }, 0, 17},
        {"Bool 01", 17, [](CHfcInputStream& s) { return s.ReadBool(); }, 1, 18},
        {"Bool FF", 18, [](CHfcInputStream& s) { return s.ReadBool(); }, 1, 19},
        {"last UInt8", 19, [](CHfcInputStream& s) { return s.ReadUInt8(); }, 0xAB, 20},
        {"short UInt16", 19, [](CHfcInputStream& s) { return s.ReadUInt16(); }, 0, 20},
        {"short UInt16BE", 19, [](CHfcInputStream& s) { return s.ReadUInt16BE(); }, 0, 20},
        {"short UInt32", 17, [](CHfcInputStream& s) { return s.ReadUInt32(); }, 0, 20},
        {"short UInt32BE", 18, [](CHfcInputStream& s) { return s.ReadUInt32BE(); }, 0, 20},
        {"short Double", 13, [](CHfcInputStream& s) { return s.ReadDouble(); }, 0, 20},
    };
    for (const SourceKind& kind : kSources) {
        for (const Case& c : cases) {
            auto source = kind.make();
            CHfcInputStream& stream = source->stream();
            ASSERT_TRUE(stream.SetPosition(c.start)) << kind.name;
            EXPECT_EQ(c.read(stream), c.expected) << kind.name << ": " << c.what;
            EXPECT_EQ(stream.GetPosition(), c.after) << kind.name << ": " << c.what;
        }
    }
}

TEST(InputStreams, SizeEndAndSkipClamp)
{
    for (const SourceKind& kind : kSources) {
        auto source = kind.make();
        CHfcInputStream& stream = source->stream();
        EXPECT_EQ(stream.GetSize(), kind.size) << kind.name;
        EXPECT_EQ(stream.GetPosition(), 0) << kind.name;
        EXPECT_FALSE(stream.IsEndOfStream()) << kind.name;

        ASSERT_TRUE(stream.SetPosition(10));
        EXPECT_TRUE(stream.Skip(3)) << kind.name;
        EXPECT_EQ(stream.GetPosition(), 13) << kind.name;
        stream.Skip(500);
        EXPECT_EQ(stream.GetPosition(), kind.size) << kind.name << ": Skip stops at the size";
        EXPECT_TRUE(stream.IsEndOfStream()) << kind.name;
    }
}

TEST(InputStreams, FileStreamStartsWhereTheFileIs)
{
    FileSource source(kStreamBytes);
    ASSERT_TRUE(source.file.Seek(5, CHfcFile::kFromStart));
    CHfcFileInputStream stream(source.file);
    EXPECT_EQ(stream.GetPosition(), 5);
    EXPECT_EQ(stream.GetSize(), 19);
}

TEST(InputStreams, EmptyFileOrResourceReportsSizeZero)
{
    const std::function<std::unique_ptr<Source>()> makers[] = {
        [] { return std::make_unique<FileSource>(Bytes{}); },
        [] { return std::make_unique<ResourceSource>("Empty"); },
    };
    for (const auto& make : makers) {
        // The diagnostic goes to the trace, never into standard output.
        TraceRecorder trace;
        ::testing::internal::CaptureStdout();
        auto source = make();
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(trace.lines(), std::vector<std::string>{"CHfcFileInputStream - Failed to set current position."});
        CHfcInputStream& stream = source->stream();
        EXPECT_EQ(stream.GetSize(), 0);
        EXPECT_EQ(stream.ReadUInt32(), 0u);
        EXPECT_TRUE(stream.IsEndOfStream());
    }
}

TEST(InputStreams, FilePositionsBeyond32BitsAreRefused)
{
    FileSource source(kStreamBytes);
    ASSERT_TRUE(source.input.SetPosition(7));
    // 2^32 + 3 would wrap to 3 in a 32-bit seek.
    EXPECT_FALSE(source.input.SetPosition((std::int64_t{1} << 32) + 3));
    EXPECT_FALSE(source.input.SetPosition(-1));
    EXPECT_EQ(source.input.GetPosition(), 7);
}

TEST(InputStreams, ClosedFileReadsNothing)
{
    CHfcFile closed;
    CHfcFileInputStream stream(closed);
    char byte = 0;
    EXPECT_EQ(stream.GetSize(), 0);
    EXPECT_EQ(stream.GetPosition(), 0);
    EXPECT_EQ(stream.Read(&byte, 1), 0);
    EXPECT_FALSE(stream.SetPosition(0));
    EXPECT_FALSE(stream.IsEndOfStream());
}

TEST(InputStreams, MemoryPositionStaysInsideTheBytes)
{
    MemorySource source(kStreamBytes);
    CHfcInputStream& stream = source.stream();
    EXPECT_TRUE(stream.SetPosition(-5));
    EXPECT_EQ(stream.GetPosition(), 0);
    EXPECT_EQ(stream.ReadUInt8(), 0x12);
    stream.Skip(-100);
    EXPECT_EQ(stream.GetPosition(), 0);
    EXPECT_TRUE(stream.SetPosition(50));
    EXPECT_EQ(stream.GetPosition(), 20);
    char buffer[4];
    EXPECT_EQ(stream.Read(buffer, 4), 0);
    EXPECT_EQ(stream.Read(buffer, 0), 0);
}

}  // namespace
