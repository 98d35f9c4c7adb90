#pragma once
// The seam between the message queues and the event sources beside them
// (the display's input and paint). Every source is asked in retrieval order
// on the retrieving thread; a thread with nothing to retrieve sleeps in its
// event waiter, which any source may wake.
#include <platform/messaging.h>

#include <cstdint>

namespace platform::detail {

inline constexpr std::uint64_t kNever = UINT64_MAX;

// What GetMessage or PeekMessage asked for.
struct MessageFilter
{
    DWORD threadId;
    HWND window;  // null: every message of the thread
    UINT first;
    UINT last;  // first and last both 0: every message
    bool Accepts(HWND target, UINT message) const;
};

class MessageSource
{
public:
    virtual ~MessageSource() = default;
    // Fills msg with the source's next message that passes the filter;
    // removes it only when remove is set.
    virtual bool Next(const MessageFilter& filter, bool remove, MSG* msg) = 0;
    // The clock time (milliseconds of the tick clock) at which the source
    // will have a message without any outside event; kNever for none.
    virtual std::uint64_t NextDueMs(DWORD /*threadId*/) { return kNever; }
};

enum class SourceSlot
{
    Input,
    Paint
};
// Process-wide; null removes the source.
void SetMessageSource(SourceSlot slot, MessageSource* source);
MessageSource* GetMessageSource(SourceSlot slot);

class EventWaiter
{
public:
    virtual ~EventWaiter() = default;
    // Sleeps until Wake, an event of its own or the time-out (INFINITE: none).
    virtual void Wait(DWORD timeoutMs) = 0;
    // From any thread: ends a Wait in progress, or the next one at once.
    virtual void Wake() = 0;
};

// Replaces the condition-variable sleep of one thread's queue; null restores it.
void SetThreadEventWaiter(DWORD threadId, EventWaiter* waiter);
// Makes the thread look at its sources again; false when it has no queue.
bool WakeThread(DWORD threadId);

}  // namespace platform::detail

namespace platform::detail {

// TranslateMessage hands key messages to the display's keyboard; without one
// nothing is translated.
void SetKeyTranslator(BOOL (*translate)(const MSG* msg));

}  // namespace platform::detail
