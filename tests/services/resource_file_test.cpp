#include "framework/services/HfcResourceFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// "TenBytes" holds the ten digits 0 to 9.
class ResourceFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(file.OpenResource("TESTDATA", "TenBytes", 0)); }

    std::int32_t Position() const
    {
        std::int32_t position = -1;
        EXPECT_TRUE(file.GetPosition(position));
        return position;
    }

    CHfcResourceFile file;
};

TEST_F(ResourceFileTest, ReadsWhatIsLeftAndWritesNothing)
{
    char buffer[16] = {};
    ASSERT_TRUE(file.Seek(4, CHfcFile::kFromStart));
    EXPECT_EQ(file.Read(buffer, 10), 6);
    EXPECT_EQ(std::string(buffer), "456789");
    EXPECT_EQ(Position(), 10);
    EXPECT_EQ(file.Read(buffer, 10), 0);
    EXPECT_EQ(file.Read(buffer, -1), 0);
    EXPECT_EQ(file.Write("x", 1), 0);
}

TEST_F(ResourceFileTest, SeekStaysInsideTheBytes)
{
    // Every case starts at position 3. A target outside [0, 9] is refused
    // and rewinds to 0; exactly the end (10) is refused too.
    struct Case
    {
        std::int32_t offset;
        int origin;
        bool accepted;
        std::int32_t expected;
    };
    const Case cases[] = {
        {-1, 1, true, 9}, {0, 1, false, 0},  {-10, 1, true, 0}, {-11, 1, false, 0}, {10, 2, false, 0},
        {9, 2, true, 9},  {-1, 2, false, 0}, {2, 0, true, 5},   {-3, 0, true, 0},   {-4, 0, false, 0},
        {7, 0, false, 0}, {5, 7, true, 3},  // unknown origin: stays, and answers for the position
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(file.Seek(3, CHfcFile::kFromStart));
        EXPECT_EQ(file.Seek(c.offset, c.origin), c.accepted) << c.offset << " from origin " << c.origin;
        EXPECT_EQ(Position(), c.expected) << c.offset << " from origin " << c.origin;
    }
    char digit = 0;
    ASSERT_EQ(file.Read(&digit, 1), 1);
    ASSERT_TRUE(file.Seek(-1, CHfcFile::kFromCurrent));  // step back over one byte read
    EXPECT_EQ(Position(), 3);
}

TEST_F(ResourceFileTest, UnknownOriginAtTheEndIsRefused)
{
    char buffer[10];
    ASSERT_EQ(file.Read(buffer, 10), 10);
    EXPECT_FALSE(file.Seek(0, 7));
    EXPECT_EQ(Position(), 0);
}

TEST_F(ResourceFileTest, CloseReleasesNothing)
{
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(file.IsOpen());
    char digit = 0;
    EXPECT_EQ(file.Read(&digit, 1), 1);
    EXPECT_EQ(digit, '0');
}

TEST(ResourceFile, OpeningFindsByTypeAndName)
{
    CHfcResourceFile file;
    std::int32_t position = -1;
    char byte = 0;
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.Read(&byte, 1), 0);
    EXPECT_FALSE(file.Seek(0, CHfcFile::kFromStart));
    EXPECT_TRUE(file.GetPosition(position));
    EXPECT_EQ(position, 0);

    EXPECT_FALSE(file.OpenResource("TESTDATA", "NoSuchResource", 0));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.OpenResource("testdata", "tenbytes", CHfcFile::kWrite));  // any case, flags ignored
    ASSERT_TRUE(file.Seek(5, CHfcFile::kFromStart));
    EXPECT_FALSE(file.OpenResource("TESTDATA", "NoSuchResource", 0));
    EXPECT_FALSE(file.IsOpen()) << "a failed open leaves the file closed";

    EXPECT_TRUE(file.OpenResource("TESTDATA", "Empty", 0));
    EXPECT_EQ(file.Read(&byte, 1), 0);
    EXPECT_FALSE(file.Seek(0, CHfcFile::kFromStart));
}

}  // namespace
