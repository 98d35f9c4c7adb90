// The dispatch engine: direct and queued delivery to the owner thread, the
// drain on one wake-up, nested message loops, timers and their ids, and
// nothing delivered once the engine is gone.
#include "framework/services/PslMessageDispatchEngine.h"

#include <platform/kernel.h>
#include <platform/testing.h>
#include <platform/window.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

namespace {

struct Delivery
{
    int id;
    LONG_PTR param1, param2, param3, param4;
    DWORD thread;
};

class Recorder final : public CPslMessageDispatchListener
{
public:
    std::vector<Delivery> messages;
    std::vector<int> ticks;
    std::vector<DWORD> tickThreads;
    std::function<void(int id)> onMessage;  // runs after the message is recorded

    void OnPslMessage(int id, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4) override
    {
        messages.push_back({id, p1, p2, p3, p4, GetCurrentThreadId()});
        if (onMessage)
            onMessage(id);
    }
    void OnPslTimer(int timerId) override
    {
        ticks.push_back(timerId);
        tickThreads.push_back(GetCurrentThreadId());
    }

    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (const Delivery& delivery : messages)
            ids.push_back(delivery.id);
        return ids;
    }
};

// Runs the calling thread's messages until none is left, as the program's
// message pump does; returns how many were handled.
int PumpAll()
{
    MSG msg;
    int handled = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        ++handled;
    }
    return handled;
}

// Handles exactly one waiting message and returns its number (0 for none).
UINT PumpOne()
{
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return 0;
    DispatchMessageW(&msg);
    return msg.message;
}

void FromOtherThread(const std::function<void()>& work)
{
    std::thread thread(work);
    thread.join();
}

class DispatchEngineTest : public ::testing::Test
{
protected:
    void SetUp() override { PumpAll(); }
    void TearDown() override { PumpAll(); }

    DWORD owner = GetCurrentThreadId();
};

TEST_F(DispatchEngineTest, OnTheOwnerThreadTheTargetRunsBeforeDispatchReturns)
{
    CPslMessageDispatchEngine engine;
    Recorder target;
    EXPECT_TRUE(engine.IsOwnerThread());

    EXPECT_TRUE(engine.Dispatch(&target, 7, 1, 2, 3, 4));
    ASSERT_EQ(target.messages.size(), 1u);
    EXPECT_EQ(target.messages[0].id, 7);
    EXPECT_EQ(target.messages[0].param4, 4);
    EXPECT_EQ(PumpAll(), 0) << "a direct call posts nothing";

    EXPECT_TRUE(engine.Dispatch(&target, 8, 0, 0, 0, 0, true));
    EXPECT_EQ(target.Ids(), (std::vector<int>{7}));
    EXPECT_EQ(PumpOne(), static_cast<UINT>(WM_USER));
    EXPECT_EQ(target.Ids(), (std::vector<int>{7, 8}));
    EXPECT_FALSE(engine.Dispatch(nullptr, 9, 0, 0, 0, 0));
}

TEST_F(DispatchEngineTest, MessagesFromAnotherThreadArriveInOrderAndOneWakeUpDrainsThemAll)
{
    CPslMessageDispatchEngine engine;
    Recorder target;
    bool ownerSeenThere = true;
    FromOtherThread([&] {
        ownerSeenThere = engine.IsOwnerThread();
        for (int id = 1; id <= 3; ++id)
            EXPECT_TRUE(engine.Dispatch(&target, id, id * 10, 0, 0, 0));
    });
    EXPECT_FALSE(ownerSeenThere);
    EXPECT_TRUE(target.messages.empty()) << "nothing runs before the owner's loop does";

    EXPECT_EQ(PumpOne(), static_cast<UINT>(WM_USER));
    EXPECT_EQ(target.Ids(), (std::vector<int>{1, 2, 3}));
    for (const Delivery& delivery : target.messages) {
        EXPECT_EQ(delivery.param1, delivery.id * 10);
        EXPECT_EQ(delivery.thread, owner);
    }
    // One wake-up was posted per message; the later two find the queue empty.
    EXPECT_EQ(PumpOne(), static_cast<UINT>(WM_USER));
    EXPECT_EQ(PumpOne(), static_cast<UINT>(WM_USER));
    EXPECT_EQ(PumpOne(), 0u);
    EXPECT_EQ(target.messages.size(), 3u);
}

TEST_F(DispatchEngineTest, EachSendersOrderSurvivesManyThreadsAtOnce)
{
    constexpr int kThreads = 4;
    constexpr int kPerThread = 200;
    CPslMessageDispatchEngine engine;
    Recorder target;
    std::vector<std::thread> senders;
    for (int sender = 0; sender < kThreads; ++sender) {
        senders.emplace_back([&engine, &target, sender] {
            for (int n = 0; n < kPerThread; ++n)
                engine.Dispatch(&target, sender, n, 0, 0, 0);
        });
    }
    for (std::thread& thread : senders)
        thread.join();
    PumpAll();

    ASSERT_EQ(target.messages.size(), static_cast<size_t>(kThreads * kPerThread));
    std::vector<LONG_PTR> next(kThreads, 0);
    for (const Delivery& delivery : target.messages) {
        EXPECT_EQ(delivery.param1, next[delivery.id]++) << "sender " << delivery.id;
        EXPECT_EQ(delivery.thread, owner);
    }
}

TEST_F(DispatchEngineTest, ADirectCallOvertakesQueuedMessages)
{
    CPslMessageDispatchEngine engine;
    Recorder target;
    engine.Dispatch(&target, 1, 0, 0, 0, 0, true);
    engine.Dispatch(&target, 2, 0, 0, 0, 0);
    PumpAll();
    EXPECT_EQ(target.Ids(), (std::vector<int>{2, 1}));
}

TEST_F(DispatchEngineTest, QueuedMessagesAreDeliveredInsideANestedMessagePump)
{
    // A handler that waits on the owner thread pumps messages meanwhile, as
    // device transfers do; work queued from elsewhere must reach it there.
    CPslMessageDispatchEngine engine;
    Recorder target;
    std::vector<int> seenInsideOuter;
    target.onMessage = [&](int id) {
        if (id != 1)
            return;
        FromOtherThread([&] { engine.Dispatch(&target, 2, 0, 0, 0, 0); });
        PumpAll();
        seenInsideOuter = target.Ids();
    };
    engine.Dispatch(&target, 1, 0, 0, 0, 0);
    EXPECT_EQ(seenInsideOuter, (std::vector<int>{1, 2}));
}

TEST_F(DispatchEngineTest, ATargetMayDispatchAgainFromItsHandler)
{
    CPslMessageDispatchEngine engine;
    Recorder target;
    target.onMessage = [&](int id) {
        if (id < 3)
            engine.Dispatch(&target, id + 1, 0, 0, 0, 0, true);
    };
    engine.Dispatch(&target, 1, 0, 0, 0, 0, true);
    EXPECT_EQ(PumpOne(), static_cast<UINT>(WM_USER));
    EXPECT_EQ(target.Ids(), (std::vector<int>{1, 2, 3})) << "the drain takes what handlers queue";
}

TEST_F(DispatchEngineTest, PointerWideParametersArriveIntact)
{
    CPslMessageDispatchEngine engine;
    Recorder target;
    auto record = std::make_unique<int>(3917);
    const LONG_PTR address = reinterpret_cast<LONG_PTR>(record.get());
    const LONG_PTR high = static_cast<LONG_PTR>(0x123456789ABCDEF0);
    const LONG_PTR low = std::numeric_limits<LONG_PTR>::min();
    const LONG_PTR top = std::numeric_limits<LONG_PTR>::max();

    engine.Dispatch(&target, 3917, high, low, top, address);  // direct
    FromOtherThread([&] { engine.Dispatch(&target, 3917, high, low, top, address); });
    PumpAll();

    ASSERT_EQ(target.messages.size(), 2u);
    for (const Delivery& delivery : target.messages) {
        EXPECT_EQ(delivery.param1, high);
        EXPECT_EQ(delivery.param2, low);
        EXPECT_EQ(delivery.param3, top);
        ASSERT_EQ(delivery.param4, address);
        EXPECT_EQ(*reinterpret_cast<int*>(delivery.param4), 3917);
    }
}

TEST_F(DispatchEngineTest, NothingIsDeliveredOnceTheEngineIsGone)
{
    Recorder target;
    {
        platform::testing::ScopedFakeClock clock;
        auto engine = std::make_unique<CPslMessageDispatchEngine>();
        int timerId = 0;
        ASSERT_TRUE(engine->RegisterTimer(&target, timerId));
        ASSERT_TRUE(engine->SetTimerInterval(timerId, 60));
        engine->Dispatch(&target, 1, 0, 0, 0, 0, true);
        FromOtherThread([&] {
            engine->Dispatch(&target, 2, 0, 0, 0, 0);
            engine->Dispatch(&target, 3, 0, 0, 0, 0);
        });
        engine.reset();
        platform::testing::AdvanceClock(1000);
        PumpAll();
    }
    EXPECT_TRUE(target.messages.empty());
    EXPECT_TRUE(target.ticks.empty());
}

TEST_F(DispatchEngineTest, TimerIdsStartAt128AndTheLowestFreeIdIsReused)
{
    CPslMessageDispatchEngine engine;
    Recorder listener;
    int id = 0;
    ASSERT_TRUE(engine.RegisterTimer(&listener, id));
    EXPECT_EQ(id, 128);
    EXPECT_TRUE(engine.UnregisterTimer(128));
    ASSERT_TRUE(engine.RegisterTimer(&listener, id));
    EXPECT_EQ(id, 128);
    ASSERT_TRUE(engine.RegisterTimer(&listener, id));
    EXPECT_EQ(id, 129);
    EXPECT_TRUE(engine.UnregisterTimer(128));
    ASSERT_TRUE(engine.RegisterTimer(&listener, id));
    EXPECT_EQ(id, 128);

    EXPECT_FALSE(engine.SetTimerInterval(77, 60));
    EXPECT_FALSE(engine.UnregisterTimer(77));
    EXPECT_FALSE(engine.UnregisterTimer(130));

    // Fill every id: 1,024 in all, the last 1151.
    for (int expected = 130; expected <= 1151; ++expected) {
        ASSERT_TRUE(engine.RegisterTimer(&listener, id));
        ASSERT_EQ(id, expected);
    }
    id = -1;
    EXPECT_FALSE(engine.RegisterTimer(&listener, id));
    EXPECT_EQ(id, -1) << "a refused registration writes no id";
    EXPECT_TRUE(engine.UnregisterTimer(500));
    ASSERT_TRUE(engine.RegisterTimer(&listener, id));
    EXPECT_EQ(id, 500);
}

TEST_F(DispatchEngineTest, TimersTickOnTheOwnerThreadAndStopAndRestart)
{
    platform::testing::ScopedFakeClock clock;
    CPslMessageDispatchEngine engine;
    Recorder first, second;
    int firstId = 0, secondId = 0;
    ASSERT_TRUE(engine.RegisterTimer(&first, firstId));
    ASSERT_TRUE(engine.RegisterTimer(&second, secondId));

    auto advance = [](DWORD ms) {
        platform::testing::AdvanceClock(ms);
        PumpAll();
    };

    advance(1000);
    EXPECT_TRUE(first.ticks.empty()) << "a registered timer starts stopped";

    ASSERT_TRUE(engine.SetTimerInterval(firstId, 60));
    ASSERT_TRUE(engine.SetTimerInterval(secondId, 100));
    advance(59);
    EXPECT_TRUE(first.ticks.empty());
    advance(1);
    EXPECT_EQ(first.ticks, (std::vector<int>{firstId}));
    EXPECT_TRUE(second.ticks.empty());
    advance(40);
    EXPECT_EQ(second.ticks, (std::vector<int>{secondId}));

    advance(600);
    EXPECT_EQ(first.ticks.size(), 2u) << "a busy thread gets one tick, not a burst";

    // Stopped: no ticks, but still registered.
    ASSERT_TRUE(engine.SetTimerInterval(firstId, 0));
    advance(600);
    EXPECT_EQ(first.ticks.size(), 2u);
    ASSERT_TRUE(engine.SetTimerInterval(firstId, -5));

    // Restarted with a new interval, counted from the restart.
    ASSERT_TRUE(engine.SetTimerInterval(firstId, 60));
    advance(50);
    ASSERT_TRUE(engine.SetTimerInterval(firstId, 100));
    advance(60);
    EXPECT_EQ(first.ticks.size(), 2u) << "the old period no longer applies";
    advance(40);
    EXPECT_EQ(first.ticks.size(), 3u);

    ASSERT_TRUE(engine.UnregisterTimer(firstId));
    const size_t secondTicks = second.ticks.size();
    advance(1000);
    EXPECT_EQ(first.ticks.size(), 3u);
    EXPECT_EQ(second.ticks.size(), secondTicks + 1);

    for (const std::vector<DWORD>* threads : {&first.tickThreads, &second.tickThreads})
        for (DWORD thread : *threads)
            EXPECT_EQ(thread, owner);
}

TEST_F(DispatchEngineTest, EnginesShareTheWindowClassUntilTheLastIsGone)
{
    Recorder target;
    auto first = std::make_unique<CPslMessageDispatchEngine>();
    auto second = std::make_unique<CPslMessageDispatchEngine>();
    first.reset();
    second->Dispatch(&target, 1, 0, 0, 0, 0, true);
    PumpAll();
    second.reset();

    CPslMessageDispatchEngine third;
    third.Dispatch(&target, 2, 0, 0, 0, 0, true);
    PumpAll();
    EXPECT_EQ(target.Ids(), (std::vector<int>{1, 2}));
}

}  // namespace
