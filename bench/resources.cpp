#include <platform/resources.h>

#include <benchmark/benchmark.h>

// Every skin bitmap and string table is found by name at start-up.
static void FindResourceByName(benchmark::State& state)
{
    for (auto _ : state) {
        HRSRC found = FindResourceA(nullptr, "LocalizableStrings", "xml");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(FindResourceByName);
