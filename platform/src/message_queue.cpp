#include "message_queue.h"

#include "clock.h"
#include "thread_registry.h"

#include <platform/kernel.h>

#include <chrono>
#include <unordered_map>

namespace platform::detail {
namespace {

struct QueueRegistry
{
    std::mutex mutex;
    std::unordered_map<DWORD, std::shared_ptr<MessageQueue>> queues;
};

void ForgetQueue(DWORD threadId);
void WakeAllQueues();

// Never destroyed: threads may end while the process exits.
QueueRegistry& Registry()
{
    static QueueRegistry* registry = [] {
        AddThreadExitHook(ForgetQueue);
        AddClockListener(WakeAllQueues);
        return new QueueRegistry;
    }();
    return *registry;
}

void ForgetQueue(DWORD threadId)
{
    std::shared_ptr<MessageQueue> queue;
    {
        auto& registry = Registry();
        std::lock_guard lock(registry.mutex);
        auto found = registry.queues.find(threadId);
        if (found == registry.queues.end())
            return;
        queue = std::move(found->second);
        registry.queues.erase(found);
    }
    queue->Close();
}

void WakeAllQueues()
{
    auto& registry = Registry();
    std::lock_guard lock(registry.mutex);
    for (auto& [id, queue] : registry.queues)
        queue->Wake();
}

std::shared_ptr<MessageQueue> FindQueue(DWORD threadId)
{
    auto& registry = Registry();
    std::lock_guard lock(registry.mutex);
    auto found = registry.queues.find(threadId);
    return found == registry.queues.end() ? nullptr : found->second;
}

}  // namespace

bool MessageFilter::Accepts(HWND target, UINT message) const
{
    if (window && target != window)
        return false;
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

void MessageQueue::Post(const MSG& msg)
{
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(msg);
    }
    Wake();
}

bool MessageQueue::TakePosted(const MessageFilter& filter, bool remove, MSG* msg)
{
    std::lock_guard lock(mutex_);
    for (auto it = posted_.begin(); it != posted_.end(); ++it) {
        if (!filter.Accepts(it->hwnd, it->message))
            continue;
        *msg = *it;
        if (remove)
            posted_.erase(it);
        return true;
    }
    return false;
}

void MessageQueue::PostQuit(int exitCode)
{
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        exitCode_ = exitCode;
    }
    Wake();
}

bool MessageQueue::TakeQuit(bool remove, MSG* msg)
{
    std::lock_guard lock(mutex_);
    if (!quit_)
        return false;
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode_), 0, timeGetTime(), {0, 0}};
    if (remove)
        quit_ = false;
    return true;
}

void MessageQueue::Send(std::shared_ptr<SentMessage> sent)
{
    bool queued = false;
    {
        std::lock_guard lock(mutex_);
        if (!closed_) {
            sent_.push_back(sent);
            queued = true;
        }
    }
    if (queued)
        Wake();
    else
        Complete(*sent, 0);
}

std::shared_ptr<SentMessage> MessageQueue::TakeSent()
{
    std::lock_guard lock(mutex_);
    if (sent_.empty())
        return nullptr;
    auto sent = std::move(sent_.front());
    sent_.pop_front();
    return sent;
}

void MessageQueue::Complete(SentMessage& sent, LRESULT result)
{
    sent.result = result;
    sent.done = true;
    if (sent.sender)
        sent.sender->Wake();
}

std::uint64_t MessageQueue::Generation()
{
    std::lock_guard lock(mutex_);
    return generation_;
}

void MessageQueue::Wake()
{
    EventWaiter* waiter;
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        waiter = waiter_;
    }
    changed_.notify_all();
    if (waiter)
        waiter->Wake();
}

void MessageQueue::WaitForChange(std::uint64_t seen, DWORD timeoutMs)
{
    std::unique_lock lock(mutex_);
    if (generation_ != seen)
        return;
    if (waiter_) {
        EventWaiter* waiter = waiter_;
        lock.unlock();
        waiter->Wait(timeoutMs);
        return;
    }
    auto changed = [&] { return generation_ != seen; };
    if (timeoutMs == INFINITE)
        changed_.wait(lock, changed);
    else
        changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), changed);
}

void MessageQueue::SetWaiter(EventWaiter* waiter)
{
    {
        std::lock_guard lock(mutex_);
        waiter_ = waiter;
    }
    Wake();
}

void MessageQueue::Close()
{
    std::deque<std::shared_ptr<SentMessage>> pending;
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        pending.swap(sent_);
        posted_.clear();
    }
    for (auto& sent : pending)
        Complete(*sent, 0);
}

bool MessageQueue::IsClosed()
{
    std::lock_guard lock(mutex_);
    return closed_;
}

std::shared_ptr<MessageQueue> CurrentQueue()
{
    DWORD threadId = GetCurrentThreadId();
    auto& registry = Registry();
    std::lock_guard lock(registry.mutex);
    auto& queue = registry.queues[threadId];
    if (!queue)
        queue = std::make_shared<MessageQueue>(threadId);
    return queue;
}

std::shared_ptr<MessageQueue> QueueOfThread(DWORD threadId)
{
    auto& registry = Registry();
    std::lock_guard lock(registry.mutex);
    auto found = registry.queues.find(threadId);
    if (found != registry.queues.end())
        return found->second;
    // Checked under the registry lock: an ending thread stops being alive
    // before its queue is forgotten, so no queue outlives its thread.
    if (!IsThreadAlive(threadId))
        return nullptr;
    return registry.queues[threadId] = std::make_shared<MessageQueue>(threadId);
}

void SetThreadEventWaiter(DWORD threadId, EventWaiter* waiter)
{
    if (auto queue = QueueOfThread(threadId))
        queue->SetWaiter(waiter);
}

bool WakeThread(DWORD threadId)
{
    auto queue = FindQueue(threadId);
    if (queue)
        queue->Wake();
    return queue != nullptr;
}

}  // namespace platform::detail
