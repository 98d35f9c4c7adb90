#include <platform/kernel.h>
#include <platform/testing.h>

#include <gtest/gtest.h>

namespace {

TEST(Clock, FakeClockMovesOnlyWhenAdvancedAndWrapsAt32Bits)
{
    platform::testing::ScopedFakeClock clock(0xFFFFFFF0u);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFF0u);
    Sleep(5);
    EXPECT_EQ(GetTickCount(), 0xFFFFFFF0u);
    platform::testing::AdvanceClock(0x20);
    EXPECT_EQ(timeGetTime(), 0x10u);
    EXPECT_EQ(GetTickCount(), 0x10u);
}

TEST(Clock, RealClockIsMonotonic)
{
    DWORD before = timeGetTime();
    Sleep(15);
    DWORD elapsed = timeGetTime() - before;
    EXPECT_GE(elapsed, 15u);
}

TEST(Clock, LocalTimeFieldsAreInRange)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_GE(now.wYear, 2024);
    EXPECT_TRUE(now.wMonth >= 1 && now.wMonth <= 12);
    EXPECT_TRUE(now.wDay >= 1 && now.wDay <= 31);
    EXPECT_LE(now.wDayOfWeek, 6);
    EXPECT_LE(now.wHour, 23);
    EXPECT_LE(now.wMinute, 59);
    EXPECT_LE(now.wSecond, 60);
    EXPECT_LE(now.wMilliseconds, 999);
}

}  // namespace
