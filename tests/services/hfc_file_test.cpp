#include "ScratchFile.h"

#include "framework/services/HfcFile.h"

#include <platform/file_names.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace {

using Bytes = std::vector<unsigned char>;

class HfcFileTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
};

TEST_F(HfcFileTest, OpenModes)
{
    struct Case
    {
        int flags;
        bool exists;
        bool opens;
        Bytes afterwards;  // the file's bytes after opening and writing "xy"
    };
    const Bytes old = {'a', 'b', 'c'};
    const Case cases[] = {
        {CHfcFile::kRead, true, true, old},
        {CHfcFile::kRead | CHfcFile::kBinary, true, true, old},
        {CHfcFile::kRead, false, false, {}},
        {CHfcFile::kWrite, true, true, {'x', 'y'}},                       // truncates
        {CHfcFile::kWrite | CHfcFile::kBinary, false, true, {'x', 'y'}},  // creates
        {CHfcFile::kReadWrite, true, true, {'x', 'y', 'c'}},              // updates in place
        {CHfcFile::kReadWrite | CHfcFile::kBinary, false, false, {}},     // never creates
        {CHfcFile::kBinary, true, false, old},
        {0, true, false, old},
        {4, true, false, old},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "mode" + std::to_string(n++);
        if (c.exists)
            folder.WriteFile(name.c_str(), old);
        const std::string path = folder.File(name.c_str());
        CHfcFile file;
        EXPECT_EQ(file.Open(path.c_str(), c.flags), c.opens) << "flags " << c.flags;
        EXPECT_EQ(file.IsOpen(), c.opens);
        const int written = file.Write("xy", 2);
        EXPECT_EQ(written, (c.flags & CHfcFile::kWrite) && c.opens ? 2 : 0) << "flags " << c.flags;
        file.Close();
        if (c.exists || c.opens)
            EXPECT_EQ(ScratchFolder::ReadFile(path), c.afterwards) << "flags " << c.flags;
        else
            EXPECT_FALSE(std::filesystem::exists(path)) << "flags " << c.flags;
    }
}

TEST_F(HfcFileTest, SeekOrigins)
{
    // 0 is the current position, 1 the end, and anything else the start.
    struct Case
    {
        std::int32_t offset;
        int origin;
        std::int32_t expected;
    };
    const Case cases[] = {
        {2, 0, 6}, {-3, 0, 1}, {-1, 1, 9}, {0, 1, 10}, {3, 2, 3}, {3, 7, 3}, {5, -1, 5},
    };
    const std::string path = folder.WriteFile("ten", Bytes(10, 'z'));
    for (const Case& c : cases) {
        CHfcFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
        ASSERT_TRUE(file.Seek(4, CHfcFile::kFromStart));
        EXPECT_TRUE(file.Seek(c.offset, c.origin));
        std::int32_t position = -1;
        EXPECT_TRUE(file.GetPosition(position));
        EXPECT_EQ(position, c.expected) << c.offset << " from origin " << c.origin;
    }
}

TEST_F(HfcFileTest, ReadsWritesAndRefusesWhenClosed)
{
    const std::string path = folder.File("data");
    CHfcFile file;
    std::int32_t position = 0;
    char buffer[8] = {};
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.Read(buffer, 4), 0);
    EXPECT_EQ(file.Write("abcd", 4), 0);
    EXPECT_FALSE(file.Seek(0, CHfcFile::kFromStart));
    EXPECT_FALSE(file.GetPosition(position));

    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kWrite | CHfcFile::kBinary));
    EXPECT_EQ(file.Write("abcdef", 6), 6);
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Close());  // already forgotten: never closed twice

    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
    EXPECT_EQ(file.Read(buffer, 8), 6);
    EXPECT_STREQ(buffer, "abcdef");
    EXPECT_EQ(file.Read(buffer, 8), 0);
    // Opening again while open replaces the file without leaking the old one.
    ASSERT_TRUE(file.Open(path.c_str(), CHfcFile::kRead));
    EXPECT_TRUE(file.GetPosition(position));
    EXPECT_EQ(position, 0);
}

TEST_F(HfcFileTest, OnlyRegularFilesOpen)
{
    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = folder.File("link");
    std::filesystem::create_symlink(folder.WriteFile("target", Bytes(3, 'q')), link);
    struct Case
    {
        std::string path;
        bool opens;
    };
    // A pipe without a writer must be refused, not waited on.
    const Case cases[] = {
        {folder.path().string(), false},
        {"/dev/null", false},
        {fifo, false},
        {link, true},
    };
    for (const Case& c : cases) {
        for (const int flags : {CHfcFile::kRead, CHfcFile::kReadWrite}) {
            CHfcFile file;
            EXPECT_EQ(file.Open(c.path.c_str(), flags | CHfcFile::kBinary), c.opens) << c.path << " flags " << flags;
            EXPECT_EQ(file.IsOpen(), c.opens) << c.path;
        }
    }
    CHfcFile file;
    EXPECT_FALSE(file.Open(folder.path().c_str(), CHfcFile::kWrite));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

TEST_F(HfcFileTest, FileSize)
{
    const std::string path = folder.WriteFile("seven", Bytes(7, 1));
    std::uint64_t size = 0;
    EXPECT_TRUE(CHfcFile::GetFileSize(path.c_str(), size));
    EXPECT_EQ(size, 7u);
    size = 99;
    EXPECT_FALSE(CHfcFile::GetFileSize(folder.path().c_str(), size));
    EXPECT_FALSE(CHfcFile::GetFileSize(folder.File("missing").c_str(), size));
    EXPECT_EQ(size, 99u);
}

TEST_F(HfcFileTest, AnyNameTheSystemHoldsOpensByItsText)
{
    const std::string name = folder.WriteFile("\xFF\xFE.lib", Bytes(3, 7));
    const std::string text = platform::FileNameText(name);
    CHfcFile file;
    ASSERT_TRUE(file.Open(text.c_str(), CHfcFile::kRead | CHfcFile::kBinary));
    unsigned char read[4]{};
    EXPECT_EQ(file.Read(read, 4), 3);
    std::uint64_t size = 0;
    EXPECT_TRUE(CHfcFile::GetFileSize(text.c_str(), size));
    EXPECT_EQ(size, 3u);

    // Written by its text, the file gets the system's name.
    const std::string written = folder.File("\xC0new");
    ASSERT_TRUE(file.Open(platform::FileNameText(written).c_str(), CHfcFile::kWrite | CHfcFile::kBinary));
    EXPECT_EQ(file.Write("ab", 2), 2);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ScratchFolder::ReadFile(written), (Bytes{'a', 'b'}));
}

}  // namespace
