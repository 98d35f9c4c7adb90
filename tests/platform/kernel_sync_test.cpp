// Semaphores, events and critical sections.
#include <platform/kernel.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

struct HandleCloser
{
    HANDLE handle;
    ~HandleCloser() { CloseHandle(handle); }
};

TEST(Semaphore, ZeroTimeoutTellsObtainedFromTimedOut)
{
    HANDLE empty = CreateSemaphoreA(nullptr, 0, 32767, nullptr);
    HANDLE one = CreateSemaphoreA(nullptr, 1, 32767, "named objects are private");
    HandleCloser closeEmpty{empty}, closeOne{one};
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(one, nullptr);

    EXPECT_EQ(WaitForSingleObject(empty, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(one, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(one, 0), WAIT_TIMEOUT) << "the count was taken";
    EXPECT_EQ(WaitForSingleObject(one, 20), WAIT_TIMEOUT);
}

TEST(Semaphore, ReleaseStopsAtTheMaximumAndReportsThePreviousCount)
{
    HANDLE semaphore = CreateSemaphoreA(nullptr, 32766, 32767, nullptr);
    HandleCloser closer{semaphore};
    LONG previous = -1;
    ASSERT_TRUE(ReleaseSemaphore(semaphore, 1, &previous));
    EXPECT_EQ(previous, 32766);

    previous = -1;
    EXPECT_FALSE(ReleaseSemaphore(semaphore, 1, &previous));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TOO_MANY_POSTS));
    EXPECT_EQ(previous, -1);

    // The failed release left the count at the maximum: taking one makes room for exactly one.
    ASSERT_EQ(WaitForSingleObject(semaphore, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseSemaphore(semaphore, 1, &previous));
    EXPECT_EQ(previous, 32766);
    EXPECT_FALSE(ReleaseSemaphore(semaphore, 1, nullptr));
}

TEST(Semaphore, ReleasesOfSeveralCountsAtOnce)
{
    HANDLE semaphore = CreateSemaphoreA(nullptr, 0, 3, nullptr);
    HandleCloser closer{semaphore};
    EXPECT_FALSE(ReleaseSemaphore(semaphore, 4, nullptr));
    EXPECT_FALSE(ReleaseSemaphore(semaphore, 0, nullptr));
    EXPECT_TRUE(ReleaseSemaphore(semaphore, 3, nullptr));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_TIMEOUT);
}

TEST(Semaphore, InvalidCountsAreRefused)
{
    struct Case
    {
        LONG initial, maximum;
    };
    for (Case c : {Case{0, 0}, Case{-1, 5}, Case{6, 5}, Case{0, -1}}) {
        SCOPED_TRACE(testing::Message() << c.initial << "/" << c.maximum);
        EXPECT_EQ(CreateSemaphoreA(nullptr, c.initial, c.maximum, nullptr), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}

TEST(Semaphore, ReleaseFromAnotherThreadWakesATimedWait)
{
    HANDLE semaphore = CreateSemaphoreA(nullptr, 0, 32767, nullptr);
    HandleCloser closer{semaphore};
    std::thread releaser([&] {
        Sleep(30);
        ReleaseSemaphore(semaphore, 1, nullptr);
    });
    // Far longer than the release takes: a time-out here means the wait never woke.
    EXPECT_EQ(WaitForSingleObject(semaphore, 60000), WAIT_OBJECT_0);
    releaser.join();
}

TEST(KernelHandles, ClosedAndForeignHandlesFail)
{
    HANDLE semaphore = CreateSemaphoreA(nullptr, 1, 1, nullptr);
    ASSERT_TRUE(CloseHandle(semaphore));
    EXPECT_EQ(WaitForSingleObject(semaphore, 0), WAIT_FAILED);
    EXPECT_FALSE(CloseHandle(semaphore));
    EXPECT_FALSE(ReleaseSemaphore(semaphore, 1, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HandleCloser closer{event};
    EXPECT_FALSE(ReleaseSemaphore(event, 1, nullptr)) << "an event is not a semaphore";
    EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
}

TEST(Event, ManualResetStaysSignalledAutoResetLetsOneThrough)
{
    HANDLE manual = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE automatic = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    HandleCloser closeManual{manual}, closeAutomatic{automatic};

    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_TIMEOUT);
    ASSERT_TRUE(SetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    ASSERT_TRUE(ResetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_TIMEOUT);

    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_TIMEOUT);
    SetEvent(automatic);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_OBJECT_0);
}

TEST(Event, SetFromAnotherThreadWakesEveryWaiterOfAManualEvent)
{
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HandleCloser closer{event};
    std::atomic<int> woken{0};
    std::thread waiters[3];
    for (auto& waiter : waiters)
        waiter = std::thread([&] {
            if (WaitForSingleObject(event, INFINITE) == WAIT_OBJECT_0)
                ++woken;
        });
    SetEvent(event);
    for (auto& waiter : waiters)
        waiter.join();
    EXPECT_EQ(woken, 3);
}

TEST(CriticalSection, IsRecursiveAndExcludesOtherThreadsUntilTheLastLeave)
{
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EXPECT_TRUE(TryEnterCriticalSection(&section));

    auto otherThreadGetsIn = [&] {
        BOOL entered = FALSE;
        std::thread other([&] {
            entered = TryEnterCriticalSection(&section);
            if (entered)
                LeaveCriticalSection(&section);
        });
        other.join();
        return entered != FALSE;
    };
    EXPECT_FALSE(otherThreadGetsIn());
    LeaveCriticalSection(&section);
    EXPECT_FALSE(otherThreadGetsIn()) << "still held once";
    LeaveCriticalSection(&section);
    EXPECT_TRUE(otherThreadGetsIn());
    DeleteCriticalSection(&section);
}

TEST(CriticalSection, SerialisesUpdatesFromManyThreads)
{
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    long total = 0;
    std::thread workers[4];
    for (auto& worker : workers)
        worker = std::thread([&] {
            for (int i = 0; i < 10000; ++i) {
                EnterCriticalSection(&section);
                ++total;
                LeaveCriticalSection(&section);
            }
        });
    for (auto& worker : workers)
        worker.join();
    DeleteCriticalSection(&section);
    EXPECT_EQ(total, 40000);
}

}  // namespace
