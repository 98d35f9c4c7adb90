#pragma once
// Kernel services: threads, waitable objects (threads, semaphores, events),
// recursive critical sections, the last-error word and the clocks.
// Every object is private to the process; names given at creation are ignored.
#include <platform/types.h>

// Last error of the calling thread.
#define ERROR_SUCCESS 0L
#define NO_ERROR 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_NOT_LOCKED 158L
#define ERROR_MORE_DATA 234L
#define ERROR_TOO_MANY_POSTS 298L

DWORD GetLastError();
void SetLastError(DWORD error);

struct SECURITY_ATTRIBUTES
{
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

// Waiting on a thread, semaphore or event.
#define INFINITE 0xFFFFFFFFu
#define WAIT_OBJECT_0 0x00000000u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
BOOL CloseHandle(HANDLE handle);

// Threads. A thread's handle is signalled when its procedure has returned.
typedef DWORD(WINAPI* LPTHREAD_START_ROUTINE)(LPVOID parameter);

#define THREAD_PRIORITY_LOWEST (-2)
#define THREAD_PRIORITY_BELOW_NORMAL (-1)
#define THREAD_PRIORITY_NORMAL 0
#define THREAD_PRIORITY_ABOVE_NORMAL 1
#define THREAD_PRIORITY_HIGHEST 2
#define THREAD_PRIORITY_TIME_CRITICAL 15

// Only a creation flags value of 0 is supported; the stack size 0 means the default.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES attributes, SIZE_T stackSize, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                    DWORD creationFlags, LPDWORD threadId);
// Time-critical asks for real-time scheduling; where the system refuses it
// the thread keeps its normal priority and the call still succeeds.
BOOL SetThreadPriority(HANDLE thread, int priority);
// A small number unique among the threads alive in the process, never 0.
DWORD GetCurrentThreadId();
void Sleep(DWORD milliseconds);

// Counting semaphores.
HANDLE CreateSemaphoreA(LPSECURITY_ATTRIBUTES attributes, LONG initialCount, LONG maximumCount, LPCSTR name);
BOOL ReleaseSemaphore(HANDLE semaphore, LONG releaseCount, LONG* previousCount);

// Events: manual-reset events stay signalled until reset; auto-reset events
// let one waiter through and reset themselves.
HANDLE CreateEventA(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState, LPCSTR name);
BOOL SetEvent(HANDLE event);
BOOL ResetEvent(HANDLE event);

// Critical sections: recursive locks owned by one thread at a time.
struct CRITICAL_SECTION
{
    alignas(8) unsigned char storage[48];
};
typedef CRITICAL_SECTION* LPCRITICAL_SECTION;

void InitializeCriticalSection(LPCRITICAL_SECTION section);
void EnterCriticalSection(LPCRITICAL_SECTION section);
BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section);
void LeaveCriticalSection(LPCRITICAL_SECTION section);
void DeleteCriticalSection(LPCRITICAL_SECTION section);

// Time.
struct SYSTEMTIME
{
    WORD wYear;
    WORD wMonth;      // 1 to 12
    WORD wDayOfWeek;  // 0 is Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
typedef SYSTEMTIME* LPSYSTEMTIME;

void GetLocalTime(LPSYSTEMTIME time);
// Milliseconds of a monotonic clock (tests may replace it); both wrap at 2^32.
DWORD timeGetTime();
DWORD GetTickCount();
