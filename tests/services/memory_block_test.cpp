#include "framework/services/EfMemoryBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Contents(const CHfcMemoryBlock& block)
{
    return Bytes(block.GetData(), block.GetData() + block.GetSize());
}

CHfcMemoryBlock Counting(int size)
{
    CHfcMemoryBlock block(size, false);
    for (int i = 0; i < size; ++i)
        block.GetData()[i] = static_cast<unsigned char>(i + 1);
    return block;
}

TEST(MemoryBlock, ConstructorsGiveEmptyBlocksAsNull)
{
    const unsigned char bytes[] = {1, 2, 3};
    const CHfcMemoryBlock blocks[] = {
        CHfcMemoryBlock(),           CHfcMemoryBlock(0, true),  CHfcMemoryBlock(-4, false),
        CHfcMemoryBlock(nullptr, 3), CHfcMemoryBlock(bytes, 0), CHfcMemoryBlock(CHfcMemoryBlock()),
    };
    for (const CHfcMemoryBlock& block : blocks) {
        EXPECT_EQ(block.GetData(), nullptr);
        EXPECT_EQ(block.GetSize(), 0);
    }
    EXPECT_EQ(Contents(CHfcMemoryBlock(bytes, 3)), (Bytes{1, 2, 3}));
    EXPECT_EQ(Contents(CHfcMemoryBlock(4, true)), Bytes(4, 0));
}

TEST(MemoryBlock, ResizeKeepsBytesAndZeroesOnlyTheGrownTail)
{
    struct Case
    {
        int newSize;
        bool zeroFill;
    };
    const Case cases[] = {{200, true}, {50, true}, {100, true}, {0, false}, {-1, true}};
    for (const Case& c : cases) {
        CHfcMemoryBlock block = Counting(100);
        block.Resize(c.newSize, c.zeroFill);
        const int expectedSize = c.newSize > 0 ? c.newSize : 0;
        ASSERT_EQ(block.GetSize(), expectedSize) << c.newSize;
        if (expectedSize == 0) {
            EXPECT_EQ(block.GetData(), nullptr);
        }
        for (int i = 0; i < expectedSize; ++i)
            ASSERT_EQ(block.GetData()[i], i < 100 ? i + 1 : 0) << "size " << c.newSize << " byte " << i;
    }
}

TEST(MemoryBlock, ReserveNeverShrinksAndAppendGrows)
{
    CHfcMemoryBlock block = Counting(100);
    block.Reserve(50, false);
    EXPECT_EQ(block.GetSize(), 100);
    block.Reserve(120, true);
    EXPECT_EQ(block.GetSize(), 120);
    EXPECT_EQ(block.GetData()[119], 0);

    CHfcMemoryBlock appended;
    const unsigned char bytes[] = {7, 8, 9};
    appended.Append(bytes, 0);
    EXPECT_EQ(appended.GetData(), nullptr);
    appended.Append(bytes, 3);
    appended.Append(bytes, 2);
    EXPECT_EQ(Contents(appended), (Bytes{7, 8, 9, 7, 8}));
}

TEST(MemoryBlock, CopiesAreDeep)
{
    CHfcMemoryBlock original = Counting(4);
    CHfcMemoryBlock copy(original);
    CHfcMemoryBlock assigned = Counting(9);
    assigned = original;
    original.GetData()[0] = 99;
    EXPECT_EQ(Contents(copy), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(Contents(assigned), (Bytes{1, 2, 3, 4}));
    assigned = assigned;
    EXPECT_EQ(Contents(assigned), (Bytes{1, 2, 3, 4}));
    assigned = CHfcMemoryBlock();
    EXPECT_EQ(assigned.GetData(), nullptr);
}

TEST(TaggedMemoryBlock, TagsCompareOverEightCharacters)
{
    CEfMemoryBlock block("ABC");
    EXPECT_EQ(std::memcmp(block.GetTag(), "ABC\0\0\0\0\0\0", 9), 0);
    struct Case
    {
        const char* tag;
        const char* asked;
        bool has;
    };
    const Case cases[] = {
        {"ABC", "ABC", true},
        {"ABC", "ABCD", false},
        {"ABC", "AB", false},
        {"ABC", nullptr, false},
        {"PROGRAMDATA", "PROGRAMD", true},  // cut to 8 on both sides
        {"PROGRAMDATA", "PROGRAMDXYZ", true},
        {nullptr, "", true},
    };
    for (const Case& c : cases) {
        CEfMemoryBlock tagged(c.tag);
        EXPECT_EQ(tagged.HasTag(c.asked), c.has) << (c.tag ? c.tag : "null") << " has " << (c.asked ? c.asked : "null");
    }
    CEfMemoryBlock longTag("PROGRAMDATA");
    EXPECT_STREQ(longTag.GetTag(), "PROGRAMD");
    longTag.SetTag(nullptr);
    EXPECT_STREQ(longTag.GetTag(), "");
}

TEST(TaggedMemoryBlock, EqualityComparesSizeBytesAndTag)
{
    const unsigned char bytes[] = {1, 2, 3};
    const unsigned char other[] = {1, 2, 4};
    const CEfMemoryBlock block("BANK", bytes, 3);
    struct Case
    {
        CEfMemoryBlock candidate;
        bool equal;
    };
    const Case cases[] = {
        {CEfMemoryBlock("BANK", bytes, 3), true},
        {CEfMemoryBlock("BANKX", bytes, 3), false},
        {CEfMemoryBlock("BANK", other, 3), false},
        {CEfMemoryBlock("BANK", bytes, 2), false},
        {CEfMemoryBlock("BANK", CHfcMemoryBlock(bytes, 3)), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(block == c.candidate, c.equal) << c.candidate.GetTag();
        EXPECT_EQ(block != c.candidate, !c.equal) << c.candidate.GetTag();
    }
    EXPECT_EQ(CEfMemoryBlock("X"), CEfMemoryBlock("X", 0, true));

    CEfMemoryBlock assigned("OTHER", 10, true);
    assigned = block;
    EXPECT_EQ(assigned, block);
    EXPECT_STREQ(assigned.GetTag(), "BANK");
}

}  // namespace
