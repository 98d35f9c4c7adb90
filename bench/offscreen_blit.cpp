// Drawing an editor-sized bitmap into an offscreen buffer, blended by its
// alpha (and by an opacity), against a plain copy of as many pixels.
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr int kWidth = 982;
constexpr int kHeight = 667;

// Pixels of every alpha, as a skin background with soft edges has.
void FillVaried(CHfcBmp& bitmap)
{
    bitmap.Create(kWidth, kHeight);
    BYTE* rows = bitmap.LockBits();
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(rows + y * bitmap.GetStride());
        for (int x = 0; x < kWidth; ++x)
            row[x] = static_cast<std::uint32_t>((y * kWidth + x) * 2654435761u);
    }
    bitmap.UnlockBits();
}

void SetProcessed(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}

template <typename Draw>
void Blit(benchmark::State& state, Draw draw)
{
    CHfcBmp source;
    FillVaried(source);
    CHfcOffscreenContext target(kWidth, kHeight);
    for (auto _ : state) {
        draw(target, source);
        benchmark::ClobberMemory();
    }
    SetProcessed(state);
}

void BM_AlphaBlit(benchmark::State& state)
{
    Blit(state, [](CHfcOffscreenContext& target, CHfcBmp& source) {
        target.DrawBitmap(0, 0, kWidth, kHeight, &source, 0, 0);
    });
}
BENCHMARK(BM_AlphaBlit);

void BM_OpacityBlit(benchmark::State& state)
{
    Blit(state, [](CHfcOffscreenContext& target, CHfcBmp& source) {
        target.DrawBitmapAlpha(0, 0, kWidth, kHeight, &source, 0.5f, 0, 0);
    });
}
BENCHMARK(BM_OpacityBlit);

// Whole rows copied with no blending at all.
void BM_PlainCopy(benchmark::State& state)
{
    Blit(state, [](CHfcOffscreenContext& target, CHfcBmp& source) {
        CHfcBmp& destination = *target.GetBitmap();
        const BYTE* in = source.LockBits();
        BYTE* out = destination.LockBits();
        for (int y = 0; y < kHeight; ++y)
            std::memcpy(out + y * destination.GetStride(), in + y * source.GetStride(), kWidth * 4);
        destination.UnlockBits();
        source.UnlockBits();
    });
}
BENCHMARK(BM_PlainCopy);

}  // namespace
