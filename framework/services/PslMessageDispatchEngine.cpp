#include "framework/services/PslMessageDispatchEngine.h"

#include <platform/kernel.h>
#include <platform/timer.h>
#include <platform/window.h>

#include <mutex>

namespace {

constexpr WCHAR kClassName[] = u"PslMessageDispatchEngine";
constexpr int kEngineSlot = 0;  // window extra bytes that hold the engine

// The class is registered by the first engine and unregistered with the last.
std::mutex g_classLock;
int g_engineCount = 0;

void AcquireWindowClass(WNDPROC procedure)
{
    std::lock_guard<std::mutex> lock(g_classLock);
    if (g_engineCount++ > 0)
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

void ReleaseWindowClass()
{
    std::lock_guard<std::mutex> lock(g_classLock);
    if (--g_engineCount == 0)
        UnregisterClassW(kClassName, nullptr);
}

}  // namespace

CPslMessageDispatchEngine::CPslMessageDispatchEngine() : m_ownerThread(GetCurrentThreadId())
{
    AcquireWindowClass(&WindowProc);
    // The window procedure stores the window in m_window while it is created.
    CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, this);
}

CPslMessageDispatchEngine::~CPslMessageDispatchEngine()
{
    if (m_window != nullptr)
        DestroyWindow(m_window);  // its timers and pending wake-ups go with it
    ReleaseWindowClass();
    m_timers.clear();
    CHfcGuardLock lock(m_guard);
    m_queue.clear();
}

bool CPslMessageDispatchEngine::IsOwnerThread() const
{
    return GetCurrentThreadId() == m_ownerThread;
}

bool CPslMessageDispatchEngine::Dispatch(CPslMessageDispatchListener* target, int id, LONG_PTR param1, LONG_PTR param2,
                                         LONG_PTR param3, LONG_PTR param4, bool forceQueue)
{
    if (target == nullptr)
        return false;
    if (!forceQueue && IsOwnerThread()) {
        target->OnPslMessage(id, param1, param2, param3, param4);
        return true;
    }
    {
        CHfcGuardLock lock(m_guard);
        m_queue.push_back({target, id, param1, param2, param3, param4});
    }
    return PostMessageW(m_window, WM_USER, 0, 0) != FALSE;
}

bool CPslMessageDispatchEngine::RegisterTimer(CPslMessageDispatchListener* listener, int& timerId)
{
    // The map is ordered, so the first gap in the ids is the lowest free one.
    int candidate = kFirstTimerId;
    for (const auto& entry : m_timers) {
        if (entry.first != candidate)
            break;
        ++candidate;
    }
    if (candidate >= kFirstTimerId + kTimerIdCount)
        return false;
    m_timers.emplace(candidate, Timer{listener, 0});
    timerId = candidate;
    return true;
}

bool CPslMessageDispatchEngine::SetTimerInterval(int timerId, int intervalMs)
{
    auto found = m_timers.find(timerId);
    if (found == m_timers.end())
        return false;
    if (intervalMs < 1) {
        if (found->second.intervalMs != 0)
            KillTimer(m_window, static_cast<UINT_PTR>(timerId));
        found->second.intervalMs = 0;
        return true;
    }
    if (SetTimer(m_window, static_cast<UINT_PTR>(timerId), static_cast<UINT>(intervalMs), nullptr) == 0) {
        found->second.intervalMs = 0;
        return false;
    }
    found->second.intervalMs = intervalMs;
    return true;
}

bool CPslMessageDispatchEngine::UnregisterTimer(int timerId)
{
    auto found = m_timers.find(timerId);
    if (found == m_timers.end())
        return false;
    if (found->second.intervalMs != 0)
        KillTimer(m_window, static_cast<UINT_PTR>(timerId));
    m_timers.erase(found);
    return true;
}

void CPslMessageDispatchEngine::DeliverQueued()
{
    // The guard is released before each call, so a target may dispatch
    // again and other threads are never held up by a slow target.
    for (;;) {
        PslDispatchMessage message{};
        {
            CHfcGuardLock lock(m_guard);
            if (m_queue.empty())
                return;
            message = m_queue.front();
            m_queue.pop_front();
        }
        message.target->OnPslMessage(message.id, message.param1, message.param2, message.param3, message.param4);
    }
}

void CPslMessageDispatchEngine::DeliverTimer(int timerId)
{
    auto found = m_timers.find(timerId);
    if (found != m_timers.end())
        found->second.listener->OnPslTimer(timerId);
}

LRESULT CALLBACK CPslMessageDispatchEngine::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* engine =
            static_cast<CPslMessageDispatchEngine*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, kEngineSlot, reinterpret_cast<LONG_PTR>(engine));
        engine->m_window = window;
        return TRUE;
    }
    auto* engine = reinterpret_cast<CPslMessageDispatchEngine*>(GetWindowLongPtrW(window, kEngineSlot));
    if (engine == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY: engine->m_window = nullptr; return 0;
    case WM_TIMER: engine->DeliverTimer(static_cast<int>(wParam)); return 0;
    case WM_USER: engine->DeliverQueued(); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}
