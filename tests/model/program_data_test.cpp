// The program's image, texts and its 528-byte stream form.
#include "framework/services/HfcMemoryStreams.h"
#include "model/Q3917ProgramData.h"
#include "model/VpException.h"
#include "support/ByteBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kImageSize = 352;

// A recognisable image: every byte differs from its neighbours, named "PAD LUSH".
Bytes FixtureImage()
{
    Bytes image(kImageSize);
    for (int i = 0; i < kImageSize; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 + 11);
    std::memcpy(image.data(), "PAD LUSH", 8);
    return image;
}

Bytes FromHex(const char* hex)
{
    Bytes bytes;
    for (std::size_t i = 0; hex[i] != '\0'; i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex + i, 2), nullptr, 16)));
    return bytes;
}

// MD5 sums worked out with a separate tool.
const Bytes kFixtureDigest = FromHex("80f861e807b4194ac8a1edb091ddd2ff");
const Bytes kZeroImageDigest = FromHex("c1eb90438323ae0a11bfc963d464fede");

struct StreamLayout
{
    std::uint16_t headerSize = 32;
    std::uint32_t bodySize = 496;
    std::uint16_t version = 1;
    std::uint16_t kind = 3;
    std::uint16_t headerWord = 0;
    Bytes image = FixtureImage();
    Bytes digest = kFixtureDigest;
    std::string programmer = "Night Owl";
    std::string comment = "Warm strings with a slow attack";
    std::uint8_t priority = 4;
    std::uint8_t category = 3;
};

// The stream form as the layout describes it; header and body sizes beyond
// the standard ones are filled with 0xEE; negative sizes add nothing.
Bytes BuildStream(const StreamLayout& layout)
{
    ByteBuilder bytes;
    bytes.Text("47300PgD").U16(layout.headerSize).U32(layout.bodySize);
    bytes.U16(layout.version).U16(layout.kind).U16(layout.headerWord);
    bytes.U32(1).U32(496).Fill(0xFF, 4);
    const auto headerSize = static_cast<std::int16_t>(layout.headerSize);
    if (headerSize > 32)
        bytes.Fill(0xEE, static_cast<std::size_t>(headerSize - 32));
    bytes.Bytes(layout.image).Fill(0xFF, 16).Bytes(layout.digest);
    bytes.Field(layout.programmer, 24, ' ').Field(layout.comment, 64, ' ');
    bytes.U8(layout.priority).U8(layout.category).Fill(0xFF, 22);
    const auto bodySize = static_cast<std::int32_t>(layout.bodySize);
    if (bodySize > 496)
        bytes.Fill(0xEE, static_cast<std::size_t>(bodySize - 496));
    return bytes.Get();
}

Bytes Image(const CVpData& data)
{
    return Bytes(data.GetData(), data.GetData() + data.GetDataSize());
}

Bytes Digest(const CVpData& data)
{
    return Bytes(data.GetDigest(), data.GetDigest() + CVpData::kDigestSize);
}

std::string Padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

// The program as the fixture stream describes it, built through the setters.
void FillLikeFixture(CQ3917ProgramData& program)
{
    const Bytes image = FixtureImage();
    std::memcpy(program.GetData(), image.data(), image.size());
    program.SetProgrammerName(Padded("Night Owl", 24).c_str());
    program.SetComment(Padded("Warm strings with a slow attack", 64).c_str());
    program.SetPriority(4);
    program.SetCategory(3);
    program.SetVersion(1);
    program.SetKind(3);
    program.SetHeaderWord(0);
    program.UpdateDigest();
}

Bytes Write(const CVpData& data)
{
    CHfcMemoryOutputStream stream(16, 16);
    EXPECT_TRUE(data.WriteToStream(stream));
    return Bytes(stream.GetBuffer(), stream.GetBuffer() + stream.GetDataSize());
}

int ReadFailure(CVpData& data, const Bytes& bytes)
{
    CHfcMemoryInputStream stream(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    try {
        data.ReadFromStream(stream);
    } catch (const CVpFileException& e) {
        return e.GetCode();
    }
    return -1;
}

// Everything a failed read must leave as it was.
struct Snapshot
{
    Bytes image;
    Bytes digest;
    std::string programmer;
    std::string comment;
    std::int32_t priority;
    std::int32_t category;
    std::int32_t version;
    std::int32_t kind;

    explicit Snapshot(const CQ3917ProgramData& p)
        : image(Image(p)), digest(Digest(p)), programmer(p.GetProgrammerName()), comment(p.GetComment()),
          priority(p.GetPriority()), category(p.GetCategory()), version(p.GetVersion()), kind(p.GetKind())
    {}
    bool operator==(const Snapshot&) const = default;
};

// Accepts a number of bytes, then refuses every write.
class FailingOutputStream : public CHfcOutputStream
{
public:
    explicit FailingOutputStream(int capacity) : m_capacity(capacity) {}
    std::int64_t GetSize() const override { return m_written; }
    std::int64_t GetPosition() const override { return m_written; }
    bool SetPosition(std::int64_t) override { return false; }
    bool Write(const void*, int count) override
    {
        if (m_written + count > m_capacity)
            return false;
        m_written += count;
        return true;
    }

private:
    int m_capacity;
    int m_written = 0;
};

TEST(ProgramStream, WritesTheLayoutByteForByte)
{
    CQ3917ProgramData program;
    FillLikeFixture(program);
    EXPECT_EQ(Digest(program), kFixtureDigest);
    EXPECT_EQ(Write(program), BuildStream({}));
    EXPECT_EQ(program.GetStreamSize(), 528);
}

TEST(ProgramStream, ReadsEveryFieldAndWritesTheSameBytesBack)
{
    const Bytes fixture = BuildStream({});
    CQ3917ProgramData program;
    CHfcMemoryInputStream stream(fixture.data(), static_cast<std::int64_t>(fixture.size()));
    ASSERT_TRUE(program.ReadFromStream(stream));

    EXPECT_EQ(stream.GetPosition(), 528);
    EXPECT_EQ(Image(program), FixtureImage());
    EXPECT_EQ(program.GetProgrammerName(), Padded("Night Owl", 24));
    EXPECT_EQ(program.GetComment(), Padded("Warm strings with a slow attack", 64));
    EXPECT_EQ(program.GetPriority(), 4);
    EXPECT_EQ(program.GetCategory(), 3);
    EXPECT_EQ(program.GetVersion(), 1);
    EXPECT_EQ(program.GetKind(), 3);
    EXPECT_STREQ(program.GetProgramName(), "PAD LUSH");
    EXPECT_EQ(Write(program), fixture);
}

TEST(ProgramStream, HeaderVariants)
{
    struct Case
    {
        const char* what;
        std::uint16_t headerSize;
        std::uint32_t bodySize;
        int failure;  // -1 when the read succeeds
    };
    const Case cases[] = {
        {"standard", 32, 496, -1},
        {"longer header, record read after it", 40, 496, -1},
        {"longer body, skipped", 32, 520, -1},
        {"header too short", 16, 496, CVpFileException::DataSize},
        {"header one short", 31, 496, CVpFileException::DataSize},
        {"negative header", 0xFFE0, 496, CVpFileException::DataSize},
        {"body under a record", 32, 400, CVpFileException::DataSize},
        {"negative body", 32, 0xFFFFFFF0, CVpFileException::DataSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StreamLayout layout;
        layout.headerSize = c.headerSize;
        layout.bodySize = c.bodySize;
        layout.version = 7;
        // Trailing bytes show where the reader stops.
        Bytes bytes = Bytes(5, 0xAA);
        const Bytes stream = BuildStream(layout);
        bytes.insert(bytes.end(), stream.begin(), stream.end());
        bytes.push_back(0x5A);

        CQ3917ProgramData program;
        const Snapshot before(program);
        CHfcMemoryInputStream input(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        input.SetPosition(5);
        if (c.failure >= 0) {
            try {
                program.ReadFromStream(input);
                ADD_FAILURE() << "read succeeded";
            } catch (const CVpFileException& e) {
                EXPECT_EQ(e.GetCode(), c.failure);
            }
            EXPECT_TRUE(Snapshot(program) == before);
            continue;
        }
        ASSERT_TRUE(program.ReadFromStream(input));
        EXPECT_EQ(Image(program), FixtureImage());
        EXPECT_EQ(program.GetVersion(), 7);
        EXPECT_EQ(program.GetCategory(), 3);
        EXPECT_EQ(input.GetPosition(), 5 + c.headerSize + static_cast<std::int64_t>(c.bodySize));
    }
}

TEST(ProgramStream, ShortStreamsFailAndChangeNothing)
{
    const Bytes fixture = BuildStream({});
    for (const std::size_t length : {0, 7, 8, 13, 20, 31, 32, 200, 383, 400, 527}) {
        SCOPED_TRACE(length);
        CQ3917ProgramData program;
        FillLikeFixture(program);
        program.SetComment("kept");
        const Snapshot before(program);
        EXPECT_EQ(ReadFailure(program, Bytes(fixture.begin(), fixture.begin() + static_cast<long>(length))),
                  CVpFileException::ReadData);
        EXPECT_TRUE(Snapshot(program) == before);
    }
}

TEST(ProgramStream, WrongMagicIsRefused)
{
    Bytes bytes = BuildStream({});
    bytes[5] = 'G';
    CQ3917ProgramData program;
    EXPECT_EQ(ReadFailure(program, bytes), CVpFileException::InvalidId);
}

TEST(ProgramStream, StoredDigestIsIgnoredAndRecomputed)
{
    StreamLayout layout;
    layout.digest = Bytes(16, 0x42);
    const Bytes bytes = BuildStream(layout);
    CQ3917ProgramData program;
    CHfcMemoryInputStream stream(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    ASSERT_TRUE(program.ReadFromStream(stream));
    EXPECT_EQ(Digest(program), kFixtureDigest);
}

TEST(ProgramStream, PriorityAndCategoryAreSignExtended)
{
    StreamLayout layout;
    layout.priority = 0xFF;
    layout.category = 0x80;
    const Bytes bytes = BuildStream(layout);
    CQ3917ProgramData program;
    CHfcMemoryInputStream stream(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    ASSERT_TRUE(program.ReadFromStream(stream));
    EXPECT_EQ(program.GetPriority(), -1);
    EXPECT_EQ(program.GetCategory(), -128);
}

TEST(ProgramStream, EveryFailedWriteIsReported)
{
    CQ3917ProgramData program;
    for (const int capacity : {0, 8, 31, 32, 383, 400, 527}) {
        SCOPED_TRACE(capacity);
        FailingOutputStream stream(capacity);
        try {
            program.WriteToStream(stream);
            ADD_FAILURE() << "write succeeded";
        } catch (const CVpFileException& e) {
            EXPECT_EQ(e.GetCode(), CVpFileException::WriteData);
        }
    }
}

TEST(ProgramData, NewAndClearedProgramsWriteZerosAndBlanks)
{
    CQ3917ProgramData cleared;
    FillLikeFixture(cleared);
    cleared.Clear();
    StreamLayout layout;
    layout.image = Bytes(kImageSize, 0);
    layout.digest = kZeroImageDigest;
    layout.programmer = "";
    layout.comment = "";
    layout.priority = 0;
    layout.category = 0;
    EXPECT_EQ(Write(cleared), BuildStream(layout));

    // Before any Clear the digest is zero and the attributes are 0.
    CQ3917ProgramData fresh;
    layout.digest = Bytes(16, 0);
    layout.version = 0;
    layout.kind = 0;
    EXPECT_EQ(Write(fresh), BuildStream(layout));
}

TEST(ProgramData, ProgramName)
{
    const struct
    {
        const char bytes[9];
        const char* name;
    } cases[] = {
        {"\0BCDEFGH", ""},   {"INIT    ", "INIT"}, {"ANALOG 8", "ANALOG 8"},
        {"AB\0D    ", "AB"}, {" X      ", " X"},   {"        ", ""},
    };
    for (const auto& c : cases) {
        CQ3917ProgramData program;
        std::memcpy(program.GetData(), c.bytes, 8);
        EXPECT_STREQ(program.GetProgramName(), c.name);
    }
    EXPECT_STREQ(CQ3917ProgramData().GetNullName(), "----");
}

TEST(ProgramData, TextsKeepTheirWidth)
{
    CQ3917ProgramData program;
    program.SetProgrammerName("A programmer name that is far too long");
    program.SetComment(std::string(80, 'c').c_str());
    EXPECT_STREQ(program.GetProgrammerName(), "A programmer name that i");
    EXPECT_EQ(program.GetComment(), std::string(64, 'c'));
    program.SetProgrammerName("Short");
    EXPECT_STREQ(program.GetProgrammerName(), "Short");
}

// Keeps its image elsewhere, as documents do.
class ExternalImageProgram : public CQ3917ProgramData
{
public:
    std::uint8_t* GetData() override { return m_external.data(); }
    const std::uint8_t* GetData() const override { return m_external.data(); }

    Bytes m_external = Bytes(kImageSize, 0);
};

TEST(ProgramData, CopyTakesAttributesTextsDigestAndImage)
{
    CQ3917ProgramData source;
    FillLikeFixture(source);
    source.SetFlag(9);
    CQ3917ProgramData target;
    ASSERT_TRUE(target.Copy(&source));
    EXPECT_TRUE(Snapshot(target) == Snapshot(source));
    EXPECT_EQ(target.GetFlag(), 9);

    const Snapshot before(target);
    EXPECT_FALSE(target.Copy(nullptr));
    EXPECT_TRUE(Snapshot(target) == before);
}

TEST(ProgramData, CopyReadsTheSourceImageWhereverItLives)
{
    ExternalImageProgram source;
    source.m_external = FixtureImage();
    source.UpdateDigest();
    EXPECT_EQ(Digest(source), kFixtureDigest);

    CQ3917ProgramData target;
    ASSERT_TRUE(target.Copy(&source));
    EXPECT_EQ(Image(target), FixtureImage());
    EXPECT_EQ(Digest(target), kFixtureDigest);
}

TEST(ProgramData, ReadImage)
{
    const Bytes image = FixtureImage();
    CQ3917ProgramData program;
    FillLikeFixture(program);
    std::memset(program.GetData(), 0, kImageSize);
    program.UpdateDigest();
    CHfcMemoryInputStream stream(image.data(), kImageSize);
    program.ReadImage(stream);
    EXPECT_EQ(Image(program), image);
    EXPECT_EQ(Digest(program), kFixtureDigest);
    EXPECT_STREQ(program.GetProgrammerName(), "");
    EXPECT_STREQ(program.GetComment(), "");

    CQ3917ProgramData other;
    const Snapshot before(other);
    CHfcMemoryInputStream shortStream(image.data(), kImageSize - 1);
    EXPECT_THROW(other.ReadImage(shortStream), CVpFileException);
    EXPECT_TRUE(Snapshot(other) == before);
}

TEST(ProgramData, MemoryBlockRoundTrip)
{
    CQ3917ProgramData source;
    FillLikeFixture(source);
    const auto block = source.SaveToMemoryBlock();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(Bytes(block->GetData(), block->GetData() + block->GetSize()), BuildStream({}));

    CQ3917ProgramData target;
    EXPECT_TRUE(target.LoadFromMemoryBlock(block.get()));
    EXPECT_TRUE(Snapshot(target) == Snapshot(source));
}

TEST(ProgramData, MemoryBlocksThatDoNotReadAreRefused)
{
    const Bytes fixture = BuildStream({});
    Bytes wrongMagic = fixture;
    wrongMagic[0] = 'X';
    const CHfcMemoryBlock truncated(fixture.data(), 300);
    const CHfcMemoryBlock foreign(wrongMagic.data(), static_cast<std::int32_t>(wrongMagic.size()));
    const CHfcMemoryBlock tiny("4730", 4);

    CQ3917ProgramData program;
    const Snapshot before(program);
    EXPECT_FALSE(program.LoadFromMemoryBlock(nullptr));
    EXPECT_FALSE(program.LoadFromMemoryBlock(&truncated));
    EXPECT_FALSE(program.LoadFromMemoryBlock(&foreign));
    EXPECT_FALSE(program.LoadFromMemoryBlock(&tiny));
    EXPECT_TRUE(Snapshot(program) == before);
}

}  // namespace
