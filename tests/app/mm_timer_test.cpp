// The 60 ms tick: only the first engine timer ticks, pause and resume set it
// to 0 and 60 ms, listeners may come and go during a tick, and registration
// off the message thread is refused.
#include "app/MMTimer.h"

#include "message_thread.h"
#include "services/TraceRecorder.h"

#include <platform/testing.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class Ticked final : public CMMTimerListener
{
public:
    Ticked(std::vector<std::string>& log, std::string name) : m_log(log), m_name(std::move(name)) {}

    std::function<void()> onTick;
    CMMTimer* seen = nullptr;

    void OnMMTimer(CMMTimer* timer) override
    {
        seen = timer;
        m_log.push_back(m_name);
        if (onTick)
            onTick();
    }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

class MMTimerTest : public testing::Test
{
protected:
    void TearDown() override { PumpAll(); }

    void Advance(DWORD ms)
    {
        platform::testing::AdvanceClock(ms);
        PumpAll();
    }

    platform::testing::ScopedFakeClock clock;
    CPslMessageDispatchEngine engine;
    CMMTimer timer{engine};
    std::vector<std::string> log;
    Ticked a{log, "a"}, b{log, "b"}, c{log, "c"};
};

TEST_F(MMTimerTest, TicksEvery60MsInRegistrationOrderOnceResumed)
{
    ASSERT_TRUE(timer.AddListener(&b));
    ASSERT_TRUE(timer.AddListener(&a));
    ASSERT_TRUE(timer.Start());
    EXPECT_TRUE(timer.IsCreated());
    EXPECT_NE(timer.GetTimerId(), 0);
    Advance(600);
    EXPECT_TRUE(log.empty()) << "registered timers start stopped";

    ASSERT_TRUE(timer.Resume());
    Advance(59);
    EXPECT_TRUE(log.empty());
    Advance(1);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(a.seen, &timer);
    Advance(60);
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(MMTimerTest, OnlyTheFirstEngineTimerTicks)
{
    ASSERT_TRUE(timer.AddListener(&a));
    ASSERT_TRUE(timer.Start());
    const int first = timer.GetTimerId();
    // The engine hands out the lowest free ids, so the second is the next.
    timer.OnPslTimer(first + 1);
    timer.OnPslTimer(0);
    timer.OnPslTimer(-1);
    EXPECT_TRUE(log.empty());
    timer.OnPslTimer(first);
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));

    // Even with the second engine timer running it produces nothing.
    ASSERT_TRUE(engine.SetTimerInterval(first + 1, 10));
    Advance(50);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(MMTimerTest, PauseStopsTheTickAndResumeRestartsItAt60Ms)
{
    ASSERT_TRUE(timer.AddListener(&a));
    EXPECT_FALSE(timer.Pause()) << "not started";
    EXPECT_FALSE(timer.Resume()) << "not started";
    ASSERT_TRUE(timer.Start());
    ASSERT_TRUE(timer.Resume());
    Advance(60);
    ASSERT_EQ(log.size(), 1u);

    ASSERT_TRUE(timer.Pause());
    Advance(1000);
    EXPECT_EQ(log.size(), 1u);

    ASSERT_TRUE(timer.Resume());
    Advance(59);
    EXPECT_EQ(log.size(), 1u) << "counted from the resume";
    Advance(1);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(MMTimerTest, StartStopAndRefusedStart)
{
    ASSERT_TRUE(timer.Start());
    EXPECT_FALSE(timer.Start()) << "already started";
    ASSERT_TRUE(timer.AddListener(&a));
    ASSERT_TRUE(timer.Resume());
    ASSERT_TRUE(timer.Stop());
    EXPECT_FALSE(timer.IsCreated());
    EXPECT_EQ(timer.GetTimerId(), 0);
    EXPECT_FALSE(timer.Stop());
    Advance(600);
    EXPECT_TRUE(log.empty());

    // Both engine timers went back: the engine hands out the same ids again.
    int id = 0;
    ASSERT_TRUE(engine.RegisterTimer(&timer, id));
    EXPECT_EQ(id, CPslMessageDispatchEngine::kFirstTimerId);
    ASSERT_TRUE(engine.UnregisterTimer(id));

    // With only one engine timer left, Start fails and keeps none.
    CMMTimer other(engine);
    for (int i = 0; i < CPslMessageDispatchEngine::kTimerIdCount - 1; ++i)
        ASSERT_TRUE(engine.RegisterTimer(&other, id));
    EXPECT_FALSE(timer.Start());
    EXPECT_FALSE(timer.IsCreated());
    EXPECT_EQ(timer.GetTimerId(), 0);
    ASSERT_TRUE(engine.RegisterTimer(&other, id)) << "the one free timer was given back";
}

TEST_F(MMTimerTest, ListenersMayLeaveOrJoinDuringATick)
{
    ASSERT_TRUE(timer.Start());
    for (Ticked* listener : {&a, &b, &c})
        ASSERT_TRUE(timer.AddListener(listener));
    Ticked late{log, "late"};
    a.onTick = [&] {
        timer.RemoveListener(&b);  // later in this round: not called
        timer.RemoveListener(&a);  // itself
        timer.AddListener(&late);  // joins from the next round on
        a.onTick = nullptr;
    };
    timer.OnPslTimer(timer.GetTimerId());
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
    log.clear();
    timer.OnPslTimer(timer.GetTimerId());
    EXPECT_EQ(log, (std::vector<std::string>{"c", "late"}));
}

TEST_F(MMTimerTest, RegistrationOffTheMessageThreadIsRefused)
{
    ASSERT_TRUE(timer.AddListener(&a));
    TraceRecorder trace;
    bool added = true, removed = true;
    FromOtherThread([&] {
        added = timer.AddListener(&b);
        removed = timer.RemoveListener(&a);
    });
    EXPECT_FALSE(added);
    EXPECT_FALSE(removed);
    EXPECT_EQ(trace.lines(), (std::vector<std::string>(2, "[CMMTimer] This is not the message thread!!")));

    EXPECT_FALSE(timer.AddListener(nullptr));
    EXPECT_FALSE(timer.RemoveListener(&c)) << "never registered";
    ASSERT_TRUE(timer.Start());
    timer.OnPslTimer(timer.GetTimerId());
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
}

}  // namespace
