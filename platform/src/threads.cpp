#include "kernel_object.h"
#include "thread_registry.h"

#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

namespace platform::detail {
namespace {

struct Registry
{
    std::mutex mutex;
    std::set<DWORD> alive;
    std::vector<void (*)(DWORD)> exitHooks;
};

// Never destroyed: threads may still end while the process exits.
Registry& Threads()
{
    static Registry* registry = new Registry;
    return *registry;
}

DWORD NewThreadId()
{
    static std::atomic<DWORD> next{1};
    DWORD id = next++;
    auto& registry = Threads();
    std::lock_guard lock(registry.mutex);
    registry.alive.insert(id);
    return id;
}

void EndThread(DWORD id)
{
    std::vector<void (*)(DWORD)> hooks;
    {
        auto& registry = Threads();
        std::lock_guard lock(registry.mutex);
        registry.alive.erase(id);
        hooks = registry.exitHooks;
    }
    for (auto hook : hooks)
        hook(id);
}

// Threads that the platform did not start get their id on first use and
// give it up when they end.
struct Identity
{
    DWORD id = 0;
    bool ended = false;
    ~Identity()
    {
        if (id != 0 && !ended)
            EndThread(id);
    }
};
thread_local Identity tIdentity;

class ThreadObject : public KernelObject
{
public:
    DWORD id = NewThreadId();

    void Start(LPTHREAD_START_ROUTINE start, LPVOID parameter, std::shared_ptr<ThreadObject> self)
    {
        std::lock_guard lock(mutex_);
        std::thread thread([start, parameter, self = std::move(self)] {
            tIdentity.id = self->id;
            start(parameter);
            tIdentity.ended = true;
            EndThread(self->id);
            self->Finish();
        });
        native_ = thread.native_handle();
        thread.detach();
    }

    BOOL SetPriority(int priority)
    {
        // Holding the lock keeps the thread from finishing, so its native handle stays valid.
        std::lock_guard lock(mutex_);
        if (done_)
            return TRUE;
        sched_param param{};
        int policy = SCHED_OTHER;
        if (priority == THREAD_PRIORITY_TIME_CRITICAL) {
            policy = SCHED_FIFO;
            // Midway, so that the system's own real-time threads still come first.
            param.sched_priority = (sched_get_priority_min(SCHED_FIFO) + sched_get_priority_max(SCHED_FIFO)) / 2;
        }
        // Real-time scheduling needs a privilege that users rarely have; then the thread stays normal.
        pthread_setschedparam(native_, policy, &param);
        return TRUE;
    }

private:
    bool TryAcquireLocked() override { return done_; }

    void Finish()
    {
        std::lock_guard lock(mutex_);
        done_ = true;
        changed_.notify_all();
    }

    pthread_t native_{};
    bool done_ = false;
};

}  // namespace

bool IsThreadAlive(DWORD threadId)
{
    auto& registry = Threads();
    std::lock_guard lock(registry.mutex);
    return registry.alive.count(threadId) != 0;
}

void AddThreadExitHook(void (*hook)(DWORD))
{
    auto& registry = Threads();
    std::lock_guard lock(registry.mutex);
    registry.exitHooks.push_back(hook);
}

}  // namespace platform::detail

using platform::detail::ThreadObject;

HANDLE CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD creationFlags,
                    LPDWORD threadId)
{
    if (!start || creationFlags != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto thread = std::make_shared<ThreadObject>();
    // The id is known before the thread runs, so messages can be posted to it at once.
    if (threadId)
        *threadId = thread->id;
    HANDLE handle = platform::detail::AddHandle(thread);
    try {
        thread->Start(start, parameter, thread);
    } catch (const std::system_error&) {
        CloseHandle(handle);
        platform::detail::EndThread(thread->id);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return handle;
}

BOOL SetThreadPriority(HANDLE thread, int priority)
{
    auto object = platform::detail::FindHandleOf<ThreadObject>(thread);
    return object ? object->SetPriority(priority) : FALSE;
}

DWORD GetCurrentThreadId()
{
    auto& identity = platform::detail::tIdentity;
    if (identity.id == 0)
        identity.id = platform::detail::NewThreadId();
    return identity.id;
}

void Sleep(DWORD milliseconds)
{
    if (milliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
