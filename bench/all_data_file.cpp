// Saving and loading a complete all-data file: 200 programs, the global
// data and the library properties.
#include "model/AllDataFile.h"
#include "model/FileSave.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string BenchPath()
{
    return (std::filesystem::temp_directory_path() / ("vq-bench-all-data-" + std::to_string(::getpid()))).string();
}

void FillLibrary(LibraryData& library)
{
    library.AddItem(LibraryDataItem::kProgramBank);
    library.AddItem(LibraryDataItem::kGlobal);
}

void BM_SaveAllDataFile(benchmark::State& state)
{
    LibraryData library;
    FillLibrary(library);
    const std::string path = BenchPath();
    for (auto _ : state)
        SaveAllDataFile(library, path.c_str());
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * GetAllDataFileSize(library));
}
BENCHMARK(BM_SaveAllDataFile);

void BM_LoadAllDataFile(benchmark::State& state)
{
    LibraryData library;
    FillLibrary(library);
    const std::string path = BenchPath();
    SaveAllDataFile(library, path.c_str());
    for (auto _ : state) {
        LibraryData loaded;
        LoadAllDataFile(loaded, path.c_str());
        benchmark::DoNotOptimize(loaded.GetProgramBank());
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * GetAllDataFileSize(library));
}
BENCHMARK(BM_LoadAllDataFile);

}  // namespace
