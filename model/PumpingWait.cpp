#include "model/PumpingWait.h"

#include "framework/services/ServiceSlots.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr DWORD kSliceMs = 10;

}  // namespace

bool WaitWhilePumping(CHfcSemaphore& semaphore, DWORD timeoutMs, const std::function<bool()>& accept)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        const auto slice = static_cast<DWORD>(std::min<long long>(left, kSliceMs));
        if (semaphore.WaitWithTimeout(slice) == CHfcSemaphore::kObtained && accept())
            return true;
        PumpMessages();
    }
}
