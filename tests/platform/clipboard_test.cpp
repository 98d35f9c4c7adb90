#include <platform/clipboard.h>

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {

HGLOBAL BlockOf(const char* text)
{
    size_t size = std::strlen(text) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), text, size);
    GlobalUnlock(block);
    return block;
}

class ClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
    }
    void TearDown() override
    {
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
    }
};

TEST_F(ClipboardTest, FormatsAreNumberedByNameFrom0xC000)
{
    UINT program = RegisterClipboardFormatA("VQ-700Z Program");
    UINT again = RegisterClipboardFormatA("vq-700z program");
    UINT other = RegisterClipboardFormatA("VQ-700Z Bank");
    EXPECT_GE(program, 0xC000u);
    EXPECT_EQ(program, again);
    EXPECT_NE(program, other);
    EXPECT_EQ(RegisterClipboardFormatA(""), 0u);
    EXPECT_EQ(RegisterClipboardFormatA(nullptr), 0u);
}

TEST_F(ClipboardTest, TheClipboardOwnsWhatItIsGivenAndFreesItWhenEmptiedOrReplaced)
{
    UINT format = RegisterClipboardFormatA("Ownership");
    HGLOBAL first = BlockOf("first");
    ASSERT_EQ(SetClipboardData(format, first), first);
    EXPECT_TRUE(IsClipboardFormatAvailable(format));
    EXPECT_EQ(GetClipboardData(format), first);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(GetClipboardData(format))), "first");
    GlobalUnlock(first);

    HGLOBAL second = BlockOf("second");
    ASSERT_EQ(SetClipboardData(format, second), second);
    EXPECT_EQ(GlobalSize(first), 0u) << "the replaced block was freed";
    ASSERT_TRUE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(format)) << "the data outlives the open clipboard";

    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(GlobalSize(second), 0u);
    EXPECT_FALSE(IsClipboardFormatAvailable(format));
}

TEST_F(ClipboardTest, AMissingFormatGivesNothing)
{
    UINT held = RegisterClipboardFormatA("Held");
    UINT missing = RegisterClipboardFormatA("Missing");
    SetClipboardData(held, BlockOf("x"));
    EXPECT_FALSE(IsClipboardFormatAvailable(missing));
    EXPECT_EQ(GetClipboardData(missing), nullptr);
}

TEST_F(ClipboardTest, RefusedBlocksStayTheCallers)
{
    UINT format = RegisterClipboardFormatA("Refused");
    int notABlock = 0;
    EXPECT_EQ(SetClipboardData(format, &notABlock), nullptr);
    EXPECT_EQ(SetClipboardData(format, nullptr), nullptr);

    HGLOBAL block = BlockOf("mine");
    EXPECT_EQ(SetClipboardData(0, block), nullptr);
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(SetClipboardData(format, block), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_EQ(GlobalSize(block), 5u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST_F(ClipboardTest, NeedsOpeningAndOneThreadHasItAtATime)
{
    ASSERT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);

    ASSERT_TRUE(OpenClipboard(nullptr));
    BOOL openedElsewhere = TRUE;
    std::thread([&] { openedElsewhere = OpenClipboard(nullptr); }).join();
    EXPECT_FALSE(openedElsewhere);
    ASSERT_TRUE(CloseClipboard());
    std::thread([&] {
        openedElsewhere = OpenClipboard(nullptr);
        CloseClipboard();
    }).join();
    EXPECT_TRUE(openedElsewhere);
}

}  // namespace
