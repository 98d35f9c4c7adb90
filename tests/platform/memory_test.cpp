#include <platform/kernel.h>
#include <platform/memory.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

TEST(Heap, ZeroMemoryFlagClearsTheBlock)
{
    HANDLE heap = GetProcessHeap();
    ASSERT_NE(heap, nullptr);
    auto* bytes = static_cast<unsigned char*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, 2048));
    ASSERT_NE(bytes, nullptr);
    EXPECT_TRUE(std::all_of(bytes, bytes + 2048, [](unsigned char b) { return b == 0; }));
    EXPECT_TRUE(HeapFree(heap, 0, bytes));
    EXPECT_TRUE(HeapFree(heap, 0, nullptr));
}

TEST(GlobalMemory, MovableBlockLocksCountAndKeepsItsSize)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 10);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 10u);

    auto* first = static_cast<char*>(GlobalLock(block));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(std::all_of(first, first + 10, [](char c) { return c == 0; }));
    std::memcpy(first, "abcdefghij", 10);
    auto* second = static_cast<char*>(GlobalLock(block));
    EXPECT_EQ(first, second);

    EXPECT_TRUE(GlobalUnlock(block)) << "one lock is left";
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));

    EXPECT_EQ(std::memcmp(GlobalLock(block), "abcdefghij", 10), 0);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, FixedBlockHandleIsItsAddress)
{
    HGLOBAL block = GlobalAlloc(GPTR, 4);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), block);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalSize(block), 4u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, FreedAndUnknownHandlesFailWithoutCrashing)
{
    HGLOBAL block = GlobalAlloc(GHND, 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    ASSERT_EQ(GlobalFree(block), nullptr);

    int notABlock = 0;
    for (HGLOBAL handle : {block, static_cast<HGLOBAL>(&notABlock), static_cast<HGLOBAL>(nullptr)}) {
        EXPECT_EQ(GlobalLock(handle), nullptr);
        EXPECT_FALSE(GlobalUnlock(handle));
        EXPECT_EQ(GlobalSize(handle), 0u);
        EXPECT_EQ(GlobalFree(handle), handle);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
}

}  // namespace
