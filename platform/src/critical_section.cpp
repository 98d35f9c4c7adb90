#include <platform/kernel.h>

#include <mutex>
#include <new>

namespace {

static_assert(sizeof(std::recursive_mutex) <= sizeof(CRITICAL_SECTION::storage));
static_assert(alignof(std::recursive_mutex) <= alignof(CRITICAL_SECTION));

std::recursive_mutex& Mutex(LPCRITICAL_SECTION section)
{
    return *std::launder(reinterpret_cast<std::recursive_mutex*>(section->storage));
}

}  // namespace

void InitializeCriticalSection(LPCRITICAL_SECTION section)
{
    new (section->storage) std::recursive_mutex;
}

void EnterCriticalSection(LPCRITICAL_SECTION section)
{
    Mutex(section).lock();
}

BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section)
{
    return Mutex(section).try_lock() ? TRUE : FALSE;
}

void LeaveCriticalSection(LPCRITICAL_SECTION section)
{
    Mutex(section).unlock();
}

void DeleteCriticalSection(LPCRITICAL_SECTION section)
{
    Mutex(section).~recursive_mutex();
}
