#include "framework/services/Md5.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

// Digest of one buffer: a 352-byte program image and larger sizes.
void Md5OfBuffer(benchmark::State& state)
{
    std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)));
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 31);
    std::uint8_t digest[16];
    for (auto _ : state) {
        CalculateMd5(data.data(), static_cast<std::uint32_t>(data.size()), digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(Md5OfBuffer)->Arg(352)->Arg(4096)->Arg(1 << 20);

}  // namespace
