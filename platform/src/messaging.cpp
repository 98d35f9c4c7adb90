// Posting, sending, retrieving and dispatching messages.
#include "clock.h"
#include "message_queue.h"
#include "window_table.h"

#include <platform/kernel.h>
#include <platform/timer.h>

#include <algorithm>
#include <atomic>

namespace platform::detail {
namespace {

std::atomic<MessageSource*> gSources[2];
std::atomic<BOOL (*)(const MSG*)> gKeyTranslator{nullptr};

void DeliverSentMessages(MessageQueue& queue)
{
    while (auto sent = queue.TakeSent())
        MessageQueue::Complete(*sent, CallWindow(sent->window, sent->message, sent->wParam, sent->lParam));
}

bool FromSource(SourceSlot slot, const MessageFilter& filter, bool remove, MSG* msg)
{
    MessageSource* source = GetMessageSource(slot);
    return source && source->Next(filter, remove, msg);
}

DWORD TimeoutUntil(std::uint64_t due)
{
    // A fake clock wakes every queue when it moves, so only a real one needs a time-out.
    if (due == kNever || ClockIsFake())
        return INFINITE;
    std::uint64_t now = NowMs();
    return due <= now ? 0 : static_cast<DWORD>(std::min<std::uint64_t>(due - now, INFINITE - 1));
}

std::uint64_t NextDue(MessageQueue& queue, const MessageFilter& filter)
{
    // A due timer that the filter passes by must not turn the wait into a spin.
    std::uint64_t due = queue.timers.NextDueMs(filter);
    for (auto slot : {SourceSlot::Input, SourceSlot::Paint})
        if (MessageSource* source = GetMessageSource(slot))
            due = std::min(due, source->NextDueMs(queue.threadId));
    return due;
}

bool Retrieve(MSG* msg, HWND window, UINT first, UINT last, bool remove, bool wait)
{
    auto queue = CurrentQueue();
    MessageFilter filter{queue->threadId, window, first, last};
    for (;;) {
        // Taken before looking, so a change while we look ends the wait at once.
        std::uint64_t seen = queue->Generation();
        DeliverSentMessages(*queue);
        if (queue->TakePosted(filter, remove, msg))
            return true;
        if (FromSource(SourceSlot::Input, filter, remove, msg))
            return true;
        if (queue->TakeQuit(remove, msg))
            return true;
        if (FromSource(SourceSlot::Paint, filter, remove, msg))
            return true;
        if (queue->timers.TakeDue(filter, NowMs(), remove, msg))
            return true;
        if (!wait)
            return false;
        queue->WaitForChange(seen, TimeoutUntil(NextDue(*queue, filter)));
    }
}

// A window filter must name a window of the calling thread.
bool ValidFilter(HWND window)
{
    if (!window)
        return true;
    auto record = FindWindowRecord(window);
    return record && record->threadId == GetCurrentThreadId();
}

BOOL Post(const std::shared_ptr<MessageQueue>& queue, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!queue || queue->IsClosed()) {
        SetLastError(window ? ERROR_INVALID_WINDOW_HANDLE : ERROR_INVALID_THREAD_ID);
        return FALSE;
    }
    queue->Post(MSG{window, message, wParam, lParam, timeGetTime(), {0, 0}});
    return TRUE;
}

LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto record = FindWindowRecord(window);
    if (!record)
        return 0;
    if (record->threadId == GetCurrentThreadId())
        return CallWindow(window, message, wParam, lParam);

    auto own = CurrentQueue();
    auto target = QueueOfThread(record->threadId);
    if (!target)
        return 0;
    auto sent = std::make_shared<SentMessage>();
    sent->window = window;
    sent->message = message;
    sent->wParam = wParam;
    sent->lParam = lParam;
    sent->sender = own;
    target->Send(sent);
    // Messages sent to this thread meanwhile are handled, so two threads sending to each other do not lock up.
    for (;;) {
        std::uint64_t seen = own->Generation();
        if (sent->done)
            return sent->result;
        DeliverSentMessages(*own);
        if (sent->done)
            return sent->result;
        own->WaitForChange(seen, INFINITE);
    }
}

}  // namespace

void SetMessageSource(SourceSlot slot, MessageSource* source)
{
    gSources[static_cast<int>(slot)] = source;
}

MessageSource* GetMessageSource(SourceSlot slot)
{
    return gSources[static_cast<int>(slot)];
}

void SetKeyTranslator(BOOL (*translate)(const MSG*))
{
    gKeyTranslator = translate;
}

}  // namespace platform::detail

using namespace platform::detail;

BOOL GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax)
{
    if (!msg || !ValidFilter(window))
        return -1;
    Retrieve(msg, window, filterMin, filterMax, true, true);
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL GetMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax)
{
    return GetMessageA(msg, window, filterMin, filterMax);
}

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    if (!msg || !ValidFilter(window))
        return FALSE;
    return Retrieve(msg, window, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0, false) ? TRUE : FALSE;
}

BOOL PeekMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    return PeekMessageA(msg, window, filterMin, filterMax, removeMsg);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!window)
        return PostThreadMessageA(GetCurrentThreadId(), message, wParam, lParam);
    auto record = FindWindowRecord(window);
    return Post(record ? QueueOfThread(record->threadId) : nullptr, window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostMessageA(window, message, wParam, lParam);
}

BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Post(QueueOfThread(threadId), nullptr, message, wParam, lParam);
}

BOOL PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostThreadMessageA(threadId, message, wParam, lParam);
}

void PostQuitMessage(int exitCode)
{
    CurrentQueue()->PostQuit(exitCode);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendToWindow(window, message, wParam, lParam);
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendToWindow(window, message, wParam, lParam);
}

BOOL TranslateMessage(const MSG* msg)
{
    auto translate = gKeyTranslator.load();
    return msg && translate ? translate(msg) : FALSE;
}

LRESULT DispatchMessageA(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, timeGetTime());
        return 0;
    }
    return msg->hwnd ? CallWindow(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

LRESULT DispatchMessageW(const MSG* msg)
{
    return DispatchMessageA(msg);
}

UINT_PTR SetTimer(HWND window, UINT_PTR timerId, UINT elapseMs, TIMERPROC procedure)
{
    if (window && !ValidFilter(window))
        return 0;
    return CurrentQueue()->timers.Set(window, timerId, elapseMs, procedure, NowMs());
}

BOOL KillTimer(HWND window, UINT_PTR timerId)
{
    return CurrentQueue()->timers.Kill(window, timerId) ? TRUE : FALSE;
}
