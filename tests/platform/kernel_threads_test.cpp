#include <platform/kernel.h>

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

namespace {

struct Gate
{
    HANDLE open = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<DWORD> seenId{0};
    ~Gate() { CloseHandle(open); }
};

DWORD WINAPI WaitAtGate(LPVOID parameter)
{
    auto* gate = static_cast<Gate*>(parameter);
    gate->seenId = GetCurrentThreadId();
    WaitForSingleObject(gate->open, INFINITE);
    return 7;
}

TEST(Thread, HandleSignalsWhenTheProcedureReturns)
{
    Gate gate;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_NE(id, GetCurrentThreadId());

    EXPECT_EQ(WaitForSingleObject(thread, 20), WAIT_TIMEOUT);
    EXPECT_TRUE(SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL)) << "refused real-time is silent";
    EXPECT_TRUE(SetThreadPriority(thread, THREAD_PRIORITY_NORMAL));
    SetEvent(gate.open);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(gate.seenId, id) << "the id given out is the thread's own";
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "stays signalled";
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(Thread, ClosingTheHandleLeavesTheThreadRunning)
{
    Gate gate;
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    struct Work
    {
        Gate* gate;
        HANDLE done;
    } work{&gate, done};
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID parameter) -> DWORD {
            auto* w = static_cast<Work*>(parameter);
            WaitAtGate(w->gate);
            SetEvent(w->done);
            return 0;
        },
        &work, 0, nullptr);
    ASSERT_TRUE(CloseHandle(thread));
    SetEvent(gate.open);
    EXPECT_EQ(WaitForSingleObject(done, 60000), WAIT_OBJECT_0);
    CloseHandle(done);
}

TEST(Thread, RefusesAMissingProcedureAndUnsupportedFlags)
{
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(CreateThread(nullptr, 0, WaitAtGate, nullptr, 4 /* suspended */, nullptr), nullptr);
    EXPECT_FALSE(SetThreadPriority(nullptr, THREAD_PRIORITY_NORMAL));
}

TEST(Thread, IdsAreDistinctStableAndNeverZero)
{
    std::set<DWORD> ids{GetCurrentThreadId()};
    EXPECT_EQ(GetCurrentThreadId(), *ids.begin());
    for (int i = 0; i < 4; ++i) {
        DWORD id = 0;
        std::thread([&] { id = GetCurrentThreadId(); }).join();
        EXPECT_NE(id, 0u);
        EXPECT_TRUE(ids.insert(id).second) << "id " << id << " given twice";
    }
}

}  // namespace
