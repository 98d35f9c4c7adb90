#include "framework/services/LocalTime.h"

#include <platform/kernel.h>

#include <gtest/gtest.h>

namespace {

int SecondOfDay(const SYSTEMTIME& time)
{
    return (time.wHour * 60 + time.wMinute) * 60 + time.wSecond;
}

TEST(LocalTime, TimeOfDayLiesBetweenTwoReadingsOfTheClock)
{
    SYSTEMTIME before, after;
    int hour = -1, minute = -1, second = -1;
    GetLocalTime(&before);
    GetLocalTimeOfDay(hour, minute, second);
    GetLocalTime(&after);
    if (SecondOfDay(after) < SecondOfDay(before))
        GTEST_SKIP() << "midnight passed during the test";
    const int read = (hour * 60 + minute) * 60 + second;
    EXPECT_GE(read, SecondOfDay(before));
    EXPECT_LE(read, SecondOfDay(after));
}

}  // namespace
