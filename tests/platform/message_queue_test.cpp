// Posting, retrieving and the order of a thread's queue.
#include "messaging_fixture.h"

#include "platform/src/message_sources.h"

#include <platform/kernel.h>
#include <platform/testing.h>

#include <atomic>
#include <map>
#include <thread>

namespace messaging_test {
namespace {

using QueueTest = MessagingTest;

TEST_F(QueueTest, PostsFromSeveralThreadsArriveInEachSendersOrder)
{
    DWORD owner = GetCurrentThreadId();
    constexpr int kSenders = 4, kEach = 500;
    std::thread senders[kSenders];
    for (int s = 0; s < kSenders; ++s)
        senders[s] = std::thread([=] {
            for (int i = 0; i < kEach; ++i)
                PostThreadMessageA(owner, WM_USER + s, static_cast<WPARAM>(i), 0);
        });

    std::map<UINT, WPARAM> nextOf;
    MSG msg;
    for (int received = 0; received < kSenders * kEach; ++received) {
        ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
        ASSERT_EQ(msg.hwnd, nullptr);
        ASSERT_EQ(msg.wParam, nextOf[msg.message]++) << "sender " << msg.message - WM_USER;
    }
    for (auto& sender : senders)
        sender.join();
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(QueueTest, BlockedGetMessageWakesOnAPostFromAnotherThread)
{
    DWORD owner = GetCurrentThreadId();
    std::thread poster([=] {
        Sleep(30);
        PostThreadMessageA(owner, WM_USER + 1, 11, 22);
    });
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    EXPECT_EQ(msg.wParam, 11u);
    EXPECT_EQ(msg.lParam, 22);
    poster.join();
}

TEST_F(QueueTest, QuitEndsGetMessageWithItsExitCodeOnceThePostsAreOut)
{
    PostThreadMessageA(GetCurrentThreadId(), WM_USER, 1, 0);
    PostQuitMessage(42);
    PostThreadMessageA(GetCurrentThreadId(), WM_USER, 2, 0);

    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, 2u) << "a quit request waits for the posted messages";
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 42u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "retrieved once";
}

TEST_F(QueueTest, PeekLeavesOrTakesAndHonoursTheFilters)
{
    HWND first = MakeWindow();
    HWND second = MakeWindow();
    PostMessageA(first, WM_USER + 5, 0, 0);
    PostMessageA(second, WM_USER + 1, 0, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_USER + 2, 0, 0);

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
    ASSERT_TRUE(PeekMessageA(&msg, second, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, second);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 2, WM_USER + 3, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER + 4, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, first);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(QueueTest, FiltersAndTargetsThatAreNotValidFail)
{
    MSG msg;
    HWND gone = MakeWindow();
    DestroyWindow(gone);
    EXPECT_EQ(GetMessageA(&msg, gone, 0, 0), -1);
    EXPECT_FALSE(PeekMessageA(&msg, gone, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PostMessageA(gone, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(SendMessageA(gone, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostThreadMessageA(0x7FFFFFFF, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_THREAD_ID));
}

struct PortThread
{
    std::atomic<int> handled{0};
    std::atomic<DWORD> lastParam{0};
};

DWORD WINAPI RunUntil0x480(LPVOID parameter)
{
    auto* state = static_cast<PortThread*>(parameter);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == 0x480)
            break;
        state->lastParam = static_cast<DWORD>(msg.lParam);
        ++state->handled;
    }
    return 0;
}

TEST(ThreadQueue, IsReadyBeforeTheThreadFirstAsksAndGoneWhenItEnds)
{
    PortThread state;
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, RunUntil0x480, &state, 0, &id);
    ASSERT_NE(thread, nullptr);
    // Posted at once, possibly before the thread has run a line.
    ASSERT_TRUE(PostThreadMessageA(id, 0x3C3, 0, 0x90));
    ASSERT_TRUE(PostThreadMessageA(id, 0x480, 0, 0));
    ASSERT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_EQ(state.handled, 1);
    EXPECT_EQ(state.lastParam, 0x90u);
    EXPECT_FALSE(PostThreadMessageA(id, WM_USER, 0, 0)) << "the thread has ended";
}

TEST_F(QueueTest, DispatchReturnsTheProcedureResultAndSkipsThreadMessages)
{
    HWND window = MakeWindow();
    Reply() = [](HWND, UINT message, WPARAM wParam, LPARAM) -> LRESULT {
        return message == WM_USER ? static_cast<LRESULT>(wParam * 2) : 0;
    };
    PostMessageA(window, WM_USER, 21, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_USER, 5, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(TranslateMessage(&msg));
    EXPECT_EQ(DispatchMessageA(&msg), 42);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(DispatchMessageW(&msg), 0);
    EXPECT_EQ(LoggedOf(WM_USER).size(), 1u);
}

TEST_F(QueueTest, SendCallsAtOnceOnTheOwnerAndWaitsForItFromElsewhere)
{
    HWND window = MakeWindow();
    Reply() = [](HWND, UINT message, WPARAM wParam, LPARAM) -> LRESULT {
        return message == WM_USER ? static_cast<LRESULT>(wParam + 1) : 0;
    };
    EXPECT_EQ(SendMessageA(window, WM_USER, 1, 0), 2);
    EXPECT_EQ(LoggedOf(WM_USER).size(), 1u);

    std::atomic<LRESULT> answer{0};
    std::thread sender([&] { answer = SendMessageW(window, WM_USER, 9, 0); });
    // The owner handles the sent message while it waits for anything else.
    DWORD owner = GetCurrentThreadId();
    std::thread poster([&] {
        while (answer == 0)
            Sleep(1);
        PostThreadMessageA(owner, WM_USER + 9, 0, 0);
    });
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 9));
    sender.join();
    poster.join();
    EXPECT_EQ(answer, 10);
}

// A stand-in for the display's input and paint, one message each.
class OneMessageSource : public platform::detail::MessageSource
{
public:
    explicit OneMessageSource(UINT message) : message_(message) {}
    bool Next(const platform::detail::MessageFilter& filter, bool remove, MSG* msg) override
    {
        if (!pending_ || !filter.Accepts(nullptr, message_))
            return false;
        *msg = MSG{nullptr, message_, 0, 0, 0, {0, 0}};
        if (remove)
            pending_ = false;
        return true;
    }

private:
    UINT message_;
    bool pending_ = true;
};

TEST_F(QueueTest, RetrievalOrderIsPostedInputQuitPaintTimer)
{
    using platform::detail::SourceSlot;
    platform::testing::ScopedFakeClock clock;
    // The window first: making it may install the display's own sources.
    HWND window = MakeWindow();
    OneMessageSource input(WM_KEYDOWN), paint(WM_PAINT);
    auto* const realInput = platform::detail::GetMessageSource(SourceSlot::Input);
    auto* const realPaint = platform::detail::GetMessageSource(SourceSlot::Paint);
    platform::detail::SetMessageSource(SourceSlot::Input, &input);
    platform::detail::SetMessageSource(SourceSlot::Paint, &paint);

    SetTimer(window, 1, 10, nullptr);
    platform::testing::AdvanceClock(10);
    PostQuitMessage(3);
    PostMessageA(window, WM_USER, 0, 0);

    std::vector<UINT> order;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        order.push_back(msg.message);
    platform::detail::SetMessageSource(SourceSlot::Input, realInput);
    platform::detail::SetMessageSource(SourceSlot::Paint, realPaint);
    KillTimer(window, 1);
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_KEYDOWN, WM_QUIT, WM_PAINT, WM_TIMER}));
}

}  // namespace
}  // namespace messaging_test
