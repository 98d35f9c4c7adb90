// Replays inputs through a fuzz target's entry as libFuzzer would: first the
// empty input, then every file named or found in the folders named, in name
// order. Any fault ends the run with the sanitizer's report.
#include "FuzzInput.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

// A reader that allocates what a damaged size claims fails here at once,
// not after gigabytes. The fuzz runs set the same limit.
extern "C" const char* __asan_default_options()
{
    return "max_allocation_size_mb=128";
}

int main(int argc, char** argv)
{
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (fs::is_directory(argv[i], error)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
            }
        } else if (fs::is_regular_file(argv[i], error)) {
            inputs.emplace_back(argv[i]);
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 2;
        }
    }
    std::sort(inputs.begin(), inputs.end());

    const std::uint8_t nothing = 0;
    LLVMFuzzerTestOneInput(&nothing, 0);
    for (const fs::path& input : inputs) {
        std::fprintf(stderr, "replaying %s\n", input.c_str());
        std::ifstream in(input, std::ios::binary);
        // An exact-size copy, so a read past the input's end is caught.
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs replayed\n", inputs.size() + 1);
    return 0;
}
