#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace {

// Long enough never to run out on a loaded machine; a correct run never waits it out.
constexpr DWORD kGenerousMs = 10000;

TEST(Semaphore, TryingAndTimingOut)
{
    CHfcSemaphore empty(0);
    EXPECT_EQ(empty.WaitWithTimeout(0), CHfcSemaphore::kTimedOut);
    EXPECT_EQ(empty.WaitWithTimeout(20), CHfcSemaphore::kTimedOut);

    CHfcSemaphore one(1);
    EXPECT_EQ(one.WaitWithTimeout(0), CHfcSemaphore::kObtained);
    EXPECT_EQ(one.WaitWithTimeout(0), CHfcSemaphore::kTimedOut) << "the count went to 0";
    EXPECT_TRUE(one.Release());
    EXPECT_TRUE(one.Wait());
}

TEST(Semaphore, CountStopsAtItsMaximum)
{
    CHfcSemaphore nearlyFull(CHfcSemaphore::kMaximumCount - 1);
    EXPECT_TRUE(nearlyFull.Release());
    EXPECT_FALSE(nearlyFull.Release());
    EXPECT_EQ(nearlyFull.WaitWithTimeout(0), CHfcSemaphore::kObtained);
    EXPECT_TRUE(nearlyFull.Release());
}

TEST(Semaphore, ReleaseFromAnotherThreadSignals)
{
    CHfcSemaphore request(0);
    CHfcSemaphore reply(0);
    std::thread responder([&] {
        if (request.WaitWithTimeout(kGenerousMs) == CHfcSemaphore::kObtained)
            reply.Release();
    });
    EXPECT_TRUE(request.Release());
    EXPECT_EQ(reply.WaitWithTimeout(kGenerousMs), CHfcSemaphore::kObtained);
    responder.join();
}

TEST(Semaphore, NamesAreCutAndNeverFormatted)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Midi::ExclusiveSmephore", "Midi::ExclusiveSmephore"},
        {nullptr, "Untitled"},
        {"", ""},
        {"0123456789012345678901234567890123456789", "0123456789012345678901234567890"},
        {"%s%n%d", "%s%n%d"},
    };
    for (const auto& [name, expected] : cases) {
        CEfSemaphore semaphore(1, name);
        EXPECT_STREQ(semaphore.GetName(), expected);
        EXPECT_EQ(semaphore.WaitWithTimeout(0), CHfcSemaphore::kObtained);
    }
}

// Runs Lock on another thread and tells when it got through.
class Contender
{
public:
    explicit Contender(const CHfcGuard& guard)
        : m_thread([this, &guard] {
              CHfcGuardLock lock(guard);
              m_entered.Release();
          })
    {}
    ~Contender() { m_thread.join(); }

    int WaitForEntry(DWORD timeoutMs) { return m_entered.WaitWithTimeout(timeoutMs); }

private:
    CHfcSemaphore m_entered{0};
    std::thread m_thread;
};

TEST(Guard, IsRecursiveAndFreedByTheLastUnlock)
{
    CHfcGuard guard;
    ASSERT_TRUE(guard.Lock());
    ASSERT_TRUE(guard.Lock());
    Contender contender(guard);
    guard.Unlock();
    EXPECT_EQ(contender.WaitForEntry(50), CHfcSemaphore::kTimedOut) << "still held once";
    guard.Unlock();
    EXPECT_EQ(contender.WaitForEntry(kGenerousMs), CHfcSemaphore::kObtained);
}

TEST(Guard, ScopedLockReleasesWhenAnExceptionLeaves)
{
    CHfcGuard guard;
    try {
        CHfcGuardLock lock(guard);
        EXPECT_TRUE(lock.IsLocked());
        CHfcGuardLock nested(guard);
        throw std::runtime_error("leaving");
    } catch (const std::runtime_error&) {
    }
    Contender contender(guard);
    EXPECT_EQ(contender.WaitForEntry(kGenerousMs), CHfcSemaphore::kObtained);
}

}  // namespace
