// Painting a whole editor-sized window: its back buffer copied into the
// framebuffer on WM_PAINT, then presented, against a plain copy of as many
// pixels.
#include "platform/src/display/window_dc.h"

#include <platform/painting.h>
#include <platform/testing/display.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 982;
constexpr int kHeight = 667;

std::vector<std::uint32_t>& BackBuffer()
{
    static std::vector<std::uint32_t> pixels = [] {
        std::vector<std::uint32_t> made(static_cast<size_t>(kWidth) * kHeight);
        for (size_t i = 0; i < made.size(); ++i)
            made[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u);
        return made;
    }();
    return pixels;
}

// Copies the back buffer into the part of the framebuffer the paint may touch.
LRESULT CALLBACK CopyingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    if (auto* dc = platform::detail::FindWindowDc(context); dc && dc->surface) {
        for (const RECT& part : dc->clip.Rects())
            for (LONG y = part.top; y < part.bottom; ++y)
                std::memcpy(dc->surface->Row(y) + part.left,
                            BackBuffer().data() + static_cast<size_t>(y - dc->origin.y) * kWidth +
                                (part.left - dc->origin.x),
                            static_cast<size_t>(part.right - part.left) * 4);
    }
    EndPaint(window, &paint);
    return 0;
}

HWND MakeWindow()
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = CopyingProc;
    windowClass.lpszClassName = "BenchCompositeWindow";
    RegisterClassExA(&windowClass);
    return CreateWindowExA(0, "BenchCompositeWindow", "", WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr, nullptr,
                           nullptr);
}

void CompositeAndPresent(benchmark::State& state)
{
    HWND window = MakeWindow();
    platform::testing::PumpMessages();
    for (auto _ : state) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kWidth * kHeight * 4);
    DestroyWindow(window);
}
BENCHMARK(CompositeAndPresent);

void PlainCopy(benchmark::State& state)
{
    std::vector<std::uint32_t> target(BackBuffer().size());
    for (auto _ : state) {
        std::memcpy(target.data(), BackBuffer().data(), target.size() * 4);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kWidth * kHeight * 4);
}
BENCHMARK(PlainCopy);

}  // namespace
