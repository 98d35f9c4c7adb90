#include "framework/services/SysExPacking.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kProgramBytes = 352;

std::vector<std::uint8_t> ProgramImage()
{
    std::vector<std::uint8_t> image(kProgramBytes);
    for (int i = 0; i < kProgramBytes; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 + 11);
    return image;
}

void PackProgramImage(benchmark::State& state)
{
    const std::vector<std::uint8_t> image = ProgramImage();
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(GetPackedSysExSize(kProgramBytes)));
    for (auto _ : state) {
        PackSysExData(packed.data(), image.data(), kProgramBytes);
        benchmark::DoNotOptimize(packed.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PackProgramImage);

void UnpackProgramImage(benchmark::State& state)
{
    const std::vector<std::uint8_t> image = ProgramImage();
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(GetPackedSysExSize(kProgramBytes)));
    PackSysExData(packed.data(), image.data(), kProgramBytes);
    std::vector<std::uint8_t> unpacked(kProgramBytes);
    for (auto _ : state) {
        UnpackSysExData(unpacked.data(), packed.data(), kProgramBytes);
        benchmark::DoNotOptimize(unpacked.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(UnpackProgramImage);

}  // namespace
