// Window-manager posts: always queued and delivered in posting order on the
// message thread, broadcast or to one target that is still registered, and
// safe against listeners that come and go during a delivery.
#include "app/WindowManager.h"

#include "message_thread.h"
#include "services/TraceRecorder.h"

#include <platform/kernel.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Received
{
    std::string listener;
    int event;
    LONG_PTR p1, p2, p3, p4;
    CWindowManagerListener* sender;
    DWORD thread;

    bool operator==(const Received&) const = default;
};

class Window final : public CWindowManagerListener
{
public:
    Window(std::vector<Received>& log, std::string name) : m_log(log), m_name(std::move(name)) {}

    std::function<void(int event)> onMessage;
    CWindowManager* manager = nullptr;

    void OnWindowManagerMessage(CWindowManager* from, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override
    {
        manager = from;
        m_log.push_back({m_name, event, p1, p2, p3, p4, sender, GetCurrentThreadId()});
        if (onMessage)
            onMessage(event);
    }

private:
    std::vector<Received>& m_log;
    std::string m_name;
};

class WindowManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (Window* window : {&a, &b, &c})
            ASSERT_TRUE(manager.AddListener(window));
    }
    void TearDown() override { PumpAll(); }

    // Who received which event, in order.
    std::vector<std::string> Deliveries() const
    {
        std::vector<std::string> seen;
        for (const Received& received : log)
            seen.push_back(received.listener + std::to_string(received.event));
        return seen;
    }

    const DWORD messageThread = GetCurrentThreadId();
    CPslMessageDispatchEngine engine;
    CWindowManager manager{engine};
    std::vector<Received> log;
    Window a{log, "a"}, b{log, "b"}, c{log, "c"};
};

TEST_F(WindowManagerTest, ABroadcastReachesEveryListenerLaterInRegistrationOrder)
{
    EXPECT_TRUE(manager.PostMessageToAll(7, 12, -1, 3, 12, &b));
    EXPECT_TRUE(log.empty()) << "queued even from the message thread";
    PumpAll();
    ASSERT_EQ(log.size(), 3u);
    for (const auto& [received, name] : {std::pair{log[0], "a"}, {log[1], "b"}, {log[2], "c"}})
        EXPECT_EQ(received, (Received{name, 7, 12, -1, 3, 12, &b, messageThread}));
    EXPECT_EQ(a.manager, &manager);

    // A text reference travels whole in a parameter.
    static const char text[] = "message line";
    manager.PostMessageToAll(29, reinterpret_cast<LONG_PTR>(text), 0, 0, 0, nullptr);
    PumpAll();
    EXPECT_EQ(reinterpret_cast<const char*>(log.back().p1), text);
}

TEST_F(WindowManagerTest, PostsFromAHandlerArriveInOrderAfterItReturns)
{
    bool handlerReturned = false;
    a.onMessage = [&](int event) {
        if (event != 1)
            return;
        manager.PostMessageToAll(2, 0, 0, 0, 0, &a);
        manager.PostMessageTo(&c, 3, 0, 0, 0, 0, &a);
        EXPECT_EQ(log.size(), 1u) << "nothing runs inside the posting code";
        handlerReturned = true;
    };
    b.onMessage = [&](int) { EXPECT_TRUE(handlerReturned); };
    manager.PostMessageToAll(1, 0, 0, 0, 0, nullptr);
    PumpAll();
    EXPECT_EQ(Deliveries(), (std::vector<std::string>{"a1", "b1", "c1", "a2", "b2", "c2", "c3"}));
}

TEST_F(WindowManagerTest, ATargetedPostReachesOnlyItsTargetWhileRegistered)
{
    EXPECT_TRUE(manager.PostMessageTo(&b, 24, 5, 0, 0, 0, &a));
    EXPECT_FALSE(manager.PostMessageTo(nullptr, 24, 5, 0, 0, 0, &a));
    PumpAll();
    EXPECT_EQ(Deliveries(), (std::vector<std::string>{"b24"}));
    EXPECT_EQ(log[0].sender, &a);

    // A target that left before the delivery gets nothing.
    log.clear();
    manager.PostMessageTo(&c, 24, 1, 0, 0, 0, nullptr);
    ASSERT_TRUE(manager.RemoveListener(&c));
    PumpAll();
    EXPECT_TRUE(log.empty());

    // Nor does one that was never registered.
    Window stranger{log, "stranger"};
    manager.PostMessageTo(&stranger, 24, 1, 0, 0, 0, nullptr);
    PumpAll();
    EXPECT_TRUE(log.empty());
}

TEST_F(WindowManagerTest, ListenersMayLeaveOrJoinDuringADelivery)
{
    Window late{log, "late"};
    a.onMessage = [&](int) {
        EXPECT_TRUE(manager.RemoveListener(&b));  // later in this round: not called
        EXPECT_TRUE(manager.RemoveListener(&a));  // itself
        EXPECT_TRUE(manager.AddListener(&late));  // only from the next post on
        a.onMessage = nullptr;
    };
    manager.PostMessageToAll(14, 0, 0, 0, 0, nullptr);
    manager.PostMessageToAll(15, 0, 0, 0, 0, nullptr);
    PumpAll();
    EXPECT_EQ(Deliveries(), (std::vector<std::string>{"a14", "c14", "c15", "late15"}));

    // A listener removed while posts for it wait no longer gets them.
    log.clear();
    manager.PostMessageToAll(16, 0, 0, 0, 0, nullptr);
    EXPECT_TRUE(manager.RemoveListener(&late));
    EXPECT_FALSE(manager.RemoveListener(&late)) << "not registered any more";
    PumpAll();
    EXPECT_EQ(Deliveries(), (std::vector<std::string>{"c16"}));
}

TEST_F(WindowManagerTest, PostsFromAnotherThreadAreDeliveredOnTheMessageThread)
{
    FromOtherThread([&] {
        EXPECT_TRUE(manager.PostMessageToAll(7, 1, -1, 0, 1, nullptr));
        EXPECT_TRUE(manager.PostMessageToAll(2, 1, -1, 0, 1, nullptr));
    });
    EXPECT_TRUE(log.empty());
    PumpAll();
    EXPECT_EQ(Deliveries(), (std::vector<std::string>{"a7", "b7", "c7", "a2", "b2", "c2"}));
    for (const Received& received : log)
        EXPECT_EQ(received.thread, messageThread);
}

TEST_F(WindowManagerTest, RegistrationOffTheMessageThreadIsRefused)
{
    Window other{log, "other"};
    TraceRecorder trace;
    bool added = true, removed = true;
    FromOtherThread([&] {
        added = manager.AddListener(&other);
        removed = manager.RemoveListener(&a);
    });
    EXPECT_FALSE(added);
    EXPECT_FALSE(removed);
    EXPECT_EQ(trace.lines(), (std::vector<std::string>(2, "[CWindowManager] This is not the message thread!!")));
    EXPECT_FALSE(manager.AddListener(nullptr));

    manager.PostMessageToAll(0, 0, 0, 0, 0, nullptr);
    PumpAll();
    EXPECT_EQ(Deliveries(), (std::vector<std::string>{"a0", "b0", "c0"}));
}

TEST_F(WindowManagerTest, UndeliveredAndStrayMessagesLeaveNothingBehind)
{
    // No listeners: the record goes without effect (the leak checker
    // watches the records).
    CWindowManager empty(engine);
    EXPECT_TRUE(empty.PostMessageToAll(7, 0, 0, 0, 0, nullptr));
    PumpAll();

    // Another channel, or an unknown record, is ignored.
    manager.OnPslMessage(3916, 0, 0, 0, 0);
    manager.OnPslMessage(CWindowManager::kChannel, 0, 0, 0, 0);
    EXPECT_TRUE(log.empty());

    // Posts still queued when their manager and engine go are freed.
    auto engine2 = std::make_unique<CPslMessageDispatchEngine>();
    auto doomed = std::make_unique<CWindowManager>(*engine2);
    doomed->PostMessageToAll(7, 0, 0, 0, 0, nullptr);
    doomed.reset();
    engine2.reset();
}

TEST_F(WindowManagerTest, WindowNumbersAreUniqueFromZero)
{
    EXPECT_EQ(manager.TakeWindowNumber(), 0);
    EXPECT_EQ(manager.TakeWindowNumber(), 1);
    EXPECT_EQ(manager.TakeWindowNumber(), 2);
}

}  // namespace
