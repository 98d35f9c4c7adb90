// Window timers on the fake and the real clock.
#include "messaging_fixture.h"

#include <platform/kernel.h>
#include <platform/testing.h>

#include <thread>

namespace messaging_test {
namespace {

using platform::testing::AdvanceClock;

class TimerTest : public MessagingTest
{
protected:
    // The timer ids of the WM_TIMER messages retrieved now, in order.
    static std::vector<WPARAM> Ticks()
    {
        std::vector<WPARAM> ids;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
            ids.push_back(msg.wParam);
        return ids;
    }

    platform::testing::ScopedFakeClock clock_{1000};
};

TEST_F(TimerTest, ABusyThreadGetsOneTickPerTimerNotABurst)
{
    HWND window = MakeWindow();
    ASSERT_EQ(SetTimer(window, 7, 10, nullptr), 7u);
    AdvanceClock(9);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{});
    AdvanceClock(1);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{7});

    AdvanceClock(95);  // nine intervals pass while the thread is busy
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{7});
    AdvanceClock(9);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{}) << "the next tick counts from the late one";
    AdvanceClock(1);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{7});
}

TEST_F(TimerTest, SettingAnIdAgainRestartsItWithTheNewInterval)
{
    HWND window = MakeWindow();
    SetTimer(window, 1, 50, nullptr);
    AdvanceClock(40);
    SetTimer(window, 1, 30, nullptr);
    AdvanceClock(20);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{});
    AdvanceClock(10);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{1});
}

TEST_F(TimerTest, TimersComeAfterPostedMessagesAndInDueOrder)
{
    HWND window = MakeWindow();
    SetTimer(window, 2, 20, nullptr);
    SetTimer(window, 1, 30, nullptr);
    AdvanceClock(30);
    PostMessageA(window, WM_USER, 0, 0);
    MSG msg;
    std::vector<std::pair<UINT, WPARAM>> order;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        order.emplace_back(msg.message, msg.wParam);
    EXPECT_EQ(order, (std::vector<std::pair<UINT, WPARAM>>{{WM_USER, 0}, {WM_TIMER, 2}, {WM_TIMER, 1}}));
}

TEST_F(TimerTest, KilledTimersAndDestroyedWindowsTickNoMore)
{
    HWND window = MakeWindow();
    HWND other = MakeWindow();
    SetTimer(window, 1, 10, nullptr);
    SetTimer(other, 1, 10, nullptr);
    EXPECT_TRUE(KillTimer(window, 1));
    EXPECT_FALSE(KillTimer(window, 1));
    DestroyWindow(other);
    AdvanceClock(100);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{});
    EXPECT_EQ(SetTimer(other, 1, 10, nullptr), 0u) << "no timers for a dead window";
}

TEST_F(TimerTest, PeekWithoutRemovingLeavesTheTickDue)
{
    HWND window = MakeWindow();
    SetTimer(window, 4, 10, nullptr);
    AdvanceClock(10);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.hwnd, window);
    EXPECT_EQ(Ticks(), std::vector<WPARAM>{4});
}

std::vector<UINT_PTR> gProcTicks;
void CALLBACK CountTick(HWND, UINT, UINT_PTR id, DWORD)
{
    gProcTicks.push_back(id);
}

TEST_F(TimerTest, ThreadTimersGetTheirOwnIdsAndRunTheirProcedure)
{
    gProcTicks.clear();
    UINT_PTR first = SetTimer(nullptr, 0, 10, CountTick);
    UINT_PTR second = SetTimer(nullptr, 0, 10, CountTick);
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    AdvanceClock(10);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        EXPECT_EQ(msg.hwnd, nullptr);
        EXPECT_EQ(DispatchMessageA(&msg), 0);
    }
    EXPECT_EQ(gProcTicks, (std::vector<UINT_PTR>{first, second}));
    KillTimer(nullptr, first);
    KillTimer(nullptr, second);
}

TEST_F(TimerTest, ABlockedGetMessageWakesWhenTheFakeClockMakesATimerDue)
{
    HWND window = MakeWindow();
    SetTimer(window, 3, 100, nullptr);
    std::thread ticker([] {
        Sleep(20);
        AdvanceClock(100);
    });
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    ticker.join();
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessagingTest, AFilteredGetMessageWaitsPastAnotherWindowsDueTimer)
{
    HWND waited = MakeWindow();
    HWND ticking = MakeWindow();
    SetTimer(ticking, 1, 10, nullptr);
    Sleep(20);
    std::thread poster([&] {
        Sleep(30);
        PostMessageA(waited, WM_USER, 0, 0);
    });
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, waited, 0, 0), TRUE);
    EXPECT_EQ(msg.hwnd, waited);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    poster.join();
    ASSERT_TRUE(PeekMessageA(&msg, ticking, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER)) << "the other window's tick waited";
}

TEST_F(MessagingTest, ABlockedGetMessageWakesWhenARealTimerIsDue)
{
    HWND window = MakeWindow();
    DWORD start = timeGetTime();
    SetTimer(window, 5, 30, nullptr);
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_GE(timeGetTime() - start, 30u);
}

}  // namespace
}  // namespace messaging_test
