#pragma once
// One thread's message queue: posted messages, the quit request, messages
// sent from other threads and the wake-up that ends the thread's sleep.
#include "message_sources.h"
#include "timers.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace platform::detail {

class MessageQueue;

// A message sent from another thread, waiting for the owner to handle it.
struct SentMessage
{
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
    std::atomic<bool> done{false};
    std::shared_ptr<MessageQueue> sender;
};

class MessageQueue
{
public:
    explicit MessageQueue(DWORD threadId) : threadId(threadId) {}

    const DWORD threadId;
    TimerTable timers;  // owner thread only

    void Post(const MSG& msg);
    bool TakePosted(const MessageFilter& filter, bool remove, MSG* msg);
    void PostQuit(int exitCode);
    bool TakeQuit(bool remove, MSG* msg);

    // When the owner has ended the message completes at once with 0.
    void Send(std::shared_ptr<SentMessage> sent);
    std::shared_ptr<SentMessage> TakeSent();
    static void Complete(SentMessage& sent, LRESULT result);

    // Every change that may give the owner something to retrieve moves the generation on.
    std::uint64_t Generation();
    void Wake();
    void WaitForChange(std::uint64_t seen, DWORD timeoutMs);
    void SetWaiter(EventWaiter* waiter);

    // The owner has ended: pending sends complete with 0, later posts fail.
    void Close();
    bool IsClosed();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t generation_ = 0;
    EventWaiter* waiter_ = nullptr;
    bool closed_ = false;
    std::deque<MSG> posted_;
    std::deque<std::shared_ptr<SentMessage>> sent_;
    bool quit_ = false;
    int exitCode_ = 0;
};

// The calling thread's queue, made on first use.
std::shared_ptr<MessageQueue> CurrentQueue();
// The queue of a living thread, made when missing; null for no such thread.
std::shared_ptr<MessageQueue> QueueOfThread(DWORD threadId);

}  // namespace platform::detail
